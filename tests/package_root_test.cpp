#include "launcher/misplaced_note.h"
#include "launcher/package_scanner.h"
#include "launcher/platform.h"
#include "launcher/program_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

// The current directory as the host's own library reads it, written as a
// Windows path: never through the platform calls under test.
static std::string Current()
{
    std::string directory = std::filesystem::current_path().string();
    std::replace(directory.begin(), directory.end(), '/', '\\');
    return directory;
}

// Each test works in a tree of real directories below the directory current
// at start, written as a Windows path (the POSIX stand-in maps it back), and
// leaves that directory current again.
class PackageRoot : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories("root_test/work/src/com/acme");
        std::filesystem::create_directories("root_test/a/b/c/d");
        start = Current();
        tree = start + "\\root_test";
    }
    void TearDown() override { ChangeDirectory(start.c_str()); }

    std::string start, tree;
};

TEST_F(PackageRoot, WorkedExamples)
{
    struct Case { const char* path; int depth; const char *directory, *result; };
    const Case cases[] = {
        {"\\work\\src\\com\\acme\\Foo.class", 2, "\\work\\src", "com/acme/Foo.class"},
        {"\\work\\src\\com\\acme\\Foo.java", 2, "\\work\\src", "com/acme/Foo.java"},
        {"\\a\\b\\c\\d\\Foo.class", 3, "\\a", "b/c/d/Foo.class"},
        {"\\work\\src\\com\\acme\\Foo.java", 0, "\\work\\src\\com\\acme", "Foo.java"},
        {"\\work\\src\\com\\acme\\Foo.java", 1, "\\work\\src\\com", "acme/Foo.java"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path << " " << c.depth);
        ChangeDirectory(start.c_str());
        Str result = EnterPackageRoot((tree + c.path).c_str(), c.depth);
        EXPECT_STREQ(c.result, result.c_str());
        EXPECT_EQ(tree + c.directory, Current());
    }
}

TEST_F(PackageRoot, BareNameIsTakenInTheCurrentDirectory)
{
    ChangeDirectory((tree + "\\work\\src\\com\\acme").c_str());
    EXPECT_STREQ("Foo.java", EnterPackageRoot("Foo.java", 0).c_str());
    EXPECT_EQ(tree + "\\work\\src\\com\\acme", Current());
    EXPECT_STREQ("com/acme/Foo.java", EnterPackageRoot("Foo.java", 2).c_str());
    EXPECT_EQ(tree + "\\work\\src", Current());
}

// A current directory longer than the old 260-byte limit is read whole; its
// root, too long for a program to start in, is not entered.
TEST_F(PackageRoot, BareNameInALongCurrentDirectory)
{
    std::string deep = "root_test/" + std::string(120, 'l') + "/" + std::string(120, 'm') + "/com/acme";
    std::filesystem::create_directories(deep);
    std::string inner = tree + "\\" + std::string(120, 'l') + "\\" + std::string(120, 'm');
    ChangeDirectory((inner + "\\com\\acme").c_str());
    if (Current() != inner + "\\com\\acme")
        GTEST_SKIP() << "PackageRoot.BareNameInALongCurrentDirectory: this host cannot make a directory of "
                     << inner.size() + 9 << " bytes current";
    Str failure;
    EXPECT_STREQ("com/acme/Foo.java", EnterPackageRoot("Foo.java", 2, &failure).c_str());
    EXPECT_EQ(inner + "\\com\\acme", Current());
    EXPECT_EQ("cannot enter " + inner + "\\: a program's current folder has at most 258 characters", failure.c_str());
}

// A folder too long for a program to start in is entered by its short name
// (Wine makes one for a long name; the stand-in has none), else not at all.
TEST_F(PackageRoot, LongFolderByItsShortName)
{
#ifdef _WIN32
    const bool hasShortName = true;
#else
    const bool hasShortName = false;
#endif
    struct Case { std::string folder; bool entered; };
    const Case cases[] = {{std::string(150, 'd') + "\\" + std::string(150, 'e'), hasShortName},
                          {std::string("shortnam") + Repeat("\\shortnam", 33).c_str(), false}};
    for (const Case& c : cases) {
        std::string folder = tree + "\\" + c.folder;
        std::filesystem::create_directories(ReplaceAll(folder.c_str(), "\\", "/").c_str());
        Str failure, shortPath = ShortPathOf(folder.c_str());
        EXPECT_EQ(c.entered, EnterFolder(folder.c_str(), &failure)) << failure.c_str();
        EXPECT_EQ(c.entered ? shortPath.c_str() : start, Current());
        if (!c.entered) {
            EXPECT_EQ("cannot enter " + folder + "\\: a program's current folder has at most 258 characters",
                      failure.c_str());
        }
        ChangeDirectory(start.c_str());
    }
}

