#pragma once
// Our own .bmp reader: OS/2 core and Windows info headers (v3, v4, v5), 1/4/8/16/24/32 bits
// per pixel, BI_RGB, BI_BITFIELDS, BI_RLE4 and BI_RLE8, bottom-up and top-down. Sizes and
// offsets are checked against the file before anything is allocated; pixels come out
// opaque 0x00RRGGBB whatever the file's fourth byte holds. Any thread; no shared state.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/surface.h"

inline constexpr int kMaxBitmapSide = 16384;

// Decodes a whole .bmp file held in memory. `name` is how errors name the file. Throws
// LoadError "cannot read the picture <name>: <what was wrong>"; never returns a partly
// filled surface.
Surface decodeBmp(std::span<const std::uint8_t> bytes, const std::string& name);

// Reads and decodes the file at `path`; errors name the full path.
Surface loadBmp(const std::filesystem::path& path);
