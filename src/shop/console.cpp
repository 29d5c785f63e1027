// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/console.h"

#include <array>
#include <string_view>

#include "shop/shop_desk.h"
#include "world/player.h"
#include "world/tables.h"

namespace gallox {

namespace {

constexpr float kRichieGift = 1000.0f;
constexpr float kBigGift = 10000.0f;
constexpr int kBigGiftIssues = 100;
constexpr int kLastBank = kBankCount - 1;

struct Command {
  std::string_view text;
  void (Console::*run)();
};

// Only the ASCII letters change: the commands are plain ASCII, and a typed letter outside it
// must not turn into one of theirs.
std::string capitals(const std::string& text) {
  std::string upper = text;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace

Console::Console(Player& player, ShopDesk& shop, ConsoleBanks& banks)
    : player_(player), shop_(shop), banks_(banks) {}

void Console::interpret(const std::string& command) {
  static constexpr std::array<Command, 12> kCommands = {{
      {"RICHIE", &Console::richie},
      {"!", &Console::bigGift},
      {"DRUGZ", &Console::drugz},
      {"NP", &Console::readPaper},
      {"BUYNP", &Console::buyPaper},
      {"BANK", &Console::showBanks},
      {"NEXT BANK", &Console::nextBank},
      {"PREV BANK", &Console::prevBank},
      {"BORROW", &Console::borrow},
      {"REPAY", &Console::repay},
      {"DEPOSIT", &Console::deposit},
      {"PICK", &Console::pick},
  }};
  const std::string typed = capitals(command);
  for (const Command& known : kCommands) {
    if (typed == known.text) {
      (this->*known.run)();
      return;
    }
  }
}

void Console::richie() { player_.gainMoney(kRichieGift); }

// The issues come first; a pile that would pass 255 stops there, and the money comes all the same.
void Console::bigGift() {
  player_.subscribe(kBigGiftIssues);
  player_.gainMoney(kBigGift);
}

void Console::drugz() { player_.buyDoping(); }

void Console::readPaper() { player_.digest(); }

void Console::buyPaper() { shop_.buy(ShopDesk::Goods::Newspaper); }

void Console::showBanks() { banks_.show(); }

void Console::nextBank() {
  const int bank = banks_.selectedBank();
  if (bank < kLastBank) banks_.selectBank(bank + 1);
}

void Console::prevBank() {
  const int bank = banks_.selectedBank();
  if (bank > 0) banks_.selectBank(bank - 1);
}

void Console::borrow() { banks_.borrow(); }
void Console::repay() { banks_.repay(); }
void Console::deposit() { banks_.deposit(); }
void Console::pick() { banks_.pick(); }

}  // namespace gallox
