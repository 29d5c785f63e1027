// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The main window's row of nine picture buttons, in twips, with the tip each one shows
// centred beneath it while the pointer is over it.

#include <array>
#include <cstddef>

namespace gallox {

class ButtonRow {
 public:
  enum Button { Go, Banks, City, StockMarket, Shop, NP, GridMap, About, Console, kCount };

  struct Place {
    const char* name;  // the control's name, also its object name on the window
    int left, top, width, height;
    const char* tip;
    const char* picture;
  };

  static constexpr int kTipLeft = 2052;
  static constexpr int kTipTop = 972;
  static constexpr int kTipWidth = 2280;
  static constexpr int kTipHeight = 336;

  static constexpr std::array<Place, kCount> kButtons{{
      {"cmdGo", 1404, 540, 384, 384, "Next Month", "button_next_month.svg"},
      {"cmdBanks", 1944, 540, 384, 384, "Banks", "button_banks.svg"},
      {"cmdCity", 2484, 540, 384, 384, "Cities", "button_cities.svg"},
      {"cmdStockMarket", 3024, 540, 384, 384, "Stock Market", "button_stock_market.svg"},
      {"cmdShop", 3564, 540, 384, 384, "Shop", "button_shop.svg"},
      {"cmdNP", 4104, 540, 384, 384, "Newspapers", "button_newspaper.svg"},
      {"cmdGridMap", 4644, 540, 384, 384, "Grid Map", "button_grid_map.svg"},
      {"cmdAbout", 5184, 540, 384, 384, "Credits", "button_credits.svg"},
      {"cons", 5724, 540, 396, 384, "Console", "button_console.svg"},
  }};

  static const Place& place(Button button) { return kButtons[static_cast<std::size_t>(button)]; }

  // The tip keeps its width and centres its text, so centring the label under the button
  // centres the text too; the tip may reach past the button row on either side.
  static constexpr double tipLeft(const Place& button) {
    return button.left - (kTipWidth - button.width) / 2.0;
  }
};

}  // namespace gallox
