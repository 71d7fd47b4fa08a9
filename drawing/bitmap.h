#pragma once
// A small raster image in memory: the glyph pictures and the off-screen chart picture of the
// command-line companion. Pixels are 0x00RRGGBB, rows from the top.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace omvera {

struct Bitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // Width * Height, row-major from the top

    bool Empty() const { return Width <= 0 || Height <= 0; }
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    std::uint32_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

Bitmap MakeBitmap(int width, int height, std::uint32_t rgb);

// Windows colour values (0x00BBGGRR, as the swatches and pens hold them) and pixels
// (0x00RRGGBB) convert into each other by swapping red and blue.
inline std::uint32_t RgbFromColour(std::uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
inline std::uint32_t ColourFromRgb(std::uint32_t rgb) {
    return RgbFromColour(rgb);
}

// Decodes an uncompressed Windows bitmap file (1, 4, 8, 24 or 32 bits per pixel, bottom-up
// or top-down; 16 and 32 bits with bit-field masks). Throws Error with `name` in the
// message when the bytes are not such a file.
Bitmap DecodeBmp(std::string_view bytes, const std::string& name);

// A 24-bit bottom-up Windows bitmap file of the image.
std::string EncodeBmp(const Bitmap& image);

} // namespace omvera
