// The console on Windows: breaks, the launcher's own lines, the pause.
#include "launcher/platform.h"

#include <conio.h>
#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

#include "launcher/wide_text.h"

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
// process's UTF-8: characters written as such show rightly in any. Lines
// end in CR LF, as text mode wrote them: a console that a tool left without
// its automatic return would not go back to the first column on LF alone.
static bool WriteToConsole(const char* text)
{
    if (!OutputIsConsole())
        return false;
    Str lines = ReplaceAll(text, "\n", "\r\n");
    wchar_t* wide = WideOf(lines.c_str());
    DWORD written;
    bool done = wide && WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), wide, (DWORD)wcslen(wide), &written, NULL);
    free(wide);
    return done;
}

typedef LONG(WINAPI* RegGetValueCall)(HKEY, LPCSTR, LPCSTR, DWORD, LPDWORD, PVOID, LPDWORD);

// The system's ANSI code page: the one a program without our manifest gets
// from GetACP (java's native.encoding), read from the registry, since this
// process's own is UTF-8. kernel32 has carried the registry calls since
// Windows 7; looked up here, they add no DLL to the exe's imports. The
// system locale's own code page where the registry cannot be read.
static UINT SystemCodePage()
{
    FARPROC call = GetProcAddress(GetModuleHandleA("kernel32.dll"), "RegGetValueA");
    RegGetValueCall regGetValue = (RegGetValueCall)(void*)call;
    char value[16];
    DWORD size = sizeof value;
    const char* key = "SYSTEM\\CurrentControlSet\\Control\\Nls\\CodePage";
    bool read = (regGetValue &&
                 regGetValue(HKEY_LOCAL_MACHINE, key, "ACP", RRF_RT_REG_SZ, NULL, value, &size) == ERROR_SUCCESS) ||
                GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, value, sizeof value) > 0;
    UINT codePage = read ? (UINT)strtoul(value, NULL, 10) : 0;
    return codePage != 0 ? codePage : GetACP();
}

// The text for a file or a pipe, in the system's code page as java and
// javac write there, so that an editor's panel set to one code page reads
// every line; as it is where that is the process's own (UTF-8 throughout,
// or an older Windows that ignores the manifest).
static Str ForFileOrPipe(const char* text)
{
    UINT codePage = SystemCodePage();
    wchar_t* wide = codePage != GetACP() ? WideOf(text) : nullptr;
    Str bytes = wide ? TextIn(wide, codePage) : Str();
    free(wide);
    return bytes != "" ? bytes : Str(text);
}

void Say(const char* text)
{
    fflush(stdout);
    if (!WriteToConsole(text)) {
        Str bytes = ForFileOrPipe(text);
        fputs(bytes.c_str() ? bytes.c_str() : "", stdout);
    }
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
