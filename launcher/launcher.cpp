#include "launcher/launcher.h"

#include <stdio.h>

#include "launcher/platform.h"

// The tool's short path heads the command line, unquoted. Without one, or
// when it holds a blank, the path as given goes first, quoted if it holds a
// blank; the whole line then needs one more pair of quotes, which the
// command interpreter's /c strips, for the tool to be found.
static Str ToolOf(const char* toolPath, bool* wrapLine)
{
    Str shortPath = ShortPathOf(toolPath);
    *wrapLine = false;
    if (shortPath != "" && FindChar(shortPath.c_str(), ' ') == -1)
        return shortPath;
    if (FindChar(toolPath, ' ') == -1)
        return Str(toolPath);
    *wrapLine = true;
    return Str("\"") + toolPath + "\"";
}

static void RunTool(int argc, char** argv, Translation translate)
{
    bool wrapLine;
    Str commandLine = ToolOf(argv[1], &wrapLine);
    for (int i = 2; i < argc; i++) {
        Str translation = translate(argv[i]);
        commandLine.append(" \"").append(translation.c_str()).append("\"");
    }
    if (wrapLine)
        commandLine = Str("\"") + commandLine.c_str() + "\"";
    RunCommandLine(commandLine.c_str());
}

int RunLauncher(int argc, char** argv, Translation translate, const char* usageFormat)
{
    if (argc < 2) {
        Str name = FileNameOf(argc > 0 ? argv[0] : nullptr);
        printf(usageFormat, name.c_str() ? name.c_str() : "");
    } else {
        RunTool(argc, argv, translate);
    }
    printf("\nPress any key to exit . . .\n");
    fflush(stdout);
    WaitForKey();
    return 0;
}
