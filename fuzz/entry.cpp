// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The libFuzzer entry of one target of support/fuzz_targets.h, chosen when it is built
// (GALLOX_FUZZ_TARGET): a fault the target finds stops the run like a crash, with its reason.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const gallox::testing::Fault fault = gallox::testing::GALLOX_FUZZ_TARGET(bytes)) {
    std::fprintf(stderr, "fault: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
