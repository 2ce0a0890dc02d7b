#include "launcher/package_scanner.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

// The first statement of a source file holding exactly these bytes, read
// through a text-mode stream as the launchers open it.
static std::string StatementOf(const std::string& bytes)
{
    const char* name = "scanner_test_source.java";
    FILE* file = fopen(name, "wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    FILE* source = fopen(name, "r");
    Str statement = ReadFirstStatement(source);
    fclose(source);
    remove(name);
    return statement.c_str() ? statement.c_str() : "(no buffer)";
}

TEST(ReadFirstStatement, SourceLines)
{
    struct Case { const char *source, *statement; int depth; };
    const Case cases[] = {
        {"package com.acme;\nimport java.util.List;\n", "package com.acme;", 2},
        {"package a.b.c.d;\n", "package a.b.c.d;", 4},
        {"package app;\n", "package app;", 1},
        {"   package com.acme;   // x\n", "package com.acme;", 2},
        {"\tpackage com.acme;\n", "package com.acme;", 2},
        {"\t\npackage a.b;\n", "package a.b;", 2},
        {"\xEF\xBB\xBFpackage a.b;\n", "\xEF\xBB\xBFpackage a.b;", 0},
        {"packagex a.b;\n", "packagex a.b;", 0},
        {"Package a.b;\n", "Package a.b;", 0},
        {"package;\n", "package;", 0},
        {"package\tcom.acme;\n", "package\tcom.acme;", 2},
        {"\f package\fa.b; \t\n", "package\fa.b;", 2},
        {"import java.util.List;\npackage a.b;\n", "import java.util.List;", 0},
        {"package\n  com.acme\n;\n", "package com.acme ;;", 2},
        {"package", "package", 1},
        {"package com.acme", "package com.acme", 2},
        {"package a.b; package c.d.e;\n", "package a.b;", 2},
        {"package /* x.y */ com.acme;\n", "package com.acme;", 2},
        {"package com.acme.;\n", "package com.acme.;", 3},
        {"// comment\n\n      \npackage a.b;\n", "package a.b;", 2},
        {"/*\n * header\n */ package com.acme;\n", "package com.acme;", 2},
        // A block comment at a line's head closes on that line too.
        {"/* header */\npackage com.acme;\nclass A {}", "package com.acme;", 2},
        {"/* a */ package a.b;\n", "package a.b;", 2},
        {"/**/package a;\n", "package a;", 1},
        {"/* a */ /* b */ // c\n/* d */\tpackage a.b;", "package a.b;", 2},
        {"/* a\n b */ /* c\n */ package a.b.c;", "package a.b.c;", 3},
        {"/*/\npackage a.b;\n", "(no buffer)", 0},
        {"x /* y */ package a.b;\n", "x package a.b;", 0},
        {"", "(no buffer)", 0},
        {"/* never closed\npackage a.b;\n", "(no buffer)", 0},
        // A statement goes on past a comment that heads a later line.
        {"/* a */\nx\n/** doc */ package a.b;\n", "x package a.b;", 0},
        {"/*\n*/   // rest\npackage a;\n", "package a;", 1},
        {"/*\n*/ /* again\n*/ package a.b;", "package a.b;", 2},
        {"/*\n*/\n;\n", ";;", 0},
        {"package a.b;\n", "package a.b;", 2},
        {"package a.b; // the last line has no newline", "package a.b;", 2},
        {"\n\n\npackage x.y.z;", "package x.y.z;", 3},
        // Annotations before the keyword, their literals and comments skipped whole.
        {"@Deprecated package a.b;\n", "@Deprecated package a.b;", 2},
        {"@NonNullApi\npackage org.example.core;\n", "@NonNullApi package org.example.core;", 3},
        {"@A(\";)//*/.\") @b.C(x = ')', y = {\"\\\";\"}) package a.b;",
         "@A(\";)//*/.\") @b.C(x = ')', y = {\"\\\";\"}) package a.b;", 2},
        {"@A(\"\"\"\n  ; ) // \"\"\n  \"\"\")\npackage a.b.c;\n", "@A(\"\"\" ; ) // \"\" \"\"\") package a.b.c;", 3},
        {"@A('\\'') @B(';') @C(')') package a;", "@A('\\'') @B(';') @C(')') package a;", 1},
        {"@a.b.C(1) /* x.y */ @D // e;\npackage f.g;", "@a.b.C(1) @D package f.g;", 2},
        {"@A(/* ) ; */ (x)) @ B . C package a.b;", "@A( (x)) @ B . C package a.b;", 2},
        {"@A(;) package a.b;", "@A(;", 0},
        {"@interface A { int x(); }", "@interface A { int x();", 0},
        {"@ interface A {}\n", "@ interface A {}", 0},
        {"@A(\"\n", "@A(\"", 0},
        {"@A(\"", "@A(\"", 0},
        {"package a/", "package a/", 1},
        {"package ';'.a;", "package ';'.a;", 2},
        // Long literals: the other literal's quote and a ";" far from the start.
        {"@A(\"a text of some length, then it's;\") package a.b;",
         "@A(\"a text of some length, then it's;\") package a.b;", 2},
        {"@A('a char run of some length, then \";') package a;",
         "@A('a char run of some length, then \";') package a;", 1},
        {"@A(\"\"\"x\"y\"\"\") package a.b;", "@A(\"\"\"x\"y\"\"\") package a.b;", 2},
        {"@A(\"\"\"\r;\r\"\"\") package a.b;", "@A(\"\"\" ; \"\"\") package a.b;", 2},
        // Comments anywhere are white space; "/*/" does not close.
        {"package com.acme. // moved\ntools;\n", "package com.acme. tools;", 3},
        {"package com /* a.b */ .acme;\n", "package com .acme;", 2},
        {"package/*x*/com.acme;\n", "package com.acme;", 2},
        {"package//x.y\na;", "package a;", 1},
        {"/*/ package a.b; */ package c;", "package c;", 1},
        {"// /* x\npackage a.b;", "package a.b;", 2},
        {"package a/b.c;", "package a/b.c;", 2},
        // A carriage return alone ends a line too.
        {"// x\rpackage a.b;\rclass A {}\r", "package a.b;", 2},
        {"/*\r * x\r */\rpackage a.b.c;\r", "package a.b.c;", 3},
        {"// x\r\npackage a\r.b\n;", "package a .b ;;", 2},
        {"package\ra.b;", "package a.b;", 2},
        {"package a.\f\nb;", "package a. b;", 2},
        {"package.a;", "package.a;", 0},
        // Only the dots before the first ";" count.
        {"package a.b\n; c.d;\n", "package a.b ; c.d;;", 2},
        // Unicode escapes are not read.
        {"\\u0070ackage a.b;", "\\u0070ackage a.b;", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        std::string statement = StatementOf(c.source);
        EXPECT_EQ(c.statement, statement);
        EXPECT_EQ(c.depth, PackageDepth(statement == "(no buffer)" ? nullptr : statement.c_str()));
    }
}

TEST(ReadFirstStatement, CarriageReturnLineEnds)
{
    // A carriage return is a blank at a line's end, whatever the stream's mode.
    EXPECT_EQ("package com.acme;", StatementOf("// x\r\npackage com.acme;\r\nclass A {}\r\n"));
    EXPECT_EQ("package com.acme ;;", StatementOf("package\r\n com.acme\r\n;\r\n"));
    EXPECT_EQ("package a.b;", StatementOf("/* x */\r\n\r\npackage a.b;\r\n"));
}

TEST(ReadFirstStatement, LongLinesAreReadInPieces)
{
    // 4,095 bytes per piece, and a piece goes on its line.
    std::string line = "package " + std::string(5000, 'a') + ".b;\n";
    EXPECT_EQ(line.substr(0, line.size() - 1), StatementOf(line));
    std::string commented = "package a" + std::string(4086, ' ') + "//.b.c;\n";
    EXPECT_EQ("package a", StatementOf(commented));
    // A piece that fills the first block exactly, then a full piece that
    // begins with ";": the most that a piece adds to the block.
    std::string filled = "package " + std::string(4086, 'a');
    std::string semicolon = ";" + std::string(4094, 'b');
    EXPECT_EQ(filled + " " + semicolon + ";", StatementOf(filled + "\n" + semicolon));
    // Tokens that a piece's end cuts: a comment's opening and closing, a text
    // block's quotes, an escape, and a keyword on lines that end in CR alone.
    struct Case { std::string head, tail, statement; int depth; };
    const Case cases[] = {
        {"/", "* a.b */ package c;", "package c;", 1},
        {"/", "/ a.b\npackage c;", "package c;", 1},
        {"/* x *", "/ package c;", "package c;", 1},
        {"@A(\"", "\"\";\"\"\") package c;", "@A(\"\"\";\"\"\") package c;", 1},
        {"@A(\"\"", "\";\"\"\") package c;", "@A(\"\"\";\"\"\") package c;", 1},
        {"@A(\"\"", "\"x\";\"\"\") package c;", "@A(\"\"\"x\";\"\"\") package c;", 1},
        {"@A(\"x\\", "\";\") package c;", "@A(\"x\\\";\") package c;", 1},
        {"@A(\"\"\"x\"", "\"\") package c;", "@A(\"\"\"x\"\"\") package c;", 1},
        {"pack", "age c.d;\r", "package c.d;", 2},
    };
    for (const Case& c : cases) {
        // The first piece ends one byte before the head's end, at it, or after it.
        for (int shift = -1; shift <= 2; shift++) {
            std::string source = "// x\r" + std::string(4090 - c.head.size() + shift, ' ') + c.head + c.tail;
            SCOPED_TRACE(c.head + c.tail);
            std::string statement = StatementOf(source);
            EXPECT_EQ(c.statement, statement) << shift;
            EXPECT_EQ(c.depth, PackageDepth(statement.c_str()));
        }
    }
}

TEST(ReadFirstStatement, SourceWithoutSemicolonIsReadWhole)
{
    std::string source, joined;
    for (int i = 0; i < 20000; i++) {
        source += "package.x\n";
        joined += i == 0 ? "package.x" : " package.x";
    }
    std::string statement = StatementOf(source);
    EXPECT_EQ(joined, statement);
    EXPECT_EQ(0, PackageDepth(statement.c_str()));
}

TEST(ReadFirstStatement, ReadErrorEndsTheScan)
{
    // A stream open for writing only fails every read and never reaches its
    // end; some C runtimes do not even set its error indicator.
    FILE* writeOnly = fopen("scanner_test_write_only.java", "w");
    ASSERT_NE(nullptr, writeOnly);
    Str statement = ReadFirstStatement(writeOnly);
    EXPECT_FALSE(feof(writeOnly));
    EXPECT_EQ(nullptr, statement.c_str());
    fclose(writeOnly);
    remove("scanner_test_write_only.java");
}

TEST(PackageDepth, Statements)
{
    struct Case { const char* statement; int depth; };
    const Case cases[] = {
        {"package com.acme;", 2}, {"package a.b.c.d;", 4}, {"package app;", 1},
        {"package", 1},           {"package ", 1},         {"package ...", 4},
        {"packages a.b;", 0},     {"package;", 0},
        {"package\ta.b;", 2},     {"package\f\r", 1},      {"package\x0B a;", 0},
        {"", 0},                  {nullptr, 0},            {"import a.b;", 0},
        {" package a.b;", 2},     {"@A package\n", 1},    {"@A(\"(\") package a;", 1},
        {"@interface", 0},        {"@A(;) package a.b;", 0}, {"package a\"b.c;\".d;", 2},
        {"package a.b // c.d\n;", 2}, {"/* a.b */ package c;", 1}, {"@A(\"\"\"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.depth, PackageDepth(c.statement)) << (c.statement ? c.statement : "(null)");
}

TEST(PackageDepth, NameWithoutBlanksAndComments)
{
    struct Case { const char *statement, *name; };
    const Case cases[] = {
        {"package com . /* x.y */ acme\n;", "com.acme"}, {"@A(\"b.c\") package\ta.b", "a.b"},
        {"package", ""}, {"package a.b c.d;", ""}, {"package a/b.c;", ""}, {"package a.\"x\".b;", ""},
        {"package ...;", "..."},
    };
    for (const Case& c : cases) {
        Str name("unset");
        PackageDepth(c.statement, &name);
        EXPECT_STREQ(c.name, name.c_str() ? name.c_str() : "") << c.statement;
    }
}
