// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/player.h"

#include <limits>

#include "world/messenger.h"
#include "world/player_view.h"
#include "world/stable.h"

namespace gallox {

namespace {
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kDarkGreen = rgb(0, 192, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr std::int16_t kFadeSteps = 16;
// What a sale keeps of the share price.
constexpr float kSaleShare = 0.9f;
}  // namespace

Player::Player(const std::array<Stable, kStableCount>& stableList, Messenger& messenger)
    : stableList_(stableList), messenger_(messenger) {}

void Player::attachView(PlayerView& view) { view_ = &view; }

void Player::setLocation(const std::string& city) {
  location_ = city;
  displayLocation();
}

bool Player::useDoping() {
  if (dopings_ == 0) return false;
  --dopings_;
  return true;
}

bool Player::canBuyDoping() const { return dopings_ < kCounterLimit; }

bool Player::canSubscribe(int num) const {
  return num >= 0 && static_cast<int>(newspapers_) + num <= kCounterLimit;
}

void Player::buyDoping() {
  if (canBuyDoping()) ++dopings_;
}

void Player::subscribe(int num) {
  newspapers_ = toByte(static_cast<double>(newspapers_) + num);
  if (view_) view_->showNewspapers(std::to_string(newspapers_));
}

void Player::digest() {
  if (newspapers_ == 0) {
    messenger_.showMessage("Sorry, but you have to either buy or subscribe the newspapers first!");
    return;
  }
  --newspapers_;
  if (!view_) return;
  view_->showNewspapers(std::to_string(newspapers_));
  if (view_->newspaperOpen())
    view_->reloadNewspaper();
  else
    view_->openNewspaper();
}

void Player::gainMoney(float amount) {
  money_ += amount;
  gainSum_ += amount;
  if (view_) {
    const bool loss = amount < 0.0f;
    view_->startFade(loss ? static_cast<std::int16_t>(-kFadeSteps) : kFadeSteps);
    view_->setMoneyColour(loss ? kRed : kGreen);
    if (gainSum_ > 0.0f)
      view_->showGain("GBP " + twoDecimals(gainSum_), kDarkGreen);
    else if (gainSum_ < 0.0f)
      view_->showGain("GBP " + twoDecimals(gainSum_), kRed);
    else
      view_->showGain("GBP 0", kBlue);
  }
  displayMoney();
}

bool Player::cGainMoney(float amount, bool silent) {
  if (money_ >= -amount) {
    gainMoney(amount);
    return true;
  }
  if (!silent) messenger_.showMessage("Sorry, you do not have enough money to afford this.");
  return false;
}

void Player::displayMoney() {
  if (view_) view_->showMoney(moneyText(money_));
}

void Player::showDate() {
  if (view_) view_->showDate(currentDate_.text());
}

void Player::displayLocation() {
  if (view_) view_->showLocation(location_);
}

bool Player::canBuyShares(int stable, std::int16_t howMany) const {
  return static_cast<int>(SharesAt(stable)) + howMany <= std::numeric_limits<std::int16_t>::max();
}

void Player::buyShares(int stable, std::int16_t howMany) {
  // A holding that would pass the counter's limit is refused before any money moves.
  if (!canBuyShares(stable, howMany)) return;
  const float cost = static_cast<float>(howMany) * stableList_.at(static_cast<std::size_t>(stable)).SharePrice();
  if (cGainMoney(-cost)) shares_.at(static_cast<std::size_t>(stable)) += howMany;
}

bool Player::sellShares(int stable, std::int16_t& howMany) {
  auto& held = shares_.at(static_cast<std::size_t>(stable));
  if (held == 0) return false;
  if (howMany > held) howMany = held;
  held = static_cast<std::int16_t>(held - howMany);
  const double proceeds = static_cast<double>(howMany) *
                          static_cast<double>(stableList_.at(static_cast<std::size_t>(stable)).SharePrice()) *
                          static_cast<double>(kSaleShare);
  // Shares taken off are always paid for, also into a purse below zero.
  gainMoney(static_cast<float>(proceeds));
  return true;
}

std::int16_t Player::SharesAt(int stable) const { return shares_.at(static_cast<std::size_t>(stable)); }

void Player::evaluateShares() {
  float total = 0.0f;
  for (std::size_t i = 0; i < shares_.size(); ++i)
    total = static_cast<float>(shares_[i]) * stableList_[i].DivPrice() + total;
  gainMoney(total);
}

}  // namespace gallox
