#pragma once
// The alphabet of the line cipher: 225 distinct Windows-1251 bytes, indexed 1 to 225.
//
// Entry 1 is the tab; entries 2..225 are the bytes 32..255 in order (entry i holds byte
// i + 30). So the table holds every character a text line can carry in Windows-1251 - the
// blank, ASCII punctuation, digits and Latin letters, every Cyrillic letter with Ё and ё,
// and the typographic characters « » – — … № and the like - and none of the control bytes,
// in particular neither CR, LF nor the end-of-file mark 26: an enciphered line can never
// split or end a file early.
#include <array>
#include <cstdint>

namespace omvera {

inline constexpr int kCharTableSize = 225;

struct CharTable {
    // chars[1..225]: the byte of each index; chars[0] is unused.
    std::array<unsigned char, kCharTableSize + 1> chars{};
    // index[b]: the index of byte b, 0 when b is not in the table. Deciphering looks every
    // character up here directly.
    std::array<std::uint8_t, 256> index{};

    constexpr bool Holds(unsigned char b) const { return index[b] != 0; }
};

// Fills the table in one pass over the entries 1..225, each from the rule on its index.
// Reads no file; every call gives the same table.
constexpr CharTable BuildCharTable() {
    CharTable t;
    for (int i = 1; i <= kCharTableSize; ++i) {
        const int byte = i == 1 ? 9 : i + 30;
        t.chars[i] = static_cast<unsigned char>(byte);
        t.index[byte] = static_cast<std::uint8_t>(i);
    }
    return t;
}

// The table the program uses; it is constant for the whole run.
inline constexpr CharTable kCharTable = BuildCharTable();

} // namespace omvera
