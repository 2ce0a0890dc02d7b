#include "launcher/command_line.h"

#include <gtest/gtest.h>

#include <string>

// Raw strings: each row reads as the bytes the command line holds.
TEST(QuotedArgument, Table)
{
    struct Case { const char *argument, *quoted; };
    const Case cases[] = {
        {R"(-Dp=C:\dir\)", R"("-Dp=C:\dir\\")"},
        {R"(-Dmsg="hi")", R"("-Dmsg=\"hi\"")"},
        {R"(a\\"b)", R"("a\\\\\"b")"},
        {R"(com/acme/Foo.java)", R"("com/acme/Foo.java")"},
        {R"( -g)", R"(" -g")"},
        {R"(C:\a\b c\d)", R"("C:\a\b c\d")"},
        {"", R"("")"},
        {nullptr, R"("")"},
        {R"(\)", R"("\\")"},
        {R"(\\)", R"("\\\\")"},
        {R"(a\\\)", R"("a\\\\\\")"},
        {R"(")", R"("\"")"},
        {R"("")", R"("\"\"")"},
        {R"(\")", R"("\\\"")"},
        {R"(\\"\)", R"("\\\\\"\\")"},
        {R"(a\b"c\)", R"("a\b\"c\\")"},
        {R"(a & b)", R"("a & b")"},
        {R"(%PATH%^)", R"("%PATH%^")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument ? c.argument : "(null)");
        EXPECT_STREQ(c.quoted, QuotedArgument(c.argument).c_str());
    }
}

TEST(EscapedForCmd, Table)
{
    struct Case { const char* line; unsigned from; const char* escaped; };
    const Case cases[] = {
        // Every metacharacter inside quotes: the line as it was.
        {R"(java.exe "a & b" "(x|y)<z>^")", 8, R"(java.exe "a & b" "(x|y)<z>^")"},
        // The injection line: after \" the & lies outside cmd's quotes.
        {R"(echo "a\" & echo INJECTED & \"b")", 4,
         R"(echo "a\" ^& echo INJECTED ^& \"b")"},
        {R"(java.exe "x\"^" "y")", 8, R"(java.exe "x\"^^" "y")"},
        {R"(java.exe "say \"hi\" | more")", 8, R"(java.exe "say \"hi\" | more")"},
        {R"-(java.exe "a\"" "(b)")-", 8, R"-(java.exe "a\"" "^(b^)")-"},
        {R"(java.exe "a\"b" "c>d" "e")", 8, R"(java.exe "a\"b" "c^>d" "e")"},
        {R"(java.exe "\"" "<&|>()^")", 8, R"(java.exe "\"" "^<^&^|^>^(^)^^")"},
        // The tool path is walked for quotes but never escaped.
        {R"(C:\R&D\java.exe "a")", 15, R"(C:\R&D\java.exe "a")"},
        {R"("C:\a b\java.exe" "a\" & b")", 17, R"("C:\a b\java.exe" "a\" ^& b")"},
        {R"(C:\(x)\java.exe "\"" "& ")", 15, R"(C:\(x)\java.exe "\"" "^& ")"},
        // % is left to cmd; a from beyond the end escapes nothing.
        {R"(java.exe "\"" "%A%&")", 8, R"(java.exe "\"" "%A%^&")"},
        {R"(a&b)", 99, R"(a&b)"},
        {R"(&)", 0, R"(^&)"},
        {"", 0, nullptr},
        {nullptr, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "(null)");
        EXPECT_STREQ(c.escaped, EscapedForCmd(c.line, c.from).c_str());
    }
}

// Arguments that hold no quote and end in no backslash keep today's line.
TEST(CommandLine, PlainArgumentsKeepTodaysLine)
{
    const char* tool = R"("C:\Program Files\jdk\bin\java.exe")";
    const char* arguments[] = {" -g", R"(C:\a\b)", "a & b", "(x)|<y>^", "%X%", "", R"(a\b)"};
    std::string today = tool, line = tool;
    for (const char* argument : arguments) {
        today += std::string(" \"") + argument + "\"";
        line += std::string(" ") + QuotedArgument(argument).c_str();
    }
    EXPECT_EQ(today, line);
    EXPECT_EQ(today, EscapedForCmd(line.c_str(), SafeLength(tool)).c_str());
}

// The head of the line for a tool path and its short form (empty: none).
TEST(ToolHeadOf, Table)
{
    struct Case { const char *tool, *shortPath, *head; };
    const Case cases[] = {
        {R"(C:\jdk\bin\java.exe)", R"(C:\jdk\bin\java.exe)", R"(C:\jdk\bin\java.exe)"},
        {R"(C:\Program Files\jdk\java.exe)", R"(C:\PROGRA~1\jdk\java.exe)", R"("C:\PROGRA~1\jdk\java.exe")"},
        {R"(C:\my tools\java)", "", R"("C:\my tools\java")"},
        {R"(C:\my tools\java.exe)", R"(C:\my tools\java.exe)", R"("C:\my tools\java.exe")"},
        {R"(C:\R&D\java.exe)", R"(C:\R&D\java.exe)", R"("C:\R&D\java.exe")"},
        {R"(C:\x (86)\java.exe)", R"(C:\X(86~1\java.exe)", R"("C:\X(86~1\java.exe")"},
        // Every character "cmd /?" says needs quotes, each legal in a folder name.
        {R"(C:\a,b\java.exe)", "", R"("C:\a,b\java.exe")"}, {R"(C:\a;b\java.exe)", "", R"("C:\a;b\java.exe")"},
        {R"(C:\a=b\java.exe)", "", R"("C:\a=b\java.exe")"}, {R"(C:\a!b\java.exe)", "", R"("C:\a!b\java.exe")"},
        {R"(C:\a'b\java.exe)", "", R"("C:\a'b\java.exe")"}, {R"(C:\a+b\java.exe)", "", R"("C:\a+b\java.exe")"},
        {R"(C:\[a]{b}`\java.exe)", "", R"("C:\[a]{b}`\java.exe")"},
        {R"(C:\a^b\java.exe)", "", R"("C:\a^b\java.exe")"},
        {R"(C:\jdk\java.exe)", "", R"(C:\jdk\java.exe)"},
        {"java", nullptr, "java"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.head, ToolHeadOf(c.tool, c.shortPath).c_str()) << c.tool;
}

// cmd, by its file name in any case, gets the line in quotes that /s strips.
TEST(InterpreterLine, Table)
{
    struct Case { const char *interpreter, *line, *result; };
    const Case cases[] = {
        {R"(C:\Windows\system32\cmd.exe)", R"("C:\my tools\java" "-g")",
         R"("C:\Windows\system32\cmd.exe" /d /v:off /s /c ""C:\my tools\java" "-g"")"},
        {R"(C:\WINDOWS\System32\CMD.EXE)", "java", R"("C:\WINDOWS\System32\CMD.EXE" /d /v:off /s /c "java")"},
        {R"(C:\tcc\tcc.exe)", R"(java "-g")", R"("C:\tcc\tcc.exe" /c java "-g")"},
        {R"(C:\x\notcmd.exe)", "java", R"("C:\x\notcmd.exe" /c java)"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result, InterpreterLine(c.interpreter, c.line).c_str()) << c.interpreter;
}
