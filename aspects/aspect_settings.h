#pragma once
// Field model of TAspUst ("Установка Аспектов"): the aspect rows of ListBox1 and the ten
// colour swatches Edit1..Edit10.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace omvera {

// Windows colour values (0x00BBGGRR).
namespace colours {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Maroon = 0x000080;
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Olive = 0x008080;
inline constexpr std::uint32_t Navy = 0x800000;
inline constexpr std::uint32_t Purple = 0x800080;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t Lime = 0x00FF00;
inline constexpr std::uint32_t Yellow = 0x00FFFF;
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t Fuchsia = 0xFF00FF;
inline constexpr std::uint32_t Aqua = 0xFFFF00;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Silver = 0xC0C0C0;
inline constexpr std::uint32_t ActiveCaption = 0xD1B499; // the system colour as shown here
} // namespace colours

// Scans take part with at most this many rows: there are ten colour swatches.
inline constexpr int kAspectCapacity = 10;

struct AspectSettingsForm {
    std::vector<std::string> ListBox1{"0", "60", "90", "120", "180"};
    int ListBox1Index = -1;
    std::array<std::uint32_t, 10> Swatch{
        colours::Yellow, colours::Fuchsia, colours::Blue,  colours::Red,           colours::Navy,
        colours::Aqua,   colours::Lime,    colours::Olive, colours::ActiveCaption, colours::Maroon};
    std::string Edit11;
    bool Visible = false;
};

} // namespace omvera
