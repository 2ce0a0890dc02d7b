// Times the package scanner on large inputs, in one run, for files of 1, 16
// and 64 MiB:
//   (a) the scan as the launcher runs it, ReadFirstStatement and then
//       PackageDepth, of a source that begins "package" and has no ";" (the
//       whole file is the statement, and all its dots count), against a
//       loop that reads the same file with fgets and appends every line to
//       one doubling block: the least that returning the whole statement
//       costs (goal at 64 MiB, where memory dominates as with a real large
//       file; the smaller sizes are shown);
//   (b) ReadFirstStatement of a file of "//" lines against a bare fgets loop
//       (goal at 64 MiB);
//   (c) PackageDepth of "package " and one dot in every 16 bytes, so that
//       size and dots grow together: the cost per byte must stay the same.
// Each time is the best of a few runs, the one least disturbed by the rest
// of the machine; a run over its time limit counts as a missed goal. Exits 1
// when a goal is missed.
//
//     build/native/tests/bench/scanner_bench [directory for the files]
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <chrono>

#include "launcher/package_scanner.h"

static const unsigned long MiB = 1024 * 1024;

// More runs of the small files, whose times a busy machine disturbs most.
static int RunsFor(unsigned long size)
{
    return size <= MiB ? 40 : size <= 16 * MiB ? 10 : 5;
}

// Keeps the results alive, so that no work is optimised away.
static volatile unsigned long Sink;

// Fills path with head and then copies of line, the last one cut, up to
// size bytes.
static bool WriteRepeated(const char* path, const char* head, const char* line, unsigned long size)
{
    FILE* file = fopen(path, "w");
    if (!file)
        return false;
    fputs(head, file);
    unsigned long lineLength = strlen(line);
    for (unsigned long written = strlen(head); written < size; written += lineLength) {
        unsigned long count = size - written < lineLength ? size - written : lineLength;
        fwrite(line, 1, count, file);
    }
    return fclose(file) == 0;
}

typedef void (*Reader)(const char* path);

static void ReadWithFgets(const char* path)
{
    FILE* file = fopen(path, "r");
    char line[4096];
    unsigned long lines = 0;
    while (fgets(line, sizeof line, file))
        lines++;
    fclose(file);
    Sink = lines;
}

static void ReadWithFgetsIntoBlock(const char* path)
{
    size_t length = 0, capacity = 4096;
    char* block = (char*)malloc(capacity);
    if (!block)
        return;
    FILE* file = fopen(path, "r");
    char line[4096];
    while (fgets(line, sizeof line, file)) {
        size_t lineLength = strlen(line);
        if (length + lineLength + 1 > capacity) {
            capacity *= 2;
            char* grown = (char*)realloc(block, capacity);
            if (!grown)
                break;
            block = grown;
        }
        memcpy(block + length, line, lineLength + 1);
        length += lineLength;
    }
    fclose(file);
    free(block);
    Sink = length;
}

static void ReadWithScanner(const char* path)
{
    FILE* file = fopen(path, "r");
    Str statement = ReadFirstStatement(file);
    fclose(file);
    Sink = PackageDepth(statement.c_str());
}

static double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// No run may take longer than this: a slow scan is a missed goal, not a wait.
static const double RunLimitSeconds = 10;

// The best time of a few runs; past the limit, the time of that one run.
static double BestSecondsToRead(Reader read, const char* path, unsigned long size)
{
    double best = 1e9;
    for (int run = 0; run < RunsFor(size); run++) {
        auto start = std::chrono::steady_clock::now();
        read(path);
        double seconds = Seconds(start);
        best = seconds < best ? seconds : best;
        if (seconds > RunLimitSeconds)
            break;
    }
    return best;
}

