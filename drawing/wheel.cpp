#include "drawing/wheel.h"

#include "aspects/aspect_settings.h"
#include "aspects/points.h"
#include "base/numbers.h"
#include "drawing/canvas.h"
#include "drawing/drawing_state.h"
#include "input/chart_form.h"
#include "input/settings_forms.h"

#include <cmath>

namespace omvera {

namespace {
constexpr long double kPi = 3.1415926L;
constexpr long double kTwoPi = 6.2831852L;
constexpr long double kStep30 = 0.5235987666666667L;
constexpr long double kStep10 = 0.17453292222222222L;
constexpr long double kStep5 = 0.08726646111111111L;

int Trunc(long double v) {
    return std::isfinite(v) ? static_cast<int>(std::trunc(v)) : 0;
}

// Where each sign glyph is anchored: screen angle in degrees and radius as a fraction of R.
struct SignAnchor {
    int thetaDegrees;
    long double f;
};
constexpr std::array<SignAnchor, 13> kSignAnchors = {{
    {0, 0},
    {348, 0.97L},
    {318, 0.96L},
    {288, 0.9L},
    {258, 0.88L},
    {228, 0.88L},
    {198, 0.88L},
    {163, 0.9L},
    {138, 0.96L},
    {108, 0.97L},
    {78, 0.999L},
    {48, 0.99L},
    {18, 0.999L},
}};

struct Wheel {
    Canvas& canvas;
    int cx, cy;

