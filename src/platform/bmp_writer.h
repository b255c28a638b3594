#pragma once
// Writes a surface as an uncompressed 24-bit bottom-up .bmp with a BITMAPINFOHEADER, the
// plainest form every reader takes. Any thread; no shared state.
#include <cstdint>
#include <vector>

#include "platform/surface.h"

std::vector<std::uint8_t> WriteBmp24(const Surface& surface);
