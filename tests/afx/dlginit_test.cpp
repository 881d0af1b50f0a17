// Reading the dialog-initialisation resource, which fills a dialog's lists.
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dlginit.h"

namespace {

using afx::detail::DlgInitEntry;

void PutWord(std::vector<std::byte>& out, unsigned value) {
  out.push_back(static_cast<std::byte>(value & 0xFF));
  out.push_back(static_cast<std::byte>(value >> 8));
}

// One entry as the resource compiler lays it out: id, message, length, bytes.
void PutEntry(std::vector<std::byte>& out, unsigned id, unsigned message, const std::string& text,
              bool withZero = true) {
  PutWord(out, id);
  PutWord(out, message);
  const std::size_t length = text.size() + (withZero ? 1 : 0);
  PutWord(out, static_cast<unsigned>(length & 0xFFFF));
  PutWord(out, static_cast<unsigned>(length >> 16));
  for (char c : text)
    out.push_back(static_cast<std::byte>(c));
  if (withZero)
    out.push_back(std::byte{0});
}

struct Seen {
  unsigned id;
  unsigned message;
  std::string text;
};

std::vector<Seen> Collect(const std::vector<std::byte>& data, bool& ok, int stopAfter = -1) {
  std::vector<Seen> seen;
  ok = afx::detail::ForEachDlgInitEntry(data, [&](const DlgInitEntry& entry) {
    seen.push_back({entry.controlId, entry.message,
                    std::string(reinterpret_cast<const char*>(entry.data.data()))});
    return stopAfter < 0 || static_cast<int>(seen.size()) < stopAfter;
  });
  return seen;
}

TEST(DlgInit, EntriesComeInResourceOrderUntilTheZeroId) {
  std::vector<std::byte> data;
  PutEntry(data, 1001, 0x0403, "s");
  PutEntry(data, 1001, 0x0403, "ms");
  PutEntry(data, 1023, 0x0403, "mA/h");
  PutWord(data, 0);
  PutEntry(data, 1004, 0x0403, "after the end");
  bool ok = false;
  const std::vector<Seen> seen = Collect(data, ok);
  EXPECT_TRUE(ok);
  ASSERT_EQ(seen.size(), 3u) << "nothing after the terminating zero id";
  EXPECT_EQ(seen[0].text, "s");
  EXPECT_EQ(seen[1].text, "ms");
  EXPECT_EQ(seen[2].id, 1023u);
  EXPECT_EQ(seen[2].message, 0x0403u);
  EXPECT_EQ(seen[2].text, "mA/h");
}

TEST(DlgInit, MalformedDataFailsWithoutReadingPastTheEnd) {
  std::vector<std::byte> good;
  PutEntry(good, 1001, 0x0403, "us");
  PutWord(good, 0);

  const struct {
    const char* why;
    std::vector<std::byte> data;
  } cases[] = {
      {"no terminating id", std::vector<std::byte>(good.begin(), good.end() - 2)},
      {"half a terminating id", std::vector<std::byte>(good.begin(), good.end() - 1)},
      {"text cut short", std::vector<std::byte>(good.begin(), good.begin() + 9)},
      {"header cut short", std::vector<std::byte>(good.begin(), good.begin() + 5)},
      {"empty resource", {}},
  };
  for (const auto& c : cases) {
    bool ok = true;
    Collect(c.data, ok);
    EXPECT_FALSE(ok) << c.why;
  }

  std::vector<std::byte> unterminated;
  PutEntry(unterminated, 1001, 0x0403, "us", /*withZero=*/false);
  PutWord(unterminated, 0);
  bool ok = true;
  EXPECT_TRUE(Collect(unterminated, ok).empty()) << "a list text without its zero is not sent";
  EXPECT_FALSE(ok);
}

TEST(DlgInit, AFailedEntryStopsTheRest) {
  std::vector<std::byte> data;
  PutEntry(data, 1001, 0x0403, "s");
  PutEntry(data, 1001, 0x0403, "ms");
  PutWord(data, 0);
  bool ok = true;
  EXPECT_EQ(Collect(data, ok, /*stopAfter=*/1).size(), 1u);
  EXPECT_FALSE(ok);
}

}  // namespace
