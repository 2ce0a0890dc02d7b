#include "text/path.h"

#include <string.h>

#include "text/bytes.h"

Str FileNameOf(const char* path)
{
    const char* lastBackslash = path ? strrchr(path, '\\') : nullptr;
    return Str(lastBackslash ? lastBackslash + 1 : path);
}

Str DirectoryOf(const char* path)
{
    const char* lastBackslash = path ? strrchr(path, '\\') : nullptr;
    return lastBackslash ? BytesOf(path, lastBackslash - path) : Str();
}
