// The transcribed perturbation rows are guarded by a digest of every series as compiled: a
// mistyped coefficient, multiple, angle or trig function changes its series' digest even
// where the change is far below the formulas' own error against a modern ephemeris (which the
// agreement tests could never see). The digests were taken when the rows had been checked
// against the printed tables line by line; a deliberate change to a row must come with new
// digests, written down after the row has been checked again.
#include "astro/perturbation_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace omvera::perturbation;

namespace {

// FNV-1a, 64 bits.
struct Digest {
    std::uint64_t h = 1469598103934665603ull;
    void Add(const void* data, size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
    }
    void Add(double x) {
        std::uint64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        Add(&bits, sizeof bits);
    }
    void Add(int x) { Add(&x, sizeof x); }
    void Add(const Factor& f) {
        Add(static_cast<int>(f.trig));
        Add(f.trig == Trig::One ? 0 : f.multiple);
        Add(f.trig == Trig::One ? 0 : static_cast<int>(f.angle));
    }
};

std::uint64_t DigestOf(const Series& s) {
    Digest d;
    d.Add(s.unit);
    for (const Row& r : s.rows) {
        d.Add(r.first);
        d.Add(r.second);
        d.Add(r.c0);
        d.Add(r.c1);
        d.Add(r.c2);
    }
    return d.h;
}

struct Expected {
    const char* name;
    const Series* series;
    size_t rows;
    std::uint64_t digest;
};

std::string Hex(std::uint64_t x) {
    char buf[19];
    std::snprintf(buf, sizeof buf, "0x%016llx", static_cast<unsigned long long>(x));
    return buf;
}

} // namespace

TEST(PerturbationTables, EverySeriesKeepsTheRowsItWasCheckedWith) {
    const std::vector<Expected> expected = {
#include "perturbation_digests.inc"
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(e.series->rows.size(), e.rows) << e.name << ": a row was added or lost";
        EXPECT_EQ(Hex(DigestOf(*e.series)), Hex(e.digest))
            << e.name << ": a row differs from the rows checked against the printed tables";
    }
}

TEST(PerturbationTables, TheDigestSeesAChangeInTheLastPlace) {
    // A copy of Saturn's dL rows with one coefficient moved by one unit in its last printed
    // digit, and one with a sine turned into a cosine.
    std::vector<Row> rows(kSaturn.dL.rows.begin(), kSaturn.dL.rows.end());
    const std::uint64_t original = DigestOf(Series{rows, kSaturn.dL.unit});
    rows[3].c0 += 0.000001;
    EXPECT_NE(DigestOf(Series{rows, kSaturn.dL.unit}), original);
    rows[3].c0 -= 0.000001;
    rows[4].first.trig = rows[4].first.trig == Trig::Sin ? Trig::Cos : Trig::Sin;
    EXPECT_NE(DigestOf(Series{rows, kSaturn.dL.unit}), original);
}
