// The line that tells how the tool ended, printed before the pause: a run
// that failed must not scroll by looking like one that worked.
#ifndef LAUNCHER_STATUS_LINE_H
#define LAUNCHER_STATUS_LINE_H

#include "text/str.h"

// How the tool at toolPath, named by its last component as given, ended:
// its status in decimal up to 65535, else in hex, and its time in seconds.
//     "C:\\jdk\\bin\\javac.exe", 1, 840       -> "javac.exe exited with status 1 after 0.84 s"
//     "java", 0xC000013A, 3000               -> "java exited with status 0xC000013A after 3.00 s (stopped with Ctrl+C)"
//     "C:\\jdk\\bin\\jav.exe", 9009, 20       -> "jav.exe exited with status 9009 after 0.02 s (not found)"
Str StatusLine(const char* toolPath, unsigned long status, unsigned long long milliseconds);

// That the tool could not be run at all, and why.
//     "C:\\jdk\\bin\\java.exe", "no interpreter" -> "java.exe could not be run: no interpreter"
Str NotRunLine(const char* toolPath, const char* reason);

#endif
