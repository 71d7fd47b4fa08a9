// The pieces of omvera-cli batch in process: the JSON Lines and CSV readers (fields, quoting,
// line numbers, every kind of bad record), the JSON writer (escapes, numbers that read back
// exactly, angles correctly rounded to nine decimals, commas, texts longer than its buffer),
// the pipeline's order on two threads, the charts read without the form when the form has
// nothing to say, and the text cache that lets many reports read each file once. The command end to
// end: tests/scripts/cli_batch.py.
#include "astro/chart.h"
#include "base/errors.h"
#include "cli/batch_charts.h"
#include "cli/chart_options.h"
#include "cli/json_line.h"
#include "input/chart_form.h"
#include "reports/text_cache.h"
#include "reports/text_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

using namespace omvera;
using namespace omvera::cli;
using ::testing::HasSubstr;

namespace {

std::vector<BatchRecord> ReadAll(const std::string& text, BatchFormat format) {
    std::istringstream in(text);
    BatchReader reader(in, format);
    std::vector<BatchRecord> out;
    BatchRecord r;
    while (reader.Next(r)) out.push_back(r);
    return out;
}

std::string Field(const BatchRecord& r, BatchField f) {
    const std::string* v = r.Get(f);
    return v ? *v : "<absent>";
}

TEST(BatchJsonLines, FieldsStringsNumbersAndEscapes) {
    const auto records = ReadAll(
        "{\"date\": \"15.3.1980\", \"time\": \"12:30\", \"lat\": 56.01, \"lon\": -92.45e0}\n"
        "\n"
        "  {\"name\": \"\\u0416\\u0443\\u043a \\\"\\u0436\\\" \\ud83d\\ude00\\n\\\\\", "
        "\"houses\": null, \"date\":\"1.1.1880\"}  \r\n"
        "{}\n",
        BatchFormat::JsonLines);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(Field(records[0], BatchField::Lat), "56.01"); // a number is taken as its text
    EXPECT_EQ(Field(records[0], BatchField::Lon), "-92.45e0");
    EXPECT_EQ(Field(records[0], BatchField::Name), "<absent>");
    EXPECT_EQ(records[1].line, 3); // the blank line is skipped but counted
    EXPECT_EQ(records[1].error, "");
    EXPECT_EQ(Field(records[1], BatchField::Name), "Жук \"ж\" \xF0\x9F\x98\x80\n\\");
    EXPECT_EQ(Field(records[1], BatchField::Houses), "<absent>"); // null leaves a field out
    EXPECT_EQ(Field(records[1], BatchField::Date), "1.1.1880");
    EXPECT_EQ(records[2].line, 4);
    EXPECT_EQ(records[2].error, "");
}

TEST(BatchJsonLines, EveryBadRecordCarriesItsOwnError) {
    const std::pair<const char*, const char*> cases[] = {
        {"not json", "JSON"},
        {"{\"date\": \"1.1.1980\"", "«,» или «}»"},
        {"{\"date\": \"1.1.1980\"} x", "лишний текст"},
        {"{\"colour\": \"red\"}", "«colour»"},
        {"{\"date\": \"1.1.1980\", \"date\": \"2.1.1980\"}", "дважды"},
        {"{\"date\": {\"d\": 1}}", "строкой или числом"},
        {"{\"date\": true}", "строкой или числом"},
        {"{\"lat\": 5.6.7}", "неверное число"},
        {"{\"name\": \"open}", "не закрыта"},
        {"{\"name\": \"\\x\"}", "escape"},
        {"{\"name\": \"\\ud83d\"}", "суррогат"},
        {"{\"name\": \"a\tb\"}", "управляющий"},
        {"{date: 1}", "имя поля"},
    };
    for (const auto& [text, word] : cases) {
        BatchRecord r;
        r.values[static_cast<int>(BatchField::Name)] = "stale";
        r.present[static_cast<int>(BatchField::Name)] = true;
        ParseJsonRecord(text, r);
        EXPECT_THAT(r.error, HasSubstr(word)) << text;
        EXPECT_EQ(r.Get(BatchField::Name), nullptr) << text; // nothing half-read is kept
    }
}

TEST(BatchCsv, QuotingLineEndsAndLineNumbers) {
    const auto records =
        ReadAll("\xEF\xBB\xBF"
                "name , date,time,lat,lon,houses\r\n"
                "\"Иванов, Пётр \"\"Старший\"\"\",15.3.1980, 12:30 ,56.01,92.45,K\r\n"
                "\"две\r\nстроки\",1.1.1880,0:00,1,2,\r\n"
                "\r\n"
                ",2.2.1990,1:01,3,4,\"\"\n",
                BatchFormat::Csv);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, 2);
    EXPECT_EQ(Field(records[0], BatchField::Name), "Иванов, Пётр \"Старший\"");
    EXPECT_EQ(Field(records[0], BatchField::Time), "12:30"); // blanks around a field go
    EXPECT_EQ(Field(records[0], BatchField::Houses), "K");
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(Field(records[1], BatchField::Name), "две\nстроки");
    EXPECT_EQ(Field(records[1], BatchField::Houses), "<absent>"); // an empty field is left out
    EXPECT_EQ(records[2].line, 6); // the quoted line end and the blank line counted
    EXPECT_EQ(Field(records[2], BatchField::Name), "<absent>");
    EXPECT_EQ(Field(records[2], BatchField::Houses), "<absent>");
    EXPECT_EQ(Field(records[2], BatchField::Lon), "4");
}

