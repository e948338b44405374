#include "Dispersion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(Dispersion, PopulationDeviationRoundedAboveTen) {
    const std::vector<std::pair<std::vector<std::int32_t>, double>> cases = {
        {{}, 0},
        {{42}, 0},
        {{0, 10}, 5},
        {{0, 21}, 10.5},
        {{0, 20}, 10},
        {{0, 7}, 3.5},
        {{0, 0, 3}, std::sqrt(2.0)},
        {{0, 25}, 12.5},
        {{0, 41}, 20.5},
        {{0, 2, 4, 100}, 42.5},
    };
    for (const auto& [positions, expected] : cases)
        EXPECT_DOUBLE_EQ(Dispersion(positions), expected) << positions.size();
}

} // namespace
} // namespace lexorin
