#include "launcher/class_file.h"

#include <stdlib.h>

#include "text/heap.h"

// The constant pool tags of the class file format.
enum {
    TagUtf8 = 1, TagInteger = 3, TagFloat = 4, TagLong = 5, TagDouble = 6, TagClass = 7,
    TagString = 8, TagFieldref = 9, TagMethodref = 10, TagInterfaceMethodref = 11,
    TagNameAndType = 12, TagMethodHandle = 15, TagMethodType = 16, TagDynamic = 17,
    TagInvokeDynamic = 18, TagModule = 19, TagPackage = 20
};

// What resolving this_class needs of one constant pool slot: its tag (0 for
// slot 0 and the second slot of a long or double) and, for a Class entry,
// its name's index; for a Utf8 entry, the stream position of its length.
// Utf8 bytes are not kept: a pool may hold 65,535 of 65,535 bytes each.
struct PoolSlot {
    unsigned char tag;
    long value;
};

// Reads a big-endian number of size bytes (at most 4); false when the
// stream ends first.
static bool ReadNumber(FILE* stream, int size, unsigned long* value)
{
    *value = 0;
    for (int i = 0; i < size; i++) {
        int byte = getc(stream);
        if (byte == EOF)
            return false;
        *value = *value << 8 | (unsigned long)byte;
    }
    return true;
}

// Reads and drops count bytes; false when the stream ends first (a seek
// would not notice a truncated file).
static bool SkipBytes(FILE* stream, unsigned long count)
{
    char scratch[512];
    while (count > 0) {
        unsigned long piece = count < sizeof scratch ? count : sizeof scratch;
        if (fread(scratch, 1, piece, stream) != piece)
            return false;
        count -= piece;
    }
    return true;
}

// The count of bytes after the tag of an entry of fixed size; 0 for Utf8,
// whose size is in the entry, and for an unknown tag.
static unsigned long FixedSizeOf(unsigned long tag)
{
    switch (tag) {
    case TagClass: case TagString: case TagMethodType: case TagModule: case TagPackage:
        return 2;
    case TagMethodHandle:
        return 3;
    case TagInteger: case TagFloat: case TagFieldref: case TagMethodref:
    case TagInterfaceMethodref: case TagNameAndType: case TagDynamic: case TagInvokeDynamic:
        return 4;
    case TagLong: case TagDouble:
        return 8;
    default:
        return 0;
    }
}

// Reads one constant pool entry into *slot; false when it is cut short or
// its tag is unknown.
static bool ReadEntry(FILE* stream, PoolSlot* slot)
{
    unsigned long tag, value;
    if (!ReadNumber(stream, 1, &tag))
        return false;
    slot->tag = (unsigned char)tag;
    slot->value = 0;
    if (tag == TagUtf8) {
        slot->value = ftell(stream);
        return slot->value >= 0 && ReadNumber(stream, 2, &value) && SkipBytes(stream, value);
    }
    if (tag == TagClass) {
        bool read = ReadNumber(stream, 2, &value);
        slot->value = (long)value;
        return read;
    }
    unsigned long size = FixedSizeOf(tag);
    return size > 0 && SkipBytes(stream, size);
}

// Reads the constant pool's entries into slots[1] to slots[count - 1]; a
// long or double takes two slots and may not take the last one alone.
static bool ReadConstantPool(FILE* stream, PoolSlot* slots, unsigned long count)
{
    slots[0].tag = 0;
    for (unsigned long i = 1; i < count; i++) {
        if (!ReadEntry(stream, &slots[i]))
            return false;
        if (slots[i].tag == TagLong || slots[i].tag == TagDouble) {
            if (++i == count)
                return false;
            slots[i].tag = 0;
        }
    }
    return true;
}

// Whether index names an entry of the pool with this tag.
static bool IsEntry(const PoolSlot* slots, unsigned long count, unsigned long index, int tag)
{
    return index > 0 && index < count && slots[index].tag == tag;
}

// Whether the count bytes make a class's binary name: not empty, no byte
// that modified UTF-8 never holds (0, 0xF0 to 0xFF), no ".", ";" or "["
// (an array's descriptor), and no empty part between "/" separators.
//     "com/acme/Foo", "Outer$Inner" -> true;  "[I", "a//b", "/a" -> false
static bool IsBinaryName(const unsigned char* name, unsigned count)
{
    if (count == 0 || name[0] == '/' || name[count - 1] == '/')
        return false;
    for (unsigned i = 0; i < count; i++) {
        unsigned char c = name[i];
        if (c == 0 || c >= 0xF0 || c == '.' || c == ';' || c == '[')
            return false;
        if (c == '/' && i + 1 < count && name[i + 1] == '/')
            return false;
    }
    return true;
}

// The Utf8 entry whose length lies at position, when it is a binary name.
static Str BinaryNameAt(FILE* stream, long position)
{
    unsigned long length;
    if (fseek(stream, position, SEEK_SET) != 0 || !ReadNumber(stream, 2, &length) || length == 0)
        return Str();
    char* name = NewBytes(length + 1);
    bool read = fread(name, 1, length, stream) == length;
    name[length] = '\0';
    if (read && IsBinaryName((const unsigned char*)name, length))
        return AdoptBytes(name);
    free(name);
    return Str();
}

// Reads the access flags and this_class, and returns the name of the Class
// entry that this_class names; the stream is left just past this_class.
static Str ThisClassName(FILE* stream, const PoolSlot* slots, unsigned long count)
{
    unsigned long flags, thisClass;
    if (!ReadNumber(stream, 2, &flags) || !ReadNumber(stream, 2, &thisClass)
        || !IsEntry(slots, count, thisClass, TagClass))
        return Str();
    unsigned long nameIndex = (unsigned long)slots[thisClass].value;
    if (!IsEntry(slots, count, nameIndex, TagUtf8))
        return Str();
    long end = ftell(stream);
    if (end < 0)
        return Str();
    Str name = BinaryNameAt(stream, slots[nameIndex].value);
    return fseek(stream, end, SEEK_SET) == 0 ? name : Str();
}

Str ClassNameOf(FILE* classFile)
{
    unsigned long magic, versions, count;
    if (!ReadNumber(classFile, 4, &magic) || magic != 0xCAFEBABE
        || !ReadNumber(classFile, 4, &versions) || !ReadNumber(classFile, 2, &count) || count == 0)
        return Str();
    PoolSlot* slots = (PoolSlot*)NewBytes(count * sizeof(PoolSlot));
    Str name;
    if (ReadConstantPool(classFile, slots, count))
        name = ThisClassName(classFile, slots, count);
    free(slots);
    return name;
}