TEST(BatchCsv, BadRowsAndBadHeaders) {
    const auto records = ReadAll("date,time,lat,lon\n"
                                 "1.1.1980,0:00,1\n"
                                 "\"1.1.1980\"x,0:00,1,2\n"
                                 "1.1.1980,0:00,1,2,3\n"
                                 "1.1.1980,0:00,1,2\n"
                                 "\"1.1.1980,0:00,1,2\n",
                                 BatchFormat::Csv);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_THAT(records[0].error, HasSubstr("полей в строке 3"));
    EXPECT_THAT(records[1].error, HasSubstr("запятая"));
    EXPECT_THAT(records[2].error, HasSubstr("полей в строке 5"));
    EXPECT_EQ(records[3].error, "");
    EXPECT_EQ(Field(records[3], BatchField::Lon), "2");
    EXPECT_THAT(records[4].error, HasSubstr("кавычка"));
    EXPECT_EQ(records[4].line, 6);

    EXPECT_THROW(ReadAll("date,time,lat\n1.1.1980,0:00,1\n", BatchFormat::Csv), Error);
    EXPECT_THROW(ReadAll("date,time,lat,lon,lat\n", BatchFormat::Csv), Error);
    EXPECT_THROW(ReadAll("date,time,lat,lon,colour\n", BatchFormat::Csv), Error);
    EXPECT_TRUE(ReadAll("", BatchFormat::Csv).empty());
}

TEST(JsonLineWriter, EscapesNestingAndExactNumbers) {
    std::string out;
    JsonLine j(out);
    j.BeginObject();
    j.Key("a");
    j.String("x\\y\"\n\x01 Ж");
    j.Key("list");
    j.BeginArray();
    j.Integer(-3);
    j.NameString("Лев");
    j.BeginObject();
    j.EndObject();
    j.BeginArray();
    j.EndArray();
    j.Number(0.1);
    j.Number(std::nan(""));
    j.EndArray();
    j.Key("n");
    j.Number(360);
    j.EndObject();
    EXPECT_EQ(out,
              "{\"a\": \"x\\\\y\\\"\\u000a\\u0001 Ж\", \"list\": [-3, \"Лев\", {}, [], 0.1, null], "
              "\"n\": 360}");

    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> any(-400, 400);
    for (int i = 0; i < 10000; ++i) {
        const double x = any(rng) * std::pow(10.0, static_cast<int>(rng() % 40) - 20);
        std::string text;
        AppendJsonNumber(text, x);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), x) << text;
    }
}

// printf's "%.9f" (correctly rounded, ties to even) with the trailing zeros, a bare point and
// the sign of a zero dropped: what AppendJsonDegrees must write.
std::string PrintfDegrees(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.9f", x);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Degrees(double x) {
    std::string s;
    AppendJsonDegrees(s, x);
    return s;
}

