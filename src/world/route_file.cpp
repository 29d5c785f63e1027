// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/route_file.h"

#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <string_view>

#include "world/city_table.h"
#include "world/numbers.h"
#include "world/tables.h"

namespace gallox {

namespace {

constexpr std::size_t kFieldsPerRoute = 4;
// A route line is a few dozen characters; reading stops at a line far longer than any route,
// so that a file without line ends cannot fill the memory.
constexpr std::size_t kLongestLine = 1024;
// How much of a field or of a line an error quotes, and of the file's name.
constexpr std::size_t kQuoteLength = 40;
constexpr std::size_t kNameLength = 160;
constexpr std::string_view kEllipsis = "\u2026";
// Editors that write CRLF files often put this in front of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The first four fields, and how many the line has up to four: fields past the fare are never
// looked at, however many there are.
struct Fields {
  std::array<std::string_view, kFieldsPerRoute> text;
  std::size_t count = 0;
};

Fields splitFields(std::string_view line) {
  Fields fields;
  for (;;) {
    const auto cut = line.find(';');
    fields.text[fields.count++] = line.substr(0, cut);
    if (cut == std::string_view::npos || fields.count == kFieldsPerRoute) break;
    line.remove_prefix(cut + 1);
  }
  return fields;
}

// The length of the UTF-8 character starting at text[at], 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
  return length;
}

// The character of a well-formed UTF-8 sequence of two to four bytes.
char32_t codePoint(std::string_view sequence) {
  static constexpr unsigned char kLeadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t point = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
  for (const char c : sequence.substr(1)) point = (point << 6) | (static_cast<unsigned char>(c) & 0x3F);
  return point;
}

// Characters that print nothing or move the text about: the second set of control characters,
// the format characters (the byte-order mark, zero-width spaces and joiners, direction marks,
// the soft hyphen, tags) and the line and paragraph separators. A name holding one looks right
// in the message and still is not a city, so the message writes it out.
bool invisible(char32_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0xAD || c == 0x61C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
         (c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE0000 && c <= 0xE007F);
}

std::string escaped(char32_t c) {
  static constexpr char kHex[] = "0123456789abcdef";
  const int digits = c > 0xFFFF ? 8 : 4;
  std::string out = digits == 8 ? "\\U" : "\\u";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
  return out;
}

// A piece of the file as an error shows it: at most `length` characters, cut with an ellipsis,
// with control characters, invisible characters, backslashes and bytes that are not UTF-8
// written out ("\0", "\x01", "\ufeff"). However large or strange the file, the message stays
// short, printable and whole: a NUL would otherwise end it before its reason.
std::string shown(std::string_view text, std::size_t length = kQuoteLength) {
  std::string out;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t bytes = utf8Length(text, at);
    const char c = text[at];
    std::string piece;
    bool oneCharacter = false;
    if (bytes > 1) {
      const std::string_view sequence = text.substr(at, bytes);
      const char32_t point = codePoint(sequence);
      oneCharacter = !invisible(point);
      piece = oneCharacter ? std::string(sequence) : escaped(point);
    } else if (c == '\0') {
      piece = "\\0";
    } else if (c == '\t') {
      piece = "\\t";
    } else if (c == '\r') {
      piece = "\\r";
    } else if (c == '\n') {
      piece = "\\n";
    } else if (c == '\\') {
      piece = "\\\\";
    } else if (bytes == 0 || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      static constexpr char kHex[] = "0123456789abcdef";
      const auto byte = static_cast<unsigned char>(c);
      piece = {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    } else {
      piece = c;
    }
    const std::size_t width = oneCharacter ? 1 : piece.size();
    if (characters + width > length) return out.append(kEllipsis);
    out += piece;
    characters += width;
    at += bytes > 1 ? bytes : 1;
  }
  return out;
}

// Built by appending: a character array added before a temporary string leads GCC's inlining
// into a false overlap warning (-Wrestrict) in optimised builds.
std::string inQuotes(std::string_view text) {
  std::string quoted(1, '"');
  quoted += shown(text);
  quoted += '"';
  return quoted;
}

enum class LineRead { Line, End, TooLong };

// One line without its end, read no further than kLongestLine characters.
LineRead readLine(std::istream& in, std::string& line) {
  line.clear();
  bool any = false;
  for (char c = 0; in.get(c);) {
    any = true;
    if (c == '\n') return LineRead::Line;
    if (line.size() == kLongestLine) return LineRead::TooLong;
    line.push_back(c);
  }
  return any ? LineRead::Line : LineRead::End;
}

}  // namespace

void RouteTable::loadConnections(const std::filesystem::path& file, const CityTable& cities) {
  const std::string cannotRead = "Cannot read the route file " + shown(file.string(), kNameLength);
  // Opening a pipe waits for a writer and a device never ends, so only a plain file is opened.
  std::error_code unknown;  // a file that cannot be looked at is reported when it cannot be opened
  const auto status = std::filesystem::status(file, unknown);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw WorldError(cannotRead + ": it is not a plain file.");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw WorldError(cannotRead + ".");
  read(in, file.string(), cities);
}

void RouteTable::read(std::istream& in, const std::string& fileName, const CityTable& cities) {
  const std::string name = shown(fileName, kNameLength);
  std::vector<RouteRec> routes;
  std::string line;
  std::size_t lineNumber = 0;
  const auto fail = [&](const std::string& fault) {
    throw WorldError("Route file " + name + ", line " + std::to_string(lineNumber) + ": " + fault);
  };
  for (;;) {
    const LineRead got = readLine(in, line);
    if (got == LineRead::End) break;
    ++lineNumber;
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    if (got == LineRead::TooLong)
      fail("the line is longer than " + std::to_string(kLongestLine) + " characters: " + inQuotes(line) +
           ".");
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '#') continue;

    const Fields fields = splitFields(line);
    if (fields.count < kFieldsPerRoute)
      fail("a route needs four fields, vehicle;city;city;fare, but this line has " +
           std::to_string(fields.count) + ".");
    if (static_cast<int>(routes.size()) == kMaxRoutes)
      fail("there are more than " + std::to_string(kMaxRoutes) + " routes.");

    const std::optional<double> vehicle = readDecimal(fields.text[0]);
    if (!vehicle) fail("the vehicle code " + inQuotes(fields.text[0]) + " is not a number.");
    const double code = roundHalfEven(*vehicle);
    if (code < 0.0 || code >= kVehicleCount)
      fail("the vehicle code " + shown(trimBlanks(fields.text[0])) +
           " is not one of 0 (Bus), 1 (Train), 2 (Airplane) or 3 (Ship).");

    RouteRec route;
    route.vehicleCode = static_cast<int>(code);
    for (std::size_t end = 1; end <= 2; ++end) {
      const std::string_view city = trimBlanks(fields.text[end]);
      if (!cities.isCity(city)) fail(inQuotes(city) + " is not one of the cities.");
      (end == 1 ? route.fromCity : route.toCity) = static_cast<std::int16_t>(cities.cityIndex(city));
    }

    const std::optional<double> fare = readDecimal(fields.text[3]);
    if (!fare) fail("the fare " + inQuotes(fields.text[3]) + " is not a number.");
    const std::string fareText = shown(trimBlanks(fields.text[3]));
    if (*fare < 0.0) fail("the fare " + fareText + " is negative.");
    route.fare = static_cast<float>(*fare);
    if (!std::isfinite(route.fare)) fail("the fare " + fareText + " is too large.");

    routes.push_back(route);
  }
  if (in.bad()) throw WorldError("Cannot read the route file " + name + ".");
  routes_ = std::move(routes);
}

}  // namespace gallox