TEST_F(PackageRoot, FailedChangeStillGivesTheText)
{
    Str failure;
    Str result = EnterPackageRoot((tree + "\\missing\\com\\acme\\Foo.java").c_str(), 2, &failure);
    EXPECT_STREQ("com/acme/Foo.java", result.c_str());
    EXPECT_EQ(start, Current());
    EXPECT_EQ(0, Find(failure.c_str(), ("cannot enter " + tree + "\\missing\\: ").c_str())) << failure.c_str();
    EXPECT_STREQ("Foo.java", EnterPackageRoot("Z9:\\missing\\Foo.java", 0).c_str());
    EXPECT_EQ(start, Current());
}

TEST_F(PackageRoot, RootNoLongerThanThePath)
{
    EXPECT_EQ(nullptr, EnterPackageRoot("Q:\\", 1).c_str());
    EXPECT_STREQ("Foo.java", EnterPackageRoot("\\\\srv\\share\\Foo.java", 2).c_str());
}

#ifdef _WIN32
TEST_F(PackageRoot, DriveRootStopsTheClimb)
{
    EXPECT_STREQ("Foo.java", EnterPackageRoot("C:\\Foo.java", 2).c_str());
    EXPECT_EQ("C:\\", Current());
    EXPECT_STREQ("acme/Foo.java", EnterPackageRoot("C:\\acme\\Foo.java", 2).c_str());
    EXPECT_EQ("C:\\", Current());
}

// The native stand-in makes a path full as the system does.
TEST_F(PackageRoot, FullPathAsTheStandInMakesIt)
{
    const char* paths[] = {"Foo.java", "..\\a\\.\\Foo.java", "C:/x/y/../Foo.java", "Q:Foo.java",
                           "\\x\\\\Foo.java", "C:\\..\\..\\Foo.java", "\\\\srv\\share\\..\\x",
                           "C:\\x\\", "C:\\x\\y\\.."};
    Str current = CurrentDirectory();
    for (const char* path : paths)
        EXPECT_STREQ(FullPathFrom(path, current.c_str()).c_str(), FullPathOf(path).c_str()) << path;
}

// The program search as cmd does it, from the start folder: PATH with an
// empty entry and a quoted folder, PATHEXT with an empty and a "." entry,
// which never let a file without an extension run, and JAVA_HOME, last.
TEST_F(PackageRoot, ProgramSearchAsCmdDoes)
{
    for (std::string file : {"tool.exe", "tool", "notes.txt", "quoted dir/script.cmd", "quoted dir/tool.com",
                             "jdk/bin/javac.exe"}) {
        std::filesystem::create_directories(std::filesystem::path("root_test/" + file).parent_path());
        std::ofstream("root_test/" + file).put('x');
    }
    ChangeDirectory(tree.c_str());
    std::string saved[3];
    const char* variables[] = {"PATH", "PATHEXT", "JAVA_HOME"};
    std::string values[] = {";\"" + tree + "\\quoted dir\"", ".COM;;.EXE;.;.CMD", tree + "\\jdk"};
    for (int i = 0; i < 3; i++) {
        saved[i] = std::string(variables[i]) + "=" + (getenv(variables[i]) ? getenv(variables[i]) : "");
        _putenv((std::string(variables[i]) + "=" + values[i]).c_str());
    }
    struct Case { const char *name, *found, *remark; };
    const Case cases[] = {
        {"tool", "{T}\\tool.exe", ""},
        {"notes.txt", "{T}\\notes.txt", ""},
        {"script", "{T}\\quoted dir\\script.cmd", ""},
        {"javac", "{T}\\jdk\\bin\\javac.exe", "javac is not on PATH; running {T}\\jdk\\bin\\javac.exe from JAVA_HOME"},
        {"nowhere", "", "not found in {T}\\ or on PATH or in JAVA_HOME\\bin"},
    };
    for (const Case& c : cases) {
        Str remark;
        Str found = FindProgram(c.name, &remark);
        EXPECT_STREQ(ReplaceAll(c.found, "{T}", tree.c_str()).c_str(), found.c_str()) << c.name;
        EXPECT_STREQ(ReplaceAll(c.remark, "{T}", tree.c_str()).c_str(), remark.c_str()) << c.name;
    }
    for (const std::string& variable : saved)
        _putenv(variable.c_str());
}

