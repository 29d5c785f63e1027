// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game's main window: a strip with the month, the purse and its fade, the running gain,
// the place and the newspapers, a row of picture buttons with tips, and the menus. It is open
// for the whole game and opens every other window; closing it ends the game.

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>

#include "finance/banks_desk.h"
#include "finance/stock_desk.h"
#include "mainwindow/banks_window_target.h"
#include "mainwindow/button_row.h"
#include "mainwindow/money_fade.h"
#include "mainwindow/tool_windows.h"
#include "shop/console.h"
#include "shop/shop_desk.h"
#include "world/player_view.h"

namespace gallox {

class Game;
class ImageButton;
class PictureStore;

class MainWindow : public QMainWindow, public PlayerView {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{681, 154};
  static constexpr QPoint kClientPlace{36, 91};

  // Attaches itself to the game's player as the view of purse, place, month and newspapers.
  MainWindow(Game& game, PictureStore& pictures, QWidget* parent = nullptr);

  // The fade's steps left, which every change of money sets to +16 or -16.
  std::int16_t flowStep() const { return fade_.flowStep(); }
  void setFlowStep(std::int16_t step) { fade_.setFlowStep(step); }

  // Whether the cities or the banks window was opened from here and is still open: the month's
  // end refreshes only those.
  bool rpWindowOpen() const { return tools_.marks().flagged(ToolWindow::Cities); }
  bool banksWindowOpen() const { return tools_.marks().flagged(ToolWindow::Banks); }

  ToolWindows& toolWindows() { return tools_; }

  // PlayerView
  void showMoney(const std::string& text) override;
  void setMoneyColour(Colour colour) override;
  void showGain(const std::string& text, Colour colour) override;
  void startFade(std::int16_t step) override;
  void showDate(const std::string& text) override;
  void showLocation(const std::string& text) override;
  void showNewspapers(const std::string& text) override;
  bool newspaperOpen() const override;
  void openNewspaper() override;
  void reloadNewspaper() override;

 signals:
  // The player closed the main window: the game is over.
  void closed();

 public slots:
  // The month's end, then the refresh of the open windows that show the month.
  void cmdGoClicked();
  void cmdBanksClicked();
  void cmdCityClicked();
  void cmdStockMarketClicked();
  void cmdShopClicked();
  void cmdNPClicked();
  void cmdGridMapClicked();
  void cmdAboutClicked();
  void consClicked();
  void cheatClicked();
  void mnuLicenceClicked();
  // One step of the purse's colour fade; the flow timer calls it every 200 ms.
  void flowTimer();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls(QWidget& surface);
  void buildMenus();
  // How each tool window is made, and which menu entry ticks while it is open.
  void registerToolWindows();
  QLabel* addLabel(QWidget& surface, const char* name, QRect twips, const QFont& font,
                   Qt::Alignment alignment, const QString& text = {});
  // Centres the tip under a button of the row and names the button in it.
  void showTip(int button);

  Game& game_;
  PictureStore& pictures_;
  MoneyFade fade_;
  // The bank and the stable last shown; their windows come and go.
  BanksDesk banksDesk_;
  StockDesk stockDesk_;
  ToolWindows tools_;
  ShopDesk shopDesk_;
  BanksWindowTarget consoleBanks_;
  Console console_;

  std::array<ImageButton*, ButtonRow::kCount> buttons_{};
  ImageButton* cheat_ = nullptr;
  QLabel* tip_ = nullptr;
  QLabel* gain_ = nullptr;
  QLabel* lCurrentDate_ = nullptr;
  QLabel* lCurrentMoney_ = nullptr;
  QLabel* NPs_ = nullptr;
  QLabel* lCurrentLocation_ = nullptr;
  QTimer* flow_ = nullptr;

  QAction* mnuNextMonth_ = nullptr;
  QAction* mnuBanks_ = nullptr;
  QAction* mnuRPs_ = nullptr;
  QAction* mnuStockMarket_ = nullptr;
  QAction* mnuShop_ = nullptr;
  QAction* mnuGridMap_ = nullptr;
  QAction* mnuNP_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  QAction* mnuLicence_ = nullptr;
};

}  // namespace gallox
