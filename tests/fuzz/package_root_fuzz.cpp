// Fuzzes EnterPackageRoot on the native build against a model of the climb
// written here. Input: a byte that gives the depth (0 to 40) and, for one in
// five values, that the run starts in the root "/"; then the argument path.
// Otherwise each run starts in a stand-in current directory (a small tree
// made at start), so that relative names are climbed from a known place;
// the directory change may fail, and the start directory is current again
// after every run. The one directory change asked of the
// system is recorded by taking over chdir, since "C:" and "C:/" enter the
// same directory on this host and only the asked text tells them apart.
#include <ctype.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "launcher/package_scanner.h"
#include "tests/fuzz/fuzz_check.h"

static char startDirectory[PATH_MAX], standIn[PATH_MAX];
static std::string asked;
static int changes;

extern "C" int chdir(const char* path) noexcept
{
    asked = path;
    changes++;
    return (int)syscall(SYS_chdir, path);
}

// The stand-in tree, removed from its deepest directory up.
static void RemoveStandIn()
{
    std::string directory = standIn;
    for (int level = 0; level < 5; level++) {
        rmdir(directory.c_str());
        directory.erase(directory.rfind('/'));
    }
}

// The stand-in current directory: TMPDIR/package_root_fuzz.XXXXXX/work/src/com/acme.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CHECK(getcwd(startDirectory, sizeof startDirectory));
    const char* temporary = getenv("TMPDIR");
    std::string tree = std::string(temporary && *temporary ? temporary : "/tmp")
        + "/package_root_fuzz.XXXXXX";
    CHECK(mkdtemp(&tree[0]));
    for (const char* part : {"/work", "/src", "/com", "/acme"}) {
        tree += part;
        CHECK(mkdir(tree.c_str(), 0700) == 0);
    }
    CHECK(realpath(tree.c_str(), standIn));
    atexit(RemoveStandIn);
    return 0;
}

static std::string Slashed(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// Where the model expects to stand and what it expects back.
struct Climb {
    bool changes;            // whether a directory change is asked at all
    std::string directory;   // the Windows path asked for
    std::string below;       // the result
};

// The bytes of path up to and with the backslash that ends its count-th part
// after its first from bytes, or all of it.
static size_t PastParts(const std::string& path, size_t from, int count)
{
    size_t end = from;
    for (int part = 0; part < count && end < path.size(); part++) {
        size_t slash = path.find('\\', end);
        end = slash == std::string::npos ? path.size() : slash + 1;
    }
    return end;
}

// The path as the system opens it from current, a Windows path without a
// drive whose root is "\\": "/" read as "\\", then joined to current unless
// it has a root of its own (a drive "C:", "\\" for this host, a share
// "\\\\srv\\share\\"), its parts then kept, "." and empty ones dropped, ".."
// taking the last kept one back. "\\\\?\\" and "\\\\.\\" paths stand as they are.
static std::string FullPath(std::string path, const std::string& current)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.empty() || path.rfind("\\\\?\\", 0) == 0 || path.rfind("\\\\.\\", 0) == 0)
        return path;
    std::string root = "\\", rest;
    bool drive = isalpha((unsigned char)path[0]) && path.size() > 1 && path[1] == ':';
    if (path.rfind("\\\\", 0) == 0) {
        // The share runs to the backslash after its second part; a bare
        // share is full as it is.
        size_t end = PastParts(path, 2, 2);
        root = path.substr(0, end);
        if (root.back() != '\\')
            return path;
        rest = path.substr(end);
    } else if (drive) {
        root = path.substr(0, 2) + "\\";
        rest = path.substr(path.size() > 2 && path[2] == '\\' ? 3 : 2);
    } else {
        rest = path[0] == '\\' ? path : current + "\\" + path;
    }
    std::vector<std::string> kept;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = std::min(rest.find('\\', start), rest.size());
        std::string part = rest.substr(start, end - start);
        if (part == "..") {
            if (!kept.empty())
                kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
        start = end + 1;
    }
    std::string full = root;
    for (const std::string& part : kept)
        full += part + "\\";
    if (!kept.empty() && path.back() != '\\')
        full.pop_back();
    return full;
}

// The full path as it is entered: a full drive path with "\\\\?\\" or "\\\\.\\"
// in front as the drive path, "\\\\?\\UNC\\" as the share "\\\\"; but as it
// is when a name in it ends in a dot or a blank.
static std::string Plain(const std::string& path)
{
    bool trimmed = false;
    for (size_t i = 4; i < path.size(); i++)
        trimmed |= (path[i] == '.' || path[i] == ' ') && (i + 1 == path.size() || path[i + 1] == '\\');
    bool device = path.size() >= 4 && path.rfind("\\\\", 0) == 0 && (path[2] == '?' || path[2] == '.') &&
                  path[3] == '\\' && !trimmed;
    if (device && path.size() >= 7 && isalpha((unsigned char)path[4]) && path[5] == ':' && path[6] == '\\')
        return path.substr(4);
    if (device && path.compare(4, 4, "UNC\\") == 0)
        return "\\" + path.substr(7);
    return path;
}

