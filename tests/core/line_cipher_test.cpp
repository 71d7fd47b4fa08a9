#include "base/errors.h"
#include "base/text_file.h"
#include "reports/char_table.h"
#include "reports/line_cipher.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace omvera;

namespace {

// Windows-1251 form of a text of the program.
std::string W(const std::string& utf8) {
    return Utf8ToCp1251OrThrow(utf8);
}

unsigned char Byte(const std::string& utf8) {
    const std::string b = W(utf8);
    EXPECT_EQ(b.size(), 1u) << utf8;
    return static_cast<unsigned char>(b[0]);
}

} // namespace

TEST(CharTable, HoldsTheTextAlphabetAndNoLineBreaks) {
    const CharTable t = BuildCharTable();
    std::set<unsigned char> seen;
    for (int i = 1; i <= kCharTableSize; ++i) {
        const unsigned char c = t.chars[i];
        EXPECT_TRUE(seen.insert(c).second) << "duplicate at " << i;
        EXPECT_EQ(t.index[c], i);
        EXPECT_NE(c, '\r');
        EXPECT_NE(c, '\n');
        EXPECT_NE(c, 26);
    }
    EXPECT_EQ(seen.size(), 225u);
    for (int b = 0; b < 256; ++b) {
        if (!seen.count(static_cast<unsigned char>(b))) {
            EXPECT_EQ(t.index[b], 0) << b;
        }
    }

    const std::string letters = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::string marks = " \t.,;:!?-+*/=()[]{}<>&%$#@\"'`~^_|\\«»–—…№„“”‘’°±§•";
    for (char c : W(letters + marks))
        EXPECT_TRUE(t.Holds(static_cast<unsigned char>(c))) << static_cast<int>(c);

    // Built from the rule on the index alone: a second build is the same table.
    EXPECT_EQ(BuildCharTable().chars, kCharTable.chars);
    EXPECT_EQ(BuildCharTable().index, kCharTable.index);
}

TEST(LineCipher, KeyStrings) {
    EXPECT_STREQ(RadixKey, "TebВолнир");
    EXPECT_STREQ(ReturnKey, "Весна 04:17");
    EXPECT_STREQ(TransitKey, "06:48 Pelikan");
    EXPECT_STREQ(DirectionKey, "Kvorum 03:29");
    EXPECT_EQ(W(RadixKey).size(), 9u);
    EXPECT_EQ(W(ReturnKey).size(), 11u);
    EXPECT_EQ(W(TransitKey).size(), 13u);
    EXPECT_EQ(W(DirectionKey).size(), 12u);
    EXPECT_STREQ(CipherKeyOfFamily("radix"), RadixKey);
    EXPECT_STREQ(CipherKeyOfFamily("return"), ReturnKey);
    EXPECT_STREQ(CipherKeyOfFamily("transit"), TransitKey);
    EXPECT_STREQ(CipherKeyOfFamily("direction"), DirectionKey);
    EXPECT_EQ(CipherKeyOfFamily("Radix"), nullptr);
}

TEST(LineCipher, EveryCharacterRoundTripsWithEveryKeyAtEveryKeyPosition) {
    for (const char* key : {RadixKey, ReturnKey, TransitKey, DirectionKey}) {
        const LineCipher cipher(key);
        const size_t keyLength = W(key).size();
        // Each shift puts every character under another key position.
        for (size_t shift = 0; shift < keyLength; ++shift) {
            std::string plain(shift, 'x');
            for (int i = 1; i <= kCharTableSize; ++i)
                plain += static_cast<char>(kCharTable.chars[i]);
            std::string enciphered, back;
            ASSERT_EQ(cipher.Encode(plain, enciphered), std::string::npos);
            ASSERT_EQ(enciphered.size(), plain.size());
            for (char c : enciphered) {
                ASSERT_TRUE(kCharTable.Holds(static_cast<unsigned char>(c)));
                ASSERT_NE(c, '\n');
                ASSERT_NE(c, '\r');
                ASSERT_NE(c, 26);
            }
            cipher.Decode(enciphered, back);
            ASSERT_EQ(back, plain) << key << " shift " << shift;
            EXPECT_EQ(DecodeLine(EncodeLine(plain, key), key), plain);
        }
    }
}

TEST(DecodeLine, SubtractsTheRepeatingKeyModulo225) {
    const auto idx = [](const std::string& c) { return kCharTable.index[Byte(c)]; };
    const auto chr = [](int i) { return static_cast<char>(kCharTable.chars[i]); };
    // Equal indices give entry 225, also where the key repeats from its first character.
    const std::string key = W(RadixKey);
    EXPECT_EQ(DecodeLine(key + key + key.substr(0, 4), RadixKey),
              std::string(22, chr(kCharTableSize)));
    // p = cipher - key, and p <= 0 wraps by 225.
    std::string expected;
    expected += chr(idx("b") - idx("A"));
    expected += chr(idx("В") - idx("z") + (idx("В") > idx("z") ? 0 : kCharTableSize));
    expected += chr(idx("Б") - idx("A"));
    EXPECT_EQ(DecodeLine(W("bВБ"), "Az"), expected);
    EXPECT_EQ(DecodeLine(W("ab"), "zb"), std::string() + chr(idx("a") - idx("z") + 225) + chr(225));
    EXPECT_EQ(DecodeLine("", RadixKey), "");
}

TEST(DecodeLine, ByteOutsideTheTableTakesThePreviousIndex) {
    // First byte: the index of the key's last character; later bytes: of the byte before.
    const int a = kCharTable.index['A'], b = kCharTable.index['B'], c = kCharTable.index['C'];
    std::string expected;
    expected += static_cast<char>(kCharTable.chars[b - a]); // \x01 as 'B', key 'A'
    expected += static_cast<char>(kCharTable.chars[c - b]); // 'C' under key 'B'
    expected += static_cast<char>(kCharTable.chars[c - a]); // \x02 as 'C', key 'A'
    expected += static_cast<char>(kCharTable.chars[c - b]); // \r as 'C', key 'B'
    EXPECT_EQ(DecodeLine(std::string("\x01"
                                     "C\x02\r"),
                         "AB"),
              expected);
}

TEST(LineCipher, RejectsWhatItCannotHandle) {
    EXPECT_THROW(LineCipher(""), Error);
    EXPECT_THROW(LineCipher("ab\x01"), Error);
    EXPECT_THROW(LineCipher("ab\xF0\x9F\x98\x80"), Error); // not in Windows-1251
    std::string out;
    EXPECT_EQ(LineCipher("ab").Encode("ok\x01no", out), 2u);
    EXPECT_THROW(EncodeLine("tab\tok\x1a", RadixKey), Error);
    EXPECT_NO_THROW(EncodeLine("tab\tok", RadixKey));
}
