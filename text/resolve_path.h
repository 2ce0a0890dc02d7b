// Applying a relative path to a directory, as text, never above a root.
#ifndef TEXT_RESOLVE_PATH_H
#define TEXT_RESOLVE_PATH_H

#include "text/str.h"

// The base with each component of relative applied in turn: ".." climbs one
// directory, an empty component goes back to the root, a component that
// begins with "." is skipped, any other is appended; then a backslash and the
// last component, as it stands. "/" in relative separates like "\\". The
// root is the first two bytes of base (its drive) when none is given; the
// climb never makes the directory shorter than the root.
//     ResolvePath("..\\..\\", "C:\\work\\src\\com\\acme", nullptr) -> "C:\\work\\src\\"
//     ResolvePath("..\\..\\..\\..\\", "C:\\work\\com\\acme", nullptr) -> "C:\\"
Str ResolvePath(const char* relative, const char* base, const char* root);

#endif
