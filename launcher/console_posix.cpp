// A stand-in for the console on POSIX hosts, for tests: signals for the
// breaks, and the key from the terminal, never stdin.
#include "launcher/platform.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <termios.h>
#include <unistd.h>

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
