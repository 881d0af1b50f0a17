#include "png_writer.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "polling.h"

namespace e2e {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* data, size_t size) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i)
    crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
Bytes ZlibStored(const Bytes& raw) {
  Bytes out = {0x78, 0x01};
  size_t offset = 0;
  do {
    const size_t length = std::min<size_t>(65535, raw.size() - offset);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    const auto len = static_cast<std::uint16_t>(length);
    const auto nlen = static_cast<std::uint16_t>(~len);
    out.push_back(static_cast<std::uint8_t>(len & 0xFF));
    out.push_back(static_cast<std::uint8_t>(len >> 8));
    out.push_back(static_cast<std::uint8_t>(nlen & 0xFF));
    out.push_back(static_cast<std::uint8_t>(nlen >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
               raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < raw.size());
  PutBigEndian32(out, Adler32(raw));
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBigEndian32(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian32(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(),
                {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);

  // Each scanline starts with its filter type, 0 (none).
  Bytes raw;
  const size_t stride = static_cast<size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * stride);
    raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(stride));
  }
  PutChunk(out, "IDAT", ZlibStored(raw));
  PutChunk(out, "IEND", {});
  return out;
}

void WritePng(const std::wstring& path, const RgbImage& image) {
  const Bytes png = EncodePng(image);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw DriverError(L"cannot create " + path);
  DWORD written = 0;
  const BOOL ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != png.size())
    throw DriverError(L"cannot write " + path);
}

}  // namespace e2e
