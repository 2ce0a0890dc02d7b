#include "text/str.h"

#include <gtest/gtest.h>

#include <string>

TEST(ResolvePath, Table)
{
    struct Case { const char *relative, *base, *root, *expected; };
    const Case cases[] = {
        // The worked examples.
        {"..\\..\\", "C:\\work\\src\\com\\acme", nullptr, "C:\\work\\src\\"},
        {"..\\..\\..\\..\\", "C:\\work\\com\\acme", nullptr, "C:\\"},
        {"..\\..\\lib\\util.jar", "C:\\work\\src\\com\\acme", nullptr, "C:\\work\\src\\lib\\util.jar"},
        {"../../lib/", "C:\\work\\src\\com\\acme", nullptr, "C:\\work\\src\\lib\\"},
        {".\\src\\.hidden\\..\\x", "C:\\work\\", nullptr, "C:\\work\\x"},
        {"\\tools\\bin\\", "C:\\work\\src", nullptr, "C:\\tools\\bin\\"},
        {"..\\..", "C:\\work\\src\\com\\acme", nullptr, "C:\\work\\src\\com\\.."},
        {"", "C:\\work", nullptr, "C:\\work\\"},
        {"..\\..\\", "C:\\work\\src", "C:\\work\\", "C:\\work\\"},
        // The edges.
        {"..\\", "C:/work/src", nullptr, "C:\\"},
        {"..\\", "src\\com", nullptr, "src\\"},
        {"..\\..\\", "src\\com", nullptr, "sr\\"},
        {"..\\", "\\\\srv\\share\\dir", nullptr, "\\\\srv\\share\\"},
        {"..\\..\\..\\..\\", "\\\\srv\\share\\dir", nullptr, "\\\\"},
        {"..\\", "C:\\a", "C:\\x\\y\\z", "C:\\x\\y\\z\\"},
        {nullptr, "C:\\work", nullptr, "C:\\work\\"},
        {"...\\x\\", "C:\\work", nullptr, "C:\\work\\x\\"},
        {"a\\\\b\\", "C:\\work", nullptr, "C:\\b\\"},
        {"..\\", "C:\\work\\\\src", nullptr, "C:\\work\\\\"},
        // Inputs without a usable base or root still give a text.
        {"..\\..\\", "", nullptr, "\\"},
        {"..\\..\\", nullptr, nullptr, "\\"},
        {"..\\a\\", nullptr, nullptr, "\\a\\"},
        {"..\\", "C:\\work\\src", "", "C:\\work\\"},
        {"..\\..\\..\\", "C:\\work\\src", "", "\\"},
        {"\\x", "C:\\work", "", "\\x"},
        {"x\\..\\..\\..\\y", "C:\\a", "C:\\a\\b", "C:\\a\\b\\y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.relative << " on " << c.base << " under "
                                        << (c.root ? c.root : "(none)"));
        EXPECT_STREQ(c.expected, ResolvePath(c.relative, c.base, c.root).c_str());
    }
}

TEST(ResolvePath, ThousandsOfStepsStopAtTheDrive)
{
    Str up = Repeat("..\\", 100000);
    EXPECT_STREQ("C:\\", ResolvePath(up.c_str(), "C:\\work\\src", nullptr).c_str());
    std::string deep, expected = "C:\\work";
    for (int i = 0; i < 20000; i++) {
        deep += "a\\";
        expected += "\\a";
    }
    expected += "\\";
    EXPECT_EQ(expected, ResolvePath(deep.c_str(), "C:\\work", nullptr).c_str());
}
