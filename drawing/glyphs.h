#pragma once
// The 28 glyph pictures of the wheel: 12 signs and 16 bodies, each "Dann\<name>.bmp".
#include <array>
#include <string>
#include <vector>

namespace omvera {

struct DrawingState;

extern const std::array<const char*, 13> kSignGlyphNames; // signs 1..12
extern const std::array<const char*, 17> kBodyGlyphNames; // bodies 1..16

// Loads every sign glyph, then every body glyph, from programFolder + "\Dann\<name>.bmp".
// A file that cannot be read leaves its slot empty (an empty glyph draws nothing); the
// others still load, and one message naming every such file is added to `warnings`.
void LoadGlyphs(const std::string& programFolder, DrawingState& drawing,
                std::vector<std::string>& warnings);

} // namespace omvera
