// Shared helpers of the fuzz targets: a property check that stops the run
// with a message, and readers that cut a fuzz input into numbers and texts.
#ifndef TESTS_FUZZ_FUZZ_CHECK_H
#define TESTS_FUZZ_FUZZ_CHECK_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

// A broken property is a crash to libFuzzer: it keeps the input as an artefact.
#define CHECK(condition)                                                          \
    do {                                                                          \
        if (!(condition)) {                                                       \
            fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, \
                    #condition);                                                  \
            abort();                                                              \
        }                                                                         \
    } while (0)

// What is left of a fuzz input, read from the front.
struct FuzzInput {
    const uint8_t* data;
    size_t size;
};

// One byte as a small number; 0 once the input is used up.
inline unsigned TakeByte(FuzzInput* input)
{
    if (input->size == 0)
        return 0;
    input->size--;
    return *input->data++;
}

// The bytes up to the next NUL (or the end of the input), that NUL dropped.
inline std::string TakeText(FuzzInput* input)
{
    size_t length = 0;
    while (length < input->size && input->data[length] != 0)
        length++;
    std::string text(reinterpret_cast<const char*>(input->data), length);
    size_t used = length < input->size ? length + 1 : length;
    input->data += used;
    input->size -= used;
    return text;
}

// A text as an argument: null when asked, as callers pass an empty value's c_str().
inline const char* ArgumentOf(const std::string& text, bool null)
{
    return null ? nullptr : text.c_str();
}

// The text at a pointer, null read as empty.
inline std::string TextOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

// A file that a target writes each input to, in $TMPDIR (scripts/fuzz
// points it at a memory file system, for speed); removed at exit.
inline const char* InputFilePath(const char* name)
{
    static char path[4096];
    const char* directory = getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp";
    snprintf(path, sizeof path, "%s/%s-input-XXXXXX", directory, name);
    int file = mkstemp(path);
    CHECK(file >= 0);
    close(file);
    atexit([] { unlink(path); });
    return path;
}

#endif
