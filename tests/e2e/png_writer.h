// Writes 24-bit RGB pictures as PNG files, uncompressed (stored deflate
// blocks): the screenshots are small, and no compression library is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // rows top to bottom, 3 bytes (R, G, B) a pixel
  bool operator==(const RgbImage&) const = default;
};

// PNG file contents for `image`.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);
void WritePng(const std::wstring& path, const RgbImage& image);

}  // namespace e2e
