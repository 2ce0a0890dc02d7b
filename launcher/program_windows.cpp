// Starting the tool on Windows: where a program is looked for, the
// interpreter, and the run.
#include "launcher/platform.h"

#include <stdlib.h>
#include <windows.h>

#include "launcher/command_line.h"
#include "launcher/wide_text.h"

bool StartFolderSearched(const char* name)
{
    return NeedCurrentDirectoryForExePathA(name) != FALSE;
}

const char PathListSeparator[] = ";";
const char* const DefaultProgramExtensions = ".COM;.EXE;.BAT;.CMD";

unsigned long long Milliseconds()
{
    return GetTickCount64();
}

// Not the C runtime's search (the current directory, then PATH), which
// "cmd /?" itself warns against: a project could plant a cmd.exe.
Str InterpreterPath()
{
    const char* comspec = getenv("COMSPEC");
    if (comspec && IsFile(comspec))
        return FullPathOf(comspec);
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    Str cmd = length > 0 && length < sizeof folder ? PathBelow(folder, "cmd.exe") : Str();
    return IsFile(cmd.c_str()) ? cmd : Str();
}

// Started here rather than by system(), which adds no switches to cmd's,
// cannot tell a failed start from a tool's -1, and may start the tool twice.
bool RunCommandLine(const char* interpreter, const char* commandLine, unsigned long* status, Str* reason)
{
    if (SafeLength(interpreter) == 0) {
        reason->assign("no command interpreter (COMSPEC names no file, and the system folder has no cmd.exe)");
        return false;
    }
    Str line = InterpreterLine(interpreter, commandLine);
    // The tool writes to the same console or file after what stdio holds.
    fflush(stdout);
    fflush(stderr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(interpreter, line.c_str(), NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
        *reason = SystemMessage(GetLastError(), interpreter);
        return false;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    *status = code;
    return true;
}
