// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game's arithmetic: 32-bit money, 8- and 16-bit stores, and the texts the player reads.
// Every figure shown on screen goes through here, so that rounding is the same everywhere.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gallox {

// A colour as the game writes it, &H00BBGGRR: red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr std::uint8_t redOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// Whole part toward minus infinity (-0.5 -> -1).
std::int64_t wholePart(double x);

// Stores into the fixed-width fields: rounded halves-to-even, then held at the field's limits
// instead of wrapping.
std::uint8_t toByte(double x);
std::int16_t toInt16(double x);

// "GBP 150.00", "-GBP 12.00": the purse and every bank and stock amount. Like the other texts
// here it never reads "inf" or "nan": an amount past the float's range shows the range's end,
// and one that is no number at all shows 0.
std::string moneyText(float amount);

// "12.50", "-12.50": at least one whole digit and exactly two decimals.
std::string twoDecimals(float amount);

// A float joined to text: at most seven significant digits, no trailing zeros
// ("12.5", "217.0963", "0").
std::string generalText(float value);

// A number as the player or the route file writes it: a finite decimal number with "." as the
// separator, an optional sign and blanks around it, whatever the locale. Anything else (words,
// exponents, hex, "inf", "nan", a comma) has no value. Digits past a double's range give its
// largest value, or 0 when the whole part is 0.
std::optional<double> readDecimal(std::string_view text);

// A 32-bit float rounded to two decimals, halves to the even neighbour (deposits).
float roundToCents(float value);

}  // namespace gallox
