// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Takes pictures of the game's windows as the screen shows them, from a world started with a
// fixed seed, so that the same code gives the same pictures: the main window, the cities
// window, a race under way, the banks, the stock market, the shop and the newspaper.
//
//   gallox_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "tools/started_game.h"
#include "world/look.h"

namespace {

constexpr std::uint32_t kSeed = 2010;
constexpr int kRaceTicks = 70;

// Lets the windows lay themselves out and paint what changed, as the event loop would.
void settle() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 50) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// What the screen shows of the window: its painted surface, not a fresh rendering of it.
bool save(QWidget& window, const QDir& folder, const QString& name) {
  settle();
  const QPixmap shot = window.screen()->grabWindow(window.winId());
  const QString path = folder.filePath(name);
  if (shot.isNull() || !shot.save(path)) {
    std::fprintf(stderr, "gallox_screenshots: could not save %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallox_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "gallox_screenshots: cannot make %s\n", argv[1]);
    return 1;
  }
  gallox::installLook();

  gallox::showcase::StartedGame started(kSeed);
  gallox::Game& game = started.game;
  gallox::MainWindow& window = started.window;
  window.show();
  bool saved = save(window, folder, QStringLiteral("main_window.png"));

  const auto saveTool = [&](gallox::ToolWindow kind, const QString& name) {
    QWidget* tool = window.toolWindows().find(kind);
    if (!tool || !tool->isVisible()) {
      std::fprintf(stderr, "gallox_screenshots: no window for %s\n", qPrintable(name));
      return false;
    }
    // Below the main window, as a player would move it out of the way.
    if (kind == gallox::ToolWindow::Cities) tool->move(window.x(), window.y() + window.height() + 40);
    const bool done = save(*tool, folder, name);
    tool->close();
    return done;
  };

  window.cmdCityClicked();
  saved = saveTool(gallox::ToolWindow::Cities, QStringLiteral("cities.png")) && saved;

  {
    // The meeting as the cities window opens it, but shown without waiting for it to end,
    // and ticked here rather than by its timer, so that each picture is the same moment.
    gallox::RaceWindow race(game, started.pictures);
    gallox::showcase::startRace(race);
    // No blinking text cursor: every run gives the same picture.
    race.findChild<QComboBox*>(QStringLiteral("cmbHorse"))->setFocus();
    for (QTimer* timer : race.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) timer->stop();
    for (int tick = 0; tick < kRaceTicks; ++tick) {
      race.tickTimer();
      QCoreApplication::processEvents();
    }
    saved = save(race, folder, QStringLiteral("race.png")) && saved;
    race.hide();
  }

  window.cmdBanksClicked();
  saved = saveTool(gallox::ToolWindow::Banks, QStringLiteral("banks.png")) && saved;
  // The market opens after its two seconds at the entrance.
  window.cmdStockMarketClicked();
  saved = saveTool(gallox::ToolWindow::StockMarket, QStringLiteral("stock_market.png")) && saved;
  window.cmdShopClicked();
  saved = saveTool(gallox::ToolWindow::Shop, QStringLiteral("shop.png")) && saved;
  game.player().subscribe(1);
  window.cmdNPClicked();
  saved = saveTool(gallox::ToolWindow::Newspaper, QStringLiteral("newspaper.png")) && saved;
  return saved ? 0 : 1;
}
