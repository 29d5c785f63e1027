// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Stand-ins for the main window and the message window that remember what they were told.

#include <string>
#include <vector>

#include "world/messenger.h"
#include "world/player_view.h"

namespace gallox::testing {

class RecordingMessenger final : public Messenger {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  std::string last() const { return messages.empty() ? std::string() : messages.back(); }
  std::vector<std::string> messages;
};

class RecordingView final : public PlayerView {
 public:
  void showMoney(const std::string& text) override { money = text; }
  void setMoneyColour(Colour colour) override { moneyColour = colour; }
  void showGain(const std::string& text, Colour colour) override { gain = text, gainColour = colour; }
  void startFade(std::int16_t step) override { flowStep = step, ++fadesStarted; }
  void showDate(const std::string& text) override { date = text; }
  void showLocation(const std::string& text) override { location = text; }
  void showNewspapers(const std::string& text) override { newspapers = text; }
  bool newspaperOpen() const override { return paperOpen; }
  void openNewspaper() override { paperOpen = true, ++paperOpened; }
  void reloadNewspaper() override { ++paperReloaded; }

  std::string money, gain, date, location, newspapers;
  Colour moneyColour = 0, gainColour = 0;
  std::int16_t flowStep = 0;
  bool paperOpen = false;
  int fadesStarted = 0, paperOpened = 0, paperReloaded = 0;
};

}  // namespace gallox::testing
