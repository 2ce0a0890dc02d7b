// Reading the name of the class that a compiled class file defines, for a
// class that has no readable source beside it.
#ifndef LAUNCHER_CLASS_FILE_H
#define LAUNCHER_CLASS_FILE_H

#include <stdio.h>

#include "text/str.h"

// The binary name of the class that a class file defines, read from the
// stream (opened as binary) up to its this_class entry; empty when the
// stream is not a well-formed class file (wrong magic, truncated, unknown
// constant tag, an index out of range, this_class not a Class entry, its
// name not a Utf8 entry, a name that is no class name). The stream is left
// just past this_class when that was read.
//     class file of "package com.acme; class Foo {}" -> "com/acme/Foo"
//     class file of "class Foo {}"                   -> "Foo"
Str ClassNameOf(FILE* classFile);

#endif
