#pragma once
// The chart kinds the chart commands set and the report driver, the drawing and the
// calendars tell apart. Each has the exact text the program shows and compares for it.
#include <array>
#include <string_view>

namespace omvera {

enum class ChartKindId {
    None, // at start: no chart command has run yet
    Radix,
    RadixChild,
    Transit,
    TransitMedical,
    Solar,
    Lunar,
    Direction,
    SynastryKarma,
    SynastryWaiting,
    SynastryPartnership,
    Erotic,
    Fatigue,
};

inline constexpr std::array<const char*, 13> kChartKindTexts = {
    "",
    "Радикс",
    "Радикс детский",
    "Транзит",
    "Транзит медицинский",
    "Соляр",
    "Лунар",
    "Дирекция",
    "Синастрия карма",
    "Синастрия ожидания",
    "Синастрия партнерство",
    "Эротика",
    "Усталость",
};

constexpr const char* ChartKindText(ChartKindId kind) {
    return kChartKindTexts[static_cast<int>(kind)];
}

// The kind a text names as a whole string; None for any other text.
constexpr ChartKindId ChartKindFromText(std::string_view text) {
    for (int k = 1; k < static_cast<int>(kChartKindTexts.size()); ++k)
        if (text == kChartKindTexts[k]) return static_cast<ChartKindId>(k);
    return ChartKindId::None;
}

} // namespace omvera
