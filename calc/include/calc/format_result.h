// FormatResult: a message template and its values to the message text.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace calc {

// One value for a conversion of a template: "%.3f" takes a double, "%d" an
// int32_t.
class FormatValue {
 public:
  FormatValue(double value) : is_double_(true), double_(value) {}
  FormatValue(std::int32_t value) : is_double_(false), int_(value) {}

  bool IsDouble() const { return is_double_; }
  double AsDouble() const { return double_; }
  std::int32_t AsInt() const { return int_; }

 private:
  bool is_double_;
  double double_ = 0;
  std::int32_t int_ = 0;
};

// Copies `pattern` code unit by code unit, replacing each "%.3f" and "%d" with
// the next value. A conversion with no value left, or whose value has the other
// type, is copied unchanged, so a mismatched template shows where it went wrong.
std::u16string FormatResultValues(std::u16string_view pattern,
                                  std::initializer_list<FormatValue> values);

template <class T>
concept FormatArgument = std::same_as<T, double> || std::same_as<T, std::int32_t>;

template <FormatArgument... Args>
std::u16string FormatResult(std::u16string_view pattern, Args... values) {
  return FormatResultValues(pattern, {FormatValue(values)...});
}

// The "%.3f" rendering of one double and the "%d" rendering of one integer,
// appended to `out`.
void AppendFixed3(std::u16string& out, double value);
void AppendDecimal(std::u16string& out, std::int32_t value);

}  // namespace calc
