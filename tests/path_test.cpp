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
        {"Foo.j\xC1va", ".j\xE1va", false},      {"Foo.javx", ".java", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.has, HasExtension(c.path, c.extension)) << (c.path ? c.path : "(null)");
}

// Every name of one file gives one full path, as GetFullPathName does.
TEST(Paths, FullPathFrom)
{
    struct Case { const char *path, *current, *full; };
    const Case cases[] = {
        {"C:\\p\\src\\Foo.java", "D:\\x", "C:\\p\\src\\Foo.java"},
        {"Foo.java", "C:\\p\\acme", "C:\\p\\acme\\Foo.java"},
        {"C:/p/src/Foo.java", "D:\\x", "C:\\p\\src\\Foo.java"},
        {"C:\\p\\src/com/Foo.java", "D:\\x", "C:\\p\\src\\com\\Foo.java"},
        {"com\\acme\\Foo.java", "C:\\p\\src", "C:\\p\\src\\com\\acme\\Foo.java"},
        {"..\\acme\\Foo.java", "C:\\p\\com\\acme", "C:\\p\\com\\acme\\Foo.java"},
        {".\\Foo.java", "C:\\p", "C:\\p\\Foo.java"},
        {"c:Foo.java", "C:\\p", "C:\\p\\Foo.java"},
        {"D:Foo.java", "C:\\p", "D:\\Foo.java"},
        {"Z:Foo.java", "z:\\p", "z:\\p\\Foo.java"},
        {"C:\\p\\.\\Foo.java", "D:\\x", "C:\\p\\Foo.java"},
        {"C:\\p\\a\\..\\a\\Foo.java", "D:\\x", "C:\\p\\a\\Foo.java"},
        {"C:\\p\\\\Foo.java", "D:\\x", "C:\\p\\Foo.java"},
        // A drive's root as the current directory: one backslash, not two.
        {"Foo.java", "C:\\", "C:\\Foo.java"},
        {"C:Foo.java", "C:\\", "C:\\Foo.java"},
        {"..\\..\\..\\Foo.java", "C:\\a", "C:\\Foo.java"},
        {"C:\\..\\..\\Foo.java", "D:\\x", "C:\\Foo.java"},
        {"\\Foo.java", "C:\\p", "C:\\Foo.java"},
        {"C:\\p\\", "D:\\x", "C:\\p\\"},
        {"C:\\p\\q\\..", "D:\\x", "C:\\p"},
        // A share is never climbed above; device paths stand as they are.
        {"\\Foo.java", "\\\\srv\\share\\p", "\\\\srv\\share\\Foo.java"},
        {"..\\..\\Foo.java", "\\\\srv\\share\\p", "\\\\srv\\share\\Foo.java"},
        {"//srv/share/../x/Foo.java", "C:\\", "\\\\srv\\share\\x\\Foo.java"},
        {"\\\\?\\C:\\p\\..\\Foo.java", "C:\\", "\\\\?\\C:\\p\\..\\Foo.java"},
        {"\\\\srv\\share", "C:\\", "\\\\srv\\share"},
        // The native stand-in's paths have no drive: "\\" is the root.
        {"Foo.java", "\\tmp\\x", "\\tmp\\x\\Foo.java"},
        {"Foo.java", "\\", "\\Foo.java"},
        {"..\\..\\Foo.java", "\\tmp", "\\Foo.java"},
        {"\\y\\Foo.java", "\\tmp", "\\y\\Foo.java"},
        {"Foo.java", "", nullptr},
        {"", "C:\\", nullptr},
        {nullptr, "C:\\", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.path ? c.path : "(null)") << " in " << c.current);
        EXPECT_TEXT(c.full, FullPathFrom(c.path, c.current));
    }
}

// A drive or share named past the system's parsing is entered as written plainly.
TEST(Paths, PlainPathOf)
{
    struct Case { const char *path, *plain; };
    const Case cases[] = {
        {"\\\\?\\C:\\work\\", "C:\\work\\"}, {"\\\\.\\c:\\x", "c:\\x"},
        {"\\\\?\\UNC\\srv\\share\\x", "\\\\srv\\share\\x"}, {"\\\\?\\Volume{1}\\x", "\\\\?\\Volume{1}\\x"},
        {"C:\\x", "C:\\x"}, {"\\\\srv\\share", "\\\\srv\\share"}, {"\\\\?\\C:x", "\\\\?\\C:x"}, {nullptr, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_TEXT(c.plain, PlainPathOf(c.path)) << (c.path ? c.path : "(null)");
}

TEST(Paths, RootOf)
{
    struct Case { const char *path, *root; bool network; };
    const Case cases[] = {
        {"C:\\work\\Foo.java", "C:\\", false},
        {"\\\\srv\\share\\src\\Foo.java", "\\\\srv\\share\\", true},
        {"\\\\srv", "\\\\srv\\", true},
        {"\\\\?\\C:\\work", "\\\\?\\C:\\", false},
        {"\\\\.\\C:\\work", "\\\\.\\C:\\", false},
        {"\\\\?\\UNC\\srv\\share\\x", "\\\\?\\UNC\\srv\\share\\", true},
        {"\\tmp\\x", "\\t\\", false},
        {nullptr, "\\", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path ? c.path : "(null)");
        EXPECT_TEXT(c.root, RootOf(c.path));
        EXPECT_EQ(c.network, IsNetworkPath(c.path));
    }
}
