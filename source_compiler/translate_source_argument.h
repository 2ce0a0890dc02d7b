// The argument translation of source_compiler.
#ifndef SOURCE_COMPILER_TRANSLATE_SOURCE_ARGUMENT_H
#define SOURCE_COMPILER_TRANSLATE_SOURCE_ARGUMENT_H

#include "text/str.h"

// Set once a source file has been opened; never reset.
extern bool FirstFileTaken;

// An option, or a file that cannot be opened, comes back with a blank in
// front. The first file that can be opened makes its package root current
// and comes back as its path below it; every argument after it comes back
// empty.
//     C:\work\src\com\acme\Foo.java (package com.acme) -> "com/acme/Foo.java"
//     -g                                               -> " -g"
Str TranslateSourceArgument(const char* argument);

#endif
