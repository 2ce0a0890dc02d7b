// The note that a file lies in folders that do not spell its package: javac
// would put its class where java cannot find it, and say nothing.
#ifndef LAUNCHER_MISPLACED_NOTE_H
#define LAUNCHER_MISPLACED_NOTE_H

#include "text/str.h"

// The note for the file at the full path file, of package (its names joined
// by "."), named below the package root entered as below ("/"-separated);
// empty when the folders of below spell the package name by name, or when
// the package lacks a name (javac reports that). ASCII letters match in
// either case; a name that holds a byte of 0x80 or more or a backslash (a
// Unicode escape) matches any folder.
//     "hello", "C:\\work\\Desktop\\Foo.java", "Desktop/Foo.java"
//         -> "note: package hello needs Foo.java in a folder hello\\; it is in C:\\work\\Desktop\\"
//     "com.acme", "C:\\src\\com\\Acme\\Foo.java", "com/Acme/Foo.java" -> ""
Str MisplacedNote(const char* package, const char* file, const char* below);

// Prints that note, if any, before the tool's output.
void SayIfMisplaced(const char* package, const char* file, const char* below);

#endif
