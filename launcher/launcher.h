// The run of a launcher, from its command line to the closing pause.
#ifndef LAUNCHER_LAUNCHER_H
#define LAUNCHER_LAUNCHER_H

#include "text/str.h"

// What one argument after the tool path becomes on the tool's command line.
typedef Str (*Translation)(const char* argument);

// Runs argv[1], the tool, through the command interpreter with every further
// argument translated and quoted so that the tool gets it byte for byte,
// then says how the tool ended, prints the pause text and waits for a key.
// With no tool it prints usageFormat, its %s the launcher's own file name,
// and pauses. Returns the exit status: the tool's, 1 when it could not be
// run, 0 without a tool.
//     launcher C:\jdk\bin\javac.exe -g Foo.java
//     runs:    C:\jdk\bin\javac.exe "-g" "Foo.java"
//     prints:  javac.exe exited with status 0 after 0.84 s
int RunLauncher(int argc, char** argv, Translation translate, const char* usageFormat);

#endif
