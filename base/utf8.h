#pragma once
// UTF-8 character by character: one strict decoder and one encoder for the whole program.
#include <string>
#include <string_view>

namespace omvera {

// Decodes the UTF-8 character at `pos` and moves past it. A malformed or truncated sequence,
// an overlong form, a surrogate or a value beyond U+10FFFF gives false with `pos` moved one
// byte on, so a loop over broken text always advances.
bool NextUtf8(std::string_view s, size_t& pos, char32_t& c);

// Appends the character as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, char32_t c);

} // namespace omvera
