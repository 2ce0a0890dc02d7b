#include "text/str.h"

#include <gtest/gtest.h>

#include <string>

// Expected null means the empty text without a buffer.
#define EXPECT_TEXT(expected, value) EXPECT_STREQ(expected, (value).c_str())

static const unsigned NotFound = (unsigned)-1;

TEST(Slices, LeftRightMid)
{
    struct Case { const char* text; unsigned start, count; const char *left, *right, *mid; };
    const Case cases[] = {
        {"package", 0, 3, "pac", "age", "pac"},
        {"package", 2, 3, "pac", "age", "cka"},
        {"package", 2, 0, "package", "package", "ckage"},
        {"package", 2, 6, "packag", "ackage", "ckage"},
        {"package", 0, 7, "package", "package", "package"},
        {"package", 0, 8, "package", "package", "package"},
        {"package", 0, NotFound, "package", "package", "package"},
        {"package", 7, 0, "package", "package", nullptr},
        {"package", 8, 1, "p", "e", nullptr},
        {"package", NotFound, 1, "p", "e", nullptr},
        {"", 0, 3, nullptr, nullptr, nullptr},
        {nullptr, 0, 3, nullptr, nullptr, nullptr},
        {nullptr, 3, 0, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " " << c.start << " " << c.count);
        EXPECT_TEXT(c.left, Left(c.text, c.count));
        EXPECT_TEXT(c.right, Right(c.text, c.count));
        EXPECT_TEXT(c.mid, Mid(c.text, c.start, c.count));
    }
}

TEST(Trims, OnlyTheBlankByte)
{
    struct Case { const char *text, *left, *right, *both; };
    const Case cases[] = {
        {"  a b  ", "a b  ", "  a b", "a b"},
        {"\ta\n", "\ta\n", "\ta\n", "\ta\n"},
        {" \t ", "\t ", " \t", "\t"},
        {"   ", nullptr, nullptr, nullptr},
        {"", nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"x", "x", "x", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_TEXT(c.left, TrimLeft(c.text));
        EXPECT_TEXT(c.right, TrimRight(c.text));
        EXPECT_TEXT(c.both, Trim(c.text));
    }
}

TEST(Reverse, Bytes)
{
    EXPECT_TEXT("cba", Reverse("abc"));
    EXPECT_TEXT("\\a\\:C", Reverse("C:\\a\\"));
    EXPECT_TEXT(nullptr, Reverse(""));
    EXPECT_TEXT(nullptr, Reverse(nullptr));
}

TEST(ReplaceAll, Table)
{
    struct Case { const char *text, *pattern, *replacement, *expected; };
    const Case cases[] = {
        {"C:\\work\\src\\A.java", "\\", "/", "C:/work/src/A.java"},
        {"...", "..", "x", "x."},
        {"ab", "abc", "x", "ab"},
        {"abc", "abc", "x", "x"},
        {"abc", "abc", nullptr, nullptr},
        {"", "", "x", "x"},
        {nullptr, nullptr, "x", "x"},
        {"", "a", "x", nullptr},
        {"aaa", "a", "aa", "aaaaaa"},
        {"a.b.c", ".", nullptr, "abc"},
        {"a.b.c", ".", "", "abc"},
        {"...", ".", "", nullptr},
        {"abc", "", "x", "abc"},
        {"abc", nullptr, "x", "abc"},
        {"abc", "z", "x", "abc"},
        {"xaxbx", "x", "--", "--a--b--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.pattern << " / " << c.replacement);
        EXPECT_TEXT(c.expected, ReplaceAll(c.text, c.pattern, c.replacement));
    }
}

TEST(Searches, FindFindFromFindChar)
{
    struct Case { const char* text; const char* pattern; unsigned start; int find, findFrom; };
    const Case cases[] = {
        {"package", "age", 0, 4, 4},
        {"package", "age", 4, 4, 4},
        {"package", "age", 5, 4, -1},
        {"package", "xyz", 0, -1, -1},
        {"package", "", 3, 0, 3},
        {"package", "", 7, 0, 7},
        {"package", "", 8, 0, -1},
        {"package", "a", NotFound, 1, -1},
        {"...", ".", 1, 0, 1},
        {"...", ".", 3, 0, -1},
        {"", "a", 0, -1, -1},
        {nullptr, "a", 0, -1, -1},
        {nullptr, "", 0, 0, 0},
        {nullptr, nullptr, 1, 0, -1},
        {"aab", "ab", 0, 1, 1},
        {"ab", "abc", 0, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.pattern << " from " << c.start);
        EXPECT_EQ(c.find, Find(c.text, c.pattern));
        EXPECT_EQ(c.findFrom, FindFrom(c.start, c.text, c.pattern));
    }
    EXPECT_EQ(2, FindChar("ab;c;", ';'));
    EXPECT_EQ(-1, FindChar("abc", ';'));
    EXPECT_EQ(0, FindChar("abc", '\0'));
    EXPECT_EQ(-1, FindChar(nullptr, ';'));
}

TEST(Searches, WalkFindsEveryMatch)
{
    const char* text = "a.b..c.";
    int count = 0;
    for (int at = Find(text, "."); at != -1; at = FindFrom(at + 1, text, "."))
        count++;
    EXPECT_EQ(4, count);
}

TEST(Repeat, Table)
{
    EXPECT_TEXT("..\\..\\..\\", Repeat("..\\", 3));
    EXPECT_EQ(9u, Repeat("..\\", 3).length());
    EXPECT_TEXT(nullptr, Repeat("..\\", 0));
    EXPECT_TEXT(nullptr, Repeat("", 5));
    EXPECT_TEXT(nullptr, Repeat(nullptr, 5));
    EXPECT_TEXT("x", Repeat("x", 1));
}

TEST(LargeTexts, ReplaceAndRepeatStayExact)
{
    std::string backslashed, expected;
    for (int i = 0; i < 8192; i++) {
        backslashed += "dir\\";
        expected += "dir/";
    }
    Str path = Repeat("dir\\", 8192);
    EXPECT_EQ(backslashed, path.c_str());
    EXPECT_EQ(expected, ReplaceAll(path.c_str(), "\\", "/").c_str());
}
