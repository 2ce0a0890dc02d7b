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

// Sets whether the job ends every process in it when its last handle
// closes, as it does when the launcher itself is ended.
static bool KillOnClose(HANDLE job, bool kill)
{
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = kill ? JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE : 0;
    return SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits) != FALSE;
}

// A job that the suspended process joins, so that an editor that stops a
// build by ending the launcher ends cmd and java with it; null where none
// can be made or joined (an older Windows, inside a job that forbids it),
// and the tool runs as it would have.
static HANDLE JobJoinedBy(HANDLE process)
{
    HANDLE job = CreateJobObjectA(NULL, NULL);
    if (job && KillOnClose(job, true) && AssignProcessToJobObject(job, process))
        return job;
    if (job)
        CloseHandle(job);
    return NULL;
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
    if (!CreateProcessA(interpreter, line.c_str(), NULL, NULL, TRUE, CREATE_SUSPENDED, NULL, NULL, &startup,
                        &process)) {
        *reason = SystemMessage(GetLastError(), interpreter);
        return false;
    }
    HANDLE job = JobJoinedBy(process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    // First of all: a program the tool started on purpose (a window, a
    // server) outlives the launcher's normal end, as it always did.
    if (job) {
        KillOnClose(job, false);
        CloseHandle(job);
    }
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    *status = code;
    return true;
}
