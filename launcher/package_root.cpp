#include "launcher/package_scanner.h"

#include "launcher/platform.h"

// The directory of the file at path: a file in a drive's root gets that
// root, since the bare drive "C:" would name the drive's last current
// directory instead; empty for a bare name.
static Str DirectoryToEnter(const char* path)
{
    Str directory = DirectoryOf(path);
    if (directory.length() == 2 && directory.c_str()[1] == ':')
        directory.append('\\');
    return directory;
}

Str FileNamedBy(const char* path)
{
    Str full = FullPathOf(path);
    if (full == "")
        return Str(path);
    Str longPath = LongPathOf(full.c_str());
    return longPath != "" ? longPath : full;
}

// The longest folder a program can be started in: CreateProcess takes no
// current folder of MAX_PATH (260) characters, its backslash and NUL counted.
static const unsigned LongestCurrentFolder = 258;

static bool FitsAsCurrentFolder(const char* folder)
{
    unsigned length = CharacterCount(folder);
    return length > 0 && length - (Right(folder, 1) == "\\") <= LongestCurrentFolder;
}

// Makes the folder current, unless there is a reason not to try (the path
// it came from cannot be made full); says why it is not, in *failure.
static bool Enter(const char* folder, Str reason, Str* failure)
{
    if (SafeLength(folder) == 0)
        return true;
    // A folder too long for the tool to start in goes by its short name.
    Str target = folder;
    if (reason == "" && !FitsAsCurrentFolder(folder))
        target = ShortPathOf(folder);
    if (reason == "" && !FitsAsCurrentFolder(target.c_str()))
        reason.assign("a program's current folder has at most 258 characters");
    if (reason == "" && ChangeDirectory(target.c_str(), &reason))
        return true;
    if (failure)
        *failure = Str("cannot enter ") + PathBelow(folder, "").c_str() + ": " + reason.c_str();
    return false;
}

bool EnterFolder(const char* folder, Str* failure)
{
    return Enter(folder, Str(), failure);
}

Str EnterPackageRoot(const char* path, int depth, Str* failure)
{
    // Every name the system opens for the file ("Foo.java", "..\\acme\\Foo.java",
    // "C:/src/com/acme/Foo.java") gives the same root and the same name below
    // it; "\\\\?\\C:\\..." is entered as "C:\\...", which cmd can work in,
    // where that names the same folder. A path that cannot be made full is
    // read with either separator.
    Str notFull;
    Str fullPath = PlainPathOf(FullPathOf(path, &notFull).c_str());
    if (fullPath == "")
        fullPath = ReplaceAll(path, "/", "\\");
    if (depth == 0 || fullPath == "") {
        Str directory = DirectoryToEnter(fullPath.c_str());
        Enter(directory.c_str(), notFull, failure);
        return FileNameOf(fullPath.c_str());
    }
    Str up = Repeat("..\\", depth);
    Str directory = DirectoryOf(fullPath.c_str());
    Str driveRoot = RootOf(directory.c_str());
    Str root = ResolvePath(up.c_str(), directory.c_str(), driveRoot.c_str());
    Enter(root.c_str(), notFull, failure);
    Str below = Mid(fullPath.c_str(), root.length(), 0);
    return ReplaceAll(below.c_str(), "\\", "/");
}

Str GivenAsIs(const char* failure, const char* argument)
{
    Str note = Str("note: ") + failure + "; " + argument + " goes to the tool as given\n";
    Say(note.c_str());
    return Str(argument);
}
