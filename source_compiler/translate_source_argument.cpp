#include "source_compiler/translate_source_argument.h"

#include "launcher/misplaced_note.h"
#include "launcher/package_scanner.h"
#include "launcher/platform.h"

bool FirstFileTaken = false;

Str TranslateSourceArgument(const char* argument)
{
    // An option, a later argument or anything but a source that can be
    // opened goes to the compiler as it is.
    if (FirstFileTaken || argument[0] == '-')
        return Str(argument);
    Str file = FileNamedBy(argument);
    FILE* source = HasExtension(file.c_str(), ".java") ? OpenDiskFile(file.c_str(), "r") : nullptr;
    if (!source)
        return Str(argument);
    FirstFileTaken = true;
    Str statement = ReadFirstStatement(source);
    fclose(source);
    Str package, failure;
    Str below = EnterPackageRoot(file.c_str(), PackageDepth(statement.c_str(), &package), &failure);
    if (failure != "")
        return GivenAsIs(failure.c_str(), argument);
    SayIfMisplaced(package.c_str(), file.c_str(), below.c_str());
    return below;
}
