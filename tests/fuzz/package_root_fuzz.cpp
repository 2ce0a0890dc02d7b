// Fuzzes EnterPackageRoot on the native build. Input: a byte that gives the
// depth (0 to 40), then the argument path. The directory change may fail;
// the current directory is put back after every run.
#include <ctype.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>

#include "launcher/package_scanner.h"
#include "tests/fuzz/fuzz_check.h"

static char startDirectory[PATH_MAX];

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CHECK(getcwd(startDirectory, sizeof startDirectory));
    return 0;
}

// A full path with a drive, a backslash after it, no empty component and no
// "/": its package root is always a leading part of it.
static bool IsPlainFullPath(const std::string& path)
{
    return path.size() >= 3 && isalpha((unsigned char)path[0]) && path[1] == ':' && path[2] == '\\'
        && path.find("\\\\") == std::string::npos && path.find('/') == std::string::npos;
}

static void CheckBelowRoot(const std::string& path, int depth, const std::string& result)
{
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    CHECK(result.size() <= slashed.size());
    CHECK(slashed.compare(slashed.size() - result.size(), result.size(), result) == 0);
    // One level below the root per step up, as far as there are levels.
    long levels = (long)std::count(path.begin(), path.end(), '\\') - 1;
    CHECK(std::count(result.begin(), result.end(), '/') == std::min<long>(depth, levels));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    int depth = (int)(TakeByte(&input) % 41);
    std::string path = TakeText(&input);

    Str result = EnterPackageRoot(path.c_str(), depth);
    CHECK(chdir(startDirectory) == 0);
    std::string text = TextOf(result.c_str());
    CHECK(result.c_str() == nullptr || !text.empty());
    if (depth == 0) {
        CHECK(text == TextOf(FileNameOf(path.c_str()).c_str()));
        return 0;
    }
    CHECK(text.find('\\') == std::string::npos);
    if (IsPlainFullPath(path))
        CheckBelowRoot(path, depth, text);
    return 0;
}
