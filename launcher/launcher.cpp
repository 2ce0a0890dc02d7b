#include "launcher/launcher.h"

#include <stdio.h>

#include "launcher/command_line.h"
#include "launcher/platform.h"

static void RunTool(int argc, char** argv, Translation translate)
{
    Str shortPath = ShortPathOf(argv[1]);
    bool wrapLine;
    Str commandLine = ToolHeadOf(argv[1], shortPath.c_str(), &wrapLine);
    unsigned toolLength = commandLine.length();
    for (int i = 2; i < argc; i++) {
        Str translation = translate(argv[i]);
        commandLine.append(' ').append(QuotedArgument(translation.c_str()).c_str());
    }
    commandLine = EscapedForCmd(commandLine.c_str(), toolLength);
    if (wrapLine)
        commandLine = Str("\"") + commandLine.c_str() + "\"";
    // cmd cannot make a network folder current and would start the tool in
    // the Windows folder, where the names handed on mean nothing.
    Str current = CurrentDirectory();
    if (IsNetworkPath(current.c_str())) {
        fprintf(stderr, "The tool was not run: the command interpreter cannot work in the network "
                        "folder %s. Map it to a drive letter and start from there.\n", current.c_str());
        return;
    }
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
