// The argument translation of class_runner.
#ifndef CLASS_RUNNER_TRANSLATE_CLASS_ARGUMENT_H
#define CLASS_RUNNER_TRANSLATE_CLASS_ARGUMENT_H

#include "text/str.h"

// Set once the source of a class file has been opened; never reset.
extern bool FirstFileTaken;

// An option comes back with a blank in front. The first class file whose
// source (Foo.java beside Foo.class) can be opened makes its package root
// current and comes back as its class name below it; every argument after
// it comes back empty. A class file without a source makes its own
// directory current and comes back as a blank and its name.
//     C:\work\src\com\acme\Foo.class (package com.acme) -> "com/acme/Foo"
//     -verbose                                          -> " -verbose"
Str TranslateClassArgument(const char* argument);

#endif
