// Writing the tool's command line so that each argument reaches the tool byte
// for byte: quoted by the C runtime's rules, then guarded against cmd.
#ifndef LAUNCHER_COMMAND_LINE_H
#define LAUNCHER_COMMAND_LINE_H

#include "text/str.h"

// What the command line begins with: the tool's short path (which fits
// where the long one may not), or the path as given when there is none.
// A path with a blank or a character that "cmd /?" says needs quotes
// (&()[]{}^=;!'+,`~, all legal in folder names) is quoted.
//     "C:\JDK\BIN\JAVA.EXE", short "C:\JDK\BIN\JAVA.EXE" -> C:\JDK\BIN\JAVA.EXE
//     "C:\Program Files\java.exe", short "C:\PROGRA~1\java.exe" -> "C:\PROGRA~1\java.exe"
//     "C:\R&D\java.exe", no short path                 -> "C:\R&D\java.exe"
Str ToolHeadOf(const char* toolPath, const char* shortPath);

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
// already without the pair of outer quotes that /s /c strips.
//     java.exe "a\" & b"   ->  java.exe "a\" ^& b"
Str EscapedForCmd(const char* line, unsigned from);

// The interpreter's own command line to run the line. cmd.exe, known by its
// file name, gets /d (no AutoRun command from the registry), /v:off (no
// delayed expansion, which would take "!" away) and /s /c, and the line in
// one pair of quotes, which /s strips exactly. Another interpreter gets /c
// and the line, as system() gives it.
//     "C:\Windows\system32\cmd.exe", java "-g" -> "C:\Windows\system32\cmd.exe" /d /v:off /s /c "java "-g""
//     "C:\tcc\tcc.exe", java "-g"              -> "C:\tcc\tcc.exe" /c java "-g"
Str InterpreterLine(const char* interpreter, const char* line);

#endif
