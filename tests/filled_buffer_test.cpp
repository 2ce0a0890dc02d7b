#include "launcher/filled_buffer.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

// A stand-in for a system call: the text it holds may change from one call to
// the next. It writes the whole size it is told it has, then the text, so that
// ASan sees a buffer smaller than the size handed to it.
static std::vector<std::string> answers;
static size_t calls;

static unsigned long StandInCall(const char* /*unused*/, char* buffer, unsigned long size)
{
    // A Filled that asked for ever would hang until the test's time limit:
    // the stand-in fails such a run after a bound no case comes near.
    if (calls >= 100) {
        ADD_FAILURE() << "Filled made more than 100 calls";
        return 0;
    }
    const std::string& text = answers[calls < answers.size() ? calls : answers.size() - 1];
    calls++;
    if (text.empty())
        return 0;
    if (text.size() + 1 > size)
        return text.size() + 1;
    memset(buffer, 'x', size);
    memcpy(buffer, text.c_str(), text.size() + 1);
    return text.size();
}

TEST(Filled, SizedByTheCallsOwnAnswer)
{
    struct Case { std::vector<std::string> answers; const char* text; size_t calls; };
    const Case cases[] = {
        {{"C:\\work"}, "C:\\work", 2},
        {{"C"}, "C", 2},
        {{""}, nullptr, 1},
        // The answer grows between the calls: by one byte it fills the
        // buffer exactly; by more it is asked again.
        {{"ab", "abc"}, "abc", 2},
        {{"ab", "abcd"}, "abcd", 3},
        {{"C:\\a", "C:\\a\\longer\\directory"}, "C:\\a\\longer\\directory", 3},
        {{"a", "abc", "abcdef", "abcdefghij"}, "abcdefghij", 5},
        {{"C:\\abcdefgh", "C:\\a"}, "C:\\a", 2},
        {{"C:\\work", ""}, nullptr, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.back());
        answers = c.answers;
        calls = 0;
        EXPECT_STREQ(c.text, Filled(StandInCall, nullptr).c_str());
        EXPECT_EQ(c.calls, calls);
    }
}
