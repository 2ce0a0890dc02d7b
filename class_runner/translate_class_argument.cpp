#include "class_runner/translate_class_argument.h"

#include "launcher/class_file.h"
#include "launcher/misplaced_note.h"
#include "launcher/package_scanner.h"
#include "launcher/platform.h"

bool FirstFileTaken = false;

// The argument without its last count bytes; whole when it is not longer.
static Str WithoutLast(const char* text, unsigned count)
{
    return Left(text, SafeLength(text) - count);
}

// The package depth of the source beside the class file (Foo.java beside
// Foo.class), and its package; -1 when there is none that can be opened.
static int DepthOfSourceBeside(const char* classFile, Str* package)
{
    Str sourcePath = WithoutLast(classFile, 5) + "java";
    FILE* source = OpenDiskFile(sourcePath.c_str(), "r");
    if (!source)
        return -1;
    Str statement = ReadFirstStatement(source);
    fclose(source);
    return PackageDepth(statement.c_str(), package);
}

// The package depth of the class that the class file defines: one level
// per "/" of its name (com/acme/Foo -> 2), and its package (com.acme); -1
// when it is no class file.
static int DepthOfClassFile(const char* classFile, Str* package)
{
    FILE* file = OpenDiskFile(classFile, "rb");
    if (!file)
        return -1;
    Str name = ClassNameOf(file);
    fclose(file);
    if (name == "")
        return -1;
    int depth = 0;
    for (const char* at = name.c_str(); *at; at++)
        depth += *at == '/';
    Str path = ReplaceAll(name.c_str(), "/", "\\");
    Str folders = DirectoryOf(path.c_str());
    *package = ReplaceAll(folders.c_str(), "\\", ".");
    return depth;
}

Str TranslateClassArgument(const char* argument)
{
    // An option, a later argument or anything but a class file goes to the
    // Java launcher as it is.
    if (FirstFileTaken || argument[0] == '-')
        return Str(argument);
    Str file = FileNamedBy(argument);
    if (!HasExtension(file.c_str(), ".class"))
        return Str(argument);
    Str package;
    int depth = DepthOfSourceBeside(file.c_str(), &package);
    if (depth < 0)
        depth = DepthOfClassFile(file.c_str(), &package);
    // Neither tells the package: the class runs from its own directory.
    FirstFileTaken = depth >= 0;
    Str failure;
    Str classFile = EnterPackageRoot(file.c_str(), depth >= 0 ? depth : 0, &failure);
    if (failure != "")
        return GivenAsIs(failure.c_str(), argument);
    SayIfMisplaced(package.c_str(), file.c_str(), classFile.c_str());
    return WithoutLast(classFile.c_str(), 6);
}
