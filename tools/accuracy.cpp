// omvera-accuracy [OUTPUT.md]: how far the engine's closed-form positions lie from Swiss
// Ephemeris over 1880..2050, written as the Markdown tables of docs/accuracy.md (default
// output). Every body with a counterpart there and the Ascendant, MC and intermediate
// Placidus and Koch cusps are compared; for each an era's median, 95th percentile and
// maximum of the absolute difference in arc-minutes. The clock time is taken as UT, as the
// program takes it; Swiss Ephemeris then applies its own delta T, the program none, and that
// belongs to the program's accuracy. Proserpina and Selena are the program's own points and
// have no counterpart to compare with.
#include "astro/chart.h"
#include "base/errors.h"
#include "base/text_file.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace omvera;

namespace {

struct Era {
    const char* caption;
    int from, to; // years, inclusive
};
constexpr std::array<Era, 3> kEras = {
    {{"1880–1949", 1880, 1949}, {"1950–1999", 1950, 1999}, {"2000–2050", 2000, 2050}}};

struct BodyRow {
    const char* caption;
    int body;   // ours, 1..16
    int planet; // Swiss Ephemeris
};
constexpr std::array<BodyRow, 13> kBodies = {{
    {"Солнце (Sun)", 1, SE_SUN},
    {"Луна (Moon)", 2, SE_MOON},
    {"Меркурий (Mercury)", 3, SE_MERCURY},
    {"Венера (Venus)", 4, SE_VENUS},
    {"Марс (Mars)", 5, SE_MARS},
    {"Юпитер (Jupiter)", 6, SE_JUPITER},
    {"Сатурн (Saturn)", 7, SE_SATURN},
    {"Уран (Uranus)", 8, SE_URANUS},
    {"Нептун (Neptune)", 9, SE_NEPTUNE},
    {"Плутон (Pluto)", 10, SE_PLUTO},
    {"Хирон (Chiron)", 11, SE_CHIRON},
    {"ВУз (mean node)", 13, SE_MEAN_NODE},
    {"Лилит (mean apogee)", 16, SE_MEAN_APOG},
}};

// Cusp rows: the Ascendant and MC of the Placidus chart, then the intermediate cusps of
// Placidus and Koch (2, 3, 11 and 12 together).
constexpr std::array<const char*, 4> kCuspRows = {
    "Асцендент (Ascendant)", "MC", "Плацидус, куспиды 2, 3, 11, 12", "Кох, куспиды 2, 3, 11, 12"};

// Differences in arc-minutes per row and era.
using Samples = std::array<std::vector<double>, kEras.size()>;

double Difference(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0)) * 60;
}

int EraOf(double year) {
    for (size_t e = 0; e < kEras.size(); ++e)
        if (year >= kEras[e].from && year <= kEras[e].to) return static_cast<int>(e);
    return -1;
}

double Quantile(std::vector<double>& v, double q) {
    if (v.empty()) return NAN;
    const size_t k = std::min(v.size() - 1, static_cast<size_t>(q * (v.size() - 1) + 0.5));
    std::nth_element(v.begin(), v.begin() + static_cast<long>(k), v.end());
    return v[k];
}

std::string Minutes(double x) {
    if (std::isnan(x)) return "—";
    char buf[32];
    std::snprintf(buf, sizeof buf, x < 10 ? "%.2f′" : x < 100 ? "%.1f′" : "%.0f′", x);
    return buf;
}

std::string Cell(std::vector<double>& v) {
    if (v.empty()) return "—";
    const double median = Quantile(v, 0.5), p95 = Quantile(v, 0.95);
    const double max = *std::max_element(v.begin(), v.end());
    return Minutes(median) + " / " + Minutes(p95) + " / " + Minutes(max);
}

