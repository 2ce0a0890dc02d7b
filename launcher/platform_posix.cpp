// A stand-in for the launchers' system calls on POSIX hosts, for tests:
// a path's backslashes become slashes at the system call, a short or long
// path is the path itself as the host names it, and the key comes from the
// terminal, never stdin.
#include "launcher/platform.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

static Str SlashesFor(const char* path)
{
    return ReplaceAll(path, "\\", "/");
}

// The form the command line runs, with the host's separators.
Str ShortPathOf(const char* path)
{
    return SlashesFor(path);
}

Str LongPathOf(const char* path)
{
    return Str(path);
}

Str CurrentDirectory()
{
    char directory[PATH_MAX];
    return getcwd(directory, sizeof directory) ? ReplaceAll(directory, "/", "\\") : Str();
}

// As the system would on the Windows-style paths of this stand-in.
Str FullPathOf(const char* path, Str* reason)
{
    Str current = CurrentDirectory();
    Str full = FullPathFrom(path, current.c_str());
    if (full == "" && reason)
        reason->assign(current == "" ? strerror(errno) : "no path");
    return full;
}

bool ChangeDirectory(const char* path, Str* reason)
{
    Str posixPath = SlashesFor(path);
    if (chdir(posixPath.c_str() ? posixPath.c_str() : "") == 0)
        return true;
    if (reason)
        reason->assign(strerror(errno));
    return false;
}

bool IsFile(const char* path)
{
    Str posixPath = SlashesFor(path);
    struct stat status;
    return stat(posixPath.c_str() ? posixPath.c_str() : "", &status) == 0 && S_ISREG(status.st_mode);
}

bool StartFolderSearched(const char* /*unused*/)
{
    return false;
}

const char PathListSeparator[] = ":";
const char* const DefaultProgramExtensions = nullptr;

// UTF-8, as the host's text is: one unit per character, two beyond U+FFFF.
unsigned CharacterCount(const char* text)
{
    unsigned count = 0;
    for (const unsigned char* at = (const unsigned char*)(text ? text : ""); *at; at++)
        count += ((*at & 0xC0) != 0x80) + (*at >= 0xF0);
    return count;
}

// Only a regular file is read: a directory or a device that never ends
// (/dev/zero) opens here too.
FILE* OpenDiskFile(const char* path, const char* mode)
{
    Str posixPath = SlashesFor(path);
    FILE* file = fopen(posixPath.c_str() ? posixPath.c_str() : "", mode);
    struct stat status;
    if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
        fclose(file);
        return nullptr;
    }
    return file;
}

static void SurviveBreak(int /*unused*/)
{
}

// A handler, not SIG_IGN, which the tool would inherit. SA_RESTART keeps
// the key wait waiting.
void KeepRunningOnBreak()
{
    struct sigaction action = {};
    action.sa_handler = SurviveBreak;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGQUIT, &action, nullptr);
}

unsigned long long Milliseconds()
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000ull + now.tv_nsec / 1000000;
}

Str InterpreterPath()
{
    return Str("/bin/sh");
}

// The breaks the launcher outlives are the tool's default again after exec.
bool RunCommandLine(const char* interpreter, const char* commandLine, unsigned long* status, Str* reason)
{
    char* arguments[] = {(char*)"sh", (char*)"-c", (char*)(commandLine ? commandLine : ""), nullptr};
    fflush(stdout);
    fflush(stderr);
    pid_t child;
    int result, error = posix_spawn(&child, interpreter ? interpreter : "", nullptr, nullptr, arguments, environ);
    if (error == 0 && waitpid(child, &result, 0) < 0)
        error = errno;
    if (error != 0) {
        reason->assign(strerror(error));
        return false;
    }
    *status = WIFSIGNALED(result) ? 128ul + WTERMSIG(result) : (unsigned long)WEXITSTATUS(result);
    return true;
}

void Say(const char* text)
{
    fputs(text, stdout);
    fflush(stdout);
}

bool OutputIsConsole()
{
    return isatty(STDOUT_FILENO);
}

// The controlling terminal, or -1 when there is none or the launcher runs
// in the background there: a read would stop it until brought forward.
static int OpenTerminal()
{
    int terminal = open("/dev/tty", O_RDONLY | O_NOCTTY);
    if (terminal >= 0 && tcgetpgrp(terminal) != getpgrp()) {
        close(terminal);
        return -1;
    }
    return terminal;
}

void DropTypedKeys()
{
    int terminal = OpenTerminal();
    if (terminal < 0)
        return;
    tcflush(terminal, TCIFLUSH);
    close(terminal);
}

void WaitForKey()
{
    int terminal = OpenTerminal();
    if (terminal < 0)
        return;
    // One byte in raw mode, without echo; then the terminal as it was.
    // Ctrl+C stays a signal, which the launcher outlives.
    struct termios saved;
    if (tcgetattr(terminal, &saved) == 0) {
        struct termios raw = saved;
        raw.c_lflag &= ~(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        if (tcsetattr(terminal, TCSANOW, &raw) == 0) {
            char key;
            ssize_t count = read(terminal, &key, 1);
            (void)count;
            tcsetattr(terminal, TCSANOW, &saved);
        }
    }
    close(terminal);
}
