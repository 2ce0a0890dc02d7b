#include "launcher/launcher.h"

#include <string.h>

#include "launcher/command_line.h"
#include "launcher/platform.h"
#include "launcher/status_line.h"

// The tool's full path, found from the folder the launcher started in, since
// cmd would look for it from the package root: a path made full, a bare name
// found as cmd finds it (else it stays, for cmd to report).
//     "..\\jdk\\bin\\javac.exe", started in C:\\work -> "C:\\jdk\\bin\\javac.exe"
//     "javac"                                   -> "C:\\jdk\\bin\\javac.exe", on PATH
static Str FullToolPathOf(const char* toolPath)
{
    Str full = strpbrk(toolPath, "\\/:") ? FullPathOf(toolPath) : FindProgram(toolPath);
    return full != "" ? full : Str(toolPath);
}

// The tool's path, then each argument translated and quoted, the whole
// guarded against cmd. The tool is found before any translation changes
// the current directory.
static Str CommandLineOf(int argc, char** argv, Translation translate)
{
    Str toolPath = FullToolPathOf(argv[1]);
    Str shortPath = ShortPathOf(toolPath.c_str());
    Str commandLine = ToolHeadOf(toolPath.c_str(), shortPath.c_str());
    unsigned toolLength = commandLine.length();
    for (int i = 2; i < argc; i++) {
        Str translation = translate(argv[i]);
        commandLine.append(' ').append(QuotedArgument(translation.c_str()).c_str());
    }
    return EscapedForCmd(commandLine.c_str(), toolLength);
}

// Why the tool cannot run in the current directory, or the empty text: cmd
// cannot make a network folder current and would start the tool in the
// Windows folder, where the names handed on mean nothing.
static Str WhyNotRunHere()
{
    Str current = CurrentDirectory();
    if (!IsNetworkPath(current.c_str()))
        return Str();
    return Str("cmd cannot work in the network folder ") + current.c_str()
        + "; map it to a drive letter and start from there";
}

// Runs the tool and says how it ended; returns the tool's status, or 1 when
// it could not be run.
static int RunTool(int argc, char** argv, Translation translate)
{
    // Found, like the tool, before a translation enters the package root.
    Str interpreter = InterpreterPath();
    Str commandLine = CommandLineOf(argc, argv, translate);
    unsigned long long start = Milliseconds();
    unsigned long status;
    Str reason = WhyNotRunHere();
    bool ran = reason == "" && RunCommandLine(interpreter.c_str(), commandLine.c_str(), &status, &reason);
    Str line = ran ? StatusLine(argv[1], status, Milliseconds() - start)
                   : NotRunLine(argv[1], reason.c_str());
    Say((Str("\n") + line.c_str()).c_str());
    return ran ? (int)status : 1;
}

int RunLauncher(int argc, char** argv, Translation translate, const char* usageFormat)
{
    KeepRunningOnBreak();
    int status = 0;
    if (argc < 2) {
        Str name = FileNameOf(argc > 0 ? argv[0] : nullptr);
        Str usage = ReplaceAll(usageFormat, "%s", name.c_str());
        Say(usage.c_str());
    } else {
        status = RunTool(argc, argv, translate);
    }
    // Only a pause that can be seen waits: in a file or an editor's panel
    // nobody could answer it, and the run would never end.
    bool wait = OutputIsConsole();
    if (wait)
        DropTypedKeys();
    Say("\nPress any key to exit . . .\n");
    if (wait)
        WaitForKey();
    return status;
}
