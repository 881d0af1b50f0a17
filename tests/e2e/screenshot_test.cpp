// Pictures of the two windows, kept as artefacts of the run.
#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "running_ambrix.h"
#include "screenshot.h"
#include "window_query.h"

namespace e2e {
namespace {

// Frame, caption, fields, labels and text in more than a handful of shades;
// a failed capture comes back in one colour.
constexpr size_t kFewestColours = 8;

TEST(Screenshot, CalculatorWindow) {
  RunningAmbrix app;
  const RECT rect = WindowRect(app.Window());
  const RgbImage picture = CaptureSettledWindow(app.Window());
  EXPECT_EQ(picture.width, rect.right - rect.left);
  EXPECT_GT(ColourCount(picture), kFewestColours);
  const std::wstring path = KeepArtifact(picture, L"calculator");
  if (!path.empty())
    RecordProperty("calculator", Utf8(path));
}

TEST(Screenshot, AboutBox) {
  RunningAmbrix app;
  PostMessageW(app.Window(), WM_SYSCOMMAND, kAboutCommand, 0);
  const HWND about = app.WaitForOwnedDialog();
  WaitOrThrow([&] { return ActiveOf(app.Thread()) == about; }, kReplyTimeout,
              L"the About box to become active");
  const RgbImage picture = CaptureSettledWindow(about);
  EXPECT_GT(ColourCount(picture), kFewestColours);
  const std::wstring path = KeepArtifact(picture, L"about");
  if (!path.empty())
    RecordProperty("about", Utf8(path));
}

}  // namespace
}  // namespace e2e
