// Pictures of the screen taken with GDI, as the user sees it.
#pragma once

#include <windows.h>

#include <string>

#include "png_writer.h"

namespace e2e {

RgbImage CaptureScreen(const RECT& area);

// The window's rectangle once two captures in a row agree, so that the
// picture is taken after the window has finished painting.
RgbImage CaptureSettledWindow(HWND window);

// Number of distinct colours: a blank or failed capture has one.
size_t ColourCount(const RgbImage& image);

// Saves `image` as NAME.png in the artefacts folder given on the command line;
// returns the path, or nothing when no folder was given.
std::wstring KeepArtifact(const RgbImage& image, const std::wstring& name);

}  // namespace e2e
