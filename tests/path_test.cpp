#include "text/str.h"

#include <gtest/gtest.h>

// Expected null means the empty text without a buffer.
#define EXPECT_TEXT(expected, value) EXPECT_STREQ(expected, (value).c_str())

TEST(Paths, FileNameAndDirectory)
{
    struct Case { const char *path, *fileName, *directory; };
    const Case cases[] = {
        {"C:\\work\\src\\Hello.class", "Hello.class", "C:\\work\\src"},
        {"C:\\Hello.class", "Hello.class", "C:"},
        {"C:\\work\\", nullptr, "C:\\work"},
        {"Hello.class", "Hello.class", nullptr},
        {"\\Hello.class", "Hello.class", nullptr},
        {"a\\\\b", "b", "a\\"},
        {"\\\\", nullptr, "\\"},
        {"C:/work/Hello.class", "C:/work/Hello.class", nullptr},
        {"C:Hello.class", "C:Hello.class", nullptr},
        {"", nullptr, nullptr},
        {nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path ? c.path : "(null)");
        EXPECT_TEXT(c.fileName, FileNameOf(c.path));
        EXPECT_TEXT(c.directory, DirectoryOf(c.path));
    }
}

TEST(Paths, HasExtension)
{
    struct Case { const char *path, *extension; bool has; };
    const Case cases[] = {
        {"C:\\src\\Foo.java", ".java", true}, {"Foo.JAVA", ".java", true},
        {"Foo.Class", ".class", true},         {".java", ".java", true},
        {"Foo.java ", ".java", false},         {"Foo.jav", ".java", false},
        {"java", ".java", false},              {"Foo_java", ".java", false},
        {"Foo.java\\", ".java", false},        {"", ".java", false},
        {nullptr, ".java", false},             {"Foo", "", true},
        {"Foo.j\xC1va", ".j\xE1va", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.has, HasExtension(c.path, c.extension)) << (c.path ? c.path : "(null)");
}
