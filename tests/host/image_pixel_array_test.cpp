// The pixel array behaves as the vector it replaced: each step of a sequence
// of edits is applied to a PixelArray and a std::vector alike, and both must
// hold the same samples after every step.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/pixel_array.h"

namespace {

using Array = host::PixelArray<uint16_t>;
using Vector = std::vector<uint16_t>;

struct Step {
    const char *name;
    std::function<void(Array &)> onArray;
    std::function<void(Vector &)> onVector;
};

template <class F>
Step both(const char *name, F f) {
    return {name, f, f};
}

TEST(PixelArray, FollowsVectorThroughEdits) {
    const Step steps[] = {
        both("push into empty", [](auto &a) { a.push_back(3); }),
        both("push past growth",
             [](auto &a) {
                 for (uint16_t i = 0; i < 40; ++i) a.push_back(i);
             }),
        both("write by index", [](auto &a) { a[7] = 999; }),
        both("shrink", [](auto &a) { a.resize(10); }),
        both("grow zeroes the tail", [](auto &a) { a.resize(25); }),
        both("assign", [](auto &a) { a.assign(6, 4); }),
        both("write through data", [](auto &a) { a.data()[5] = 65535; }),
        both("list",
             [](auto &a) {
                 a = {1, 2, 3};
             }),
        both("resize to nothing", [](auto &a) { a.resize(0); }),
        both("push after empty", [](auto &a) { a.push_back(8); }),
    };
    Array array;
    Vector vector;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        step.onArray(array);
        step.onVector(vector);
        ASSERT_EQ(array, vector);
        ASSERT_EQ(array.empty(), vector.empty());
        const Array copy = array;
        ASSERT_EQ(copy, array);
    }
    EXPECT_THROW(array.at(1), std::out_of_range);
}

TEST(PixelArray, BlankArraysAreZero) {
    const Array blank(1 << 20);
    ASSERT_EQ(blank.size(), size_t{1} << 20);
    for (uint16_t v : blank) ASSERT_EQ(v, 0);
}

}  // namespace
