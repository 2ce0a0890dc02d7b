// The argument translation of source_compiler.
#ifndef SOURCE_COMPILER_TRANSLATE_SOURCE_ARGUMENT_H
#define SOURCE_COMPILER_TRANSLATE_SOURCE_ARGUMENT_H

#include "text/str.h"

// Set once a source file has been opened; never reset.
extern bool FirstFileTaken;

// The first argument that names a .java file (in any letter case) which can
// be opened makes its package root current and comes back as its path below
// it, or as it is, after a note, when the root cannot be entered. Every other
// argument, options and all that follow that file, comes back as it is, and
// nothing else is opened.
//     C:\work\src\com\acme\Foo.java (package com.acme) -> "com/acme/Foo.java"
//     -g                                               -> "-g"
Str TranslateSourceArgument(const char* argument);

#endif
