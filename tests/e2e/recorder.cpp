// A stand-in for a Java tool in the end-to-end tests: it writes down how it
// was started and exits 0. The file named by RECORDER_OUT receives the
// current directory and a line feed, then on Windows the raw command line
// (the launcher's quoting is what is under test, so no parsing) and on
// POSIX every argv entry followed by a NUL (/bin/sh has already split the
// line there).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

static void WriteCurrentDirectory(FILE* out)
{
    static char directory[32768];
#ifdef _WIN32
    DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory)
        directory[0] = '\0';
#else
    if (!getcwd(directory, sizeof directory))
        directory[0] = '\0';
#endif
    fputs(directory, out);
    fputc('\n', out);
}

static void WriteCommandLine(FILE* out, int argc, char** argv)
{
#ifdef _WIN32
    (void)argc;
    (void)argv;
    fputs(GetCommandLineA(), out);
#else
    for (int i = 0; i < argc; i++)
        fwrite(argv[i], 1, strlen(argv[i]) + 1, out);
#endif
}

int main(int argc, char** argv)
{
    const char* outPath = getenv("RECORDER_OUT");
    if (!outPath)
        return 0;
    FILE* out = fopen(outPath, "wb");
    if (!out)
        return 0;
    WriteCurrentDirectory(out);
    WriteCommandLine(out, argc, argv);
    fclose(out);
    return 0;
}
