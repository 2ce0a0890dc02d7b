// The argument translation of class_runner.
#ifndef CLASS_RUNNER_TRANSLATE_CLASS_ARGUMENT_H
#define CLASS_RUNNER_TRANSLATE_CLASS_ARGUMENT_H

#include "text/str.h"

// Set once a class file's package has been read; never reset.
extern bool FirstFileTaken;

// The first argument that names a .class file (in any letter case) whose
// package can be read, from the source beside it (Foo.java beside Foo.class)
// or else from the class file itself, makes its package root current and
// comes back as its class name below it. A class file whose package cannot
// be read makes its own directory current and comes back as its name; one
// whose directory cannot be entered comes back as it is, after a note. Every
// other argument, options and all that follow the class, comes back as it is.
//     C:\work\src\com\acme\Foo.class (package com.acme) -> "com/acme/Foo"
//     -verbose                                          -> "-verbose"
Str TranslateClassArgument(const char* argument);

#endif
