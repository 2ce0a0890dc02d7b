// The few operating-system calls of the launchers, in one small file per idea
// and platform: files_, program_ and console_windows.cpp for the product,
// their _posix.cpp namesakes as a stand-in for the native test build. Paths
// are Windows paths on both: the stand-in turns their backslashes into
// slashes at the system call.
#ifndef LAUNCHER_PLATFORM_H
#define LAUNCHER_PLATFORM_H

#include <stdio.h>

#include "text/str.h"

// ---- Files and paths

// The short form of path, or the empty text when it cannot be had.
Str ShortPathOf(const char* path);

// The long form of path ("LONGCL~1.JAV" -> "LongClassName.java"), or the
// empty text when it cannot be had.
Str LongPathOf(const char* path);

// The current directory, or the empty text when it cannot be had.
Str CurrentDirectory();

// The full path the system opens for path: made full against the current
// directory, "/" read as "\\", "." and ".." folded; or the empty text, with
// the system's reason in *reason if given, when it cannot be had.
Str FullPathOf(const char* path, Str* reason = nullptr);

// Makes path the current directory (and its drive the current drive).
// Returns false, with the system's reason in *reason if given, when it
// cannot; the current directory then stays as it was.
bool ChangeDirectory(const char* path, Str* reason = nullptr);

// Whether path names a file, not a folder.
bool IsFile(const char* path);

// The count of characters in text as the system counts them in its
// command lines and paths: UTF-16 units.
unsigned CharacterCount(const char* text);

// The file on disk opened for reading with the C runtime's mode, "r" for
// text or "rb" for binary, or null: never a directory or a device. A class
// file is read as binary, since text mode on Windows would turn CR LF into
// LF and stop at byte 0x1A.
FILE* OpenDiskFile(const char* path, const char* mode);

// ---- Starting the tool

// Whether a bare program name is looked for in the current directory before
// PATH: as cmd does unless NoDefaultCurrentDirectoryInExePath is set; never
// on POSIX, as /bin/sh never does.
bool StartFolderSearched(const char* name);

// What separates the folders of PATH, and the extensions a program name
// without one is tried with when PATHEXT is unset (";"-separated; null on
// POSIX: the name as it is).
extern const char PathListSeparator[];
extern const char* const DefaultProgramExtensions;

// A clock in milliseconds, to time the tool.
unsigned long long Milliseconds();

// The command interpreter: the file COMSPEC names, else the system's own
// cmd.exe, never one in the current directory or on PATH (/bin/sh
// natively); the empty text when there is none.
Str InterpreterPath();

// Runs the command line through the interpreter and waits for it. Returns
// false, with the system's reason in *reason, when the interpreter cannot be
// started; else *status is its exit status, which is the tool's (on POSIX
// the exit code, or 128 plus the number of the signal that ended it).
bool RunCommandLine(const char* interpreter, const char* commandLine, unsigned long* status, Str* reason);

// ---- The console

// From now until the launcher ends, Ctrl+C and Ctrl+Break stop the tool
// but not the launcher, which goes on to say how the tool ended and pause.
void KeepRunningOnBreak();

// Writes the launcher's own text to standard output after what stdio holds:
// on a console in its characters (converted from the process's code page,
// whatever the console's own), elsewhere as bytes, as the tool's go.
void Say(const char* text);

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
