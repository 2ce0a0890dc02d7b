// The console on Windows: breaks, the launcher's own lines, the pause.
#include "launcher/platform.h"

#include <conio.h>
#include <stdlib.h>
#include <windows.h>

#include "text/heap.h"

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
