#include "launcher/class_file.h"
#include "launcher/platform.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

// The class files that the build compiles from tests/class_files/.
static const std::string classFiles = CLASS_FILES;

// The name read from the file at path, and in *position where the stream
// was left; "(not opened)" when the platform does not open it.
static std::string NameAt(const std::string& path, long* position = nullptr)
{
    FILE* file = OpenDiskFile(path.c_str(), "rb");
    if (!file)
        return "(not opened)";
    Str name = ClassNameOf(file);
    if (position)
        *position = ftell(file);
    fclose(file);
    return name.c_str() ? name.c_str() : "";
}

// The name read from a file holding exactly these bytes.
static std::string NameOf(const std::string& bytes, long* position = nullptr)
{
    const char* path = "class_file_test.class";
    FILE* file = fopen(path, "wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    std::string name = NameAt(path, position);
    remove(path);
    return name;
}

static std::string U2(unsigned n)
{
    return {char(n >> 8), char(n & 0xFF)};
}

static std::string Utf8(const std::string& text)
{
    return "\x01" + U2(text.size()) + text;
}

static std::string ClassOf(unsigned nameIndex)
{
    return "\x07" + U2(nameIndex);
}

// A class file up to and with this_class: its pool holds count - 1 slots.
static std::string ClassFile(unsigned count, const std::string& pool, unsigned thisClass)
{
    return std::string("\xCA\xFE\xBA\xBE\x00\x00\x00\x3D", 8) + U2(count) + pool + U2(0x21)
        + U2(thisClass);
}

TEST(ClassNameOf, ClassFilesMadeByJavac)
{
    struct Case { const char *file, *name; };
    const Case cases[] = {
        {"/com/acme/Outer.class", "com/acme/Outer"},
        {"/com/acme/Outer$Inner.class", "com/acme/Outer$Inner"},
        {"/NoPackage.class", "NoPackage"},
        {"/module-info.class", "module-info"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(c.name, NameAt(classFiles + c.file));
    }
}

// Every kind of entry, each of its size, with a long and a double taking two
// slots; bytes that text mode would change (CR LF, 0x1A) among them.
static const char everyTagBytes[] =
    "\x03\x00\x00\x0D\x0A" "\x04\x1A\x00\x00\x00" "\x05\x00\x0D\x0A\x1A\x00\x00\x00\x01"
    "\x06\x3F\xE0\x00\x00\x00\x00\x00\x00" "\x08\x00\x01" "\x09\x00\x01\x00\x02"
    "\x0A\x00\x01\x00\x02" "\x0B\x00\x01\x00\x02" "\x0C\x00\x01\x00\x02" "\x0F\x06\x00\x01"
    "\x10\x00\x01" "\x11\x00\x00\x00\x01" "\x12\x00\x00\x00\x01" "\x13\x00\x01" "\x14\x00\x01";
static const std::string everyTag =
    std::string(everyTagBytes, sizeof everyTagBytes - 1) + Utf8("\r\n\x1A");

TEST(ClassNameOf, WellFormedHeads)
{
    struct Case { std::string bytes; const char* name; };
    const Case cases[] = {
        {ClassFile(3, ClassOf(2) + Utf8("com/acme/Foo"), 1), "com/acme/Foo"},
        {ClassFile(3, Utf8("Foo") + ClassOf(1), 2), "Foo"},
        {ClassFile(21, everyTag + ClassOf(20) + Utf8("a/b/C"), 19), "a/b/C"},
        {ClassFile(5, std::string("\x05\0\0\0\0\0\0\0\0", 9) + ClassOf(4) + Utf8("a/B"), 3), "a/B"},
        {ClassFile(3, ClassOf(2) + Utf8("Outer$Inner"), 1), "Outer$Inner"},
        {ClassFile(3, ClassOf(2) + Utf8("caf\xC3\xA9/Cr\xC3\xA8me"), 1), "caf\xC3\xA9/Cr\xC3\xA8me"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        long position = -1;
        // Nothing past this_class is read.
        EXPECT_EQ(c.name, NameOf(c.bytes + "\xFF\x00\x01", &position));
        EXPECT_EQ((long)c.bytes.size(), position);
        // Cut anywhere, it is no class file.
        for (size_t length = 0; length < c.bytes.size(); length++)
            EXPECT_EQ("", NameOf(c.bytes.substr(0, length))) << length;
    }
}

TEST(ClassNameOf, BrokenHeads)
{
    const std::string foo = ClassOf(2) + Utf8("com/acme/Foo");
    const std::string longFirst = std::string("\x05\0\0\0\0\0\0\0\0", 9);
    const std::string afterLong = longFirst + ClassOf(4) + Utf8("com/acme/Foo");
    const std::string cases[] = {
        "",
        std::string("\xCA\xFE\xBA\xBF\x00\x00\x00\x3D", 8) + U2(3) + foo + U2(0x21) + U2(1),
        ClassFile(0, foo, 1),
        ClassFile(1, foo, 1),
        // Unknown tags.
        ClassFile(4, std::string("\x00", 1) + foo, 2),
        ClassFile(4, "\x02" + foo, 2),
        ClassFile(4, std::string("\x0D\x00\x00", 3) + foo, 2),
        ClassFile(4, std::string("\x0E\x00\x00", 3) + foo, 2),
        ClassFile(4, std::string("\x15\x00\x00", 3) + foo, 2),
        // this_class 0, out of range, not a Class entry.
        ClassFile(3, foo, 0),
        ClassFile(3, foo, 3),
        ClassFile(3, foo, 0xFFFF),
        ClassFile(3, foo, 2),
        ClassFile(5, afterLong, 2),
        ClassFile(5, afterLong, 1),
        // A Class whose name index is 0, out of range, or no Utf8 entry.
        ClassFile(3, ClassOf(0) + Utf8("Foo"), 1),
        ClassFile(3, ClassOf(3) + Utf8("Foo"), 1),
        ClassFile(2, ClassOf(1), 1),
        ClassFile(4, longFirst + ClassOf(2), 3),
        ClassFile(4, longFirst + ClassOf(1), 3),
        ClassFile(3, ClassOf(2) + ClassOf(1), 1),
        // A long or double in the last slot, its second slot past the pool.
        ClassFile(4, foo + longFirst, 1),
        ClassFile(4, foo + std::string("\x06\0\0\0\0\0\0\0\0", 9), 1),
        // Names that name no class.
        ClassFile(3, ClassOf(2) + Utf8(""), 1),
        ClassFile(3, ClassOf(2) + Utf8("[Lcom/acme/Foo;"), 1),
        ClassFile(3, ClassOf(2) + Utf8("[I"), 1),
        ClassFile(3, ClassOf(2) + Utf8("com.acme.Foo"), 1),
        ClassFile(3, ClassOf(2) + Utf8("Foo;"), 1),
        ClassFile(3, ClassOf(2) + Utf8("/Foo"), 1),
        ClassFile(3, ClassOf(2) + Utf8("com/"), 1),
        ClassFile(3, ClassOf(2) + Utf8("com//Foo"), 1),
        ClassFile(3, ClassOf(2) + Utf8(std::string("Fo\0o", 4)), 1),
        ClassFile(3, ClassOf(2) + Utf8("Fo\xF0o"), 1),
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_EQ("", NameOf(bytes));
    }
}

TEST(OpenDiskFile, OnlyFilesOnDisk)
{
    EXPECT_EQ("(not opened)", NameAt(classFiles + "/missing.class"));
    EXPECT_EQ("(not opened)", NameAt(classFiles + "/com"));
}
