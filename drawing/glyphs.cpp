#include "drawing/glyphs.h"

#include "base/data_path.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/drawing_state.h"

#include <string>
#include <vector>

namespace omvera {

const std::array<const char*, 13> kSignGlyphNames = {
    "",     "Owen",  "Telec",   "Blizn",   "Rak",     "Lew", "Dewa",
    "Wesi", "Skorp", "Strelec", "Kozerog", "Wodolej", "Riba"};

const std::array<const char*, 17> kBodyGlyphNames = {
    "",       "Sol",    "Luna",  "Mercur", "Venera", "Mars", "Jupit",  "Saturn", "Uran",
    "Neptun", "Pluton", "Hiron", "Proz",   "Rachu",  "Ketu", "Selena", "Lilit"};

namespace {

void LoadOne(const std::string& programFolder, Bitmap& slot, const char* name,
             std::vector<std::string>& missing) {
    const std::string path = DataPath(programFolder, "\\Dann\\" + std::string(name) + ".bmp");
    slot = Bitmap{};
    try {
        slot = DecodeBmp(ReadFileBytes(path), path);
    } catch (const Error&) {
        missing.push_back(path);
    }
}

} // namespace

void LoadGlyphs(const std::string& programFolder, DrawingState& drawing,
                std::vector<std::string>& warnings) {
    std::vector<std::string> missing;
    for (int s = 1; s <= 12; ++s)
        LoadOne(programFolder, drawing.SignGlyphs[s], kSignGlyphNames[s], missing);
    for (int b = 1; b <= 16; ++b)
        LoadOne(programFolder, drawing.BodyGlyphs[b], kBodyGlyphNames[b], missing);
    if (missing.empty()) return;
    std::string message = "Не удалось прочитать рисунки знаков и планет (они не будут "
                          "показаны в карте):";
    for (const auto& path : missing) message += "\n" + path;
    warnings.push_back(message);
}

} // namespace omvera
