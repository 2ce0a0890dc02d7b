// Finding a Java source's package root from its package declaration.
#ifndef LAUNCHER_PACKAGE_SCANNER_H
#define LAUNCHER_PACKAGE_SCANNER_H

#include <stdio.h>

#include "text/str.h"

// The source's first statement, as far as its first ";" outside comments and
// literals (or to the end of the file). Line feeds, carriage returns and both
// together end lines; comments anywhere count as line ends; a literal (string,
// char or text block) runs to its closing quote, over line ends too; Unicode
// escapes are not decoded. The text between line ends loses its leading and
// trailing blanks (blank, tab, form feed), and texts are joined by one blank;
// one that begins with ";" is taken whole, with one more ";". Lines are read
// in pieces of at most 4,095 bytes, which go on the line; bytes after a NUL in
// a piece are lost. A read error ends the scan as the end of the file does.
//     "/* x */\r\tpackage com.acme;  // y\nclass A {}\n" -> "package com.acme;"
//     "@A(\";\") package /* b.c */ a; // d\n"           -> "@A(\";\") package a;"
Str ReadFirstStatement(FILE* source);

// The number of directory levels a package declaration spans: when the
// statement, past white space, comments and annotations, begins with the word
// "package" followed by white space, a comment or the statement's end, one
// more than the dots before its first ";" outside comments and literals;
// otherwise 0 (also for "@interface"). With packageName, a declaration's
// name goes there without white space and comments, or the empty text when
// it is no Java name (javac reports that).
//     PackageDepth("package com.acme;")               -> 2
//     PackageDepth("@A(\").\") package/*.*/ a.b;")  -> 2, name "a.b"
//     PackageDepth("package")                         -> 1, name ""
//     PackageDepth("import a.b;")                     -> 0
int PackageDepth(const char* statement, Str* packageName = nullptr);

// The file that path names, as the system opens it: made full, and long
// where it has a long form, so that its extension and its folders are the
// real ones; the path as given when it cannot be made full.
//     "C:\\MYPROJ~1\\LONGCL~1.JAV" -> "C:\\My Project\\LongClassName.java"
Str FileNamedBy(const char* path);

// Makes the package root of the file at path current, depth directories above
// the file's own (never above its drive), and returns the file's path below
// it with "/" separators. Depth 0 makes the file's directory current and
// returns its name. The path is first made full as the system would open it
// (relative, "/", "." and ".." all allowed; "\\\\?\\" dropped where the plain
// path names the same file); a share is climbed no higher than itself. The
// root is entered as EnterFolder enters it. When it cannot be made current,
// or the path made full, the current directory stays, and *failure, if
// given, says why, naming the folder with its trailing backslash.
//     EnterPackageRoot("C:\\work\\src\\com\\acme\\Foo.java", 2) -> "com/acme/Foo.java",
//     and C:\work\src\ is current.
//     EnterPackageRoot("C:\\locked\\com\\Foo.java", 1, &failure) -> "com/Foo.java",
//     failure "cannot enter C:\\locked\\: Access is denied"
Str EnterPackageRoot(const char* path, int depth, Str* failure = nullptr);

// Makes folder current as a program can be started in it: a folder longer
// than a current folder may be (258 characters) by its short name, where
// that is short enough. Returns false, and says why in *failure if given,
// when it cannot; the current directory then stays.
//     EnterFolder("C:\\locked", &failure) -> false,
//     failure "cannot enter C:\\locked\\: Access is denied"
bool EnterFolder(const char* folder, Str* failure = nullptr);

// Says that the root could not be entered, so that the argument goes to the
// tool as it was given; returns the argument.
//     GivenAsIs("cannot enter C:\\locked\\: Access is denied", "Foo.java") prints
//     "note: cannot enter C:\\locked\\: Access is denied; Foo.java goes to the tool as given"
Str GivenAsIs(const char* failure, const char* argument);

#endif
