#include "text/str.h"

#include <gtest/gtest.h>
#include <string.h>

// An empty value must hold no buffer at all.
#define EXPECT_NO_BUFFER(value) EXPECT_EQ(nullptr, (value).c_str())
#define EXPECT_TEXT(expected, value) EXPECT_STREQ(expected, (value).c_str())

TEST(Str, EmptyFormsHaveNoBuffer)
{
    Str byDefault, fromNull(nullptr), fromEmpty(""), copy(fromEmpty);
    for (const Str* value : {&byDefault, &fromNull, &fromEmpty, &copy}) {
        EXPECT_NO_BUFFER(*value);
        EXPECT_EQ(0u, value->length());
        EXPECT_TRUE(*value == "");
        EXPECT_TRUE(*value == nullptr);
        EXPECT_FALSE(*value != nullptr);
    }
}

TEST(Str, CopiesAreDeep)
{
    Str original("abc");
    Str copy(original);
    EXPECT_NE(original.c_str(), copy.c_str());
    copy.c_str()[0] = 'x';
    EXPECT_TEXT("abc", original);
    EXPECT_TEXT("xbc", copy);
}

TEST(Str, AssignFromOwnText)
{
    Str value("package");
    char* before = value.c_str();
    value.assign(value.c_str());
    EXPECT_EQ(before, value.c_str());
    value.assign(value.c_str() + 1);
    EXPECT_TEXT("ackage", value);
    value.assign("");
    EXPECT_NO_BUFFER(value);
    value.assign("x").assign(nullptr);
    EXPECT_NO_BUFFER(value);
}

TEST(Str, AssignChar)
{
    Str value("abc");
    EXPECT_TEXT("z", value.assign('z'));
    EXPECT_NO_BUFFER(value.assign('\0'));
}

TEST(Str, OperatorAssignTakesResultOfOwnText)
{
    Str value("  line  ");
    value = Str(value.c_str() + 2);
    EXPECT_TEXT("line  ", value);
    value = value;
    EXPECT_TEXT("line  ", value);
    value = Str();
    EXPECT_NO_BUFFER(value);
}

TEST(Str, Append)
{
    struct Case { const char* start; const char* added; const char* expected; };
    const Case cases[] = {
        {"ab", "cd", "abcd"},   {nullptr, "cd", "cd"}, {"ab", nullptr, "ab"},
        {"ab", "", "ab"},       {nullptr, nullptr, nullptr}, {"", "", nullptr},
    };
    for (const Case& c : cases) {
        Str value(c.start);
        EXPECT_TEXT(c.expected, value.append(c.added)) << c.start << " + " << c.added;
    }
}

TEST(Str, AppendOwnTextDoubles)
{
    Str value("ab");
    value.append(value.c_str());
    EXPECT_TEXT("abab", value);
}

TEST(Str, AppendChar)
{
    Str value;
    value.append('a').append('b');
    EXPECT_TEXT("ab", value);
    value.append('\0');
    EXPECT_TEXT("ab", value);
    Str empty;
    EXPECT_NO_BUFFER(empty.append('\0'));
}

TEST(Str, AppendingNothingKeepsReservedBuffer)
{
    Str value;
    value.reserve(8);
    char* reserved = value.c_str();
    value.append("").append(nullptr).append('\0');
    EXPECT_EQ(reserved, value.c_str());
}

TEST(Str, Concatenation)
{
    Str empty, text("ab");
    EXPECT_NO_BUFFER(empty + nullptr);
    EXPECT_NO_BUFFER(empty + "");
    EXPECT_TEXT("cd", empty + "cd");
    EXPECT_TEXT("abcd", text + "cd");
    EXPECT_TEXT("abab", text + text.c_str());
    EXPECT_TEXT("ab", text);
    EXPECT_NO_BUFFER(empty);
    EXPECT_TEXT("a-b-c", Str("a") + "-" + "b" + "-" + "c");
}

TEST(Str, Equality)
{
    struct Case { const char* value; const char* other; bool equal; };
    const Case cases[] = {
        {"abc", "abc", true},  {"abc", "ab", false}, {"abc", "abcd", false},
        {"abc", "ABC", false}, {"abc", "", false},   {"abc", nullptr, false},
        {nullptr, "a", false}, {"", nullptr, true},  {nullptr, "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.equal, Str(c.value) == c.other) << c.value << " == " << c.other;
        EXPECT_EQ(!c.equal, Str(c.value) != c.other) << c.value << " != " << c.other;
    }
}

TEST(Str, ReserveGivesWritableBuffer)
{
    Str value("old");
    EXPECT_TRUE(value.reserve(5));
    ASSERT_NE(nullptr, value.c_str());
    EXPECT_TRUE(value == "");
    EXPECT_EQ(0u, value.length());
    strcpy(value.c_str(), "hello");
    EXPECT_EQ(5u, value.length());
    value.c_str()[2] = '\0';
    EXPECT_EQ(2u, value.length());
    EXPECT_TEXT("he", value);
}

TEST(Str, ReserveZeroEmpties)
{
    Str value("text");
    EXPECT_FALSE(value.reserve(0));
    EXPECT_NO_BUFFER(value);
}

TEST(Str, CopyOfReservedIsBufferless)
{
    Str value;
    value.reserve(10);
    Str copy(value);
    EXPECT_NO_BUFFER(copy);
    Str assigned("x");
    assigned = value;
    EXPECT_NO_BUFFER(assigned);
}

TEST(SafeLength, CountsToFirstNul)
{
    EXPECT_EQ(0u, SafeLength(nullptr));
    EXPECT_EQ(0u, SafeLength(""));
    EXPECT_EQ(3u, SafeLength("abc"));
    EXPECT_EQ(1u, SafeLength("a\0bc"));
}

TEST(StrDeathTest, RepeatBeyondUnsignedEndsWithMessage)
{
    EXPECT_EXIT(Repeat("..\\", 0x60000000u), testing::ExitedWithCode(1), "out of memory");
}
