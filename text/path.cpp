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

static char LowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const char* a, const char* b, unsigned count)
{
    for (unsigned i = 0; i < count; i++) {
        if (LowerCase(a[i]) != LowerCase(b[i]))
            return false;
    }
    return true;
}

bool HasExtension(const char* path, const char* extension)
{
    unsigned length = SafeLength(path), extensionLength = SafeLength(extension);
    return length >= extensionLength && SameIgnoringCase(path + (length - extensionLength), extension, extensionLength);
}
