#include "launcher/launcher.h"

#include <string.h>

#include "launcher/command_line.h"
#include "launcher/platform.h"
#include "launcher/program_search.h"
#include "launcher/status_line.h"

// The longest command line cmd takes, its own name and switches counted.
static const unsigned CmdLineLimit = 8191;

// The tool's full path, found from the folder the launcher started in, since
// cmd would look for it from the package root: a path made full (else as
// given, for cmd to report), a bare name found as cmd finds it; empty, with
// why in *reason, for a bare name found nowhere.
//     "..\\jdk\\bin\\javac.exe", started in C:\\work -> "C:\\jdk\\bin\\javac.exe"
//     "javac"                                   -> "C:\\jdk\\bin\\javac.exe", on PATH
static Str ToolPathOf(const char* toolPath, Str* reason)
{
    if (strpbrk(toolPath, "\\/:")) {
        Str full = FullPathOf(toolPath);
        return full != "" ? full : Str(toolPath);
    }
    Str remark;
    Str found = FindProgram(toolPath, &remark);
    if (found == "")
        *reason = remark;
    else if (remark != "")
        Say((Str("note: ") + remark.c_str() + "\n").c_str());
    return found;
}

// The tool's path, then each argument translated and quoted, the whole
// guarded against cmd.
static Str CommandLineOf(const char* toolPath, int argc, char** argv, Translation translate)
{
    Str shortPath = ShortPathOf(toolPath);
    Str commandLine = ToolHeadOf(toolPath, shortPath.c_str());
    unsigned toolLength = commandLine.length();
    for (int i = 2; i < argc; i++) {
        Str translation = translate(argv[i]);
        commandLine.append(' ').append(QuotedArgument(translation.c_str()).c_str());
    }
    return EscapedForCmd(commandLine.c_str(), toolLength);
}

// Why cmd cannot take the arguments, or the empty text: its line ends at
// a line break, and the rest, the file's name too, would be lost unsaid.
static Str LineBreakIn(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        if (strpbrk(argv[i], "\r\n"))
            return Str("argument ") + DigitsOf(i, 10, 1).c_str() + " holds a line break, which cmd cannot pass";
    }
    return Str();
}

// Why cmd cannot take its line, counted as it counts it, or the empty text:
// it would refuse it ("The command line is too long.") with status 1.
static Str TooLongForCmd(const char* interpreter, const char* commandLine)
{
    Str line = InterpreterLine(interpreter, commandLine);
    unsigned length = CharacterCount(line.c_str());
    if (length <= CmdLineLimit)
        return Str();
    return Str("the command line is ") + DigitsOf(length, 10, 1).c_str() + " characters long, and cmd takes at most "
        + DigitsOf(CmdLineLimit, 10, 1).c_str() + "; put the options in an @argfile";
}

// Why the tool cannot run in the current directory, or the empty text: cmd
// cannot make a network folder current and would start the tool in the
// Windows folder, where the names handed on mean nothing; nor a folder
// named past the system's parsing ("\\\\?\\C:\\src.\\"), which its plain
// name would not name.
static Str WhyNotRunHere()
{
    Str current = CurrentDirectory();
    if (IsNetworkPath(current.c_str()))
        return Str("cmd cannot work in the network folder ") + current.c_str()
            + "; map it to a drive letter and start from there";
    if (Left(current.c_str(), 2) == "\\\\")
        return Str("cmd cannot work in the folder ") + current.c_str()
            + ", whose name ends in a dot or a blank; rename it";
    return Str();
}

// Says how the run ended, after a blank line; returns status.
static int Ended(const Str& line, int status)
{
    Say((Str("\n") + line.c_str()).c_str());
    return status;
}

// Runs the tool and says how it ended; returns the tool's status, 9009 (as
// cmd gives) when a bare name is found nowhere, or 1 when it could not be
// run. Nothing runs when cmd could not take the line as it is.
static int RunTool(int argc, char** argv, Translation translate)
{
    // Found, like the tool, before a translation enters the package root.
    Str interpreter = InterpreterPath();
    Str reason = LineBreakIn(argc, argv);
    if (reason != "")
        return Ended(NotRunLine(argv[1], reason.c_str()), 1);
    Str toolPath = ToolPathOf(argv[1], &reason);
    if (toolPath == "")
        return Ended(NotRunLine(argv[1], reason.c_str()), 9009);
    Str commandLine = CommandLineOf(toolPath.c_str(), argc, argv, translate);
    reason = TooLongForCmd(interpreter.c_str(), commandLine.c_str());
    if (reason == "")
        reason = WhyNotRunHere();
    unsigned long long start = Milliseconds();
    unsigned long status;
    if (reason != "" || !RunCommandLine(interpreter.c_str(), commandLine.c_str(), &status, &reason))
        return Ended(NotRunLine(argv[1], reason.c_str()), 1);
    return Ended(StatusLine(argv[1], status, Milliseconds() - start), (int)status);
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