TEST(JsonLineWriter, DegreesRoundedToNineDecimalsAsPrintfRoundsThem) {
    EXPECT_EQ(Degrees(0.0), "0");
    EXPECT_EQ(Degrees(-0.0), "0");
    EXPECT_EQ(Degrees(-4e-10), "0"); // rounds to zero: no sign
    EXPECT_EQ(Degrees(-6e-10), "-0.000000001");
    EXPECT_EQ(Degrees(60), "60");
    EXPECT_EQ(Degrees(180.362), "180.362");
    EXPECT_EQ(Degrees(-12.5), "-12.5");
    EXPECT_EQ(Degrees(29.9999999996), "30");
    EXPECT_EQ(Degrees(359.99999999996), "360");
    EXPECT_EQ(Degrees(1.0 / 1024), "0.000976562"); // an exact tie: to even
    EXPECT_EQ(Degrees(3.0 / 1024), "0.002929688");
    EXPECT_EQ(Degrees(999999.9999999999), "1000000");
    EXPECT_EQ(Degrees(1e6), "1e+06"); // from here on: the shortest exact form
    EXPECT_EQ(Degrees(-1234567.125), "-1234567.125");
    EXPECT_EQ(Degrees(1e300), "1e+300");
    EXPECT_EQ(Degrees(DBL_MIN), "0");
    EXPECT_EQ(Degrees(std::nan("")), "null");
    EXPECT_EQ(Degrees(HUGE_VAL), "null");
    EXPECT_EQ(Degrees(-HUGE_VAL), "null");

    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(0, 1);
    auto check = [](double x) {
        const std::string text = Degrees(x);
        ASSERT_EQ(text, PrintfDegrees(x)) << std::hexfloat << x;
        const double back = std::strtod(text.c_str(), nullptr);
        ASSERT_LE(std::fabs(back - x), 5e-10 * (1 + 1e-6) + 4 * DBL_EPSILON * std::fabs(x)) << text;
    };
    for (int i = 0; i < 200000; ++i) {
        // Longitudes, orbs and whole ranges of magnitudes, of both signs.
        const double scale = std::pow(10.0, static_cast<int>(rng() % 18) - 11);
        const double x = (rng() % 2 ? -1 : 1) * unit(rng) * (i % 2 ? 360 : scale);
        check(x);
        // Next to the halfway points between two nine-decimal values and at them: the
        // multiples of 2^-10 that are odd are exact ties.
        const double half = (std::floor(unit(rng) * 360e9) + 0.5) / 1e9;
        check(half);
        check(std::nextafter(half, 0.0));
        check(std::nextafter(half, 400.0));
        check(static_cast<double>(rng() % (360 * 1024)) / 1024);
    }
}

TEST(JsonLineWriter, LongTextsAndManyValuesPassTheBuffer) {
    const std::string longName(700, 'k');
    std::string out = "kept|";
    std::string want = "kept|{\"" + longName + "\": [";
    {
        JsonLine j(out);
        j.BeginObject();
        j.Key(longName);
        j.BeginArray();
        for (int i = 0; i < 500; ++i) {
            if (i > 0) want += ", ";
            if (i % 5 == 0) {
                j.Degrees(i * 0.7311);
                AppendJsonDegrees(want, i * 0.7311);
            } else if (i % 5 == 1) {
                j.Number(i / 7.0);
                AppendJsonNumber(want, i / 7.0);
            } else if (i % 5 == 2) {
                j.NameString(i == 2 ? longName : "Лев");
                want += "\"" + (i == 2 ? longName : std::string("Лев")) + "\"";
            } else if (i % 5 == 3) {
                j.String(std::string(i, '"'));
                AppendJsonString(want, std::string(i, '"'));
            } else {
                j.Integer(-i);
                want += std::to_string(-i);
            }
        }
        j.EndArray();
        j.EndObject();
        want += "]}";
        EXPECT_EQ(out, want); // complete as soon as the outermost object is closed
    }
    // Members written in one step are the members written key first, also past the buffer.
    std::string stepwise, joined;
    {
        JsonLine a(stepwise), b(joined);
        a.BeginObject();
        b.BeginObject();
        for (int i = 0; i < 300; ++i) {
            const std::string name = i == 7 ? longName : "Лев";
            a.Key("sign");
            a.NameString(name);
            b.NameMember("sign", name);
            a.Key("degree");
            a.Degrees(i * 1.000000001);
            b.DegreesMember("degree", i * 1.000000001);
        }
        a.EndObject();
        b.EndObject();
    }
    EXPECT_EQ(joined, stepwise);
    EXPECT_THAT(joined, ::testing::StartsWith("{\"sign\": \"Лев\", \"degree\": 0, \"sign\""));

    std::string scalar;
    JsonLine(scalar).Degrees(1.5); // a value alone is complete at once
    EXPECT_EQ(scalar, "1.5");
}

