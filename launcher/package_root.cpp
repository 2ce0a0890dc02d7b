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

// The path of the file; a bare name is taken in the current directory, so
// that its package root is climbed to like that of a full path.
static Str FullPathOf(const char* path)
{
    if (FindChar(path, '\\') != -1)
        return Str(path);
    Str directory = CurrentDirectory();
    if (directory == "")
        return directory;
    if (Right(directory.c_str(), 1) != "\\")
        directory.append('\\');
    return directory.append(path);
}

Str EnterPackageRoot(const char* path, int depth)
{
    Str fullPath = depth > 0 ? FullPathOf(path) : Str();
    if (fullPath == "") {
        EnterDirectoryOf(path);
        return FileNameOf(path);
    }
    Str up = Repeat("..\\", depth);
    Str directory = DirectoryOf(fullPath.c_str());
    Str root = ResolvePath(up.c_str(), directory.c_str(), nullptr);
    ChangeDirectory(root.c_str());
    Str below = Mid(fullPath.c_str(), root.length(), 0);
    return ReplaceAll(below.c_str(), "\\", "/");
}
