#include "screenshot.h"

#include <set>

#include "driver_options.h"
#include "polling.h"

namespace e2e {

RgbImage CaptureScreen(const RECT& area) {
  RgbImage image;
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  if (image.width <= 0 || image.height <= 0)
    throw DriverError(L"nothing to capture");

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const BOOL copied = BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top,
                             SRCCOPY | CAPTUREBLT);
  GdiFlush();

  // DIB rows are padded to four bytes and hold blue, green, red.
  const size_t stride = (static_cast<size_t>(image.width) * 3 + 3) & ~size_t{3};
  const auto* source = static_cast<const std::uint8_t*>(bits);
  image.pixels.reserve(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3);
  for (int y = 0; copied && y < image.height; ++y) {
    const std::uint8_t* row = source + static_cast<size_t>(y) * stride;
    for (int x = 0; x < image.width; ++x) {
      image.pixels.insert(image.pixels.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied)
    throw DriverError(L"BitBlt from the screen failed");
  return image;
}

RgbImage CaptureSettledWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  RECT area{};
  GetWindowRect(window, &area);
  RgbImage last = CaptureScreen(area);
  WaitUntil(
      [&] {
        RgbImage next = CaptureScreen(area);
        const bool settled = next == last;
        last = std::move(next);
        return settled;
      },
      kReplyTimeout);
  return last;
}

size_t ColourCount(const RgbImage& image) {
  std::set<std::uint32_t> colours;
  for (size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
    colours.insert((std::uint32_t{image.pixels[i]} << 16) |
                   (std::uint32_t{image.pixels[i + 1]} << 8) | image.pixels[i + 2]);
  }
  return colours.size();
}

std::wstring KeepArtifact(const RgbImage& image, const std::wstring& name) {
  const std::wstring& folder = Options().artifactsDir;
  if (folder.empty())
    return {};
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\" + name + L".png";
  WritePng(path, image);
  return path;
}

}  // namespace e2e
