// Finding the program that a bare tool name stands for, as cmd finds it,
// before the package root is entered: cmd, started there, would look in
// the root first, where a project's own javac.bat could stand in for the JDK.
#ifndef LAUNCHER_PROGRAM_SEARCH_H
#define LAUNCHER_PROGRAM_SEARCH_H

#include "text/str.h"

// The full path of the program that a bare name (no folder) stands for:
// looked for in the current folder (unless the system says not to), then in
// each PATH folder (quotes around one dropped, empty entries skipped), and
// only when found nowhere else, in %JAVA_HOME%\bin. A name without an
// extension is tried with each PATHEXT extension in turn (empty and "."
// entries skipped: cmd never runs a file without one). The empty text when
// found nowhere. *remark gets what the user must be told: that the program
// came from JAVA_HOME, or where it was looked for in vain.
//     FindProgram("javac", &remark) -> "C:\\jdk\\bin\\javac.exe", remark ""
//     FindProgram("javac", &remark) -> "", remark "not found in C:\\work\\ or on PATH"
Str FindProgram(const char* name, Str* remark);

#endif
