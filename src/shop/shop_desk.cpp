// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/shop_desk.h"

#include <array>

#include "world/messenger.h"
#include "world/player.h"

namespace gallox {

namespace {

struct Article {
  float price;
  const char* hint;
  // Newspaper issues handed over; none for a doping.
  int issues;
};

constexpr std::array<Article, 3> kArticles = {{
    {10.0f, "GBP 10", 1},   // Newspaper
    {35.0f, "GBP 35", 0},   // Doping
    {80.0f, "GBP 80", 10},  // Subscription
}};

constexpr const char* kTooManyIssues =
    "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!";
constexpr const char* kTooManyDopings =
    "Sorry, you cannot keep more than 255 dopings. Use some of yours first!";

const Article& article(ShopDesk::Goods goods) { return kArticles.at(static_cast<std::size_t>(goods)); }

}  // namespace

ShopDesk::ShopDesk(Player& player, Messenger& messenger) : player_(player), messenger_(messenger) {}

std::string ShopDesk::hint(Goods goods) { return article(goods).hint; }

float ShopDesk::price(Goods goods) { return article(goods).price; }

bool ShopDesk::buy(Goods goods) {
  const Article& wanted = article(goods);
  const bool doping = goods == Goods::Doping;
  // The counters hold 255 at most: better to say so than to take money for nothing.
  if (doping ? !player_.canBuyDoping() : !player_.canSubscribe(wanted.issues)) {
    messenger_.showMessage(doping ? kTooManyDopings : kTooManyIssues);
    return false;
  }
  if (!player_.cGainMoney(-wanted.price)) return false;
  if (doping)
    player_.buyDoping();
  else
    player_.subscribe(wanted.issues);
  return true;
}

}  // namespace gallox
