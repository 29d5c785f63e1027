// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace gallox {

double roundHalfEven(double x) {
  // The default floating-point rounding mode is round-to-nearest-even.
  return std::nearbyint(x);
}

std::int64_t wholePart(double x) { return static_cast<std::int64_t>(std::floor(x)); }

namespace {
template <typename Int>
Int clampedStore(double x) {
  if (std::isnan(x)) return 0;
  const double r = roundHalfEven(x);
  if (r <= std::numeric_limits<Int>::min()) return std::numeric_limits<Int>::min();
  if (r >= std::numeric_limits<Int>::max()) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

// A figure on screen never reads "inf" or "nan": like the fixed-width stores, an amount past the
// float's range is held at its end, and one that is no number at all reads 0.
double shownValue(double value) {
  if (std::isnan(value)) return 0.0;
  constexpr double kEnd = std::numeric_limits<float>::max();
  return std::clamp(value, -kEnd, kEnd);
}

std::string fixed2(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", shownValue(value));
  std::string text = buffer;
  // A tiny negative amount rounds to zero; the player should not read "-0.00".
  if (text == "-0.00") text = "0.00";
  return text;
}
}  // namespace

std::uint8_t toByte(double x) { return clampedStore<std::uint8_t>(x); }
std::int16_t toInt16(double x) { return clampedStore<std::int16_t>(x); }

std::string moneyText(float amount) {
  std::string digits = fixed2(static_cast<double>(amount));
  if (!digits.empty() && digits.front() == '-') return "-GBP " + digits.substr(1);
  return "GBP " + digits;
}

std::string twoDecimals(float amount) { return fixed2(static_cast<double>(amount)); }

std::string generalText(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.7g", shownValue(static_cast<double>(value)));
  std::string text = buffer;
  if (text == "-0") text = "0";
  return text;
}

std::optional<double> readDecimal(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);

  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::size_t digits = 0;
  std::size_t points = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.')
      ++points;
    else
      return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;

  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    const bool wholeIsZero = text.substr(0, text.find('.')).find_first_not_of('0') == std::string_view::npos;
    value = wholeIsZero ? 0.0 : std::numeric_limits<double>::max();
  } else if (error != std::errc()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

float roundToCents(float value) {
  return static_cast<float>(roundHalfEven(static_cast<double>(value) * 100.0) / 100.0);
}

}  // namespace gallox
