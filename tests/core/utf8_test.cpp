// The program's one UTF-8 decoder and encoder: every length, the limits, and broken input
// that must neither be accepted nor stop a loop.
#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace omvera;

namespace {

std::vector<char32_t> Decode(std::string_view s, int* bad = nullptr) {
    std::vector<char32_t> out;
    size_t pos = 0;
    while (pos < s.size()) {
        const size_t before = pos;
        char32_t c = 0;
        if (NextUtf8(s, pos, c)) {
            out.push_back(c);
        } else if (bad) {
            ++*bad;
        }
        EXPECT_GT(pos, before);
    }
    return out;
}

} // namespace

TEST(Utf8, RoundTripsEveryLengthAndItsLimits) {
    for (char32_t c : {0x0u, 0x41u, 0x7Fu, 0x80u, 0x410u, 0x451u, 0x7FFu, 0x800u, 0x2014u, 0xD7FFu,
                       0xE000u, 0xFFFDu, 0xFFFFu, 0x10000u, 0x1F600u, 0x10FFFFu}) {
        std::string s;
        AppendUtf8(s, c);
        const size_t expectedBytes = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        EXPECT_EQ(s.size(), expectedBytes) << std::hex << static_cast<unsigned>(c);
        int bad = 0;
        EXPECT_EQ(Decode(s, &bad), std::vector<char32_t>{c})
            << std::hex << static_cast<unsigned>(c);
        EXPECT_EQ(bad, 0);
    }
    EXPECT_EQ(Decode("Ёж—😀"), (std::vector<char32_t>{0x401, 0x436, 0x2014, 0x1F600}));
}

TEST(Utf8, RefusesBrokenInputOneByteAtATime) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"lone continuation byte", "\x80"},
        {"truncated two-byte", "\xD0"},
        {"truncated four-byte", "\xF0\x9F\x98"},
        {"lead byte then ASCII", "\xD0"
                                 "A"},
        {"overlong slash", "\xC0\xAF"},
        {"overlong three-byte", "\xE0\x80\xAF"},
        {"surrogate", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
        {"invalid lead byte", "\xFF"},
    };
    for (const Case& c : cases) {
        int bad = 0;
        const std::vector<char32_t> got = Decode(c.bytes, &bad);
        EXPECT_GT(bad, 0) << c.what;
        // Whatever follows a broken sequence is read again from its next byte.
        for (char32_t ch : got) EXPECT_LT(ch, 0x80u) << c.what;
    }
    int bad = 0;
    EXPECT_EQ(Decode("\xD0"
                     "A",
                     &bad),
              std::vector<char32_t>{'A'});
}
