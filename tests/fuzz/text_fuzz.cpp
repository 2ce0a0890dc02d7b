// Fuzzes the text and path functions and the operations of Str. Input: a
// byte of null flags, three bytes of counts, then a text, a pattern and a
// replacement, each ended by a NUL byte. Results are compared with models
// over std::string; every empty result must come without a buffer.
#include <string.h>

#include <algorithm>

#include "tests/fuzz/fuzz_check.h"
#include "text/str.h"

// The text of a result, which must have no buffer when it is empty.
static std::string Checked(const Str& value)
{
    CHECK(value.c_str() == nullptr || value.c_str()[0] != '\0');
    return TextOf(value.c_str());
}

static int NaiveFind(const std::string& text, const std::string& pattern)
{
    for (size_t i = 0; i + pattern.size() <= text.size(); i++) {
        if (text.compare(i, pattern.size(), pattern) == 0)
            return (int)i;
    }
    return -1;
}

static std::string ModelReplaceAll(const std::string& text, const std::string& pattern,
                                   const std::string& replacement)
{
    if (text.size() < pattern.size())
        return text;
    if (text == pattern)
        return replacement;
    if (pattern.empty())
        return text;
    std::string out;
    size_t i = 0;
    while (i < text.size() - pattern.size() + 1) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            out += replacement;
            i += pattern.size();
        } else {
            out += text[i++];
        }
    }
    return out + text.substr(i);
}

// A count of 0, or one beyond the text, means all of it.
static size_t Limited(unsigned n, size_t available)
{
    return n == 0 || n > available ? available : n;
}

static void CheckSlices(const char* text, const std::string& t, unsigned a, unsigned b)
{
    for (unsigned n : {a, b, 0u, ~0u}) {
        CHECK(Checked(Left(text, n)) == t.substr(0, Limited(n, t.size())));
        CHECK(Checked(Right(text, n)) == t.substr(t.size() - Limited(n, t.size())));
    }
    std::string middle = a > t.size() ? "" : t.substr(a, Limited(b, t.size() - a));
    CHECK(Checked(Mid(text, a, b)) == middle);
}

static void CheckTrims(const char* text, const std::string& t)
{
    size_t first = t.find_first_not_of(' ');
    size_t last = t.find_last_not_of(' ');
    std::string left = first == std::string::npos ? "" : t.substr(first);
    std::string right = last == std::string::npos ? "" : t.substr(0, last + 1);
    std::string both = first == std::string::npos ? "" : t.substr(first, last + 1 - first);
    CHECK(Checked(TrimLeft(text)) == left);
    CHECK(Checked(TrimRight(text)) == right);
    CHECK(Checked(Trim(text)) == both);
    CHECK(both.empty() || (both.front() != ' ' && both.back() != ' '));
}

static void CheckTransforms(const char* text, const std::string& t, const char* pattern,
                            const std::string& p, const char* replacement, unsigned n)
{
    Str reversed = Reverse(text);
    CHECK(Checked(reversed) == std::string(t.rbegin(), t.rend()));
    CHECK(Checked(Reverse(reversed.c_str())) == t);

    std::string r = TextOf(replacement);
    CHECK(Checked(ReplaceAll(text, pattern, replacement)) == ModelReplaceAll(t, p, r));
    if (!p.empty() && NaiveFind(t, p) == -1)
        CHECK(Checked(ReplaceAll(text, pattern, replacement)) == t);
    CHECK(Checked(ReplaceAll(text, "\\", "/")).find('\\') == std::string::npos);

    std::string repeated = Checked(Repeat(text, n));
    CHECK(repeated.size() == t.size() * n);
    for (unsigned i = 0; i < n; i++)
        CHECK(repeated.compare(i * t.size(), t.size(), t) == 0);
}

static void CheckSearches(const char* text, const std::string& t, const char* pattern,
                          const std::string& p, unsigned start)
{
    int found = Find(text, pattern);
    CHECK(found == NaiveFind(t, p));
    int tail = start > t.size() ? -1 : NaiveFind(t.substr(start), p);
    CHECK(FindFrom(start, text, pattern) == (tail < 0 ? -1 : tail + (int)start));
    char c = p.empty() ? '\0' : p[0];
    CHECK(FindChar(text, c) == (c ? NaiveFind(t, std::string(1, c)) : 0));
}

static void CheckPaths(const char* path, const std::string& t)
{
    std::string name = Checked(FileNameOf(path));
    std::string directory = Checked(DirectoryOf(path));
    size_t last = t.rfind('\\');
    if (last == std::string::npos) {
        CHECK(name == t);
        CHECK(directory.empty());
    } else {
        CHECK(directory + "\\" + name == t);
        CHECK(name.find('\\') == std::string::npos);
    }
}

static void CheckStrOperations(const char* text, const std::string& t, const char* other,
                               const std::string& o, unsigned a)
{
    Str value(text);
    CHECK(Checked(value) == t);
    CHECK((value == other) == (t == o) && (value != other) == (t != o));
    CHECK(Checked(Str(value)) == t);
    CHECK(Checked(value + other) == t + o);
    char* before = value.c_str();
    CHECK(value.assign(value.c_str()).c_str() == before);
    Str doubled(value);
    CHECK(Checked(doubled.append(doubled.c_str())) == t + t);
    Str joined(text);
    CHECK(Checked(joined.append(other).append((char)a)) == t + o + (a ? std::string(1, (char)a) : ""));
    if (a <= t.size())
        CHECK(Checked(value.assign(value.c_str() + a)) == t.substr(a));
    CHECK(Checked(value.assign((char)a)) == (a ? std::string(1, (char)a) : ""));
    CHECK(value.reserve(a) == (a > 0));
    CHECK(value == "" && value.length() == 0 && Checked(Str(value)).empty());
    if (a > 0) {
        std::string written = t.substr(0, a);
        memcpy(value.c_str(), written.c_str(), written.size() + 1);
        CHECK(value.length() == written.size() && TextOf(value.c_str()) == written);
    }
    value = Str(other);
    CHECK(Checked(value) == o);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    unsigned nulls = TakeByte(&input);
    unsigned a = TakeByte(&input), b = TakeByte(&input), n = TakeByte(&input) % 8;
    std::string t = TakeText(&input), p = TakeText(&input), r = TakeText(&input);
    const char* text = ArgumentOf(t, nulls & 1);
    const char* pattern = ArgumentOf(p, nulls & 2);
    const char* replacement = ArgumentOf(r, nulls & 4);
    if (nulls & 1)
        t.clear();
    if (nulls & 2)
        p.clear();

    CheckSlices(text, t, a, b);
    CheckTrims(text, t);
    CheckTransforms(text, t, pattern, p, replacement, n);
    CheckSearches(text, t, pattern, p, a);
    CheckPaths(text, t);
    CheckStrOperations(text, t, pattern, p, a);
    return 0;
}
