// Runs of surface pixels filled with one value or copied with the unused top
// byte cleared: the inner loops of fills and 32-bit DIB rows, four pixels a
// store where SSE2 is there.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat::raster {

void fillPixels(uint32_t *out, size_t count, uint32_t value);
// Pixels of 4 bytes each (blue, green, red, unused) at any alignment, the
// unused byte cleared; the runs must not overlap.
void copyColourBits(uint32_t *out, const uint8_t *in, size_t count);

}  // namespace plat::raster
