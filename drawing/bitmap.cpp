#include "drawing/bitmap.h"

#include "base/errors.h"

#include <algorithm>
#include <array>

namespace omvera {
namespace {

std::uint32_t U16(std::string_view b, size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t U32(std::string_view b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

void Put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// Scales a masked channel to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    const std::uint32_t max = mask >> shift;
    return ((pixel & mask) >> shift) * 255 / max;
}

} // namespace

Bitmap MakeBitmap(int width, int height, std::uint32_t rgb) {
    Bitmap b;
    b.Width = width > 0 ? width : 0;
    b.Height = height > 0 ? height : 0;
    b.Pixels.assign(static_cast<size_t>(b.Width) * b.Height, rgb);
    return b;
}

Bitmap DecodeBmp(std::string_view b, const std::string& name) {
    auto fail = [&](const char* why) {
        return Error("Файл " + name + " не является рисунком BMP (" + why + ")");
    };
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') throw fail("нет заголовка");
    const std::uint32_t dataOffset = U32(b, 10);
    const std::uint32_t headerSize = U32(b, 14);
    if (headerSize < 12 || 14 + static_cast<size_t>(headerSize) > b.size())
        throw fail("неверный заголовок");
    long long width, height;
    std::uint32_t bpp, compression = 0, coloursUsed = 0;
    if (headerSize == 12) { // OS/2 core header
        width = U16(b, 18);
        height = static_cast<std::int16_t>(U16(b, 20));
        bpp = U16(b, 24);
    } else {
        if (b.size() < 54) throw fail("неверный заголовок");
        width = static_cast<std::int32_t>(U32(b, 18));
        height = static_cast<std::int32_t>(U32(b, 22));
        bpp = U16(b, 28);
        compression = U32(b, 30);
        coloursUsed = U32(b, 46);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) throw fail("неверный размер");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        throw fail("неподдерживаемая глубина цвета");
    std::uint32_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
    if (bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (compression == 3) { // bit fields: masks follow a 40-byte header or sit inside it
        if ((bpp != 16 && bpp != 32) || b.size() < 66) throw fail("неверные маски");
        masks[0] = U32(b, 54), masks[1] = U32(b, 58), masks[2] = U32(b, 62);
    } else if (compression != 0) {
        throw fail("сжатые рисунки не поддерживаются");
    }

    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        const size_t entries = coloursUsed ? coloursUsed : (1u << bpp);
        const size_t entrySize = headerSize == 12 ? 3 : 4;
        const size_t at = 14 + headerSize;
        if (entries > 256 || at + entries * entrySize > b.size()) throw fail("неверная палитра");
        for (size_t i = 0; i < entries; ++i) {
            const size_t p = at + i * entrySize;
            palette.push_back(static_cast<unsigned char>(b[p + 2]) << 16 |
                              static_cast<unsigned char>(b[p + 1]) << 8 |
                              static_cast<unsigned char>(b[p]));
        }
    }
    const size_t rowSize = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    if (dataOffset > b.size() || rowSize * height > b.size() - dataOffset)
        throw fail("файл обрезан");

    Bitmap out = MakeBitmap(static_cast<int>(width), static_cast<int>(height), 0);
    for (int y = 0; y < out.Height; ++y) {
        const size_t row = dataOffset + rowSize * (topDown ? y : out.Height - 1 - y);
        for (int x = 0; x < out.Width; ++x) {
            std::uint32_t rgb = 0;
            if (bpp <= 8) {
                const size_t bit = static_cast<size_t>(x) * bpp;
                const unsigned byte = static_cast<unsigned char>(b[row + bit / 8]);
                const unsigned index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                rgb = index < palette.size() ? palette[index] : 0;
            } else if (bpp == 24) {
                const size_t p = row + static_cast<size_t>(x) * 3;
                rgb = static_cast<unsigned char>(b[p + 2]) << 16 |
                      static_cast<unsigned char>(b[p + 1]) << 8 | static_cast<unsigned char>(b[p]);
            } else {
                const std::uint32_t px = bpp == 16 ? U16(b, row + static_cast<size_t>(x) * 2)
                                                   : U32(b, row + static_cast<size_t>(x) * 4);
                rgb = Channel(px, masks[0]) << 16 | Channel(px, masks[1]) << 8 |
                      Channel(px, masks[2]);
            }
            out.At(x, y) = rgb;
        }
    }
    return out;
}

std::string EncodeBmp(const Bitmap& image) {
    const size_t rowSize = ((static_cast<size_t>(image.Width) * 3 + 3) / 4) * 4;
    const size_t dataSize = rowSize * image.Height;
    std::string s = "BM";
    Put32(s, static_cast<std::uint32_t>(54 + dataSize));
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(image.Width));
    Put32(s, static_cast<std::uint32_t>(image.Height));
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, static_cast<std::uint32_t>(dataSize));
    Put32(s, 2835); // 72 dpi
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = image.Height - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t p = image.At(x, y);
            s += static_cast<char>(p & 0xFF);
            s += static_cast<char>((p >> 8) & 0xFF);
            s += static_cast<char>((p >> 16) & 0xFF);
        }
        s.append(rowSize - static_cast<size_t>(image.Width) * 3, '\0');
    }
    return s;
}

} // namespace omvera
