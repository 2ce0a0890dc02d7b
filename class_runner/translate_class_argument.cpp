#include "class_runner/translate_class_argument.h"

#include "launcher/package_scanner.h"
#include "launcher/platform.h"

bool FirstFileTaken = false;

// The argument without its last count bytes; whole when it is not longer.
static Str WithoutLast(const char* text, unsigned count)
{
    return Left(text, SafeLength(text) - count);
}

Str TranslateClassArgument(const char* argument)
{
    if (FirstFileTaken)
        return Str();
    if (argument[0] == '-')
        return Str(" ") + argument;

    // Foo.class -> Foo.java, in the same directory.
    Str sourcePath = WithoutLast(argument, 5) + "java";
    FILE* source = OpenForReading(sourcePath.c_str());
    if (!source) {
        Str name = EnterPackageRoot(argument, 0);
        return Str(" ") + WithoutLast(name.c_str(), 6).c_str();
    }
    FirstFileTaken = true;
    Str statement = ReadFirstStatement(source);
    fclose(source);
    Str classFile = EnterPackageRoot(argument, PackageDepth(statement.c_str()));
    return WithoutLast(classFile.c_str(), 6);
}
