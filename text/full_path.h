// Making a Windows path full, as text, the way the system reads it: against a
// current directory, "/" as "\\", "." and ".." and repeated separators folded.
#ifndef TEXT_FULL_PATH_H
#define TEXT_FULL_PATH_H

#include "text/str.h"

// What ".." never climbs above in a full path, with its backslash: a network
// share, a device path's drive or share, or else the drive, the path's first
// two bytes.
//     RootOf("C:\\work\\Foo.java")             -> "C:\\"
//     RootOf("\\\\srv\\share\\src\\Foo.java")  -> "\\\\srv\\share\\"
//     RootOf("\\\\?\\C:\\work\\Foo.java")      -> "\\\\?\\C:\\"
Str RootOf(const char* path);

// Whether the path lies on a network share, which the command interpreter
// cannot make current.
//     IsNetworkPath("\\\\srv\\share\\src")     -> true
//     IsNetworkPath("\\\\?\\C:\\src")          -> false
bool IsNetworkPath(const char* path);

// The path without the "\\\\?\\" or "\\\\.\\" prefix that lets it past the
// system's parsing: a full drive path as it is written plainly, a "UNC\\" one as
// its share; any other path as it is, and so is one with a component that
// ends in a dot or a blank, which the plain form would name differently.
//     PlainPathOf("\\\\?\\C:\\work\\Foo.java")          -> "C:\\work\\Foo.java"
//     PlainPathOf("\\\\?\\UNC\\srv\\share\\Foo.java") -> "\\\\srv\\share\\Foo.java"
//     PlainPathOf("\\\\?\\C:\\src.\\Foo.java")         -> "\\\\?\\C:\\src.\\Foo.java"
Str PlainPathOf(const char* path);

// The directory with path below it, one backslash between them.
//     PathBelow("C:\\jdk", "javac.exe") -> "C:\\jdk\\javac.exe"
//     PathBelow("C:\\", "javac.exe")    -> "C:\\javac.exe"
Str PathBelow(const char* directory, const char* path);

// The path made full against the directory current: a relative path below
// it, "C:x" below it when it is on drive C: (else below C:\), "\\x" on its
// drive; "\\\\?\\" and "\\\\.\\" paths are taken as they stand. Empty for an
// empty path, or a relative one without a current directory.
//     FullPathFrom("..\\acme\\Foo.java", "C:\\src\\com\\acme") -> "C:\\src\\com\\acme\\Foo.java"
//     FullPathFrom("Foo.java", "C:\\")                        -> "C:\\Foo.java"
Str FullPathFrom(const char* path, const char* current);

#endif
