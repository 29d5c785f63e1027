// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Mutated inputs for the seeded runs that stand in for the fuzzers in the normal suite: from a
// fixed seed, each input is one of the real inputs changed by a few byte flips, insertions,
// deletions, duplications and splices with another, so every run meets the same inputs.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace gallox::testing {

class Mutator {
 public:
  explicit Mutator(std::vector<std::string> seeds, std::uint32_t seed = 20100101)
      : seeds_(std::move(seeds)), engine_(seed) {}

  std::string next() {
    std::string text = seeds_[below(seeds_.size())];
    for (std::size_t changes = 1 + below(4); changes > 0; --changes) mutate(text);
    return text;
  }

 private:
  // Bytes that mean something to the game's readers, and runs long enough to pass any limit.
  static constexpr std::string_view kTelling{"0123456789.;-+# \t\r\n\0\x7f\xff", 22};

  std::size_t below(std::size_t n) { return n == 0 ? 0 : engine_() % n; }

  std::string piece() {
    switch (below(4)) {
      case 0: return std::string(1, static_cast<char>(below(256)));
      case 1: return std::string(1 + below(4), kTelling[below(kTelling.size())]);
      case 2: return std::string(1 + below(3000), kTelling[below(kTelling.size())]);
      default: {
        const std::string& other = seeds_[below(seeds_.size())];
        const std::size_t from = below(other.size());
        return other.substr(from, 1 + below(other.size() - from));
      }
    }
  }

  void mutate(std::string& text) {
    const std::size_t at = below(text.size() + 1);
    switch (below(4)) {
      case 0: if (at < text.size()) text[at] = static_cast<char>(text[at] ^ (1 << below(8))); break;
      case 1: text.insert(at, piece()); break;
      case 2: text.erase(at, 1 + below(16)); break;
      default: text.insert(below(text.size() + 1), text.substr(at, 1 + below(64)));
    }
  }

  std::vector<std::string> seeds_;
  std::mt19937 engine_;
};

}  // namespace gallox::testing
