// The image store's identifiers, and the per-image facts the libraries read
// (gray value, value range). Its change notices reach the hooks through the
// host's listener (hostmsg_hook_test.cpp) and the view (window_view_cache_test.cpp).
#include <gtest/gtest.h>

#include <cmath>

#include "core/image_store.h"
#include "image_test_support.h"

namespace {

using host::ImageClass;
using Range = std::pair<double, double>;

TEST(ImageStore, IdentifiersCountUpAndAreNeverReused) {
    host::ImageStore store;
    EXPECT_EQ(store.add(host::Image{}), 0);
    EXPECT_EQ(store.add(host::Image{}), 1);
    EXPECT_TRUE(store.remove(1));
    EXPECT_FALSE(store.remove(1));
    EXPECT_EQ(store.add(host::Image{}), 2);
    EXPECT_EQ(store.find(1), nullptr);
    EXPECT_EQ(store.find(2)->id, 2);
    EXPECT_EQ(store.ids(), (std::vector<int>{0, 2}));
    store.notifyChanged(2);  // no listener: nothing happens
}

TEST(ImageValues, GrayOfEachClassAndMeanOfRgb) {
    for (ImageClass cls : {ImageClass::Gray8, ImageClass::Gray12, ImageClass::Gray16, ImageClass::Float}) {
        const host::Image image = imgtest::formulaImage(cls, 6, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) ASSERT_EQ(image.gray(x, y), imgtest::formula(cls, x, y));
    }
    double sum = 0;
    for (int c = 0; c < 3; ++c) sum += imgtest::formula(ImageClass::Rgb, 4, 3, c);
    EXPECT_DOUBLE_EQ(imgtest::formulaImage(ImageClass::Rgb, 6, 5).gray(4, 3), sum / 3.0);
}

// The class ranges are checked through SCALER32 (codes 18 and 19).
TEST(ImageValues, FloatRangeIsTheValuesPresentWithoutNaN) {
    host::Image real = imgtest::formulaImage(ImageClass::Float, 40, 30);
    EXPECT_EQ(real.valueRange(), Range(-7.25, 19.5));  // 0.5 x - 0.25 y: (0, 29) and (39, 0)
    real.gray32f = {NAN, 3.0f, -1.0f, NAN};
    EXPECT_EQ(real.valueRange(), Range(-1.0, 3.0));
    real.gray32f = {NAN};
    EXPECT_EQ(real.valueRange(), Range(0.0, 0.0));
}

}  // namespace
