// source_compiler: compiles a Java source file from its package root.
//
//     source_compiler C:\jdk\bin\javac.exe [options] C:\work\src\com\acme\Foo.java [options]
//
// reads the package line of Foo.java, makes the package root C:\work\src
// current, runs javac.exe "options" "com/acme/Foo.java" "options" and waits
// for a key.
//
// Build: cmake --preset win32 && cmake --build --preset win32
//        (build/win32/source_compiler.exe)
#include "launcher/launcher.h"
#include "source_compiler/translate_source_argument.h"

static const char UsageFormat[] = "Usage:\n    %s <full path of javac.exe> <options> <source files>\n";

int main(int argc, char** argv)
{
    return RunLauncher(argc, argv, TranslateSourceArgument, UsageFormat);
}
