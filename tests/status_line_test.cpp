#include "launcher/status_line.h"

#include <gtest/gtest.h>

TEST(StatusLine, Table)
{
    struct Case { const char* tool; unsigned long status; unsigned long long milliseconds; const char* line; };
    const Case cases[] = {
        {"C:\\jdk\\bin\\javac.exe", 1, 840, "javac.exe exited with status 1 after 0.84 s"},
        {"java", 0, 0, "java exited with status 0 after 0.00 s"},
        {"C:/jdk/bin/java", 65535, 4, "java exited with status 65535 after 0.00 s"},
        {"C:java.exe", 65536, 5, "java.exe exited with status 0x00010000 after 0.01 s"},
        {"C:\\jdk\\bin\\java.exe", 0xC000013A, 3000,
         "java.exe exited with status 0xC000013A after 3.00 s (stopped with Ctrl+C)"},
        {"C:\\jdk\\bin\\jav.exe", 9009, 20, "jav.exe exited with status 9009 after 0.02 s (not found)"},
        {"\"C:\\my tools\\x.exe", 0xFFFFFFFF, 123456789, "x.exe exited with status 0xFFFFFFFF after 123456.79 s"},
        {"C:\\jdk\\bin\\", 2, 999, " exited with status 2 after 1.00 s"},
        {nullptr, 130, 10, " exited with status 130 after 0.01 s"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.line, StatusLine(c.tool, c.status, c.milliseconds).c_str());
    EXPECT_STREQ("java.exe could not be run: no interpreter",
                 NotRunLine("C:\\jdk\\bin\\java.exe", "no interpreter").c_str());
}
