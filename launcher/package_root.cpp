#include "launcher/package_scanner.h"

#include "launcher/platform.h"

// Makes the directory of the file at path current. A file in a drive's root
// gets that root: the bare drive "C:" would name the drive's last current
// directory instead.
static void EnterDirectoryOf(const char* path)
{
    Str directory = DirectoryOf(path);
    if (directory.length() == 2 && directory.c_str()[1] == ':')
        directory.append('\\');
    if (directory != "")
        ChangeDirectory(directory.c_str());
}

Str FileNamedBy(const char* path)
{
    Str full = FullPathOf(path);
    if (full == "")
        return Str(path);
    Str longPath = LongPathOf(full.c_str());
    return longPath != "" ? longPath : full;
}

Str EnterPackageRoot(const char* path, int depth)
{
    // Every name the system opens for the file ("Foo.java", "..\\acme\\Foo.java",
    // "C:/src/com/acme/Foo.java") gives the same root and the same name below it.
    Str fullPath = FullPathOf(path);
    if (fullPath == "")
        fullPath = path;
    if (depth == 0 || fullPath == "") {
        EnterDirectoryOf(fullPath.c_str());
        return FileNameOf(fullPath.c_str());
    }
    Str up = Repeat("..\\", depth);
    Str directory = DirectoryOf(fullPath.c_str());
    Str driveRoot = RootOf(directory.c_str());
    Str root = ResolvePath(up.c_str(), directory.c_str(), driveRoot.c_str());
    ChangeDirectory(root.c_str());
    Str below = Mid(fullPath.c_str(), root.length(), 0);
    return ReplaceAll(below.c_str(), "\\", "/");
}
