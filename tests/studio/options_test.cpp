// The voprof-studio command line.
#include <gtest/gtest.h>

#include "options.h"

namespace studio {
namespace {

TEST(StudioOptions, ParsesImagesAndOptions) {
    OptionsResult r = parseOptions({"a.tif", "--scale", "2", "b.png", "--play", "s.mac", "--ini", "v.ini"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->command, Command::Run);
    EXPECT_EQ(r.options->images, (std::vector<std::string>{"a.tif", "b.png"}));
    EXPECT_EQ(r.options->play, "s.mac");
    EXPECT_EQ(r.options->ini, "v.ini");
    EXPECT_EQ(r.options->scale, 2);
    EXPECT_EQ(parseOptions({}).options->scale, 1);
    EXPECT_EQ(parseOptions({"--version"}).options->command, Command::Version);
    EXPECT_EQ(parseOptions({"--bogus", "--help"}).options->command, Command::Help);
}

TEST(StudioOptions, RefusesWrongUsageWithAReason) {
    struct Row {
        std::vector<std::string> args;
        const char *error;
    };
    const Row rows[] = {
        {{"--scale", "0"}, "--scale takes a whole number from 1 to 8"},
        {{"--scale", "9"}, "--scale takes a whole number from 1 to 8"},
        {{"--scale", "2x"}, "--scale takes a whole number from 1 to 8"},
        {{"--scale"}, "--scale needs a value"},
        {{"--play", "a", "--play", "b"}, "--play given twice"},
        {{"x.tif", "--play"}, "--play needs a value"},
        {{"-q"}, "unknown option '-q'"},
    };
    for (const Row &row : rows) {
        OptionsResult r = parseOptions(row.args);
        EXPECT_FALSE(r.options);
        EXPECT_EQ(r.error, row.error);
    }
}

}  // namespace
}  // namespace studio
