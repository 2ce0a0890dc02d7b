// The launchers' system calls on Windows.
#include "launcher/platform.h"

#include <conio.h>
#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "launcher/filled_buffer.h"

static DWORD ShortPathCall(const char* path, char* buffer, DWORD size)
{
    return GetShortPathNameA(path, buffer, size);
}

static DWORD CurrentDirectoryCall(const char* /*unused*/, char* buffer, DWORD size)
{
    return GetCurrentDirectoryA(size, buffer);
}

static DWORD LongPathCall(const char* path, char* buffer, DWORD size)
{
    return GetLongPathNameA(path, buffer, size);
}

Str ShortPathOf(const char* path)
{
    return Filled(ShortPathCall, path);
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

Str FullPathOf(const char* path)
{
    return Filled(FullPathCall, path);
}

void ChangeDirectory(const char* path)
{
    _chdir(path);
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

// Whether name is a file in one of the directories (a PATH-like list).
static bool IsFoundIn(const char* directories, const char* name)
{
    char found[MAX_PATH];
    return directories && SearchPathA(directories, name, nullptr, MAX_PATH, found, nullptr) > 0;
}

// What system() starts: the file COMSPEC names, else cmd.exe on PATH.
static bool InterpreterExists()
{
    const char* comspec = getenv("COMSPEC");
    DWORD attributes = comspec ? GetFileAttributesA(comspec) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    // The C runtime looks in the current directory first.
    return IsFoundIn(".", "cmd.exe") || IsFoundIn(getenv("PATH"), "cmd.exe");
}

// system() gives -1 both when it cannot start the interpreter and when the
// tool exits with -1 (and errno is no guide), so only a missing interpreter
// makes -1 a failure.
bool RunCommandLine(const char* commandLine, unsigned long* status, Str* reason)
{
    int result = system(commandLine);
    *status = (unsigned long)(unsigned)result;
    if (result == -1 && !InterpreterExists()) {
        reason->assign("no command interpreter (COMSPEC names no file, and cmd.exe is not on PATH)");
        return false;
    }
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
