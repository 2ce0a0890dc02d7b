#include "launcher/misplaced_note.h"

#include <string.h>

#include "launcher/platform.h"

// Whether the package's name [name, name + length) may be the folder's. A
// name that stands for letters beyond ASCII (in another encoding than the
// path's, or as a Unicode escape) may be any folder's.
static bool NameMatches(const char* name, unsigned length, const char* folder, unsigned folderLength)
{
    for (unsigned i = 0; i < length; i++) {
        if ((unsigned char)name[i] >= 0x80 || name[i] == '\\')
            return true;
    }
    return length == folderLength && SameIgnoringCase(name, folder, length);
}

// Whether the package lacks a name or one of its names ("", "a..b", "a."):
// javac reports that, and the folders cannot spell it.
static bool HasEmptyName(const char* package)
{
    unsigned length = SafeLength(package);
    return length == 0 || package[0] == '.' || package[length - 1] == '.' || Find(package, "..") >= 0;
}

// Whether the folders of below, all its components but the last, spell the
// package name by name: as many folders as names, each matching.
static bool FoldersSpell(const char* package, const char* below)
{
    for (;;) {
        unsigned length = strcspn(package, "."), folderLength = strcspn(below, "/");
        if (below[folderLength] == '\0' || !NameMatches(package, length, below, folderLength))
            return false;
        below += folderLength + 1;
        if (package[length] == '\0')
            return strchr(below, '/') == nullptr;
        package += length + 1;
    }
}

Str MisplacedNote(const char* package, const char* file, const char* below)
{
    if (HasEmptyName(package) || FoldersSpell(package, below ? below : ""))
        return Str();
    Str name = FileNameOf(file), folder = DirectoryOf(file);
    Str folders = ReplaceAll(package, ".", "\\");
    return Str("note: package ") + package + " needs " + name.c_str() + " in a folder " + folders.c_str()
        + "\\; it is in " + folder.c_str() + "\\";
}

void SayIfMisplaced(const char* package, const char* file, const char* below)
{
    Str note = MisplacedNote(package, file, below);
    if (note != "")
        Say(note.append('\n').c_str());
}
