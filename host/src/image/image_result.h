// Results of the image operations: a value or a text saying why not. Texts
// name what failed ("scan.tif: truncated ..."), ready to be shown as they are.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/image.h"

namespace host {

struct ImageResult {
    std::optional<Image> image;  // set on success
    std::string error;           // set on failure

    bool ok() const { return image.has_value(); }
    static ImageResult success(Image image) { return {std::move(image), {}}; }
    static ImageResult failure(std::string why) { return {std::nullopt, std::move(why)}; }
};

struct Status {
    std::string error;  // empty on success

    bool ok() const { return error.empty(); }
    static Status success() { return {}; }
    static Status failure(std::string why) { return {std::move(why)}; }
};

}  // namespace host
