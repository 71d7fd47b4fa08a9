// omvera-cli with local time: the same chart as with the Greenwich time and coordinates it
// stands for, the choice at a clock change, the old style, argument errors, and the place
// command. The companion runs in the build folder, whose Dann holds the list of old names.
#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using omvera_test::RunCommand;
using omvera_test::RunResult;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The companion runs in the build folder, whose Dann it finds as the program folder.
RunResult Cli(const std::string& arguments) {
    return RunCommand("cd '" OMVERA_BUILD_DIR "' && ./omvera-cli " + arguments);
}

// Both command lines succeed and print the same chart.
void ExpectSameChart(const std::string& local, const std::string& greenwich) {
    const RunResult a = Cli("chart " + local + " --json");
    const RunResult b = Cli("chart " + greenwich + " --json");
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, b.out) << local;
    EXPECT_FALSE(a.out.empty());
}

TEST(CliLocalTime, LocalTimeAndPlaceGiveTheChartOfTheirGreenwichTime) {
    // Moscow, summer 1985: UTC+4; Moscow lies at 55°45′ N, 37°37′ E.
    ExpectSameChart("--local-date 1.7.1985 --local-time 12:00 --place Москва",
                    "--date 1.7.1985 --time 8:00 --lat 55.45 --lon 37.37");
    ExpectSameChart("--local-date 1.7.1985 --local-time 12:00 --zone Europe/Moscow --lat 55.45 "
                    "--lon 37.37",
                    "--date 1.7.1985 --time 8:00 --lat 55.45 --lon 37.37");
    // 2012 without winter time, 2015 with UTC+3; given coordinates win over the town's.
    ExpectSameChart("--local-date 1.1.2012 --local-time 12:00 --place Moscow --lat 50.00",
                    "--date 1.1.2012 --time 8:00 --lat 50.00 --lon 37.37");
    ExpectSameChart("--local-date 1.1.2015 --local-time 1:30 --place москва",
                    "--date 31.12.2014 --time 22:30 --lat 55.45 --lon 37.37");
    // The Southern hemisphere in its summer.
    ExpectSameChart("--local-date 15.1.2000 --local-time 12:00 --place \"Sydney, Australia\"",
                    "--date 15.1.2000 --time 1:00 --lat -33.52 --lon 151.12");
    // A manual offset.
    ExpectSameChart("--local-date 1.7.1985 --local-time 12:00 --offset +5 --lat 55.45 --lon 37.37",
                    "--date 1.7.1985 --time 7:00 --lat 55.45 --lon 37.37");
    // The place alone gives only the coordinates to a Greenwich time.
    ExpectSameChart("--date 1.7.1985 --time 8:00 --place Samara",
                    "--date 1.7.1985 --time 8:00 --lat 53.12 --lon 50.09");
}

TEST(CliLocalTime, OldStyleDateAndTheTownsMeanTime) {
    // 9 January 1905 old style = 22 January; Petersburg's mean time was UTC+2:01:15.
    ExpectSameChart("--local-date 9.1.1905 --local-time 12:00 --old-style --place Ленинград",
                    "--date 22.1.1905 --time 9:59 --lat 59.56 --lon 30.19");
    const RunResult late = Cli("chart --local-date 1.3.1918 --local-time 12:00 --old-style "
                               "--place Москва");
    EXPECT_EQ(late.status, 1);
    EXPECT_THAT(late.err, HasSubstr("31 января 1918"));
}

