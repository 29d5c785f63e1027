// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/stock_desk.h"

#include "world/messenger.h"
#include "world/numbers.h"
#include "world/stable.h"

namespace gallox {

namespace {
constexpr std::int16_t kOneShare = 1;
}  // namespace

StockDesk::StockDesk(const std::array<Stable, kStableCount>& stableList, Player& player,
                     Messenger& messenger)
    : stableList_(stableList), player_(player), messenger_(messenger) {}

void StockDesk::selectStable(int index) {
  if (index >= 0 && index < kStableCount) selected_ = index;
}

std::array<std::string, kStableCount> StockDesk::stableNames() const {
  std::array<std::string, kStableCount> names;
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = stableList_[i].Name();
  return names;
}

const Stable& StockDesk::stable() const { return stableList_[static_cast<std::size_t>(selected_)]; }

std::string StockDesk::sharePriceText() const { return moneyText(stable().SharePrice()); }
std::string StockDesk::dividendText() const { return moneyText(stable().DivPrice()); }
std::string StockDesk::sharesText() const { return std::to_string(player_.SharesAt(selected_)); }

void StockDesk::buy() { player_.buyShares(selected_, kOneShare); }

void StockDesk::sell() {
  std::int16_t count = kOneShare;
  if (!player_.sellShares(selected_, count)) messenger_.showMessage("You have no more shares to sell.");
}

}  // namespace gallox
