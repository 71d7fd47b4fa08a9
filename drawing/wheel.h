#pragma once
// The chart wheel's geometry and the drawing steps that take positions and cusps already
// computed. The operations of chart_drawing.h compute a chart and call these.
//
// Screen angles: a longitude L is drawn at theta = 6.2831852 - L / 180 * 3.1415926 radians;
// the point at angle theta and radius r is (cx - trunc(r cos theta), cy - trunc(r sin theta))
// about the wheel centre, so 0° Aries lies at 9 o'clock and the zodiac runs counter-clockwise.
// Every radius is a fraction of the picture height H, truncated to whole pixels.
#include "astro/names.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace omvera {

class Canvas;
struct ChartForm;
struct DrawingState;
struct PlanetSettingsForm;

using BodyLongitudes = std::array<double, 17>; // bodies 1..16
using CuspLongitudes = std::array<double, 13>; // cusps 1..12

namespace wheel {
struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};
long double ScreenAngle(double longitude);
Point PointAt(int cx, int cy, long double theta, long double r);
} // namespace wheel

// The empty wheel: rings, sign boundaries, 10° and 5° marks, sign glyphs. Stores the centre
// trunc(W / 3), trunc(H / 2) in `drawing`, about which the bodies and houses are drawn.
void DrawWheel(DrawingState& drawing, Canvas& canvas);

// level[i] = 1 + the number of bodies j > i less than 10° from body i (no wrap at 0°).
std::array<int, 17> StackLevels(const BodyLongitudes& positions);

// Ticks and glyphs of the switched-on bodies of chart n (1: inside the wheel in black;
// 2 and 3: across the outer ring in green), about the stored wheel centre; `switches` are
// TPlanUst's check boxes. A longitude outside 0..360 is first brought into that turn (also in
// the position rows).
void DrawBodiesAt(const DrawingState& drawing, const PlanetSettingsForm& switches, Canvas& canvas,
                  int n, const BodyLongitudes& positions);

// The five header lines of chart n (1: the first form at the left, 2: the second from the
// middle), or for n = 3 "Дирекция на дату" and the directions date text.
void DrawHeaderTexts(const ChartForm& first, const ChartForm& second, Canvas& canvas, int n,
                     std::string_view directionDate = {});
// The first three header lines (name, date, time) of a form at x, y = 10, 25, 40.
void DrawTitleLines(const ChartForm& form, Canvas& canvas, int x = 10);

// One row per switched-on body, 25 pixels apart starting 25 below (x0, y): body glyph, "r"
// for a negative daily motion, degrees, sign glyph, minutes.
void DrawPositionRows(const DrawingState& drawing, const PlanetSettingsForm& switches,
                      Canvas& canvas, int x0, int y, const BodyLongitudes& positions,
                      const std::array<double, 21>& dailyMotion);

// House cusps of chart n (1 or 2) on the wheel with their labels: purple, then cusps 1 and 7
// again in blue and cusp 10 in green.
void DrawHousesAt(const DrawingState& drawing, Canvas& canvas, int n, const CuspLongitudes& cusps);

// The house-system name and the twelve cusps: n = 1, 2 beside the wheel, 3, 4 in the view
// window's layout.
void DrawHouseTableAt(Canvas& canvas, int n, char letter, const CuspLongitudes& cusps);

// A chord of radius r between two longitudes in the given colour, about trunc(W / 3),
// trunc(H / 2) of the canvas.
void DrawAspectLine(Canvas& canvas, int r, std::uint32_t colour, double l1, double l2);

} // namespace omvera
