#pragma once
// Whole-text conversion between the readable sources of the interpretation texts (UTF-8,
// LF or CR LF) and their stored form (Windows-1251, CR LF, enciphered for the files that
// are stored so). Used by the build's data tool and the command-line tools.
#include "reports/line_cipher.h"

#include <string>
#include <string_view>

namespace omvera {

// UTF-8 text -> stored bytes, each line ended by CR LF and enciphered when `cipher` is
// given. Throws Error "name:line: ..." (with the column for a byte the cipher alphabet lacks)
// at the first character that cannot be stored.
std::string StoreText(std::string_view utf8Text, const LineCipher* cipher, const std::string& name);

// Stored bytes -> UTF-8 text with LF line ends, deciphering each line when `cipher` is given.
std::string ReadableText(std::string_view stored, const LineCipher* cipher);

} // namespace omvera
