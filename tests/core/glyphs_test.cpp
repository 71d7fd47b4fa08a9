#include "app/chart_drawing.h"
#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"
#include "drawing/bitmap.h"
#include "drawing/glyphs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace omvera;
namespace fs = std::filesystem;

TEST(BitmapFiles, RoundTripAndPaletteImages) {
    Bitmap b = MakeBitmap(3, 2, 0xFFFFFF);
    b.At(0, 0) = 0x123456;
    b.At(2, 1) = 0xFF0000;
    const Bitmap back = DecodeBmp(EncodeBmp(b), "x");
    EXPECT_EQ(back.Width, 3);
    EXPECT_EQ(back.Height, 2);
    EXPECT_EQ(back.Pixels, b.Pixels);

    // A 1-bit bottom-up image 2 x 2 with a black/white palette: top row white, black.
    std::string f = "BM";
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) f += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](std::uint32_t v) {
        f += static_cast<char>(v & 0xFF);
        f += static_cast<char>(v >> 8);
    };
    u32(14 + 40 + 8 + 8);
    u32(0);
    u32(14 + 40 + 8);
    u32(40);
    u32(2);
    u32(2);
    u16(1);
    u16(1);
    for (int i = 0; i < 6; ++i) u32(0);
    u32(0x000000);
    u32(0xFFFFFF);
    u32(0x00000000);                   // bottom row: black, black
    f += std::string("\x80\0\0\0", 4); // top row: white, black
    const Bitmap p = DecodeBmp(f, "p");
    EXPECT_EQ(p.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(p.At(1, 0), 0u);
    EXPECT_EQ(p.At(0, 1), 0u);

    EXPECT_THROW(DecodeBmp(f.substr(0, f.size() - 3), "cut"), Error);
    EXPECT_THROW(DecodeBmp("BM", "short"), Error);
    EXPECT_THROW(DecodeBmp(std::string(100, 'x'), "text"), Error);
}

TEST(LoadGlyphs, MissingFilesAreReportedOnceTogether) {
    const fs::path dir = fs::temp_directory_path() / "omvera_glyphs_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "Dann");
    State s;
    s.ProgramFolder = dir.string();
    for (int i = 1; i <= 12; ++i)
        WriteFileAtomically(
            DataFile(s, ("\\Dann\\" + std::string(kSignGlyphNames[i]) + ".bmp").c_str()),
            EncodeBmp(MakeBitmap(4, 4, 0)));
    // Bodies: all present but Sol (missing) and Proz (not a bitmap).
    for (int i = 2; i <= 16; ++i)
        WriteFileAtomically(
            DataFile(s, ("\\Dann\\" + std::string(kBodyGlyphNames[i]) + ".bmp").c_str()),
            i == 12 ? std::string("junk") : EncodeBmp(MakeBitmap(5, 5, 0)));
    s.Drawing.BodyGlyphs[1] = MakeBitmap(1, 1, 0); // an old picture does not survive a failed load
    LoadGlyphs(s);
    ASSERT_EQ(s.Warnings.size(), 1u);
    EXPECT_THAT(s.Warnings[0], testing::HasSubstr("Sol.bmp"));
    EXPECT_THAT(s.Warnings[0], testing::HasSubstr("Proz.bmp"));
    EXPECT_THAT(s.Warnings[0], testing::Not(testing::HasSubstr("Luna.bmp")));
    EXPECT_TRUE(s.Drawing.BodyGlyphs[1].Empty());
    EXPECT_TRUE(s.Drawing.BodyGlyphs[12].Empty());
    EXPECT_EQ(s.Drawing.BodyGlyphs[16].Width, 5);
    EXPECT_EQ(s.Drawing.SignGlyphs[12].Width, 4);
    fs::remove_all(dir);
}

TEST(LoadGlyphs, ShippedGlyphsAllLoad) {
    State s;
    s.ProgramFolder = OMVERA_BUILD_DIR;
    LoadGlyphs(s);
    EXPECT_TRUE(s.Warnings.empty()) << s.Warnings[0];
    for (int i = 1; i <= 16; ++i) EXPECT_FALSE(s.Drawing.BodyGlyphs[i].Empty()) << i;
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(s.Drawing.SignGlyphs[i].Empty()) << i;
}

TEST(LoadGlyphs, GlyphPathsThatAreNotFilesAreNamedNotFatal) {
    const fs::path dir =
        fs::temp_directory_path() / ("omvera_glyph_folders_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Dann");
    State s;
    s.ProgramFolder = dir.string();
    for (int i = 1; i <= 12; ++i)
        WriteFileAtomically(
            DataFile(s, ("\\Dann\\" + std::string(kSignGlyphNames[i]) + ".bmp").c_str()),
            EncodeBmp(MakeBitmap(4, 4, 0)));
    for (int i = 3; i <= 16; ++i)
        WriteFileAtomically(
            DataFile(s, ("\\Dann\\" + std::string(kBodyGlyphNames[i]) + ".bmp").c_str()),
            EncodeBmp(MakeBitmap(5, 5, 0)));
    fs::create_directories(dir / "Dann" / "Sol.bmp");         // a folder
    fs::create_symlink("Sol.bmp", dir / "Dann" / "Luna.bmp"); // a link to that folder
    ASSERT_NO_THROW(LoadGlyphs(s));
    ASSERT_EQ(s.Warnings.size(), 1u);
    EXPECT_THAT(s.Warnings[0], testing::HasSubstr("Sol.bmp"));
    EXPECT_THAT(s.Warnings[0], testing::HasSubstr("Luna.bmp"));
    EXPECT_THAT(s.Warnings[0], testing::Not(testing::HasSubstr("basic_filebuf")));
    EXPECT_TRUE(s.Drawing.BodyGlyphs[1].Empty());
    EXPECT_EQ(s.Drawing.BodyGlyphs[3].Width, 5);
    fs::remove_all(dir);
}
