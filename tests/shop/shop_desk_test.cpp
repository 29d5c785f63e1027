// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/shop_desk.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/world.h"

namespace gallox {
namespace {

using Goods = ShopDesk::Goods;

const char* const kNoMoney = "Sorry, you do not have enough money to afford this.";
const char* const kIssuesFull =
    "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!";
const char* const kDopingsFull = "Sorry, you cannot keep more than 255 dopings. Use some of yours first!";

// What a purchase leaves: the purse, the counters, and the one message if refused.
struct Purchase {
  const char* name;
  Goods goods;
  float purse;
  int issues, dopings;
  bool sold;
  float purseAfter;
  int issuesAfter, dopingsAfter;
  const char* message;
};

const std::vector<Purchase> kPurchases = {
    {"doping with exactly its price", Goods::Doping, 35.0f, 0, 0, true, 0.0f, 0, 1, ""},
    {"doping a penny short", Goods::Doping, 34.99f, 0, 0, false, 34.99f, 0, 0, kNoMoney},
    {"doping from a purse in debt", Goods::Doping, -5.0f, 0, 0, false, -5.0f, 0, 0, kNoMoney},
    {"issue from a purse in debt", Goods::Newspaper, -0.01f, 3, 0, false, -0.01f, 3, 0, kNoMoney},
    {"subscription in debt", Goods::Subscription, -80.0f, 0, 0, false, -80.0f, 0, 0, kNoMoney},
    {"one issue", Goods::Newspaper, 150.0f, 0, 0, true, 140.0f, 1, 0, ""},
    {"ten issues for 80", Goods::Subscription, 150.0f, 7, 0, true, 70.0f, 17, 0, ""},
    {"the 255th doping", Goods::Doping, 150.0f, 0, 254, true, 115.0f, 0, 255, ""},
    {"a 256th doping", Goods::Doping, 150.0f, 0, 255, false, 150.0f, 0, 255, kDopingsFull},
    {"the 255th issue", Goods::Newspaper, 150.0f, 254, 0, true, 140.0f, 255, 0, ""},
    {"a 256th issue", Goods::Newspaper, 150.0f, 255, 0, false, 150.0f, 255, 0, kIssuesFull},
    {"ten issues up to 255", Goods::Subscription, 150.0f, 245, 0, true, 70.0f, 255, 0, ""},
    {"ten issues past 255", Goods::Subscription, 150.0f, 246, 0, false, 150.0f, 246, 0, kIssuesFull},
    // Goods that could not be kept are refused for that, whatever the purse.
    {"a full pile and no money", Goods::Newspaper, 0.0f, 255, 0, false, 0.0f, 255, 0, kIssuesFull},
};

TEST(ShopDeskTest, PaysFirstThenHandsOverOrRefusesWithOneReason) {
  for (const Purchase& p : kPurchases) {
    SCOPED_TRACE(p.name);
    testing::LonePlayer lone;
    auto& [stables, messenger, view, player] = lone;
    player.setMoney(p.purse);
    player.subscribe(p.issues);
    for (int i = 0; i < p.dopings; ++i) player.buyDoping();
    ShopDesk shop{player, messenger};

    EXPECT_EQ(shop.buy(p.goods), p.sold);
    EXPECT_EQ(player.Money(), p.purseAfter);
    EXPECT_EQ(player.newspapers(), p.issuesAfter);
    EXPECT_EQ(player.dopings(), p.dopingsAfter);
    EXPECT_EQ(messenger.messages, p.sold ? std::vector<std::string>{} : std::vector<std::string>{p.message});
    // A sale shows the payment as a loss on the main window; a refusal shows nothing.
    EXPECT_EQ(view.fadesStarted, p.sold ? 1 : 0);
    EXPECT_EQ(view.flowStep, p.sold ? -16 : 0);
  }
}

}  // namespace
}  // namespace gallox
