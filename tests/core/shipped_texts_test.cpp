// The data folder the build assembles: every text file ships as its source converted to
// Windows-1251, and the enciphered ones decipher back to their source.
#include "base/data_path.h"
#include "base/text_file.h"
#include "reports/enciphered_texts.h"
#include "reports/line_cipher.h"
#include "reports/text_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

using namespace omvera;
namespace fs = std::filesystem;

namespace {

// The source text with LF line ends, as ReadableText gives it.
std::string Normalized(const std::string& utf8) {
    std::string out;
    for (const auto& l : SplitLines(utf8)) out += l + "\n";
    return out;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), ::tolower);
    return s;
}

} // namespace

TEST(EncipheredTexts, TableIsConsistent) {
    std::set<std::string> seen;
    for (const auto& t : EncipheredTexts()) {
        EXPECT_NE(CipherKeyOfFamily(t.family), nullptr) << t.path;
        EXPECT_TRUE(seen.insert(Lower(t.path)).second) << t.path;
        EXPECT_EQ(FindEncipheredText(t.path), &t);
    }
    EXPECT_EQ(seen.size(), 17u);
    ASSERT_NE(FindEncipheredText("\\Dann\\Tranzit\\tranzit.txt"), nullptr);
    EXPECT_STREQ(FindEncipheredText("\\Dann\\Direc\\Direkc.TXT")->family, "direction");
    EXPECT_EQ(FindEncipheredText("\\Dann\\Radix\\plzodiac.txt"), nullptr);
    EXPECT_EQ(FindEncipheredText("\\Dann\\Radix\\Begin.TXT"), nullptr);
    EXPECT_EQ(FindEncipheredText("\\Dann\\Sins\\SinAsp.txt"), nullptr);
}

TEST(ShippedTexts, EveryTextFileDecodesBackToItsSource) {
    const fs::path srcRoot = fs::path(OMVERA_SOURCE_DIR) / "data";
    int enciphered = 0, plain = 0;
    std::set<std::string> fromSources; // the shipped paths that have a source
    for (const auto& e : fs::recursive_directory_iterator(srcRoot / "Dann")) {
        if (!e.is_regular_file()) continue;
        const std::string ext = Lower(e.path().extension().string());
        if (ext != ".txt" && ext != ".htm" && ext != ".html") continue;
        std::string path = "\\Dann";
        for (const auto& part :
             fs::path(ShippedName(fs::relative(e.path(), srcRoot / "Dann").generic_string())))
            path += "\\" + part.string();
        const std::string shipped = DataPath(OMVERA_BUILD_DIR, path);
        fromSources.insert(path);
        SCOPED_TRACE(path);
        ASSERT_TRUE(fs::exists(shipped));
        const std::string stored = ReadFileBytes(shipped);
        // Every line ends with CR LF.
        size_t lf = 0, crlf = 0;
        for (size_t i = 0; i < stored.size(); ++i) {
            if (stored[i] != '\n') continue;
            ++lf;
            crlf += i > 0 && stored[i - 1] == '\r';
        }
        EXPECT_EQ(crlf, lf);
        EXPECT_TRUE(stored.empty() || stored.back() == '\n');
        const EncipheredText* t = FindEncipheredText(path);
        const std::string source = Normalized(ReadFileBytes(e.path().string()));
        if (t) {
            const LineCipher cipher(CipherKeyOfFamily(t->family));
            EXPECT_NE(ReadableText(stored, nullptr), source);
            EXPECT_EQ(ReadableText(stored, &cipher), source);
            ++enciphered;
        } else {
            EXPECT_EQ(ReadableText(stored, nullptr), source);
            ++plain;
        }
    }
    EXPECT_GE(plain, 2); // Basa.TXT and Radix\Begin.TXT at least
    EXPECT_GT(fs::file_size(DataPath(OMVERA_BUILD_DIR, "\\Dann\\Radix\\Begin.TXT")), 1000u);
    // Each enciphered text that has a source is shipped; none ships without one.
    for (const auto& t : EncipheredTexts()) {
        const bool hasSource = fromSources.count(t.path) > 0;
        EXPECT_EQ(fs::exists(DataPath(OMVERA_BUILD_DIR, t.path)), hasSource) << t.path;
        enciphered -= hasSource;
    }
    EXPECT_EQ(enciphered, 0);
}
