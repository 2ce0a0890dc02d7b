// A stand-in for starting the tool on POSIX hosts, for tests: /bin/sh in
// place of cmd, which finds a program on PATH only.
#include "launcher/platform.h"

#include <errno.h>
#include <spawn.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

bool StartFolderSearched(const char* /*unused*/)
{
    return false;
}

const char PathListSeparator[] = ":";
const char* const DefaultProgramExtensions = nullptr;

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