std::string TableRow(const char* caption, Samples& s) {
    std::string row = std::string("| ") + caption + " |";
    for (auto& era : s) row += " " + Cell(era) + " |";
    return row + "\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::string output = argc > 1 ? argv[1] : "docs/accuracy.md";
    // Swiss Ephemeris proper where its data files are installed (Debian: swe-basic-data),
    // else its analytical mode, which needs none.
    const char* kDataFolder = "/usr/share/libswe/ephe";
    const bool dataFiles = std::filesystem::exists(std::string(kDataFolder) + "/sepl_18.se1");
    if (dataFiles) swe_set_ephe_path(kDataFolder);
    const int32 flags = dataFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH;

    std::array<Samples, kBodies.size()> bodies;
    std::array<Samples, kCuspRows.size()> cusps;
    std::array<bool, kBodies.size()> unavailable{};
    int moments = 0;
    const double first = JulianDay(1, 1, 1880), last = JulianDay(31, 12, 2050) + 0.99;
    // A step of 1.37 days walks through every time of day, every lunar phase and, with the
    // place moving each time, latitudes -60..60 and every longitude.
    for (double jd = first; jd <= last; jd += 1.37, ++moments) {
        const CalendarDate c = CalendarFromJulianDay(jd);
        const double minutes = std::trunc((c.day - std::trunc(c.day)) * 1440);
        const double lat = std::trunc(std::fmod(moments * 7.3, 121.0)) - 60;
        const double lon = std::fmod(moments * 13.7, 360.0) - 180;
        const ChartMoment m{
            c.year, c.month, std::trunc(c.day), std::trunc(minutes / 60), std::fmod(minutes, 60),
            lat,    lon};
        const Chart placidus = ComputeChart(m, HouseSystem::Placidus);
        const Chart koch = ComputeChart(m, HouseSystem::Koch);
        const double ut = JulianDay(m.day + (m.hour + m.minute / 60) / 24, m.month, m.year);
        const int era = EraOf(c.year);
        if (era < 0) continue;
        for (size_t k = 0; k < kBodies.size(); ++k) {
            double xx[6];
            char serr[AS_MAXCH];
            if (swe_calc_ut(ut, kBodies[k].planet, flags, xx, serr) < 0) {
                unavailable[k] = true;
                continue;
            }
            bodies[k][era].push_back(Difference(placidus.bodies[kBodies[k].body], xx[0]));
        }
        double theirs[13], ascmc[10];
        swe_houses_ex(ut, 0, lat, lon, 'P', theirs, ascmc);
        cusps[0][era].push_back(Difference(placidus.cusps[1], ascmc[0]));
        cusps[1][era].push_back(Difference(placidus.cusps[10], ascmc[1]));
        for (int q : {2, 3, 11, 12})
            cusps[2][era].push_back(Difference(placidus.cusps[q], theirs[q]));
        swe_houses_ex(ut, 0, lat, lon, 'K', theirs, ascmc);
        for (int q : {2, 3, 11, 12}) cusps[3][era].push_back(Difference(koch.cusps[q], theirs[q]));
    }

    char version[AS_MAXCH];
    swe_version(version);
    std::string md;
    md += "# Accuracy of the positions\n\n";
    md += "How far the program's closed-form formulas lie from Swiss Ephemeris " +
          std::string(version) + " (" +
          (dataFiles ? "with its data files" : "in its analytical mode, without data files") +
          ") over 1880–2050: " + std::to_string(moments) +
          " moments, one every 1.37 days, each at another time of day and another place "
          "(latitudes −60° to 60°, every longitude). Each cell gives the median, the 95th "
          "percentile and the largest absolute difference in the era, in arc-minutes "
          "(60′ = 1°).\n\n";
    md += "The entered clock time is taken as Universal Time, as the program takes it (it "
          "applies no delta T); the reference positions are geocentric apparent ecliptic "
          "longitudes of the date. Proserpina and Selena are the program's own points and have "
          "no counterpart to compare with; the descending node is the ascending node plus 180° "
          "and differs as much.\n\n";
    md += "Generated by `omvera-accuracy` (`tools/accuracy.cpp`); see the README for how to "
          "run it again.\n\n";
    md += "## Bodies\n\n| | " + std::string(kEras[0].caption) + " | " + kEras[1].caption + " | " +
          kEras[2].caption + " |\n|---|---|---|---|\n";
    for (size_t k = 0; k < kBodies.size(); ++k) {
        if (unavailable[k]) bodies[k] = Samples{};
        md += TableRow(kBodies[k].caption, bodies[k]);
    }
    md += "\n## Houses\n\nThe program's own sidereal time and obliquity against Swiss "
          "Ephemeris's houses for the same moment and place.\n\n| | " +
          std::string(kEras[0].caption) + " | " + kEras[1].caption + " | " + kEras[2].caption +
          " |\n|---|---|---|---|\n";
    for (size_t r = 0; r < kCuspRows.size(); ++r) md += TableRow(kCuspRows[r], cusps[r]);
    try {
        WriteFileAtomically(output, md);
    } catch (const Error& e) {
        std::fprintf(stderr, "omvera-accuracy: %s\n", e.what());
        return 1;
    }
    std::printf("%s: %d moments, %s\n", output.c_str(), moments,
                dataFiles ? "Swiss Ephemeris data files" : "Swiss Ephemeris analytical mode");
    return 0;
}
