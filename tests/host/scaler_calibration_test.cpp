// SCALER32: calibration handles and values, round trips from the setters and
// from a file, regions bound to a copy, and handles of removed images.
#include <gtest/gtest.h>

#include <cmath>

#include <scaler32.h>

#include "core/image_store.h"
#include "core/region.h"
#include "image/calibration.h"
#include "image/synthetic_image.h"

namespace {

int addSynthetic(const char *kind, const char *pattern = "ramp-x") {
    return host::images().add(std::move(*host::makeSyntheticImage(8, 4, kind, pattern).image));
}

template <class Handle>
double valueOf(Handle cal, LONG code, LONG index = 0) {
    double v = NAN;
    if constexpr (std::is_same_v<Handle, HSPATIALCAL>)
        EXPECT_EQ(CalSpatialValue(cal, code, index, 0, &v), 0);
    else
        EXPECT_EQ(CalIntensityValue(cal, code, 0, 0, &v), 0);
    return v;
}

TEST(SpatialCalibration, RoundTripThroughTheHandle) {
    const int id = addSynthetic("gray8");
    EXPECT_EQ(CalGetSpatial(id), nullptr);
    ASSERT_TRUE(host::setSpatialCalibration(id, 0.25, -1.5, "um").ok());
    HSPATIALCAL cal = CalGetSpatial(id);
    EXPECT_EQ(valueOf(cal, CALSPATIAL_SCALE, 0), 0.25);
    EXPECT_EQ(valueOf(cal, CALSPATIAL_SCALE, 1), -1.5);
    char unit[CAL_UNIT_TEXT_MAX];
    EXPECT_EQ(CalSpatialValue(cal, CALSPATIAL_UNIT, 0, 0, unit), 0);
    EXPECT_STREQ(unit, "um");
    ASSERT_TRUE(host::setSpatialCalibration(id, 5.0, 6.0, "mm").ok());
    EXPECT_EQ(valueOf(cal, CALSPATIAL_SCALE, 0), 5.0);  // the handle reads the calibration as it is now
    double v = 0.0;
    EXPECT_LT(CalSpatialValue(cal, CALSPATIAL_SCALE, 2, 0, &v), 0);
    EXPECT_LT(CalSpatialValue(cal, 7, 0, 0, &v), 0);
}

TEST(Setters, RefuseBadValues) {
    const int id = addSynthetic("gray8");
    EXPECT_EQ(host::setSpatialCalibration(id, 0.0, 1.0, "mm").error,
              "units per pixel must be finite and non-zero");
    EXPECT_FALSE(host::setSpatialCalibration(id, 1.0, INFINITY, "mm").ok());
    EXPECT_FALSE(host::setSpatialCalibration(id, 1.0, 1.0, std::string(CAL_UNIT_TEXT_MAX, 'u')).ok());
    EXPECT_TRUE(host::setSpatialCalibration(id, 1.0, 1.0, std::string(CAL_UNIT_TEXT_MAX - 1, 'u')).ok());
    EXPECT_EQ(host::setSpatialCalibration(-5, 1.0, 1.0, "mm").error, "no image -5");
    EXPECT_FALSE(host::setIntensityCalibration(id, 0.0, 0.0, "").ok());
    EXPECT_FALSE(host::setIntensityCalibration(id, NAN, 1.0, "").ok());
    EXPECT_EQ(CalGetIntensity(id), nullptr);
}

// Codes 18 and 19: offset + scale x the ends of the raw range (float: the
// values present; ramp-x over 8 columns holds 0 .. 7), lower value first.
TEST(IntensityCalibration, CalibratedEndsOfTheRawRange) {
    const std::tuple<const char *, const char *, double, double> cases[] = {
        {"gray8", "ramp-x", 0, 255},    {"rgb", "ramp-x", 0, 255}, {"gray12", "ramp-x", 0, 4095},
        {"gray16", "ramp-x", 0, 65535}, {"float", "ramp-x", 0, 7}, {"float", "const:-3.5", -3.5, -3.5},
    };
    for (const auto &[kind, pattern, low, high] : cases) {
        const int id = addSynthetic(kind, pattern);
        ASSERT_TRUE(host::setIntensityCalibration(id, -10.0, 0.5, "OD").ok());
        HINTENSITYCAL cal = CalGetIntensity(id);
        EXPECT_EQ(valueOf(cal, CALINTENSITY_LOW), -10.0 + 0.5 * low) << kind;
        EXPECT_EQ(valueOf(cal, CALINTENSITY_HIGH), -10.0 + 0.5 * high) << kind;
        ASSERT_TRUE(host::setIntensityCalibration(id, 1.0, -2.0, "OD").ok());
        EXPECT_EQ(valueOf(cal, CALINTENSITY_LOW), 1.0 - 2.0 * high) << kind;
        EXPECT_EQ(valueOf(cal, CALINTENSITY_HIGH), 1.0 - 2.0 * low) << kind;
        char unit[CAL_UNIT_TEXT_MAX];
        EXPECT_EQ(CalIntensityValue(cal, CALINTENSITY_UNIT, 0, 0, unit), 0);
        EXPECT_STREQ(unit, "OD");
    }
}

TEST(RegionIntensity, BindsACopyAndZeroRemovesIt) {
    const int id = addSynthetic("gray16");
    ASSERT_TRUE(host::setIntensityCalibration(id, 3.0, 2.0, "ug").ok());
    HIMGREGION region = ImgOpenRegion(id, 1, 0, 0, 7, 3);
    EXPECT_EQ(CalSetRegionIntensity(region, CalGetIntensity(id)), 0);
    ASSERT_TRUE(host::setIntensityCalibration(id, 100.0, 1.0, "ug").ok());
    EXPECT_EQ(host::findRegion(region)->intensity->offset, 3.0);  // the copy made at binding
    EXPECT_EQ(host::findRegion(region)->intensity->scale, 2.0);
    EXPECT_EQ(CalSetRegionIntensity(region, nullptr), 0);
    EXPECT_FALSE(host::findRegion(region)->intensity);
    host::freeRegion(region);
    EXPECT_LT(CalSetRegionIntensity(region, CalGetIntensity(id)), 0);
}

TEST(Handles, RemovedImagesAndWrongKindsFailWithoutCrashing) {
    const int id = addSynthetic("gray8");
    ASSERT_TRUE(host::setSpatialCalibration(id, 2.0, 2.0, "mm").ok());
    ASSERT_TRUE(host::setIntensityCalibration(id, 0.0, 2.0, "OD").ok());
    HSPATIALCAL s = CalGetSpatial(id);
    HINTENSITYCAL i = CalGetIntensity(id);
    double v = 0.0;
    EXPECT_LT(CalIntensityValue(reinterpret_cast<HINTENSITYCAL>(s), CALINTENSITY_LOW, 0, 0, &v), 0);
    EXPECT_LT(CalSpatialValue(reinterpret_cast<HSPATIALCAL>(i), CALSPATIAL_SCALE, 0, 0, &v), 0);
    EXPECT_LT(CalSpatialValue(reinterpret_cast<HSPATIALCAL>(&v), CALSPATIAL_SCALE, 0, 0, &v), 0);
    HIMGREGION region = ImgOpenRegion(addSynthetic("gray8"), 1, 0, 0, 1, 1);
    host::images().remove(id);
    char unit[CAL_UNIT_TEXT_MAX];
    EXPECT_LT(CalSpatialValue(s, CALSPATIAL_SCALE, 0, 0, &v), 0);
    EXPECT_LT(CalSpatialValue(s, CALSPATIAL_UNIT, 0, 0, unit), 0);
    EXPECT_LT(CalIntensityValue(i, CALINTENSITY_LOW, 0, 0, &v), 0);
    EXPECT_LT(CalSetRegionIntensity(region, i), 0);
    EXPECT_EQ(CalGetSpatial(id), nullptr);
    EXPECT_EQ(CalGetIntensity(id), nullptr);
    host::freeRegion(region);
}

}  // namespace