// Depth 0: the file's own directory (a drive's root for "C:\\Foo.java") and
// the file's name.
static Climb OwnDirectory(const std::string& path)
{
    size_t last = path.rfind('\\');
    if (last == std::string::npos)
        return {false, "", path};
    std::string directory = path.substr(0, last);
    if (directory.size() == 2 && directory[1] == ':')
        directory += '\\';
    return {!directory.empty(), directory, path.substr(last + 1)};
}

// Depth > 0: the full path's backslashes numbered from the left: each ends a
// level, but for the file's own and one right before it (a directory given
// with a trailing backslash, as "$(FileDir)\\Foo.class" makes). The root is
// the directory that ends depth levels up, or the floor when that directory
// is missing or shorter: a share or device path's own root, any other path's
// drive (its first two bytes), without a backslash. The result is what
// follows the root and its backslash.
static Climb PackageRoot(const std::string& full, int depth)
{
    size_t own = full.rfind('\\');
    std::vector<size_t> levels;
    for (size_t i = 0; i < own; i++)
        if (full[i] == '\\' && i + 1 != own)
            levels.push_back(i);
    // The floor, taken from the file's directory.
    std::string directory = full.substr(0, own == std::string::npos ? 0 : own);
    std::string drive = directory.substr(0, 2);
    if (directory.rfind("\\\\", 0) == 0) {
        bool device = directory.size() > 3 && (directory[2] == '?' || directory[2] == '.') && directory[3] == '\\';
        bool share = device && directory.compare(4, 4, "UNC\\") == 0;
        drive = directory.substr(0, device ? PastParts(directory, 4, share ? 3 : 1) : PastParts(directory, 2, 2));
    }
    if (!drive.empty() && drive.back() == '\\')
        drive.pop_back();
    std::string root = drive;
    if ((size_t)depth <= levels.size()) {
        size_t end = levels[levels.size() - depth];
        if (end >= drive.size())
            root = full.substr(0, end);
    }
    root += '\\';
    std::string below = full.size() > root.size() ? Slashed(full.substr(root.size())) : "";
    return {true, root, below};
}

// Whether a program cannot be started in the directory: more than 258 UTF-16
// units, a trailing backslash not counted (the stand-in has no short names).
static bool TooLongToStartIn(const std::string& directory)
{
    size_t units = std::accumulate(directory.begin(), directory.end(), (size_t)0, [](size_t count, char c) {
        return count + (((unsigned char)c & 0xC0) != 0x80) + ((unsigned char)c >= 0xF0);
    });
    return units - (!directory.empty() && directory.back() == '\\') > 258;
}

// The directory the process stands in after asking for directory from start,
// by the system's own calls.
static std::string ExpectedCurrent(const Climb& climb, const char* start)
{
    CHECK(syscall(SYS_chdir, start) == 0);
    if (climb.changes)
        (void)syscall(SYS_chdir, Slashed(climb.directory).c_str());
    char current[PATH_MAX];
    CHECK(getcwd(current, sizeof current));
    return current;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    unsigned head = TakeByte(&input);
    int depth = (int)(head % 41);
    const char* start = head >= 5 * 41 ? "/" : standIn;
    std::string path = TakeText(&input);

    CHECK(syscall(SYS_chdir, start) == 0);
    asked.clear();
    changes = 0;
    Str result = EnterPackageRoot(path.c_str(), depth);
    char current[PATH_MAX];
    CHECK(getcwd(current, sizeof current));

    std::string windowsStart = start;
    std::replace(windowsStart.begin(), windowsStart.end(), '/', '\\');
    std::string full = Plain(FullPath(path, windowsStart));
    Climb climb = depth == 0 || full.empty() ? OwnDirectory(full) : PackageRoot(full, depth);
    climb.changes = climb.changes && !TooLongToStartIn(climb.directory);
    CHECK(TextOf(result.c_str()) == climb.below);
    CHECK(result.c_str() == nullptr || *result.c_str() != '\0');
    CHECK(changes == (climb.changes ? 1 : 0));
    CHECK(!climb.changes || asked == Slashed(climb.directory));
    CHECK(current == ExpectedCurrent(climb, start));
    // libFuzzer reads and writes its corpus relative to where it started.
    CHECK(syscall(SYS_chdir, startDirectory) == 0);
    return 0;
}
