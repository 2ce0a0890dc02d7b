// Finding a Java source's package root from its package declaration.
#ifndef LAUNCHER_PACKAGE_SCANNER_H
#define LAUNCHER_PACKAGE_SCANNER_H

#include <stdio.h>

#include "text/str.h"

// The source's first statement, read past blank lines, "//" lines and block
// comments: its lines trimmed of Java's blanks (blank, tab, form feed,
// carriage return) and joined by one blank, up to and with its first ";" (or
// to the end of the file). A block comment at the head of a line ends at its
// first "*/", and the text after that is a line of its own. Lines are read
// in pieces of at most 4,095 bytes. A read error ends the scan as the end of
// the file does.
//     "/* x */\n\tpackage com.acme;  // y\nclass A {}\n" -> "package com.acme;"
Str ReadFirstStatement(FILE* source);

// The number of directory levels a package declaration spans: the count of
// dots plus one when the statement's first word is "package" (ended by one of
// Java's blanks or by the statement's end), otherwise 0.
//     PackageDepth("package com.acme;") -> 2
//     PackageDepth("package")           -> 1
//     PackageDepth("import a.b;")       -> 0
int PackageDepth(const char* statement);

// Makes the package root of the file at path current, depth directories above
// the file's own (never above its drive), and returns the file's path below
// it with "/" separators. Depth 0 makes the file's directory current and
// returns its name. The path is first made full as the system would open it
// (relative, "/", "." and ".." all allowed); a share is climbed no higher
// than itself.
//     EnterPackageRoot("C:\\work\\src\\com\\acme\\Foo.java", 2) -> "com/acme/Foo.java",
//     and C:\work\src\ is current.
Str EnterPackageRoot(const char* path, int depth);

#endif
