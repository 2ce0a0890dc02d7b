#include "launcher/program_search.h"

#include <stdlib.h>
#include <string.h>

#include "launcher/package_scanner.h"
#include "launcher/platform.h"
#include "text/bytes.h"

// The name in the folder, as it is when it has an extension or there are no
// extensions, else with the first of the extensions (";"-separated) that
// gives a file: its full path as the file is named, or empty.
static Str ProgramIn(const char* folder, const char* name, const char* extensions)
{
    Str base = PathBelow(folder, name);
    if (!extensions || strchr(name, '.'))
        return IsFile(base.c_str()) ? FileNamedBy(base.c_str()) : Str();
    for (const char* at = extensions; *at; at += at[0] == ';') {
        unsigned length = strcspn(at, ";");
        Str candidate = base + BytesOf(at, length).c_str();
        bool named = length > 1 || (length == 1 && *at != '.');
        if (named && IsFile(candidate.c_str()))
            return FileNamedBy(candidate.c_str());
        at += length;
    }
    return Str();
}

// The name in the first folder of the list that holds it, or empty.
static Str ProgramOnPath(const char* folders, const char* name, const char* extensions)
{
    for (const char* at = folders ? folders : ""; *at; at += at[0] != '\0') {
        unsigned length = strcspn(at, PathListSeparator);
        // cmd reads a folder written between quotes without them.
        Str folder = ReplaceAll(BytesOf(at, length).c_str(), "\"", "");
        Str found = folder != "" ? ProgramIn(folder.c_str(), name, extensions) : Str();
        if (found != "")
            return found;
        at += length;
    }
    return Str();
}

// Where a name found nowhere was looked for.
static Str PlacesLooked(bool inStart, bool inJavaHome)
{
    Str places("not found ");
    if (inStart) {
        Str start = CurrentDirectory();
        places.append("in ").append(PathBelow(start.c_str(), "").c_str()).append(" or ");
    }
    places.append("on PATH");
    return inJavaHome ? places + " or in JAVA_HOME\\bin" : places;
}

Str FindProgram(const char* name, Str* remark)
{
    const char* pathext = getenv("PATHEXT");
    const char* extensions = SafeLength(pathext) > 0 ? pathext : DefaultProgramExtensions;
    bool inStart = StartFolderSearched(name);
    Str found = inStart ? ProgramIn(".", name, extensions) : Str();
    if (found == "")
        found = ProgramOnPath(getenv("PATH"), name, extensions);
    if (found != "")
        return found;
    // Last, and said: a JDK that its installer put nowhere on PATH.
    Str javaHome = ReplaceAll(getenv("JAVA_HOME"), "\"", "");
    if (javaHome != "") {
        Str bin = PathBelow(javaHome.c_str(), "bin");
        found = ProgramIn(bin.c_str(), name, extensions);
    }
    *remark = found != "" ? Str(name) + " is not on PATH; running " + found.c_str() + " from JAVA_HOME"
                          : PlacesLooked(inStart, javaHome != "");
    return found;
}
