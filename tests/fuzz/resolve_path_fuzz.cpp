// Fuzzes ResolvePath. Input: a byte whose low bits make the relative path,
// base and root null, then the three texts, each ended by a NUL byte. The
// result is compared with a step-by-step model of the resolution.
#include <algorithm>

#include "tests/fuzz/fuzz_check.h"
#include "text/str.h"

static std::string DirectoryPart(const std::string& path)
{
    size_t last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

static void DropTrailingBackslash(std::string* text)
{
    if (!text->empty() && text->back() == '\\')
        text->pop_back();
}

// The root that the climb never goes below.
static std::string FloorOf(const char* base, const char* root)
{
    std::string floor = root ? std::string(root) : TextOf(base).substr(0, 2);
    DropTrailingBackslash(&floor);
    return floor;
}

static std::string ModelResolve(const char* relative, const char* base, const char* root)
{
    std::string remainder = TextOf(relative);
    std::replace(remainder.begin(), remainder.end(), '/', '\\');
    std::string directory = TextOf(base);
    DropTrailingBackslash(&directory);
    std::string floor = FloorOf(base, root);
    for (size_t cut; (cut = remainder.find('\\')) != std::string::npos; remainder.erase(0, cut + 1)) {
        std::string component = remainder.substr(0, cut);
        if (component.empty()) {
            directory = floor;
        } else if (component == "..") {
            directory = DirectoryPart(directory);
            if (directory.size() < floor.size())
                directory = floor;
        } else if (component[0] != '.') {
            directory += "\\" + component;
        }
    }
    return directory + "\\" + remainder;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    unsigned nulls = TakeByte(&input);
    std::string relativeText = TakeText(&input);
    std::string baseText = TakeText(&input);
    std::string rootText = TakeText(&input);
    const char* relative = ArgumentOf(relativeText, nulls & 1);
    const char* base = ArgumentOf(baseText, nulls & 2);
    const char* root = ArgumentOf(rootText, nulls & 4);

    Str result = ResolvePath(relative, base, root);
    std::string text = TextOf(result.c_str());
    CHECK(text == ModelResolve(relative, base, root));

    std::string relativeAsGiven = TextOf(relative);
    bool endsWithSeparator = !relativeAsGiven.empty()
        && (relativeAsGiven.back() == '\\' || relativeAsGiven.back() == '/');
    CHECK(!text.empty());
    if (relativeAsGiven.empty() || endsWithSeparator)
        CHECK(text.back() == '\\');
    if (!root) {
        // The default root is the base's drive: the result keeps it.
        std::string floor = FloorOf(base, root);
        CHECK(text.size() >= floor.size() + 1);
        CHECK(text.compare(0, floor.size(), floor) == 0);
    }
    return 0;
}
