// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Tells the player one sentence (a refusal or a notice) without holding up the game.

#include <string>

namespace gallox {

class Messenger {
 public:
  virtual ~Messenger() = default;
  virtual void showMessage(const std::string& text) = 0;
};

}  // namespace gallox
