// Long image work reports through the progress seam: making an image, decoding
// each format and encoding TIFF and PNG count their rows to 100% and end their
// task, and a stop asked for half-way ends the work with "interrupted".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/progress.h"
#include "image/codecs.h"
#include "image/synthetic_image.h"

namespace {

constexpr int kWidth = 64, kHeight = 48;

// Decodes with `decode` what `encode` made of a sample image; the encoding is
// done at once, so the work measured is the decoding alone.
std::function<host::ImageResult()> roundTrip(host::Status (*encode)(const host::Image &, std::string &),
                                             host::ImageResult (*decode)(std::span<const uint8_t>,
                                                                         const host::DecodeLimits &)) {
    std::string bytes;
    encode(*host::makeSyntheticImage(kWidth, kHeight, "gray8", "ramp-x").image, bytes);
    return [bytes, decode] {
        return decode(std::span(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()),
                      host::DecodeLimits{});
    };
}

// Encodes a sample image with `encode`.
std::function<host::ImageResult()> encoding(host::Status (*encode)(const host::Image &, std::string &)) {
    auto image =
        std::make_shared<host::Image>(*host::makeSyntheticImage(kWidth, kHeight, "rgb", "ramp-y").image);
    return [image, encode] {
        std::string bytes;
        const host::Status status = encode(*image, bytes);
        return status.ok() ? host::ImageResult::success(host::Image{})
                           : host::ImageResult::failure(status.error);
    };
}

struct Work {
    const char *task;
    std::function<host::ImageResult()> run;
};

const Work kWork[] = {
    {"ImgNew 64x48", [] { return host::makeSyntheticImage(kWidth, kHeight, "rgb", "checker:5"); }},
    // Large enough to be made by two threads.
    {"ImgNew 2048x2048", [] { return host::makeSyntheticImage(2048, 2048, "gray8", "ramp-y"); }},
    {"reading TIFF 64x48", roundTrip(host::encodeTiff, host::decodeTiff)},
    {"reading PNG 64x48", roundTrip(host::encodePng, host::decodePng)},
    {"reading PNM 64x48", roundTrip(host::encodePnm, host::decodePnm)},
    {"writing TIFF 64x48", encoding(host::encodeTiff)},
    {"writing PNG 64x48", encoding(host::encodePng)},
};

class ImageProgress : public testing::Test {
protected:
    std::vector<std::string> events;  // "start T", "T 50", "end T"
    int stopAt = 101;                 // the percent at which a stop is asked for

    void SetUp() override {
        host::setProgressListener(
            host::ProgressListener{[this](const std::string &task) { events.push_back("start " + task); },
                                   [this](const std::string &task, int percent) {
                                       events.push_back(task + " " + std::to_string(percent));
                                       if (percent >= stopAt) host::requestStop();
                                   },
                                   [this](const std::string &task) { events.push_back("end " + task); }});
    }
    void TearDown() override {
        host::setProgressListener({});
        host::clearStopRequest();
    }
};

TEST_F(ImageProgress, RowsAreCountedToTheEndAndAStopEndsTheWork) {
    for (const Work &work : kWork) {
        SCOPED_TRACE(work.task);
        const std::string task = work.task;
        events.clear();
        stopAt = 101;
        ASSERT_TRUE(work.run().ok());
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events.front(), "start " + task);
        EXPECT_EQ(events[events.size() - 2], task + " 100");
        EXPECT_EQ(events.back(), "end " + task);

        events.clear();
        stopAt = 50;
        const host::ImageResult stopped = work.run();
        EXPECT_FALSE(stopped.ok());
        EXPECT_EQ(stopped.error, "interrupted");
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back(), "end " + task);
        // Start, the rows to the first at 50%, end: nothing after the stop.
        const auto firstAtStop = std::find_if(events.begin(), events.end(), [&](const std::string &e) {
            return e.rfind(task + " ", 0) == 0 && std::stoi(e.substr(task.size() + 1)) >= stopAt;
        });
        EXPECT_EQ(events.end() - firstAtStop, 2) << testing::PrintToString(events);
        host::clearStopRequest();
    }
}

}  // namespace
