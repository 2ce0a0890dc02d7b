// The few operating-system calls of the launchers, one small file per
// platform: platform_windows.cpp for the product, platform_posix.cpp as a
// stand-in for the native test build. Paths are Windows paths on both: the
// stand-in turns their backslashes into slashes at the system call.
#ifndef LAUNCHER_PLATFORM_H
#define LAUNCHER_PLATFORM_H

#include <stdio.h>

#include "text/str.h"

// The short form of path, or the empty text when it cannot be had.
Str ShortPathOf(const char* path);

// The long form of path ("LONGCL~1.JAV" -> "LongClassName.java"), or the
// empty text when it cannot be had.
Str LongPathOf(const char* path);

// The current directory, or the empty text when it cannot be had.
Str CurrentDirectory();

// The full path the system opens for path: made full against the current
// directory, "/" read as "\\", "." and ".." folded; or the empty text when
// it cannot be had.
Str FullPathOf(const char* path);

// Makes path the current directory (and its drive the current drive).
// A failure leaves the current directory as it was.
void ChangeDirectory(const char* path);

// The file on disk opened for reading with the C runtime's mode, "r" for
// text or "rb" for binary, or null: never a directory or a device. A class
// file is read as binary, since text mode on Windows would turn CR LF into
// LF and stop at byte 0x1A.
FILE* OpenDiskFile(const char* path, const char* mode);

// From now until the launcher ends, Ctrl+C and Ctrl+Break stop the tool
// but not the launcher, which goes on to say how the tool ended and pause.
void KeepRunningOnBreak();

// A clock in milliseconds, to time the tool.
unsigned long long Milliseconds();

// Runs the command line through the command interpreter and waits for it.
// Returns false, with *reason, when no interpreter could be started; else
// *status is the interpreter's exit status, which is the tool's (on POSIX
// the exit code, or 128 plus the number of the signal that ended it).
bool RunCommandLine(const char* commandLine, unsigned long* status, Str* reason);

// Whether standard output is a console, where a person sees the pause text
// and can answer it; not a file or a pipe, such as an editor's output panel.
bool OutputIsConsole();

// Discards the keys typed on the console so far, so that only a key
// pressed after the pause text ends the wait.
void DropTypedKeys();

// Waits for one key on the console, without echo; at once without a console.
// Ctrl+C is no key.
void WaitForKey();

#endif
