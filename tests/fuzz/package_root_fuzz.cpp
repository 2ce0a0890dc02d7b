// Fuzzes EnterPackageRoot on the native build against a model of the climb
// written here. Input: a byte that gives the depth (0 to 40), then the
// argument path. Each run starts in a stand-in current directory (a small
// tree made at start), so that bare names are climbed from a known place;
// the directory change may fail, and the start directory is current again
// after every run. The one directory change asked of the
// system is recorded by taking over chdir, since "C:" and "C:/" enter the
// same directory on this host and only the asked text tells them apart.
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
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

// Depth > 0: the path made full (a bare name joined to the current directory
// with one backslash), its backslashes numbered from the left: each ends a
// level, but for the file's own and one right before it (a directory given
// with a trailing backslash, as "$(FileDir)\\Foo.class" makes). The root is
// the directory that ends depth levels up, or the drive (the directory's
// first two bytes, without a backslash) when that directory is missing or
// shorter than the drive. The result is what follows the root and its
// backslash.
static Climb PackageRoot(const std::string& path, int depth)
{
    std::string full = path;
    if (path.find('\\') == std::string::npos) {
        std::string current = standIn;
        std::replace(current.begin(), current.end(), '/', '\\');
        full = current + "\\" + path;
    }
    size_t own = full.rfind('\\');
    std::vector<size_t> levels;
    for (size_t i = 0; i < own; i++)
        if (full[i] == '\\' && i + 1 != own)
            levels.push_back(i);
    std::string drive = full.substr(0, std::min<size_t>(2, own));
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

// The directory the process stands in after asking for directory from the
// stand-in, by the system's own calls.
static std::string ExpectedCurrent(const Climb& climb)
{
    CHECK(syscall(SYS_chdir, standIn) == 0);
    if (climb.changes)
        (void)syscall(SYS_chdir, Slashed(climb.directory).c_str());
    char current[PATH_MAX];
    CHECK(getcwd(current, sizeof current));
    return current;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    int depth = (int)(TakeByte(&input) % 41);
    std::string path = TakeText(&input);

    CHECK(syscall(SYS_chdir, standIn) == 0);
    asked.clear();
    changes = 0;
    Str result = EnterPackageRoot(path.c_str(), depth);
    char current[PATH_MAX];
    CHECK(getcwd(current, sizeof current));

    Climb climb = depth == 0 ? OwnDirectory(path) : PackageRoot(path, depth);
    CHECK(TextOf(result.c_str()) == climb.below);
    CHECK(result.c_str() == nullptr || *result.c_str() != '\0');
    CHECK(changes == (climb.changes ? 1 : 0));
    CHECK(!climb.changes || asked == Slashed(climb.directory));
    CHECK(current == ExpectedCurrent(climb));
    // libFuzzer reads and writes its corpus relative to where it started.
    CHECK(syscall(SYS_chdir, startDirectory) == 0);
    return 0;
}
