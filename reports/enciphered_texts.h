#pragma once
// The interpretation texts that are stored line-enciphered, each with the family whose key
// enciphers it. Every other file of the data folder is stored plain. The build's data tool
// enciphers exactly these files, so the reader and the shipped data agree on one table.
#include <span>
#include <string>
#include <string_view>

namespace omvera {

struct EncipheredText {
    const char* path;   // as the program opens it: "\\Dann\\Radix\\PLZODIAC.txt"
    const char* family; // "radix", "return", "transit" or "direction" (see CipherKeyOfFamily)
};

std::span<const EncipheredText> EncipheredTexts();

// The entry of a data path written with backslashes ("\\Dann\\..."), compared exactly,
// letter case included; nullptr for a file stored plain.
const EncipheredText* FindEncipheredText(std::string_view backslashPath);

// The name a source file of data/Dann ships under, for a path relative to data/Dann with "/"
// separators ("Radix/natal_aspects.txt" ships as "Radix/aspec.txt"); every other file keeps
// its name.
std::string ShippedName(std::string_view sourceRelPath);

} // namespace omvera
