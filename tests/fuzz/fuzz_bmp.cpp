// The BMP reader of the glyph pictures: any bytes either decode into a picture of the size
// the header gives or are refused with Error; a decoded picture written as BMP and read
// again gives the same pixels.
#include "base/errors.h"
#include "drawing/bitmap.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    omvera::Bitmap image;
    try {
        image = omvera::DecodeBmp(bytes, "fuzz.bmp");
    } catch (const omvera::Error&) {
        return 0;
    }
    FUZZ_CHECK(image.Width > 0 && image.Height > 0, "an empty picture decoded");
    FUZZ_CHECK(image.Pixels.size() == static_cast<size_t>(image.Width) * image.Height,
               "pixel count");
    for (std::uint32_t p : image.Pixels) FUZZ_CHECK(p <= 0xFFFFFF, "a pixel beyond 0x00RRGGBB");
    const omvera::Bitmap again = omvera::DecodeBmp(omvera::EncodeBmp(image), "again.bmp");
    FUZZ_CHECK(again.Width == image.Width && again.Height == image.Height &&
                   again.Pixels == image.Pixels,
               "BMP written and read again");
    return 0;
}
