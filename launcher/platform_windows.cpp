// The launchers' system calls on Windows.
#include "launcher/platform.h"

#include <conio.h>
#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "launcher/command_line.h"
#include "launcher/filled_buffer.h"
#include "launcher/wide_text.h"
#include "text/heap.h"

static DWORD CurrentDirectoryCall(const char* /*unused*/, char* buffer, DWORD size)
{
    return GetCurrentDirectoryA(size, buffer);
}

static DWORD LongPathCall(const char* path, char* buffer, DWORD size)
{
    return GetLongPathNameA(path, buffer, size);
}

// Asked in UTF-16, where the system takes a path of any length: a folder
// too long to be current has a short name that may fit.
Str ShortPathOf(const char* path)
{
    wchar_t* wide = WideOf(path);
    DWORD size = wide ? GetShortPathNameW(wide, NULL, 0) : 0;
    wchar_t* found = size > 0 ? (wchar_t*)NewBytes(sizeof(wchar_t) * (unsigned long long)size) : nullptr;
    DWORD length = found ? GetShortPathNameW(wide, found, size) : 0;
    Str shortPath = length > 0 && length < size ? TextIn(found, CP_ACP) : Str();
    free(found);
    free(wide);
    return shortPath;
}

Str LongPathOf(const char* path)
{
    return Filled(LongPathCall, path);
}

Str CurrentDirectory()
{
    return Filled(CurrentDirectoryCall, nullptr);
}

static DWORD FullPathCall(const char* path, char* buffer, DWORD size)
{
    return GetFullPathNameA(path, size, buffer, nullptr);
}

Str FullPathOf(const char* path, Str* reason)
{
    Str full = Filled(FullPathCall, path);
    if (full == "" && reason)
        *reason = SystemMessage(GetLastError(), path);
    return full;
}

// _chdir, unlike SetCurrentDirectory alone, also sets the drive's own
// current directory, which cmd reads for "C:x".
bool ChangeDirectory(const char* path, Str* reason)
{
    if (_chdir(path) == 0)
        return true;
    if (reason)
        *reason = SystemMessage(GetLastError(), path);
    return false;
}

bool IsFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool StartFolderSearched(const char* name)
{
    return NeedCurrentDirectoryForExePathA(name) != FALSE;
}

const char PathListSeparator[] = ";";
const char* const DefaultProgramExtensions = ".COM;.EXE;.BAT;.CMD";

unsigned CharacterCount(const char* text)
{
    int count = MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, NULL, 0);
    return count > 0 ? (unsigned)count - 1 : SafeLength(text);
}

// Only a file on disk is read: a device such as CON would wait for
// console input instead.
FILE* OpenDiskFile(const char* path, const char* mode)
{
    FILE* file = fopen(path, mode);
    // The C runtime hands out the stream's handle as an integer.
    HANDLE handle = file ? (HANDLE)_get_osfhandle(_fileno(file)) : NULL; // NOLINT(performance-no-int-to-ptr)
    if (file && GetFileType(handle) != FILE_TYPE_DISK) {
        fclose(file);
        return nullptr;
    }
    return file;
}

// Returns TRUE, "handled", for the breaks only: closing the window still
// ends the launcher. A routine of its own, since the flag that ignores
// breaks would be inherited by the tool, which then could not be stopped.
static BOOL WINAPI SurviveBreak(DWORD event)
{
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
}

// Never removed: the break reaches each process on a thread of its own,
// possibly after the tool has ended.
void KeepRunningOnBreak()
{
    SetConsoleCtrlHandler(SurviveBreak, TRUE);
}

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

// The console's input, or INVALID_HANDLE_VALUE without a console: _getch
// reads the console itself, never standard input, and without one it would
// wait on nothing. A console without a window (an editor's build run with
// no window) has nobody to press a key either.
static HANDLE OpenConsoleInput()
{
    if (!GetConsoleWindow())
        return INVALID_HANDLE_VALUE;
    HANDLE console = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    DWORD mode;
    if (console != INVALID_HANDLE_VALUE && !GetConsoleMode(console, &mode)) {
        CloseHandle(console);
        return INVALID_HANDLE_VALUE;
    }
    return console;
}

bool OutputIsConsole()
{
    DWORD mode;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

// The console shows bytes in its own code page (437, 850, ...), not the
// process's UTF-8: characters written as such show rightly in any.
static bool WriteToConsole(const char* text)
{
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    if (count <= 1 || !OutputIsConsole())
        return false;
    wchar_t* wide = (wchar_t*)NewBytes(sizeof(wchar_t) * (unsigned long long)count);
    DWORD written;
    bool done = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, count) > 0 &&
                WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), wide, count - 1, &written, NULL);
    free(wide);
    return done;
}

void Say(const char* text)
{
    fflush(stdout);
    if (!WriteToConsole(text))
        fputs(text, stdout);
    fflush(stdout);
}

// Some consoles (Wine's) take in the keys typed into the terminal only
// while a process waits on their input: each flush follows a short wait,
// until a wait brings nothing. Ten rounds at most, for a key held down.
void DropTypedKeys()
{
    HANDLE console = OpenConsoleInput();
    if (console == INVALID_HANDLE_VALUE)
        return;
    for (int round = 0; round < 10 && WaitForSingleObject(console, 100) == WAIT_OBJECT_0; round++)
        FlushConsoleInputBuffer(console);
    FlushConsoleInputBuffer(console);
    CloseHandle(console);
}

void WaitForKey()
{
    HANDLE console = OpenConsoleInput();
    if (console == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(console);
    // _getch turns processed input off, so Ctrl+C comes as a key, 3.
    while (_getch() == 3) {
    }
}
