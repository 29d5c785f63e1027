// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The shop's counter: single newspaper issues, ten-issue subscriptions and dopings at fixed
// prices. The goods are paid for first and handed over after; goods the player could not keep
// are refused before any money moves. The shop window and the console both buy here.

#include <string>

namespace gallox {

class Messenger;
class Player;

class ShopDesk {
 public:
  enum class Goods { Newspaper, Doping, Subscription };

  ShopDesk(Player& player, Messenger& messenger);

  // What the price hint reads over the button that sells the goods ("GBP 10").
  static std::string hint(Goods goods);
  static float price(Goods goods);

  // Whether the goods were paid for and handed over. A refusal has told the player why.
  bool buy(Goods goods);

 private:
  Player& player_;
  Messenger& messenger_;
};

}  // namespace gallox
