// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The stock market's side of the game: which of the six stables is shown, its share price,
// dividend and the player's shares in it, and trading one share at a time.

#include <array>
#include <string>

#include "world/player.h"

namespace gallox {

class Messenger;
class Stable;

class StockDesk {
 public:
  StockDesk(const std::array<Stable, kStableCount>& stableList, Player& player, Messenger& messenger);

  // 0 to 5; anything else is refused and the choice stays.
  void selectStable(int index);
  int selectedStable() const { return selected_; }
  std::array<std::string, kStableCount> stableNames() const;

  std::string sharePriceText() const;
  std::string dividendText() const;
  std::string sharesText() const;

  // One share of the stable shown. Buying is refused by the purse; selling with no share held
  // tells the player so.
  void buy();
  void sell();

 private:
  const Stable& stable() const;

  const std::array<Stable, kStableCount>& stableList_;
  Player& player_;
  Messenger& messenger_;
  int selected_ = 0;
};

}  // namespace gallox