    void Ring(int r) { canvas.Ellipse(cx - r, cy - r, cx + r, cy + r); }
    void Spoke(int r1, int r2, long double theta) {
        const auto a = wheel::PointAt(cx, cy, theta, r1);
        const auto b = wheel::PointAt(cx, cy, theta, r2);
        canvas.MoveTo(a.x, a.y);
        canvas.LineTo(b.x, b.y);
    }
    void Spokes(int r1, int r2, long double step) {
        for (long double theta = 0; theta < kTwoPi; theta += step) Spoke(r1, r2, theta);
    }
    // kind 'P': body glyph, 'Z': sign glyph; anything else draws nothing.
    void Glyph(const DrawingState& d, int index, char kind, long double theta, int r) {
        const Bitmap* b = nullptr;
        if (kind == 'P' && index >= 1 && index <= 16) b = &d.BodyGlyphs[index];
        if (kind == 'Z' && index >= 1 && index <= 12) b = &d.SignGlyphs[index];
        if (!b) return;
        const auto p = wheel::PointAt(cx, cy, theta, r);
        canvas.Draw(p.x, p.y, *b);
    }
};

Wheel StoredWheel(const DrawingState& drawing, Canvas& canvas) {
    return Wheel{canvas, drawing.WheelCentreX, drawing.WheelCentreY};
}

// The radial factor of a body glyph by its screen angle in degrees.
long double GlyphBand(long double thetaDegrees) {
    if (thetaDegrees >= 60 && thetaDegrees < 210) return 0.18L;
    if (thetaDegrees >= 210 && thetaDegrees < 270) return 0.16L;
    if (thetaDegrees >= 270 && thetaDegrees < 300) return 0.17L;
    return 0.2L; // [0, 60) and [300, 360]
}

std::string Int2(int v) {
    return PadLeft(std::to_string(v), 2);
}

// Longitudes normally lie in 0..360 (360 itself included) and are used as they are; a value
// outside that turn (a directed position for a date before the birth, say) is brought into
// it, so that it finds its sign, its degrees and its glyph band.
double WithinTurn(double longitude) {
    if (longitude >= 0 && longitude <= 360) return longitude;
    const double l = std::fmod(longitude, 360.0);
    return l < 0 ? l + 360 : l;
}

} // namespace

namespace wheel {
long double ScreenAngle(double longitude) {
    return kTwoPi - longitude / 180.0L * kPi;
}

Point PointAt(int cx, int cy, long double theta, long double r) {
    return {cx - Trunc(r * std::cos(theta)), cy - Trunc(r * std::sin(theta))};
}
} // namespace wheel

void DrawWheel(DrawingState& drawing, Canvas& canvas) {
    const int W = canvas.Width(), H = canvas.Height();
    const long double R = H * 0.4L;
    canvas.SetPenColour(colours::Black);
    drawing.WheelCentreX = Trunc(W / 3.0L);
    drawing.WheelCentreY = Trunc(H / 2.0L);
    Wheel w = StoredWheel(drawing, canvas);
    w.Ring(Trunc(R));
    w.Ring(Trunc(0.88L * R));
    w.Ring(Trunc(0.5L * R));
    w.Ring(Trunc(0.4L * R));
    canvas.SetPenColour(colours::Red);
    w.Spokes(Trunc(R), Trunc(0.4L * R), kStep30);
    canvas.SetPenColour(colours::Green);
    w.Spokes(Trunc(0.5L * R), Trunc(0.4L * R), kStep10);
    canvas.SetPenColour(colours::Black);
    w.Spokes(Trunc(0.45L * R), Trunc(0.4L * R), kStep5);
    for (int sign = 1; sign <= 12; ++sign) {
        const auto& a = kSignAnchors[sign];
        w.Glyph(drawing, sign, 'Z', a.thetaDegrees / 180.0L * kPi, Trunc(a.f * R));
    }
}

std::array<int, 17> StackLevels(const BodyLongitudes& L) {
    std::array<int, 17> level{};
    for (int i = 1; i <= 16; ++i) {
        level[i] = 1;
        for (int j = i + 1; j <= 16; ++j)
            if (std::fabs(L[j] - L[i]) < 10) ++level[i];
    }
    return level;
}

void DrawBodiesAt(const DrawingState& drawing, const PlanetSettingsForm& switches, Canvas& canvas,
                  int n, const BodyLongitudes& positions) {
    BodyLongitudes L{};
    for (int i = 1; i <= 16; ++i) L[i] = WithinTurn(positions[i]);
    const long double H = canvas.Height();
    int r1, r2, extra;
    if (n == 1) {
        canvas.SetPenColour(colours::Black);
        r1 = Trunc(H * 0.4L * 0.4L);
        r2 = Trunc(H * 0.4L * 0.35L);
        extra = 0;
    } else {
        canvas.SetPenColour(colours::Green);
        r1 = Trunc(H * 0.38L);
        r2 = Trunc(H * 0.42L);
        extra = 1;
    }
    const auto level = StackLevels(L);
    Wheel w = StoredWheel(drawing, canvas);
    for (int i = 1; i <= 16; ++i) {
        if (!PointSwitchedOn(switches, i)) continue;
        const long double theta = wheel::ScreenAngle(L[i]);
        const long double thetaDegrees = theta / kPi * 180;
        w.Spoke(r1, r2, theta);
        const long double s = 1 + 0.25L * level[i] + extra;
        w.Glyph(drawing, i, 'P', theta, Trunc(H * GlyphBand(thetaDegrees) * s));
    }
}

void DrawTitleLines(const ChartForm& form, Canvas& canvas, int x) {
    const bool chosen = form.ComboBox1 >= 0 && form.ComboBox1 < 12;
    const std::string month = chosen ? kMonthNames[form.ComboBox1] : kMonthPrompt;
    canvas.TextOut(x, 10, form.Edit1);
    canvas.TextOut(x, 25,
                   Int2(form.SpinEdit2.Value()) + " " + month + " " +
                       PadLeft(std::to_string(form.SpinEdit1.Value()), 4));
    canvas.TextOut(x, 40,
                   "GMT" + Int2(form.SpinEdit3.Value()) + ":" + Int2(form.SpinEdit4.Value()));
}

void DrawHeaderTexts(const ChartForm& first, const ChartForm& second, Canvas& canvas, int n,
                     std::string_view directionDate) {
    const int W = canvas.Width(), H = canvas.Height();
    const int middle = Trunc(W - W / 2.0L);
    if (n == 3) {
        canvas.TextOut(middle, 10, "Дирекция на дату");
        canvas.TextOut(middle, 25, std::string(directionDate));
        return;
    }
    if (n != 1 && n != 2) return;
    const ChartForm& form = n == 1 ? first : second;
    const int x = n == 1 ? 10 : middle;
    DrawTitleLines(form, canvas, x);
    canvas.TextOut(x, H - 50, "Широта " + form.Edit2);
    canvas.TextOut(x, H - 35, "Долгота " + form.Edit3);
}

void DrawPositionRows(const DrawingState& drawing, const PlanetSettingsForm& switches,
                      Canvas& canvas, int x0, int y, const BodyLongitudes& positions,
                      const std::array<double, 21>& dailyMotion) {
    for (int i = 1; i <= 16; ++i) {
        if (!PointSwitchedOn(switches, i)) continue;
        double L = WithinTurn(positions[i]);
        int sign = 1;
        // A position of exactly 30° stays 30° of the previous sign; within 0..360 twelve
        // signs bound the loop.
        while (L > 30 && sign < 12) {
            L -= 30;
            ++sign;
        }
        const int deg = Trunc(std::trunc(L));
        const int min = Trunc((L - deg) * 60);
        y += 25;
        canvas.Draw(x0, y, drawing.BodyGlyphs[i]);
        canvas.TextOut(x0 + 17, y, dailyMotion[i] < 0 ? "r" : " ");
        canvas.TextOut(x0 + 20, y, Int2(deg));
        canvas.Draw(x0 + 50, y, drawing.SignGlyphs[sign]);
        canvas.TextOut(x0 + 70, y, Int2(min));
    }
}

void DrawHousesAt(const DrawingState& drawing, Canvas& canvas, int n, const CuspLongitudes& cusps) {
    const long double H = canvas.Height();
    const int rt = Trunc(0.46L * H);
    const int ro = Trunc(0.45L * H);
    const int ri = n == 1 ? Trunc(0.16L * H) : Trunc(0.35L * H);
    Wheel w = StoredWheel(drawing, canvas);
    auto cusp = [&](int k) {
        const long double theta = wheel::ScreenAngle(cusps[k]);
        w.Spoke(ro, ri, theta);
        canvas.TextOut(w.cx - Trunc(std::cos(theta) * rt), w.cy - Trunc(std::sin(theta) * rt),
                       kWheelHouseLabels[k]);
    };
    canvas.SetPenColour(colours::Purple);
    for (int k = 1; k <= 12; ++k) cusp(k);
    canvas.SetPenColour(colours::Blue);
    cusp(1);
    canvas.SetPenColour(colours::Blue);
    cusp(7);
    canvas.SetPenColour(colours::Green);
    cusp(10);
}

void DrawHouseTableAt(Canvas& canvas, int n, char letter, const CuspLongitudes& cusps) {
    int x0, nameX, top;
    if (n == 1 || n == 2) {
        x0 = Trunc(canvas.Width() - 120.0L);
        nameX = (letter == 'P' || letter == 'K') ? x0 : x0 - 20;
        canvas.TextOut(nameX, 25, HouseSystemName(letter));
        top = 45;
    } else if (n == 3 || n == 4) {
        x0 = 130;
        canvas.TextOut(130, 10, HouseSystemName(letter));
        top = 35;
    } else {
        return;
    }
    for (int k = 1; k <= 12; ++k)
        canvas.TextOut(x0, top + 25 * (k - 1),
                       std::string(kWheelHouseLabels[k]) + "  " + FormatFixed(cusps[k], 6, 1));
}

void DrawAspectLine(Canvas& canvas, int r, std::uint32_t colour, double l1, double l2) {
    canvas.SetPenColour(colour);
    const int cx = Trunc(canvas.Width() / 3.0L), cy = Trunc(canvas.Height() / 2.0L);
    const auto a = wheel::PointAt(cx, cy, (360 - l1) / 57.29578L, r);
    const auto b = wheel::PointAt(cx, cy, (360 - l2) / 57.29578L, r);
    canvas.MoveTo(a.x, a.y);
    canvas.LineTo(b.x, b.y);
}

} // namespace omvera
