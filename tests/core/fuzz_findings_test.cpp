// Inputs that once made the program misbehave, found by the fuzz targets of tests/fuzz and
// the monkey test. Each case is the smallest input that showed the fault.
#include "input/chart_form.h"
#include "input/person_database.h"

#include <gtest/gtest.h>

#include <string>

using namespace omvera;

namespace {

ChartForm Loaded(const std::string& line) {
    ChartForm f;
    LoadPersonRecord(line, f);
    return f;
}

} // namespace

// A degrees number longer than a double holds exactly loaded as another number:
// "99999999999999999.99" came back as "100000000000000000.0", so a record saved from the
// loaded form did not load as it was saved. Such a coordinate is kept as typed.
TEST(FuzzFindings, PersonRecordWithHugeDegreesLoadsAsSaved) {
    const ChartForm first =
        Loaded("Ж ;  1. 1.2000 12:30 99999999999999999.99 -123456789012345.50 x");
    EXPECT_EQ(first.Edit2, "99999999999999999.99");
    EXPECT_EQ(first.Edit3, "-123456789012345.50");
    const ChartForm again = Loaded(BuildPersonRecord(first));
    EXPECT_EQ(again.Edit2, first.Edit2);
    EXPECT_EQ(again.Edit3, first.Edit3);
    EXPECT_EQ(again.Edit1, "x");
    // Twelve digits of degrees still follow the degrees-and-minutes rule.
    EXPECT_EQ(Loaded("М ; 1. 1.2000 0:0 -000000000005.30 123456789012.07 y").Edit2, "-5.30");
    EXPECT_EQ(Loaded("М ; 1. 1.2000 0:0 5.30 123456789012.07 y").Edit3, "123456789012.07");
}