// Prints one row of scanner against a reference reader; returns whether
// the goal, which holds from goalSize on, is met.
static bool CompareWith(Reader reference, const char* name, const char* path, const char* head,
                        const char* line, unsigned long size, double goal, unsigned long goalSize)
{
    if (!WriteRepeated(path, head, line, size)) {
        printf("%s: cannot write %s\n", name, path);
        return false;
    }
    reference(path);
    double referenceSeconds = BestSecondsToRead(reference, path, size);
    double scannerSeconds = BestSecondsToRead(ReadWithScanner, path, size);
    unlink(path);
    double ratio = scannerSeconds / referenceSeconds;
    bool met = (ratio <= goal || size < goalSize) && scannerSeconds <= RunLimitSeconds;
    printf("%-28s %3lu MiB  scanner %8.2f ms  reference %8.2f ms  ratio %5.2fx  goal <= %.1fx  %s\n",
           name, size / MiB, scannerSeconds * 1e3, referenceSeconds * 1e3, ratio, goal,
           !met ? "MISSED" : ratio <= goal ? "met" : "(shown)");
    return met;
}

// "package " and size bytes holding exactly dots dots, evenly spread, ";".
static char* PackageWithDots(unsigned long size, unsigned long dots)
{
    const char keyword[] = "package ";
    unsigned long start = sizeof keyword - 1;
    char* statement = (char*)malloc(start + size + 2);
    if (!statement)
        return nullptr;
    memcpy(statement, keyword, start);
    for (unsigned long i = 0; i < size; i++) {
        bool dot = (i + 1) * (unsigned long long)dots / size != i * (unsigned long long)dots / size;
        statement[start + i] = dot ? '.' : 'a';
    }
    statement[start + size] = ';';
    statement[start + size + 1] = '\0';
    return statement;
}

// Prints the time of PackageDepth per byte; returns it, or -1 on a fault or
// a run over the time limit.
static double NanosecondsPerByteOfDepth(unsigned long size, unsigned long dots)
{
    char* statement = PackageWithDots(size, dots);
    if (!statement)
        return -1;
    double best = 1e9;
    int depth = 0;
    for (int run = 0; run < RunsFor(size); run++) {
        auto start = std::chrono::steady_clock::now();
        depth = PackageDepth(statement);
        double seconds = Seconds(start);
        best = seconds < best ? seconds : best;
        if (seconds > RunLimitSeconds)
            break;
    }
    free(statement);
    double perByte = best * 1e9 / size;
    bool right = depth == (int)dots + 1 && best <= RunLimitSeconds;
    printf("(c) PackageDepth, %8lu dots %3lu MiB  %8.2f ms  %6.3f ns/byte  depth %d%s\n", dots,
           size / MiB, best * 1e3, perByte, depth, right ? "" : "  WRONG DEPTH OR TOO SLOW");
    return right ? perByte : -1;
}

int main(int argc, char** argv)
{
    char directory[4096];
    snprintf(directory, sizeof directory, "%s/scanner_bench.XXXXXX",
             argc > 1 ? argv[1] : getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    if (!mkdtemp(directory)) {
        perror(directory);
        return 1;
    }
    char path[4200];
    snprintf(path, sizeof path, "%s/source.java", directory);

    const unsigned long sizes[] = {1 * MiB, 16 * MiB, 64 * MiB};
    bool met = true;
    for (unsigned long size : sizes)
        met &= CompareWith(ReadWithFgetsIntoBlock, "(a) no \";\" vs fgets+block", path,
                           "package org.example.big\n", "        value = first.combine(second).orElse(third) + 42 * count\n",
                           size, 1.3, 64 * MiB);
    for (unsigned long size : sizes)
        met &= CompareWith(ReadWithFgets, "(b) \"//\" lines vs fgets", path, "",
                           "// a comment line, as many a source begins with, skipped whole\n",
                           size, 1.5, 64 * MiB);
    rmdir(directory);

    // Linear: the cost per byte at 64 MiB within 4x that at 1 MiB. Memory
    // against cache accounts for up to about 2x; a quadratic cost would be 64x.
    double first = 0, last = 0;
    for (unsigned long size : sizes) {
        last = NanosecondsPerByteOfDepth(size, size / 16);
        first = first > 0 ? first : last;
        met &= last > 0;
    }
    bool linear = first > 0 && last > 0 && last <= 4 * first;
    printf("(c) per byte at 64 MiB / at 1 MiB: %.2fx  goal <= 4x (linear)  %s\n",
           last / first, linear ? "met" : "MISSED");
    return met && linear ? 0 : 1;
}
