// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The one player: purse, place, month, dopings, newspapers and shares. Every change of money
// after the start passes through gainMoney or cGainMoney, which repaint the main window.

#include <array>
#include <cstdint>
#include <string>

#include "world/game_month.h"
#include "world/numbers.h"

namespace gallox {

class Messenger;
class PlayerView;
class Stable;

inline constexpr int kStableCount = 6;
inline constexpr std::uint8_t kCounterLimit = 255;

class Player {
 public:
  Player(const std::array<Stable, kStableCount>& stableList, Messenger& messenger);

  // The window that shows the player; until one is attached nothing is shown.
  void attachView(PlayerView& view);

  float Money() const { return money_; }
  const std::string& Location() const { return location_; }
  void setLocation(const std::string& city);
  const GameMonth& CurrentDate() const { return currentDate_; }
  void setCurrentDate(const GameMonth& month) { currentDate_ = month; }
  std::uint8_t dopings() const { return dopings_; }
  std::uint8_t newspapers() const { return newspapers_; }
  float gainSum() const { return gainSum_; }

  bool useDoping();
  // Whether one more doping or num more issues still fit the 0..255 counters; a shop asks
  // before it takes the money.
  bool canBuyDoping() const;
  bool canSubscribe(int num) const;
  void buyDoping();
  void subscribe(int num);
  void digest();

  bool Has(float amount) const { return money_ >= amount; }
  void setMoney(float amount) { money_ = amount; }
  void gainMoney(float amount);
  void resetGain() { gainSum_ = 0.0f; }
  bool cGainMoney(float amount, bool silent = false);

  void displayMoney();
  void displayLocation();
  // The month on the main window's date label.
  void showDate();

  // Shares by stable index 0 to 5.
  bool canBuyShares(int stable, std::int16_t howMany) const;
  void buyShares(int stable, std::int16_t howMany);
  bool sellShares(int stable, std::int16_t& howMany);
  std::int16_t SharesAt(int stable) const;
  void evaluateShares();

 private:
  const std::array<Stable, kStableCount>& stableList_;
  Messenger& messenger_;
  PlayerView* view_ = nullptr;

  float money_ = 0.0f;
  std::string location_;
  std::uint8_t newspapers_ = 0;
  std::array<std::int16_t, kStableCount> shares_{};
  GameMonth currentDate_;
  std::uint8_t dopings_ = 0;
  float gainSum_ = 0.0f;
};

}  // namespace gallox
