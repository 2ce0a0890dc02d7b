// Writing the tool's command line so that each argument reaches the tool byte
// for byte: quoted by the C runtime's rules, then guarded against cmd.
#ifndef LAUNCHER_COMMAND_LINE_H
#define LAUNCHER_COMMAND_LINE_H

#include "text/str.h"

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
