// A stand-in for a Java tool in the end-to-end tests: it writes down how it
// was started, prints the line RECORDER_SAY gives, and exits with the status
// that RECORDER_STATUS gives (decimal or 0x hex; 0 without it), after
// RECORDER_SLEEP milliseconds, or runs until it is stopped for "forever";
// then it creates the file RECORDER_MARK names. On Windows, RECORDER_DETACH
// makes it start a copy of itself without RECORDER_OUT, as a program that a
// tool leaves running, and end at once.
// The file named by RECORDER_OUT receives the
// current directory and a line feed, then on Windows the raw command line
// and a line feed (the launcher's quoting is what is under test), and then
// every argument after the program's name, each followed by a NUL: as the C
// runtime split the line on Windows, as /bin/sh did on POSIX. On Windows all
// of it is read through the wide API and written as UTF-8, so that nothing
// is lost to the ANSI code page.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#define SleepMilliseconds(count) Sleep(count)
#else
#include <unistd.h>
#define SleepMilliseconds(count) usleep((count) * 1000)
#endif

static int ExitStatus()
{
    if (getenv("RECORDER_SAY"))
        puts(getenv("RECORDER_SAY"));
    const char* status = getenv("RECORDER_STATUS");
    const char* sleep = getenv("RECORDER_SLEEP");
    SleepMilliseconds(sleep ? strtoul(sleep, nullptr, 0) : 0);
    while (status && strcmp(status, "forever") == 0)
        SleepMilliseconds(1000);
    FILE* mark = getenv("RECORDER_MARK") ? fopen(getenv("RECORDER_MARK"), "w") : nullptr;
    if (mark)
        fclose(mark);
    return status ? (int)strtoul(status, nullptr, 0) : 0;
}

#ifdef _WIN32

static void WriteUtf8(FILE* out, const wchar_t* text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    char* bytes = size > 0 ? (char*)malloc(size) : nullptr;
    if (bytes && WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, size, nullptr, nullptr) > 0)
        fputs(bytes, out);
    free(bytes);
}

static int Detach()
{
    SetEnvironmentVariableW(L"RECORDER_DETACH", nullptr);
    SetEnvironmentVariableW(L"RECORDER_OUT", nullptr);
    static wchar_t self[32768];
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (GetModuleFileNameW(nullptr, self, 32768) == 0 ||
        !CreateProcessW(self, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

int wmain(int argc, wchar_t** argv)
{
    // "--short-path PATH" prints PATH's short form instead, for the tests
    // that name a file by it.
    if (argc == 3 && wcscmp(argv[1], L"--short-path") == 0) {
        static wchar_t shortPath[32768];
        DWORD length = GetShortPathNameW(argv[2], shortPath, 32768);
        WriteUtf8(stdout, length > 0 && length < 32768 ? shortPath : L"");
        return length > 0 && length < 32768 ? 0 : 1;
    }
    const wchar_t* outPath = _wgetenv(L"RECORDER_OUT");
    FILE* out = outPath ? _wfopen(outPath, L"wb") : nullptr;
    if (!out)
        return ExitStatus();
    static wchar_t directory[32768];
    DWORD length = GetCurrentDirectoryW(32768, directory);
    WriteUtf8(out, length > 0 && length < 32768 ? directory : L"");
    fputc('\n', out);
    WriteUtf8(out, GetCommandLineW());
    fputc('\n', out);
    for (int i = 1; i < argc; i++) {
        WriteUtf8(out, argv[i]);
        fputc('\0', out);
    }
    fclose(out);
    return _wgetenv(L"RECORDER_DETACH") ? Detach() : ExitStatus();
}
#else
int main(int argc, char** argv)
{
    const char* outPath = getenv("RECORDER_OUT");
    FILE* out = outPath ? fopen(outPath, "wb") : nullptr;
    if (!out)
        return ExitStatus();
    static char directory[32768];
    fputs(getcwd(directory, sizeof directory) ? directory : "", out);
    fputc('\n', out);
    for (int i = 1; i < argc; i++)
        fwrite(argv[i], 1, strlen(argv[i]) + 1, out);
    fclose(out);
    return ExitStatus();
}
#endif
