// The predefined cursors (LoadCursorA(NULL, IDC_*)) and icons
// (LoadIconA(NULL, IDI_*)). They are drawn by code, so they are the same on
// every run and need no image files.
#pragma once

#include <optional>

#include "internal/resources.h"

namespace plat {

// 32 x 32 images with their hotspot; nullopt for an id Windows does not define.
std::optional<res::ImageData> systemCursorImage(int id);
std::optional<res::ImageData> systemIconImage(int id);

}  // namespace plat
