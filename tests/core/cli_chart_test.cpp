// omvera-cli chart: its output against the same computation in process, the warning and
// the refusal of bad arguments.
#include "app/chart_state.h"
#include "app/state.h"

#include "tests/core/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace omvera;
using omvera_test::RunCli;
using omvera_test::RunResult;
using ::testing::HasSubstr;

namespace {

RunResult RunChart(const std::string& arguments) {
    return RunCli("chart " + arguments);
}

// The numbers of a JSON array named `key`.
std::vector<double> JsonArray(const std::string& json, const std::string& key) {
    std::vector<double> out;
    size_t at = json.find("\"" + key + "\": [");
    if (at == std::string::npos) return out;
    at = json.find('[', at) + 1;
    const size_t end = json.find(']', at);
    std::stringstream ss(json.substr(at, end - at));
    std::string item;
    while (std::getline(ss, item, ',')) out.push_back(std::strtod(item.c_str(), nullptr));
    return out;
}

double JsonNumber(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\": ");
    return at == std::string::npos ? -1 : std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

} // namespace

TEST(CliChart, JsonRoundTripsTheEngineExactly) {
    const RunResult r =
        RunChart("--date 15.1.1980 --time 12:30 --lat 56.01 --lon 92.45 --houses K --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_THAT(r.out, HasSubstr("\"house_system\": \"K\""));
    EXPECT_THAT(r.out, ::testing::Not(HasSubstr("warning")));

    State s;
    s.ID1.SetMonthIndex(0); // the form's other fields hold 1980, 15, 12, 30, "56.01", "92.45"
    ReadChartInput(s, 1);
    for (int n = 1; n <= 16; ++n) ComputeBody(s, n);
    ComputeHouses(s, 1, 'K', s.HouseCusps);

    EXPECT_EQ(JsonNumber(r.out, "jd"), JulianDay(s.moment.day, 1, 1980));
    const std::vector<double> bodies = JsonArray(r.out, "bodies");
    const std::vector<double> cusps = JsonArray(r.out, "cusps");
    ASSERT_EQ(bodies.size(), 16u);
    ASSERT_EQ(cusps.size(), 12u);
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(bodies[n - 1], s.BodyPositions[n]) << n;
    for (int q = 1; q <= 12; ++q) EXPECT_EQ(cusps[q - 1], s.HouseCusps[q]) << q;
}

TEST(CliChart, ReadableTableAndDefaultPlacidus) {
    const RunResult r = RunChart("--date 1.5.2000 --time 0:60 --lat 55.45 --lon 37.37");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Солн "));
    EXPECT_THAT(r.out, HasSubstr("Лил "));
    EXPECT_THAT(r.out, HasSubstr("Дома: Плацидус"));
    EXPECT_THAT(r.out, HasSubstr("Асц"));
    EXPECT_THAT(r.out, HasSubstr("XII"));
    EXPECT_THAT(r.out, HasSubstr("Телец")); // the Sun on 1 May
}

TEST(CliChart, WarnsWhereTheHouseSystemIsUndefined) {
    const RunResult r = RunChart("--date 15.6.1980 --time 3:00 --lat 70 --lon 20 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"warnings\": [\"Система домов \\\"Плацидус\\\" не определена"));
    EXPECT_THAT(r.err, HasSubstr("Предупреждение"));
    const std::vector<double> cusps = JsonArray(r.out, "cusps");
    ASSERT_EQ(cusps.size(), 12u);
    for (double c : cusps) {
        EXPECT_GE(c, 0);
        EXPECT_LE(c, 360);
    }
    const RunResult m =
        RunChart("--date 15.6.1980 --time 3:00 --lat 70 --lon 20 --houses M --json");
    ASSERT_EQ(m.status, 0);
    EXPECT_THAT(m.out, ::testing::Not(HasSubstr("warning")));
}

TEST(CliChart, RefusesBadArguments) {
    const std::string place = " --lat 56.01 --lon 92.45";
    const char* bad[] = {
        "--date 15.1.1980 --time 12:30 --lat 1 --lon 2 --colour red",
        "--date 15-1-1980 --time 12:30",
        "--date 15.1.80 --time 12:30",
        "--date 15.1.1879 --time 12:30",
        "--date 15.1.2051 --time 12:30",
        "--date 15.0.1980 --time 12:30",
        "--date 15.13.1980 --time 12:30",
        "--date 0.1.1980 --time 12:30",
        "--date 32.1.1980 --time 12:30",
        "--date 15.1.1980 --time 24:00",
        "--date 15.1.1980 --time 12:61",
        "--date 15.1.1980 --time 12.30",
        "--date 15.1.1980 --time 12:30 --houses X",
        "--date 15.1.1980 --time 12:30 --houses PK",
        "--time 12:30",
        "--date 15.1.1980",
    };
    for (const char* args : bad) {
        const std::string line =
            std::string(args) + (std::string(args).find("--lat") == std::string::npos ? place : "");
        const RunResult r = RunChart(line);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_THAT(r.err, HasSubstr("omvera-cli: chart: ")) << line;
        EXPECT_EQ(r.out, "") << line;
    }
    const RunResult missing = RunChart("--date 15.1.1980 --time 12:30 --lat");
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("нет значения"));
    // The ends of the ranges are accepted.
    EXPECT_EQ(RunChart("--date 31.12.2050 --time 23:60" + place).status, 0);
    EXPECT_EQ(RunChart("--date 1.1.1880 --time 0:0" + place).status, 0);
}

TEST(CliChart, HelpNamesEveryOption) {
    const RunResult r = RunChart("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--date", "--time", "--lat", "--lon", "--houses", "--json"})
        EXPECT_THAT(r.out, HasSubstr(option));
}