TEST(CliLocalTime, ClockChangeNeedsAReading) {
    const RunResult twice = Cli("chart --local-date 29.9.1985 --local-time 2:30 --place Москва");
    EXPECT_EQ(twice.status, 2);
    EXPECT_THAT(twice.err, HasSubstr("было дважды"));
    EXPECT_THAT(twice.err, HasSubstr("1) 28.09.1985 22:30 по Гринвичу, UTC+4"));
    EXPECT_THAT(twice.err, HasSubstr("2) 28.09.1985 23:30 по Гринвичу, UTC+3"));
    ExpectSameChart("--local-date 29.9.1985 --local-time 2:30 --place Москва --reading 2",
                    "--date 28.9.1985 --time 23:30 --lat 55.45 --lon 37.37");
    const RunResult never = Cli("chart --local-date 31.3.1985 --local-time 2:30 --place Москва");
    EXPECT_EQ(never.status, 2);
    EXPECT_THAT(never.err, HasSubstr("не существовало"));
    ExpectSameChart("--local-date 31.3.1985 --local-time 2:30 --place Москва --reading 1",
                    "--date 30.3.1985 --time 23:30 --lat 55.45 --lon 37.37");
}

TEST(CliLocalTime, BadArguments) {
    const struct {
        const char* args;
        int status;
        const char* message;
    } cases[] = {
        {"--date 1.7.1985 --local-time 12:00 --place Москва --lat 1 --lon 1", 2, "либо --date"},
        {"--local-time 12:00 --place Москва", 2, "--local-date"},
        {"--local-date 1.7.1985 --local-time 12:00 --lat 1 --lon 1", 2, "--place, --zone"},
        {"--local-date 1.7.1985 --local-time 12:00 --zone Europe/Moscow --lat 55.45", 2, "--lon"},
        {"--local-date 1.7.1985 --local-time 12:00 --place Zzqqxx", 2, "не найдено"},
        {"--local-date 1.7.1985 --local-time 12:00 --place Москва --zone Europe/Moscow", 2,
         "вместе"},
        {"--date 1.7.1985 --time 8:00 --lat 1 --lon 1 --zone Europe/Moscow", 2, "только с"},
        {"--local-date 1.7.1985 --local-time 12:00 --zone ../../etc/passwd --lat 1 --lon 1", 1,
         "не название часового пояса"},
        {"--local-date 1.7.1985 --local-time 12:00 --zone Europe/Nowhere --lat 1 --lon 1", 1,
         "не найден"},
        {"--local-date 1.7.1985 --local-time 12:00 --place Москва --reading 3", 2, "--reading"},
        {"--local-date 1.7.1985 --local-time 12:00 --offset +25 --lat 1 --lon 1", 2, "смещение"},
        {"--local-date 29.2.1985 --local-time 12:00 --place Москва", 1, "Нет такой даты"},
        {"--local-date 1.1.1880 --local-time 1:00 --place Москва", 2, "вне пределов"},
    };
    for (const auto& c : cases) {
        const RunResult r = Cli(std::string("chart ") + c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.message)) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

TEST(CliPlace, ListsNamesakesWithCoordinatesAndZone) {
    const RunResult r = Cli("place Moscow");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Москва (Moscow) — Россия\t55.45\t37.37\tEurope/Moscow");
    EXPECT_THAT(r.out,
                HasSubstr("Москва (Moscow) — Айдахо, США\t46.44\t-117.00\tAmerica/Los_Angeles"));
    const RunResult old = Cli("place Горький --limit 1");
    ASSERT_EQ(old.status, 0) << old.err;
    EXPECT_EQ(old.out, "Нижний Новгород (Горький) — Нижегородская область, Россия\t56.20\t44.00\t"
                       "Europe/Moscow\n");
    const RunResult json = Cli("place \"Москва, Айдахо\" --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, HasSubstr("\"zone\": \"America/Los_Angeles\""));
    EXPECT_THAT(json.out, HasSubstr("\"lat\": \"46.44\", \"lon\": \"-117.00\""));
    EXPECT_THAT(json.out, Not(HasSubstr("Europe/Moscow")));
    const RunResult none = Cli("place Zzqqxx");
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.err, HasSubstr("не найден"));
    EXPECT_EQ(Cli("place").status, 2);
    EXPECT_EQ(Cli("place Moscow --limit 0").status, 2);
    EXPECT_EQ(Cli("place Moscow Idaho").status, 2);
    EXPECT_EQ(Cli("place Moscow --bogus").status, 2);
}

} // namespace
