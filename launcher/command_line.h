// Writing the tool's command line so that each argument reaches the tool byte
// for byte: quoted by the C runtime's rules, then guarded against cmd.
#ifndef LAUNCHER_COMMAND_LINE_H
#define LAUNCHER_COMMAND_LINE_H

#include "text/str.h"

// What the command line begins with: the tool's short path, or the path as
// given when there is none or the short one needs quotes. A path with a
// blank or a byte that cmd acts on (& ^ ( ) are legal in folder names) is
// quoted, and *wrapLine is set: cmd /c strips one pair of quotes around the
// whole line, which the tool's own quotes need to survive.
//     "C:\JDK\BIN\JAVA.EXE", short "C:\JDK\BIN\JAVA.EXE" -> C:\JDK\BIN\JAVA.EXE
//     "C:\R&D\java.exe", no short path                 -> "C:\R&D\java.exe", wrapped
Str ToolHeadOf(const char* toolPath, const char* shortPath, bool* wrapLine);

// The argument between double quotes, written so that the C runtime's parsing
// (and the Java launcher's, which follows the same rules) gives it back byte for byte:
// inside the quotes every " is written \", and a run of backslashes is doubled where it
// stands right before a " or before the closing quote; other backslashes stay single.
//     -Dp=C:\dir\   ->  "-Dp=C:\dir\\"
//     -Dmsg="hi"    ->  "-Dmsg=\"hi\""
Str QuotedArgument(const char* argument);

// The command line as cmd must be given it: a "^" before every ^ & | < > ( ) that lies
// outside cmd's quotes, walking the line as cmd does (each " toggles the quote state)
// from its first byte, but escaping only from byte `from` on (bytes before it are the
// tool path, never escaped). % is never escaped. The line is the one cmd parses, i.e.
// already without the extra pair of outer quotes that /c strips.
//     java.exe "a\" & b"   ->  java.exe "a\" ^& b"
Str EscapedForCmd(const char* line, unsigned from);

#endif
