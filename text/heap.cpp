#include "text/heap.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

static void ExitOutOfMemory()
{
    fputs("out of memory\n", stderr);
    exit(EXIT_FAILURE);
}

unsigned CheckedSize(unsigned long long size)
{
    if (size > UINT_MAX)
        ExitOutOfMemory();
    return (unsigned)size;
}

char* NewBytes(unsigned long long size)
{
    void* block = malloc(CheckedSize(size));
    if (!block)
        ExitOutOfMemory();
    return (char*)block;
}

char* ResizeBytes(char* block, unsigned long long size)
{
    void* resized = realloc(block, CheckedSize(size));
    if (!resized)
        ExitOutOfMemory();
    return (char*)resized;
}
