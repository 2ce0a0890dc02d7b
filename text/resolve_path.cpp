#include "text/resolve_path.h"

#include <string.h>

#include "text/heap.h"

// Cuts one trailing backslash off the text in place.
static void DropTrailingBackslash(Str& text)
{
    unsigned length = text.length();
    if (length > 0 && text.c_str()[length - 1] == '\\')
        text.c_str()[length - 1] = '\0';
}

// Copies text into out; returns its length.
static unsigned CopyInto(char* out, const Str& text)
{
    unsigned length = text.length();
    if (length > 0)
        memcpy(out, text.c_str(), length);
    out[length] = '\0';
    return length;
}

// The directory is worked on in one buffer large enough for any outcome, so
// that the cost stays linear in the length of the relative path.
Str ResolvePath(const char* relative, const char* base, const char* root)
{
    Str start(base);
    DropTrailingBackslash(start);
    Str floor = root ? Str(root) : Left(base, 2);
    DropTrailingBackslash(floor);
    unsigned floorLength = floor.length();
    unsigned longest = start.length() > floorLength ? start.length() : floorLength;

    Str directory;
    directory.reserve(CheckedSize(longest + (unsigned long long)SafeLength(relative) + 1));
    char* out = directory.c_str();
    unsigned length = CopyInto(out, start);
    // At the root, ".." and an empty component change nothing.
    bool atFloor = false;

    const char* rest = relative ? relative : "";
    for (unsigned size; rest[size = strcspn(rest, "\\/")] != '\0'; rest += size + 1) {
        bool climb = size == 2 && rest[0] == '.' && rest[1] == '.';
        if ((size == 0 || climb) && atFloor)
            continue;
        if (climb) {
            while (length > 0 && out[length - 1] != '\\')
                length--;
            length = length > 0 ? length - 1 : 0;
            out[length] = '\0';
        }
        if (size == 0 || (climb && length < floorLength)) {
            length = CopyInto(out, floor);
            atFloor = true;
        } else if (!climb && rest[0] != '.') {
            out[length++] = '\\';
            memcpy(out + length, rest, size);
            length += size;
            out[length] = '\0';
            atFloor = false;
        }
    }
    out[length++] = '\\';
    strcpy(out + length, rest);
    return Str(out);
}
