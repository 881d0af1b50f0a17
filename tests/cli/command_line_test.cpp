// ambrix-calc's command line: what is a request and what is a usage error.
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "command_line.h"
#include "json_writer.h"
#include "utf.h"

namespace {

cli::ParseOutcome Parse(std::vector<std::string_view> args) {
  return cli::ParseCommandLine(args);
}

TEST(CommandLine, WindowsFillRowsInOrderAndTheRestStayAtZero) {
  const auto outcome = Parse({"--window", "10", "ms", "20", "mA", "--window", "990", "ms", "5",
                              "uA", "--capacity", "2", "A/h"});
  ASSERT_TRUE(outcome.request) << outcome.error;
  const auto& rows = outcome.request->windows;
  EXPECT_EQ(rows[0].duration, u"10");
  EXPECT_EQ(rows[0].timeUnit, calc::TimeUnit::kMilliseconds);
  EXPECT_EQ(rows[0].currentUnit, calc::CurrentUnit::kMilliamps);
  EXPECT_EQ(rows[1].current, u"5");
  EXPECT_EQ(rows[1].currentUnit, calc::CurrentUnit::kMicroamps);
  for (std::size_t k = 2; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].duration, u"0");
    EXPECT_EQ(rows[k].current, u"0");
    EXPECT_EQ(rows[k].timeUnit, calc::TimeUnit::kSeconds);
  }
  ASSERT_TRUE(outcome.request->capacity);
  EXPECT_EQ(outcome.request->capacity->unit, calc::CapacityUnit::kAmpHours);
  EXPECT_FALSE(outcome.request->json);
}

TEST(CommandLine, ValuesAreRawFieldTextsEvenWhenTheyLookLikeOptions) {
  const auto outcome = Parse({"--window", "-1", "s", "--json", "uA", "--capacity", "电池", "mA/h"});
  ASSERT_TRUE(outcome.request) << outcome.error;
  EXPECT_EQ(outcome.request->windows[0].duration, u"-1");
  EXPECT_EQ(outcome.request->windows[0].current, u"--json") << "a value, not the option";
  EXPECT_FALSE(outcome.request->json);
  EXPECT_EQ(outcome.request->capacity->text, u"电池");
}

TEST(CommandLine, MalformedLinesAreErrors) {
  const struct {
    std::vector<std::string_view> args;
    std::string_view error;
  } cases[] = {
      {{"--window", "1", "h", "1", "uA"}, "unknown time unit 'h'"},
      {{"--window", "1", "s", "1", "ua"}, "unknown current unit 'ua'"},
      {{"--capacity", "1", "mAh"}, "unknown capacity unit 'mAh'"},
      {{"--window", "1", "s", "1"}, "--window needs"},
      {{"--capacity", "1"}, "--capacity needs"},
      {{"--capacity", "1", "mA/h", "--capacity", "2", "mA/h"}, "once"},
      {{"--frobnicate"}, "unexpected argument '--frobnicate'"},
      {{"12"}, "unexpected argument '12'"},
  };
  for (const auto& c : cases) {
    const auto outcome = cli::ParseCommandLine(c.args);
    EXPECT_FALSE(outcome.request) << c.error;
    EXPECT_NE(outcome.error.find(c.error), std::string::npos) << outcome.error;
  }
}

TEST(CommandLine, ASixthWindowIsAnError) {
  std::vector<std::string_view> args;
  for (int k = 0; k < 5; ++k)
    args.insert(args.end(), {"--window", "1", "s", "1", "uA"});
  EXPECT_TRUE(cli::ParseCommandLine(args).request) << "five are fine";
  args.insert(args.end(), {"--window", "1", "s", "1", "uA"});
  const auto outcome = cli::ParseCommandLine(args);
  EXPECT_FALSE(outcome.request);
  EXPECT_NE(outcome.error.find("at most five"), std::string::npos);
}

TEST(Utf, RoundTripsAndReplacesMalformedInput) {
  EXPECT_EQ(cli::Utf8ToUtf16("\xE7\x94\xB5\xF0\x9F\x94\x8B"), u"电\U0001F50B");
  EXPECT_EQ(cli::Utf16ToUtf8(u"电\U0001F50B≈"), "\xE7\x94\xB5\xF0\x9F\x94\x8B\xE2\x89\x88");
  EXPECT_EQ(cli::Utf8ToUtf16("1\xFF"
                             "2"),
            u"1\uFFFD2")
      << "a stray byte";
  EXPECT_EQ(cli::Utf8ToUtf16("\xC0\xB1"), u"\uFFFD\uFFFD") << "an overlong '1' is not a digit";
  EXPECT_EQ(cli::Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "an encoded surrogate";
  EXPECT_EQ(cli::Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(Json, StringsAreEscapedAndNumbersAre17Digits) {
  EXPECT_EQ(cli::JsonString("a\"b\\c\r\n\x01"), "\"a\\\"b\\\\c\\r\\n\\u0001\"");
  EXPECT_EQ(cli::JsonNumber(0.1), "0.10000000000000001");
  EXPECT_EQ(cli::JsonNumber(5000), "5000");
  EXPECT_EQ(cli::JsonNumber(1e300), "1.0000000000000001e+300");
  EXPECT_EQ(cli::JsonNumber(-0.0), "-0");
  EXPECT_EQ(cli::JsonNumber(-1.0 / 0.0), "\"-inf\"");
  EXPECT_EQ(cli::JsonNumber(std::numeric_limits<double>::quiet_NaN()), "\"nan\"");
  EXPECT_EQ(cli::JsonNumber(-std::numeric_limits<double>::quiet_NaN()), "\"-nan\"");
}

}  // namespace
