// Local clock time -> Greenwich time against known clock history of the system's time-zone
// database, the town's mean time before standard time, clock changes, old-style dates, and
// the TZif and POSIX-TZ readers on damaged input. Nothing here reads the TZ variable.
#include "base/errors.h"
#include "base/text_file.h"
#include "input/chart_form.h"
#include "input/local_time.h"

#include <gtest/gtest.h>

#include <map>

namespace omvera {
namespace {

const TimeZoneHistory& Zone(const std::string& name) {
    static std::map<std::string, TimeZoneHistory> zones;
    auto it = zones.find(name);
    if (it == zones.end()) it = zones.emplace(name, TimeZoneHistory::Load(name)).first;
    return it->second;
}

PlaceClock At(const std::string& zone, double longitude, const std::string& cc = "RU") {
    return {&Zone(zone), longitude, cc};
}

// Greenwich time of a local one that has exactly one reading, as "D.M.YYYY H:MM".
std::string Greenwich(const PlaceClock& place, CivilDateTime local,
                      std::int32_t* offset = nullptr) {
    const LocalTimeResult r = ToUniversal(place, local);
    EXPECT_EQ(r.kind, LocalTimeCase::Unique);
    if (r.readings.empty()) return "none";
    if (offset) *offset = r.readings[0].offset;
    const CivilDateTime g = CivilOf(r.readings[0].universal);
    return std::to_string(g.day) + "." + std::to_string(g.month) + "." + std::to_string(g.year) +
           " " + std::to_string(g.hour) + ":" + (g.minute < 10 ? "0" : "") +
           std::to_string(g.minute);
}

const double kMoscowLon = 37.61556, kNovosibirskLon = 82.9346, kSamaraLon = 50.15;

TEST(LocalTime, MoscowAcrossTheRussianClockChanges) {
    const PlaceClock moscow = At("Europe/Moscow", kMoscowLon);
    std::int32_t off = 0;
    // Summer time of 1985: UTC+4.
    EXPECT_EQ(Greenwich(moscow, {1985, 7, 1, 12, 0}, &off), "1.7.1985 8:00");
    EXPECT_EQ(off, 4 * 3600);
    EXPECT_NE(ToUniversal(moscow, {1985, 7, 1, 12, 0}).readings[0].reason.find("летнее"),
              std::string::npos);
    // Winter 1985: decree time UTC+3.
    EXPECT_EQ(Greenwich(moscow, {1985, 1, 15, 12, 0}), "15.1.1985 9:00");
    EXPECT_NE(ToUniversal(moscow, {1985, 1, 15, 12, 0}).readings[0].reason.find("декретное"),
              std::string::npos);
    // 2011-2014: UTC+4 all year, no winter time.
    EXPECT_EQ(Greenwich(moscow, {2012, 1, 1, 12, 0}), "1.1.2012 8:00");
    EXPECT_NE(ToUniversal(moscow, {2012, 1, 1, 12, 0}).readings[0].reason.find("2011–2014"),
              std::string::npos);
    // Since 26 October 2014: UTC+3.
    EXPECT_EQ(Greenwich(moscow, {2015, 1, 1, 12, 0}), "1.1.2015 9:00");
    // Near midnight the Greenwich date is the day before.
    EXPECT_EQ(Greenwich(moscow, {1990, 1, 1, 2, 0}), "31.12.1989 23:00");
}

TEST(LocalTime, NovosibirskAndSamaraAcrossTheirOwnChanges) {
    const PlaceClock nsk = At("Asia/Novosibirsk", kNovosibirskLon);
    EXPECT_EQ(Greenwich(nsk, {2010, 1, 15, 12, 0}), "15.1.2010 6:00"); // UTC+6
    EXPECT_EQ(Greenwich(nsk, {2012, 1, 15, 12, 0}), "15.1.2012 5:00"); // UTC+7 all year
    EXPECT_EQ(Greenwich(nsk, {2015, 1, 15, 12, 0}), "15.1.2015 6:00"); // back to UTC+6
    EXPECT_EQ(Greenwich(nsk, {2017, 1, 15, 12, 0}), "15.1.2017 5:00"); // UTC+7 since 2016
    const PlaceClock samara = At("Europe/Samara", kSamaraLon);
    EXPECT_EQ(Greenwich(samara, {2010, 1, 15, 12, 0}), "15.1.2010 8:00"); // UTC+4
    EXPECT_EQ(Greenwich(samara, {2011, 1, 15, 12, 0}), "15.1.2011 9:00"); // Moscow time, UTC+3
    EXPECT_EQ(Greenwich(samara, {2012, 1, 15, 12, 0}), "15.1.2012 8:00"); // UTC+4 again
    EXPECT_EQ(Greenwich(samara, {1985, 7, 1, 12, 0}), "1.7.1985 7:00");   // summer, UTC+5
}

TEST(LocalTime, BeforeStandardTimeEachTownKeptItsOwnMeanTime) {
    // Chelyabinsk shares Yekaterinburg's zone, whose file starts with Yekaterinburg's mean
    // time (4:02:33); the town's own is 61.4291° × 4 min = 4:05:43.
    const PlaceClock chelyabinsk = At("Asia/Yekaterinburg", 61.4291);
    const LocalTimeResult r = ToUniversal(chelyabinsk, {1910, 5, 1, 12, 0});
    ASSERT_EQ(r.readings.size(), 1u);
    EXPECT_EQ(r.readings[0].offset, 4 * 3600 + 5 * 60 + 43);
    EXPECT_TRUE(r.readings[0].meanTime);
    EXPECT_EQ(Greenwich(chelyabinsk, {1910, 5, 1, 12, 0}), "1.5.1910 7:54");
    EXPECT_NE(r.readings[0].reason.find("61°26′ в.д."), std::string::npos);
    // Saint Petersburg is filed under Moscow's zone, which keeps Moscow mean time until 1919;
    // Petersburg's own clock ran half an hour behind it.
    const PlaceClock petersburg = At("Europe/Moscow", 30.3141);
    EXPECT_EQ(Greenwich(petersburg, {1900, 3, 14, 12, 0}), "14.3.1900 9:59");
    // Summer time of 1917 came on top of the town's mean time.
    std::int32_t off = 0;
    Greenwich(petersburg, {1917, 7, 15, 12, 0}, &off);
    EXPECT_EQ(off, 7275 + 3600);
    // July 1919: Moscow's summer time already counted from standard time (UTC+4).
    Greenwich(petersburg, {1919, 7, 15, 12, 0}, &off);
    EXPECT_EQ(off, 4 * 3600);
    // Standard time from 1919 on: the zone's own offset, whatever the town's longitude.
    const PlaceClock nsk = At("Asia/Novosibirsk", kNovosibirskLon);
    EXPECT_EQ(Greenwich(nsk, {1918, 6, 1, 12, 0}), "1.6.1918 6:28");
    EXPECT_EQ(Greenwich(nsk, {1925, 6, 1, 12, 0}), "1.6.1925 6:00");
}

TEST(LocalTime, SouthernSummerTimeAlsoAfterTheListedTransitions) {
    const PlaceClock sydney = At("Australia/Sydney", 151.2073, "AU");
    EXPECT_EQ(Greenwich(sydney, {2000, 1, 15, 12, 0}), "15.1.2000 1:00"); // AEDT, UTC+11
    EXPECT_EQ(Greenwich(sydney, {2000, 7, 15, 12, 0}), "15.7.2000 2:00"); // AEST, UTC+10
    // After 2037 the file gives only its rule text: the same seasons must come out.
    EXPECT_EQ(Greenwich(sydney, {2045, 1, 15, 12, 0}), "15.1.2045 1:00");
    EXPECT_EQ(Greenwich(sydney, {2045, 7, 15, 12, 0}), "15.7.2045 2:00");
    EXPECT_EQ(Greenwich(sydney, {2045, 12, 31, 23, 0}), "31.12.2045 12:00");
    EXPECT_EQ(ToUniversal(sydney, {2000, 1, 15, 12, 0}).readings[0].reason, "летнее время");
}

TEST(LocalTime, ClockChangesGiveTwoReadings) {
    const PlaceClock moscow = At("Europe/Moscow", kMoscowLon);
    // 29 September 1985, 3:00 summer time became 2:00: 2:30 happened twice.
    const LocalTimeResult back = ToUniversal(moscow, {1985, 9, 29, 2, 30});
    ASSERT_EQ(back.kind, LocalTimeCase::Ambiguous);
    ASSERT_EQ(back.readings.size(), 2u);
    EXPECT_EQ(CivilOf(back.readings[0].universal), (CivilDateTime{1985, 9, 28, 22, 30}));
    EXPECT_EQ(CivilOf(back.readings[1].universal), (CivilDateTime{1985, 9, 28, 23, 30}));
    EXPECT_TRUE(back.readings[0].summer);
    EXPECT_FALSE(back.readings[1].summer);
    // 31 March 1985, 2:00 became 3:00: 2:30 never happened.
    const LocalTimeResult forward = ToUniversal(moscow, {1985, 3, 31, 2, 30});
    ASSERT_EQ(forward.kind, LocalTimeCase::Missing);
    ASSERT_EQ(forward.readings.size(), 2u);
    EXPECT_EQ(forward.readings[0].offset, 3 * 3600); // the clock before the change
    EXPECT_EQ(forward.readings[0].abbreviation, "MSK");
    EXPECT_FALSE(forward.readings[0].summer);
    EXPECT_EQ(forward.readings[1].offset, 4 * 3600);
    EXPECT_EQ(forward.readings[1].abbreviation, "MSD");
    EXPECT_EQ(CivilOf(forward.readings[0].universal), (CivilDateTime{1985, 3, 30, 23, 30}));
    EXPECT_EQ(CivilOf(forward.readings[1].universal), (CivilDateTime{1985, 3, 30, 22, 30}));
    // The minutes just around a change read uniquely.
    EXPECT_EQ(ToUniversal(moscow, {1985, 3, 31, 1, 59}).kind, LocalTimeCase::Unique);
    EXPECT_EQ(ToUniversal(moscow, {1985, 3, 31, 3, 0}).kind, LocalTimeCase::Unique);
    // Samara, 31 October 2010: from UTC+4 to Moscow time.
    const LocalTimeResult samara =
        ToUniversal(At("Europe/Samara", kSamaraLon), {2010, 10, 31, 2, 30});
    EXPECT_EQ(samara.kind, LocalTimeCase::Ambiguous);
    // A manual offset overrides everything.
    EXPECT_EQ(CivilOf(ToUniversalWithOffset({1985, 9, 29, 2, 30}, 5 * 3600).universal),
              (CivilDateTime{1985, 9, 28, 21, 30}));
}

TEST(LocalTime, ImpossibleDatesAreRefused) {
    const PlaceClock moscow = At("Europe/Moscow", kMoscowLon);
    EXPECT_THROW(ToUniversal(moscow, {1985, 2, 29, 12, 0}), Error);
    EXPECT_THROW(ToUniversal(moscow, {1985, 4, 31, 12, 0}), Error);
    EXPECT_THROW(ToUniversal(moscow, {1985, 4, 1, 24, 0}), Error);
    EXPECT_NO_THROW(ToUniversal(moscow, {2000, 2, 29, 12, 0}));
}

TEST(OldStyle, JulianDatesBecomeGregorianWithTheirCenturysLag) {
    // "Bloody Sunday": 9 January 1905 old style is 22 January new style.
    EXPECT_EQ(NewStyleOf({1905, 1, 9, 10, 0}), (CivilDateTime{1905, 1, 22, 10, 0}));
    EXPECT_EQ(OldStyleLag({1905, 1, 9, 0, 0}), 13);
    EXPECT_EQ(OldStyleLag({1890, 6, 1, 0, 0}), 12);
    // 29 February 1900 exists only in the old style; the lag grows to 13 on the next day.
    EXPECT_EQ(NewStyleOf({1900, 2, 29, 0, 0}), (CivilDateTime{1900, 3, 13, 0, 0}));
    EXPECT_EQ(OldStyleLag({1900, 2, 29, 0, 0}), 12);
    EXPECT_EQ(NewStyleOf({1900, 3, 1, 0, 0}), (CivilDateTime{1900, 3, 14, 0, 0}));
    // The last old-style day, and the year's end crossing.
    EXPECT_EQ(NewStyleOf({1918, 1, 31, 0, 0}), (CivilDateTime{1918, 2, 13, 0, 0}));
    EXPECT_EQ(NewStyleOf({1910, 12, 25, 0, 0}), (CivilDateTime{1911, 1, 7, 0, 0}));
    EXPECT_THROW(NewStyleOf({1918, 2, 1, 0, 0}), Error);
    EXPECT_THROW(NewStyleOf({1950, 1, 1, 0, 0}), Error);
    EXPECT_THROW(NewStyleOf({1901, 2, 29, 0, 0}), Error);
}

TEST(FormNotation, DegreesAndMinutesBothWays) {
    EXPECT_EQ(FormNotation(55.75222), "55.45");
    EXPECT_EQ(FormNotation(37.61556), "37.37");
    EXPECT_EQ(FormNotation(-33.8678), "-33.52");
    EXPECT_EQ(FormNotation(151.2073), "151.12");
    EXPECT_EQ(FormNotation(59.9999), "60.00"); // minutes carry into degrees
    EXPECT_EQ(FormNotation(-0.5), "-0.30");
    EXPECT_EQ(FormNotation(-0.001), "0.00");
    EXPECT_EQ(FormNotation(1.05), "1.03");
    EXPECT_DOUBLE_EQ(*DegreesOfFormNotation("55.45"), 55.75);
    EXPECT_DOUBLE_EQ(*DegreesOfFormNotation("-33.52"), -33 - 52 / 60.0);
    EXPECT_DOUBLE_EQ(*DegreesOfFormNotation("56.4"), 56 + 40 / 60.0);
    EXPECT_DOUBLE_EQ(*DegreesOfFormNotation("92"), 92);
    EXPECT_FALSE(DegreesOfFormNotation("55.75"));
    EXPECT_FALSE(DegreesOfFormNotation("55,45"));
    EXPECT_FALSE(DegreesOfFormNotation("север"));
    EXPECT_FALSE(DegreesOfFormNotation(""));
}

TEST(Offsets, FormatAndParse) {
    EXPECT_EQ(FormatOffset(4 * 3600), "UTC+4");
    EXPECT_EQ(FormatOffset(-(3 * 3600 + 1800)), "UTC-3:30");
    EXPECT_EQ(FormatOffset(9017), "UTC+2:30:17");
    EXPECT_EQ(FormatOffset(0), "UTC+0");
    EXPECT_EQ(ParseOffset("+4"), 4 * 3600);
    EXPECT_EQ(ParseOffset("4"), 4 * 3600);
    EXPECT_EQ(ParseOffset("UTC-3:30"), -(3 * 3600 + 1800));
    EXPECT_EQ(ParseOffset("+2:30:17"), 9017);
    EXPECT_FALSE(ParseOffset("16"));
    EXPECT_FALSE(ParseOffset("4:60"));
    EXPECT_FALSE(ParseOffset("четыре"));
    EXPECT_FALSE(ParseOffset("+"));
    EXPECT_FALSE(ParseOffset("1:2:3:4"));
}

TEST(WriteToForm, GreenwichMomentAndPlaceInTheFormsNotation) {
    ChartForm form;
    const PlaceClock moscow = At("Europe/Moscow", kMoscowLon);
    WriteToForm(form, ToUniversal(moscow, {1985, 7, 1, 12, 0}).readings[0].universal, 55.75222,
                kMoscowLon);
    EXPECT_EQ(form.SpinEdit1.Value(), 1985);
    EXPECT_EQ(form.ComboBox1, 6);
    EXPECT_EQ(form.SpinEdit2.Value(), 1);
    EXPECT_EQ(form.SpinEdit3.Value(), 8);
    EXPECT_EQ(form.SpinEdit4.Value(), 0);
    EXPECT_EQ(form.Edit2, "55.45");
    EXPECT_EQ(form.Edit3, "37.37");
    // Seconds of a mean-time offset round to the nearest minute.
    WriteToForm(form, InstantOf({1900, 1, 1, 9, 29}) + 43, 0, 0);
    EXPECT_EQ(form.SpinEdit4.Value(), 30);
    // A Greenwich date outside the form's years is refused and nothing is written.
    const ChartForm before = form;
    EXPECT_THROW(WriteToForm(form, InstantOf({1879, 12, 31, 22, 0}), 1, 1), Error);
    EXPECT_EQ(form.SpinEdit1.Value(), before.SpinEdit1.Value());
    EXPECT_EQ(form.Edit2, before.Edit2);
}

TEST(TimeZoneFile, DamagedOrForeignInputIsAnError) {
    EXPECT_THROW(TimeZoneHistory::Load("../../etc/passwd"), Error);
    EXPECT_THROW(TimeZoneHistory::Load("Europe/Nowhere"), Error);
    EXPECT_THROW(TimeZoneHistory::Load("/etc/passwd"), Error);
    EXPECT_FALSE(IsZoneName("Europe/../Moscow"));
    EXPECT_TRUE(IsZoneName("America/Port-au-Prince"));
    EXPECT_TRUE(IsZoneName("Etc/GMT+3"));
    EXPECT_THROW(TimeZoneHistory::Parse("x", "not a zone file at all, just text"), Error);
    // Every truncation of a real file fails cleanly instead of reading past its end.
    const std::string bytes = ReadFileBytes(std::string(kSystemZoneFolder) + "/Europe/Moscow");
    for (std::size_t n : {0, 4, 44, 100, 300, 1000}) {
        if (n >= bytes.size()) continue;
        EXPECT_THROW(TimeZoneHistory::Parse("Europe/Moscow", bytes.substr(0, n)), Error) << n;
    }
    std::string v1 = bytes;
    v1[4] = '\0'; // version 1 only: no 64-bit history
    EXPECT_THROW(TimeZoneHistory::Parse("Europe/Moscow", v1), Error);
}

TEST(TimeZoneFile, PosixRuleTexts) {
    const auto fixed = ParsePosixZoneRule("MSK-3");
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->standard.offset, 3 * 3600);
    EXPECT_FALSE(fixed->hasSummer);
    const auto quoted = ParsePosixZoneRule("<-03>3");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->standard.offset, -3 * 3600);
    EXPECT_EQ(quoted->standard.abbreviation, "-03");
    const auto sydney = ParsePosixZoneRule("AEST-10AEDT,M10.1.0,M4.1.0/3");
    ASSERT_TRUE(sydney);
    EXPECT_EQ(sydney->summer.offset, 11 * 3600);
    EXPECT_EQ(sydney->end.time, 3 * 3600);
    const auto lord = ParsePosixZoneRule("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    ASSERT_TRUE(lord);
    EXPECT_EQ(lord->standard.offset, 10 * 3600 + 1800);
    for (const char* bad : {"", "M", "MSK", "MSK-3MSD,M13.1.0,M4.1.0", "EST5EDT", "EST5EDT,M3.2.0",
                            "<+04-4", "EST5EDT,M3.2.0,M11.1.0/"})
        EXPECT_FALSE(ParsePosixZoneRule(bad)) << bad;
}

} // namespace
} // namespace omvera
