// ValueStats: sum, minimum, maximum, standard deviation with divisor n, and
// mean on known data; no values; bad arguments.
#include "sampling_test_images.h"

namespace {

using Five = std::vector<double>;

Five statsOf(const std::vector<double> &values, LONG n, LONG result = 0) {
    Five out(5, -1.0);
    EXPECT_EQ(ValueStats(values.empty() ? nullptr : values.data(), n, out.data()), result);
    return out;
}

TEST(ValueStats, KnownDataGiveSumMinMaxDeviationMean) {
    // Squared deviations from 5 sum to 32: 32 / 8 = 4, deviation 2 (n - 1 would give 32 / 7).
    EXPECT_EQ(statsOf({2, 4, 4, 4, 5, 5, 7, 9}, 8), (Five{40, 2, 9, 2, 5}));
    EXPECT_EQ(statsOf({-7.5}, 1), (Five{-7.5, -7.5, -7.5, 0, -7.5}));
    EXPECT_EQ(statsOf(Five(1000, 65535.125), 1000)[3], 0.0);  // equal values: exactly 0
    EXPECT_EQ(statsOf({}, 0), Five(5, 0.0));
}

TEST(ValueStats, BadArgumentsFailAndWriteNothing) {
    EXPECT_EQ(statsOf({}, 2, -1), Five(5, -1.0));
    EXPECT_EQ(statsOf({1, 2}, -1, -1), Five(5, -1.0));
    EXPECT_LT(ValueStats(Five{1, 2}.data(), 2, nullptr), 0);
}

}  // namespace
