// class_runner: runs a compiled Java class from its package root.
//
//     class_runner C:\jdk\bin\java.exe [options] C:\work\src\com\acme\Foo.class [arguments]
//
// reads the package line of Foo.java beside Foo.class (or else the class
// name in Foo.class), makes the package root C:\work\src current, runs
// java.exe "options" "com/acme/Foo" "arguments" and waits for a key.
//
// Build: cmake --preset win32 && cmake --build --preset win32
//        (build/win32/class_runner.exe)
#include "class_runner/translate_class_argument.h"
#include "launcher/launcher.h"

static const char UsageFormat[] = "Usage:\n    %s <full path of java.exe> <options> <class files>\n";

int main(int argc, char** argv)
{
    return RunLauncher(argc, argv, TranslateClassArgument, UsageFormat);
}