TEST_F(PackageRoot, FileInADriveRootEntersTheRootItself)
{
    std::filesystem::create_directories("C:\\root_test_drive\\sub");
    ChangeDirectory("C:\\root_test_drive\\sub");
    EXPECT_STREQ("Foo.java", EnterPackageRoot("C:\\Foo.java", 0).c_str());
    EXPECT_EQ("C:\\", Current());
}
#endif

TEST(MisplacedNote, FoldersAgainstThePackage)
{
    struct Case { const char *package, *file, *below, *note; };
    const Case cases[] = {
        {"hello", "C:\\work\\Desktop\\Foo.java", "Desktop/Foo.java",
         "note: package hello needs Foo.java in a folder hello\\; it is in C:\\work\\Desktop\\"},
        {"com.acme", "C:\\src\\com\\acme\\Foo.java", "com/acme/Foo.java", nullptr},
        {"com.ACME", "C:\\src\\com\\Acme\\Foo.class", "com/Acme/Foo.class", nullptr},
        {"com.acmex", "C:\\src\\com\\acme\\Foo.java", "com/acme/Foo.java",
         "note: package com.acmex needs Foo.java in a folder com\\acmex\\; it is in C:\\src\\com\\acme\\"},
        {"app", "C:\\src\\apps\\Foo.java", "apps/Foo.java",
         "note: package app needs Foo.java in a folder app\\; it is in C:\\src\\apps\\"},
        {"zoo", "C:\\src\\Zoo\\Foo.java", "Zoo/Foo.java", nullptr},
        // A name beyond ASCII or with a Unicode escape may be any folder; an ASCII one may not.
        {"com.acm\xC3\xA9", "C:\\src\\com\\acme\\Foo.java", "com/acme/Foo.java", nullptr},
        {"com.\\u0061cme", "C:\\src\\com\\acme\\Foo.java", "com/acme/Foo.java", nullptr},
        {"com.acme", "C:\\src\\com\\acm\xC3\xA9\\Foo.java", "com/acm\xC3\xA9/Foo.java",
         "note: package com.acme needs Foo.java in a folder com\\acme\\; it is in C:\\src\\com\\acm\xC3\xA9\\"},
        // Fewer folders than names: the climb stopped at a drive's or a share's root.
        {"com.acme", "C:\\acme\\Foo.java", "acme/Foo.java",
         "note: package com.acme needs Foo.java in a folder com\\acme\\; it is in C:\\acme\\"},
        {"a.b", "C:\\Foo.class", "Foo.class", "note: package a.b needs Foo.class in a folder a\\b\\; it is in C:\\"},
        {"\xC3\xA9.b", "C:\\Foo.java", "Foo.java",
         "note: package \xC3\xA9.b needs Foo.java in a folder \xC3\xA9\\b\\; it is in C:\\"},
        {"a", "\\\\srv\\share\\Foo.java", "Foo.java",
         "note: package a needs Foo.java in a folder a\\; it is in \\\\srv\\share\\"},
        // A package without a name is javac's to report.
        {"", "C:\\Foo.java", "Foo.java", nullptr}, {"a..b", "C:\\Foo.java", "Foo.java", nullptr},
        {".a", "C:\\x\\Foo.java", "x/Foo.java", nullptr}, {"a.", "C:\\x\\Foo.java", "x/Foo.java", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.note, MisplacedNote(c.package, c.file, c.below).c_str()) << c.package << " " << c.below;
}
