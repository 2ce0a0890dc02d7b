#include "text/full_path.h"

#include <string.h>

#include "text/bytes.h"
#include "text/heap.h"

static bool IsDrive(const char* path)
{
    char letter = (char)(path[0] | 0x20);
    return letter >= 'a' && letter <= 'z' && path[1] == ':';
}

// "\\\\?\\" or "\\\\.\\": a path the system takes as it stands.
static bool IsDevicePath(const char* path)
{
    return path[0] == '\\' && path[1] == '\\' && (path[2] == '?' || path[2] == '.') && path[3] == '\\';
}

// The bytes of path from start up to and with the backslash that ends its
// count-th component (or to its end).
static unsigned PastComponents(const char* path, unsigned start, int count)
{
    unsigned end = start;
    for (int i = 0; i < count; i++) {
        end += (unsigned)strcspn(path + end, "\\");
        if (path[end] == '\\')
            end++;
    }
    return end;
}

Str RootOf(const char* path)
{
    const char* p = path ? path : "";
    unsigned end;
    if (IsDevicePath(p))
        end = PastComponents(p, 4, strncmp(p + 4, "UNC\\", 4) == 0 ? 3 : 1);
    else if (p[0] == '\\' && p[1] == '\\')
        end = PastComponents(p, 2, 2);
    else
        end = SafeLength(p) < 2 ? SafeLength(p) : 2;
    Str root = BytesOf(p, end);
    return root.length() > 0 && root.c_str()[root.length() - 1] == '\\' ? root : root.append('\\');
}

bool IsNetworkPath(const char* path)
{
    const char* p = path ? path : "";
    if (p[0] != '\\' || p[1] != '\\')
        return false;
    Str root = RootOf(p);
    return !(IsDevicePath(p) && IsDrive(root.c_str() + 4));
}

// Whether a component of the path ends in a dot or a blank, which the
// system's parsing of a plain path would drop.
static bool HasTrimmedComponent(const char* path)
{
    for (const char* at = path; *at; at++) {
        if ((*at == '.' || *at == ' ') && (at[1] == '\\' || at[1] == '\0'))
            return true;
    }
    return false;
}

Str PlainPathOf(const char* path)
{
    const char* p = path ? path : "";
    if (IsDevicePath(p) && HasTrimmedComponent(p + 4))
        return Str(p);
    if (IsDevicePath(p) && IsDrive(p + 4) && p[6] == '\\')
        return Str(p + 4);
    if (IsDevicePath(p) && strncmp(p + 4, "UNC\\", 4) == 0)
        return Str("\\") + (p + 7);
    return Str(p);
}

Str PathBelow(const char* directory, const char* path)
{
    Str joined(directory);
    if (Right(directory, 1) != "\\")
        joined.append('\\');
    return joined.append(path);
}

// The path joined to the current directory, not yet folded; empty when a
// relative path has no current directory.
static Str Joined(const char* path, const char* current)
{
    if ((path[0] == '\\' && path[1] == '\\') || (IsDrive(path) && path[2] == '\\'))
        return Str(path);
    bool sameDrive = IsDrive(current) && ((current[0] | 0x20) == (path[0] | 0x20));
    if (IsDrive(path))
        return sameDrive ? PathBelow(current, path + 2) : Left(path, 2) + "\\" + (path + 2);
    if (*current == '\0')
        return Str();
    if (path[0] != '\\')
        return PathBelow(current, path);
    // A rooted path goes on the current directory's drive or share; on a
    // host whose paths have no drive, it is full as it is.
    if (current[0] == '\\' && current[1] != '\\')
        return Str(path);
    Str drive = RootOf(current);
    drive.c_str()[drive.length() - 1] = '\0';
    return drive + path;
}

// The path with its components after the root folded: empty ones and "."
// dropped, ".." taking the last kept one back but never the root; a
// trailing backslash kept.
static Str Folded(const char* path, unsigned rootLength)
{
    unsigned pathLength = SafeLength(path);
    char* out = NewBytes(pathLength + 2ull);
    memcpy(out, path, rootLength);
    unsigned length = rootLength;
    for (const char* rest = path + rootLength;; rest++) {
        unsigned size = (unsigned)strcspn(rest, "\\");
        bool climb = size == 2 && rest[0] == '.' && rest[1] == '.';
        if (climb && length > rootLength) {
            length--;
            while (length > rootLength && out[length - 1] != '\\')
                length--;
        } else if (size > 0 && !climb && !(size == 1 && rest[0] == '.')) {
            memcpy(out + length, rest, size);
            length += size;
            out[length++] = '\\';
        }
        rest += size;
        if (*rest == '\0')
            break;
    }
    if (length > rootLength && path[pathLength - 1] != '\\')
        length--;
    out[length] = '\0';
    return AdoptBytes(out);
}

Str FullPathFrom(const char* path, const char* current)
{
    Str given = ReplaceAll(path, "/", "\\");
    const char* p = given.c_str() ? given.c_str() : "";
    if (*p == '\0' || IsDevicePath(p))
        return given;
    Str joined = Joined(p, current ? current : "");
    if (joined == "")
        return joined;
    // A host path without a drive ("\\tmp\\x") has the one backslash as root.
    const char* whole = joined.c_str();
    unsigned rootLength = whole[0] == '\\' && whole[1] != '\\' ? 1 : RootOf(whole).length();
    return SafeLength(whole) < rootLength ? joined : Folded(whole, rootLength);
}
