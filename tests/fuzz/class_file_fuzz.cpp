// Fuzzes ClassNameOf on the native build: the input is a class file. The
// name is compared with a model that works on offsets into the whole input
// in memory, and the stream is never left past this_class (nothing after it
// is read).

#include <algorithm>
#include <vector>

#include "launcher/class_file.h"
#include "launcher/platform.h"
#include "tests/fuzz/fuzz_check.h"

static const char* classPath;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    classPath = InputFilePath("class-file");
    return 0;
}

static const size_t none = (size_t)-1;

// The big-endian number of width bytes at offset; none when past the input.
static size_t NumberAt(const std::string& data, size_t offset, size_t width)
{
    if (offset > data.size() || width > data.size() - offset)
        return none;
    size_t number = 0;
    for (size_t i = 0; i < width; i++)
        number = number << 8 | (uint8_t)data[offset + i];
    return number;
}

// The bytes of the entry at offset, its tag included; none for an unknown
// tag or a Utf8 entry whose length is cut off.
static size_t EntrySize(const std::string& data, size_t offset)
{
    // By tag: Integer 3, Float 4, Long 5, Double 6, Class 7 ... Package 20.
    static const size_t sizes[21] = {0, 0, 0, 5, 5, 9, 9, 3, 3, 5, 5, 5, 5, 0, 0, 4, 3, 5, 5, 3, 3};
    size_t tag = NumberAt(data, offset, 1);
    if (tag == 1) {
        size_t length = NumberAt(data, offset + 1, 2);
        return length == none ? none : 3 + length;
    }
    return tag < 21 && sizes[tag] > 0 ? sizes[tag] : none;
}

static bool IsClassName(const std::string& name)
{
    if (name.empty() || name.find_first_of(std::string(".;[\0", 4)) != std::string::npos)
        return false;
    if (std::any_of(name.begin(), name.end(), [](char c) { return (uint8_t)c >= 0xF0; }))
        return false;
    return name.front() != '/' && name.back() != '/' && name.find("//") == std::string::npos;
}

// The class name, and in *end the offset just past this_class (none when
// the input does not reach it).
static std::string ModelName(const std::string& data, size_t* end)
{
    *end = none;
    size_t count = NumberAt(data, 8, 2);
    if (NumberAt(data, 0, 4) != 0xCAFEBABE || count == none)
        return "";
    // The offset of each slot's entry; none for slot 0 and second slots.
    std::vector<size_t> entries(count, none);
    size_t at = 10;
    for (size_t i = 1; i < count; i++) {
        size_t size = EntrySize(data, at);
        if (size == none || size > data.size() - at)
            return "";
        entries[i] = at;
        if (data[at] == 5 || data[at] == 6) {
            if (i + 1 == count)
                return "";
            i++;
        }
        at += size;
    }
    size_t thisClass = NumberAt(data, at + 2, 2);
    if (thisClass == none)
        return "";
    *end = at + 4;
    if (thisClass >= count || entries[thisClass] == none || data[entries[thisClass]] != 7)
        return "";
    size_t nameIndex = NumberAt(data, entries[thisClass] + 1, 2);
    if (nameIndex >= count || entries[nameIndex] == none || data[entries[nameIndex]] != 1)
        return "";
    size_t nameAt = entries[nameIndex];
    std::string name = data.substr(nameAt + 3, NumberAt(data, nameAt + 1, 2));
    return IsClassName(name) ? name : "";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    FILE* file = fopen(classPath, "wb");
    CHECK(file && fwrite(data, 1, size, file) == size && fclose(file) == 0);

    FILE* classFile = OpenDiskFile(classPath, "rb");
    CHECK(classFile);
    Str name = ClassNameOf(classFile);
    long position = ftell(classFile);
    fclose(classFile);

    size_t end;
    std::string expected = ModelName(bytes, &end);
    CHECK(TextOf(name.c_str()) == expected);
    // Never past this_class; just past it when the name was taken from it.
    if (end != none)
        CHECK(position <= (long)end);
    if (!expected.empty())
        CHECK(position == (long)end);
    CHECK(position >= 0 && (size_t)position <= size);
    return 0;
}
