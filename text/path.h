// Taking a Windows path apart as text. The backslash is the only separator,
// on every host; "/" and a drive's ":" are ordinary bytes.
#ifndef TEXT_PATH_H
#define TEXT_PATH_H

#include "text/str.h"

// The bytes after the last backslash; the whole path when it has none.
//     FileNameOf("C:\\work\\Hello.class") -> "Hello.class"
Str FileNameOf(const char* path);

// The bytes before the last backslash; empty when it has none.
//     DirectoryOf("C:\\work\\Hello.class") -> "C:\\work"
//     DirectoryOf("C:\\Hello.class")       -> "C:"
Str DirectoryOf(const char* path);

// Whether the count bytes at a and at b are the same, ASCII letters in
// either case, as Windows compares names.
//     SameIgnoringCase("Acme", "aCME", 4) -> true
bool SameIgnoringCase(const char* a, const char* b, unsigned count);

// Whether the path ends with extension, letters compared without case.
//     HasExtension("C:\\work\\Foo.JAVA", ".java") -> true
bool HasExtension(const char* path, const char* extension);

#endif
