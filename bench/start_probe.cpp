// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Starts either as a minimal Qt program (one window of the main window's size with a label,
// shown and painted once) or as the game, and stops in one state of play to tell its resident
// memory. Without arguments it runs every state as a process of its own and sets each against
// the minimal program; window_bench also times whole processes of it.
//
//   start_probe                  the table of every state
//   start_probe STATE            one state: minimal, start, cities, race, banks, stock_market,
//                                shop, newspaper, late_race (a race after a long game: every
//                                city, bank and stable seen and the newspaper read)

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/started_game.h"
#include "world/look.h"

namespace {

// VmRSS and VmHWM from the process's status, in kB.
std::map<std::string, long> residentMemory() {
  std::map<std::string, long> found;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    for (const char* field : {"VmRSS", "VmHWM"})
      if (line.rfind(std::string(field) + ":", 0) == 0) found[field] = std::atol(line.c_str() + std::strlen(field) + 1);
  return found;
}

void runEvents(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  do QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  while (clock.elapsed() < milliseconds);
}

QWidget* topLevel(const char* className) {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->inherits(className)) return window;
  return nullptr;
}

// A race under way at a meeting, as the cities window runs it, ticked here.
void runRace(gallox::Game& game, gallox::PictureStore& pictures, QWidget* parent, const std::string& state) {
  gallox::RaceWindow race(game, pictures, parent);
  gallox::showcase::startRace(race);
  runEvents(2000);
  const auto memory = residentMemory();
  std::printf("%s %ld %ld\n", state.c_str(), memory.at("VmRSS"), memory.at("VmHWM"));
}

int probe(const std::string& state) {
  if (state == "minimal") {
    QWidget window;
    window.resize(gallox::MainWindow::kClientSize);
    QLabel label(QStringLiteral("Gallox Sprintz 2"), &window);
    label.move(20, 20);
    window.show();
    QCoreApplication::processEvents();
    const auto memory = residentMemory();
    std::printf("%s %ld %ld\n", state.c_str(), memory.at("VmRSS"), memory.at("VmHWM"));
    return 0;
  }

  // As main() starts the game.
  gallox::installLook();
  gallox::showcase::StartedGame started;
  gallox::Game& game = started.game;
  gallox::PictureStore& pictures = started.pictures;
  gallox::MainWindow& window = started.window;
  window.show();
  QCoreApplication::processEvents();

  QWidget* opened = &window;
  if (state == "late_race") {
    // What a long game leaves behind before a race.
    for (int city = 0; city < 14; ++city) pictures.g_city(city);
    for (int i = 0; i < 6; ++i) {
      pictures.g_bank(i);
      pictures.stables(i);
    }
    window.openNewspaper();
    QCoreApplication::processEvents();
    if (QWidget* paper = topLevel("gallox::NewspaperWindow")) paper->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  if (state == "cities" || state == "race" || state == "late_race") {
    window.cmdCityClicked();
    opened = topLevel("gallox::CitiesWindow");
  } else if (state == "banks") {
    window.cmdBanksClicked();
    opened = topLevel("gallox::BanksWindow");
  } else if (state == "stock_market") {
    window.cmdStockMarketClicked();
    opened = topLevel("gallox::StockMarketWindow");
  } else if (state == "shop") {
    window.cmdShopClicked();
    opened = topLevel("gallox::ShopWindow");
  } else if (state == "newspaper") {
    window.openNewspaper();
    opened = topLevel("gallox::NewspaperWindow");
  } else if (state != "start") {
    std::fprintf(stderr, "start_probe: no state %s\n", state.c_str());
    return 2;
  }
  if (!opened) {
    std::printf("%s - -\n", state.c_str());
    return 0;
  }
  if (state == "race" || state == "late_race") {
    runRace(game, pictures, opened, state);
    return 0;
  }
  if (state != "start") runEvents(300);
  const auto memory = residentMemory();
  std::printf("%s %ld %ld\n", state.c_str(), memory.at("VmRSS"), memory.at("VmHWM"));
  return 0;
}

// Runs each state in a process of its own and prints them against the minimal program.
int table(const char* self) {
  const std::vector<std::string> states = {"minimal", "start",        "cities", "race",
                                           "banks",   "stock_market", "shop",   "newspaper",
                                           "late_race"};
  long minimalRss = 0;
  long minimalHwm = 0;
  std::printf("%-14s %10s %10s %8s %8s\n", "state", "VmRSS kB", "VmHWM kB", "RSS x", "HWM x");
  for (const std::string& state : states) {
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + self + "' " + state + " 2>/dev/null";
    FILE* child = popen(command.c_str(), "r");
    char name[32] = {};
    char rssText[32] = {};
    char hwmText[32] = {};
    const bool read = child && std::fscanf(child, "%31s %31s %31s", name, rssText, hwmText) == 3;
    if (child) pclose(child);
    if (!read || rssText[0] == '-') {
      std::printf("%-14s %10s\n", state.c_str(), "(no such window yet)");
      continue;
    }
    const long rss = std::atol(rssText);
    const long hwm = std::atol(hwmText);
    if (state == "minimal") {
      minimalRss = rss;
      minimalHwm = hwm;
    }
    std::printf("%-14s %10ld %10ld %8.2f %8.2f\n", state.c_str(), rss, hwm,
                static_cast<double>(rss) / static_cast<double>(minimalRss),
                static_cast<double>(hwm) / static_cast<double>(minimalHwm));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return table(argv[0]);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return probe(argv[1]);
}
