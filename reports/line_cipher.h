#pragma once
// The line cipher of the interpretation texts: a repeating-key subtraction over CharTable.
// It works on the raw Windows-1251 bytes of a line and keeps the line's length, so an
// enciphered file has the same line structure as its plain form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

// The keys of the four file families, as text of the program (UTF-8).
inline constexpr const char* RadixKey = "TebВолнир";
inline constexpr const char* ReturnKey = "Весна 04:17";
inline constexpr const char* TransitKey = "06:48 Pelikan";
inline constexpr const char* DirectionKey = "Kvorum 03:29";

// The key of a family named "radix", "return", "transit" or "direction"; nullptr for any
// other name.
const char* CipherKeyOfFamily(std::string_view family);

// One key prepared for many lines: the key's CharTable indices are looked up once.
class LineCipher {
  public:
    // Throws Error when the key is empty or holds a character outside CharTable.
    explicit LineCipher(std::string_view utf8Key);

    // Plain form of one enciphered line (raw bytes in, raw bytes out, same length).
    // A byte outside CharTable takes the index of the byte before it (for the first byte of
    // the line, the index of the key's last character).
    void Decode(std::string_view line, std::string& out) const;

    // Enciphered form of one plain line: cipher index = ((plain + key - 1) mod 225) + 1.
    // Returns npos, or the position of the first byte that CharTable does not hold (then
    // `out` is incomplete).
    std::size_t Encode(std::string_view plain, std::string& out) const;

  private:
    std::vector<std::uint8_t> keyIndex_;
};

// DecodeLine(enciphered line as raw Windows-1251 bytes, key string) -> plain raw bytes.
std::string DecodeLine(std::string_view line, std::string_view utf8Key);
// The inverse, for the project's tooling; throws Error when the plain line holds a byte
// that CharTable does not hold.
std::string EncodeLine(std::string_view plain, std::string_view utf8Key);

} // namespace omvera