std::string Jsonl(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += "{\"date\": \"" + std::to_string(1 + i % 28) + "." + std::to_string(1 + i % 12) + "." +
             std::to_string(1880 + i % 171) + "\", \"time\": \"" + std::to_string(i % 24) + ":" +
             std::to_string(i % 60) + "\", \"lat\": \"" + std::to_string(i % 140 - 70) +
             "\", \"lon\": \"" + std::to_string(i % 360 - 180) + "\", \"name\": \"" +
             std::to_string(i) + "\"}\n";
        if (i % 1000 == 17) s += "{\"date\": \"99.1.1980\"}\n"; // an error line now and then
    }
    return s;
}

TEST(BatchPipeline, TwoThreadsKeepTheOrderAndTheBytesOfOne) {
    const std::string input = Jsonl(9000); // more than two blocks of records
    std::string outputs[2];
    BatchTotals totals[2];
    for (int t = 0; t < 2; ++t) {
        std::istringstream in(input);
        std::ostringstream out;
        BatchOptions options;
        options.threads = t + 1;
        totals[t] = RunBatch(in, out, options);
        outputs[t] = out.str();
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(totals[1].charts, 9009);
    EXPECT_EQ(totals[1].failed, 9);
    std::istringstream lines(outputs[1]);
    std::string line;
    long previous = 0, count = 0;
    while (std::getline(lines, line)) {
        const long n = std::atol(line.c_str() + line.find(':') + 1);
        ASSERT_EQ(n, previous + 1) << line.substr(0, 80);
        previous = n;
        ++count;
    }
    EXPECT_EQ(count, 9009);
}

TEST(BatchPipeline, ChartsAreTheEnginesChartsWithSignsAndAspects) {
    const BatchAspectSettings aspects = DesignAspectSettings();
    EXPECT_EQ(aspects.rows.count, 5);
    BatchCharts charts(aspects, ".");
    BatchRecord r;
    ParseJsonRecord("{\"date\": \"15.3.1980\", \"time\": \"12:30\", \"lat\": \"56.01\", "
                    "\"lon\": \"92.45\", \"houses\": \"K\"}",
                    r);
    std::string out;
    ASSERT_TRUE(charts.AppendLine(r, out));
    const Chart chart =
        ComputeChart(ChartMoment{1980, 3, 15, 12, 30, 56.01, 92.45}, HouseSystem::Koch);
    std::string sun;
    AppendJsonDegrees(sun, chart.bodies[1]);
    EXPECT_THAT(out, HasSubstr("{\"name\": \"Солнце\", \"lon\": " + sun + ", \"sign\": \"Рыбы\""));
    EXPECT_THAT(out, HasSubstr("\"house_system\": \"K\""));
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);

    // A record that fails after part of its line was written leaves only its error line.
    ParseJsonRecord("{\"date\": \"15.3.1980\", \"time\": \"12:30\", \"lat\": \"56.01\", "
                    "\"lon\": \"92.45\", \"report\": \"natal\", \"name\": \"Н\"}",
                    r);
    r.line = 7;
    BatchCharts nowhere(aspects, "/no/such/folder");
    std::string failed = "before\n";
    EXPECT_FALSE(nowhere.AppendLine(r, failed));
    EXPECT_THAT(failed,
                ::testing::StartsWith("before\n{\"line\": 7, \"name\": \"Н\", \"error\": "));
    EXPECT_THAT(failed, HasSubstr("/no/such/folder"));
}

TEST(BatchPipeline, CoordinatesReadAsTheChartFormReadsThem) {
    // Plain numbers skip the form; the rest goes through it with its warnings.
    const BatchAspectSettings aspects = DesignAspectSettings();
    BatchCharts charts(aspects, ".");
    const std::pair<const char*, const char*> places[] = {
        {"56.01", "92.45"},  {" -33.52 ", "-70.40"}, {"56,01", "92.45"},
        {"95", "92.45"},     {"56.01", "181"},       {"0", "0"},
        {"56.01x", "92.45"}, {"нет", "-0.5"},        {"1e999", "1e2"},
        {"+45", ".5"}};
    for (const auto& [lat, lon] : places) {
        ChartForm form;
        FillChartFields(form, 15, 3, 1980, 12, 30, lat, lon);
        std::vector<std::string> warnings;
        const ChartMoment moment = MomentOf(form, warnings);
        const Chart chart = ComputeChart(moment, HouseSystem::Placidus);
        if (!chart.housesDefined)
            warnings.push_back(UndefinedHouseSystemMessage('P', moment.latitude));

        std::string record;
        JsonLine j(record);
        j.BeginObject();
        j.Key("date");
        j.String("15.3.1980");
        j.Key("time");
        j.String("12:30");
        j.Key("lat");
        j.String(lat);
        j.Key("lon");
        j.String(lon);
        j.EndObject();
        BatchRecord r;
        ParseJsonRecord(record, r);
        std::string out;
        ASSERT_TRUE(charts.AppendLine(r, out)) << out;
        std::string asc = "{\"house\": 1, \"lon\": ";
        AppendJsonDegrees(asc, chart.cusps[1]);
        EXPECT_THAT(out, HasSubstr(asc + ",")) << lat << " " << lon;
        EXPECT_EQ(out.find("\"warnings\"") != std::string::npos, !warnings.empty())
            << lat << " " << lon;
        for (const std::string& w : warnings) {
            std::string escaped;
            AppendJsonString(escaped, w);
            EXPECT_THAT(out, HasSubstr(escaped)) << lat << " " << lon;
        }
    }
}

