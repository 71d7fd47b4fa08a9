// The text library: the line reader, the line cipher and the section search, plain and
// enciphered. The search's output is compared with a direct reading of what it must print:
// every header (a marker line that is not the file's last line) matching at least one key,
// in file order, introduced by its title and followed by its body up to the next marker
// line or the end of the file.
#include "base/errors.h"
#include "base/text_file.h"
#include "fuzz_check.h"
#include "reports/char_table.h"
#include "reports/line_cipher.h"
#include "reports/line_sink.h"
#include "reports/section_search.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace omvera;

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += "«" + l + "» ";
    return s;
}

// What a search must print, from the lines as the file holds them after deciphering.
std::vector<std::string> Expected(const std::vector<std::string>& lines, char marker,
                                  const std::vector<SectionKey>& keys, int title) {
    auto holds = [marker](const std::string& l) { return l.find(marker) != std::string::npos; };
    auto matches = [&keys](const std::string& header) {
        return std::any_of(keys.begin(), keys.end(), [&header](const SectionKey& key) {
            return std::all_of(key.begin(), key.end(), [&header](const std::string& part) {
                std::string bytes;
                return Utf8ToCp1251(part, bytes) && header.find(bytes) != std::string::npos;
            });
        });
    };
    std::vector<std::string> out;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (!holds(lines[i]) || !matches(lines[i])) continue;
        std::string t = lines[i];
        if (title == 0) {
            if (!t.empty()) t[0] = ' ';
        } else if (title == 1) {
            t = " ";
        } else {
            StripThroughMark("]", t);
            StripThroughMark("]", t);
        }
        out.push_back(Cp1251ToUtf8(t));
        for (size_t j = i + 1; j < lines.size() && !holds(lines[j]); ++j)
            out.push_back(Cp1251ToUtf8(lines[j]));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    static constexpr std::array<const char*, 4> kKeys = {RadixKey, ReturnKey, TransitKey,
                                                         DirectionKey};
    // 0..3: enciphered with that key; 4: plain; 5: the bracket search of plain files.
    const int form = in.Choice(0, 5);
    const char marker = form == 5 ? '[' : in.Flag() ? '&' : '[';
    const int title = form == 5 ? 2 : in.Choice(0, 1);
    std::vector<SectionKey> keys(in.Choice(0, 6));
    for (auto& key : keys) {
        key.resize(form == 5 ? 1 : in.Choice(1, 3));
        for (auto& part : key) part = in.Text(12);
    }
    const std::string bytes = in.Rest();
    const std::string path = fuzz::WriteScratchFile("text.txt", bytes);

    // The reader splits lines as every file of the data folder is split; the cipher keeps
    // each line's length and inverts its own enciphering.
    std::vector<std::string> lines = SplitLines(bytes);
    if (form < 4) {
        const LineCipher cipher(kKeys[form]);
        for (auto& l : lines) {
            std::string plain, back;
            cipher.Decode(l, plain);
            FUZZ_CHECK(plain.size() == l.size(), "decoded length of «" + l + "»");
            for (unsigned char c : plain)
                FUZZ_CHECK(kCharTable.Holds(c), "decoded byte outside the table");
            FUZZ_CHECK(cipher.Encode(plain, back) == std::string::npos, "re-enciphering");
            cipher.Decode(back, back);
            FUZZ_CHECK(back == plain, "deciphering the enciphered form of «" + plain + "»");
            l = plain;
        }
    }

    const auto expected = Expected(lines, marker, keys, title);
    VectorLineSink sink;
    if (form == 5) {
        std::vector<std::string> single;
        for (const auto& k : keys) single.push_back(k[0]);
        PrintBracketSections(sink, path, single);
    } else {
        PrintSections(sink, path, form < 4 ? StoredForm::Enciphered : StoredForm::Plain,
                      form < 4 ? kKeys[form] : "", marker,
                      title == 0 ? TitleMode::FirstCharBlank : TitleMode::BlankTitle, keys);
    }
    FUZZ_CHECK(sink.lines == expected,
               "printed " + Joined(sink.lines) + "\n  expected " + Joined(expected));

    const auto headers =
        ListSectionHeaders(path, form < 4 ? StoredForm::Enciphered : StoredForm::Plain,
                           form < 4 ? kKeys[form] : "", marker);
    std::vector<std::string> expectedHeaders;
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].find(marker) != std::string::npos)
            expectedHeaders.push_back(Cp1251ToUtf8(lines[i]));
    FUZZ_CHECK(headers == expectedHeaders, "headers " + Joined(headers));
    return 0;
}