TEST(BatchPipeline, DatesAndTimesAsTheOptionParsersReadThem) {
    // The batch reads the usual texts itself; whatever it reads must be what the options
    // read, and whatever they refuse must be an error line.
    const BatchAspectSettings aspects = DesignAspectSettings();
    BatchCharts charts(aspects, ".");
    auto line = [&](const std::string& date, const std::string& time, std::string& out) {
        BatchRecord r;
        r.values[static_cast<int>(BatchField::Date)] = date;
        r.values[static_cast<int>(BatchField::Time)] = time;
        r.values[static_cast<int>(BatchField::Lat)] = "56.01";
        r.values[static_cast<int>(BatchField::Lon)] = "92.45";
        for (BatchField f : {BatchField::Date, BatchField::Time, BatchField::Lat, BatchField::Lon})
            r.present[static_cast<int>(f)] = true;
        out.clear();
        return charts.AppendLine(r, out);
    };
    const char* dates[] = {"1.1.1880",   "31.12.2050", "09.03.1980", "31.2.1999", "0.1.1980",
                           "32.1.1980",  "1.13.1980",  "1.0.1980",   "1.1.1879",  "1.1.2051",
                           "001.1.1980", "1.1.80",     "1..1980",    "1.1.1980 ", "+1.1.1980",
                           "1.1.19800",  ".1.1980",    "1.1.",       "1-1-1980",  ""};
    const char* times[] = {"0:00",   "23:60", "7:5", "07:05", "24:00", "12:61", "1:1:1",
                           "123:00", ":30",   "12:", "12:-1", "12.30", " 12:30"};
    for (const char* date : dates) {
        for (const char* time : times) {
            int day = 0, month = 0, year = 0, hour = 0, minute = 0;
            bool valid = true;
            try {
                ParseDateOption(date, "batch", day, month, year);
                ParseTimeOption(time, "batch", hour, minute);
            } catch (const UsageError&) {
                valid = false;
            }
            std::string got, want;
            ASSERT_EQ(line(date, time, got), valid) << date << " " << time << ": " << got;
            if (!valid) continue;
            line(std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year),
                 std::to_string(hour) + ":" + std::to_string(minute), want);
            EXPECT_EQ(got, want) << date << " " << time;
        }
    }
}

TEST(TextFileCache, EachFileIsReadOnceWhileTheCacheLives) {
    const std::string path = ::testing::TempDir() + "omvera_text_cache_" + std::to_string(getpid());
    std::ofstream(path, std::ios::binary) << "one\r\ntwo\r\n";
    {
        TextFileCache cache;
        EXPECT_THROW(TextFileCache second, Error); // one at a time
        for (int i = 0; i < 3; ++i) {
            TextLineReader reader(path, std::nullopt);
            std::string line;
            reader.Next(line);
            EXPECT_EQ(line, "one");
        }
        EXPECT_EQ(cache.DiskReads(), 1);
        std::ofstream(path, std::ios::binary) << "changed\r\n";
        EXPECT_EQ(*TextFileBytes(path), "one\r\ntwo\r\n");
        EXPECT_THROW(TextFileBytes(path + ".missing"), Error);
        EXPECT_THROW(TextFileBytes(path + ".missing"), Error); // a failure is not kept
        EXPECT_EQ(cache.DiskReads(), 1);
    }
    EXPECT_EQ(*TextFileBytes(path), "changed\r\n"); // without a cache: from disk again
    std::remove(path.c_str());
}

} // namespace
