// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// How long the game's windows take to appear, each beside its reference in the same run:
// the game's own start-up work (the world read from the real route file, the main window
// made, shown and painted once) against a minimal Qt program's (one window of the main
// window's size with a label, shown and painted once); the cities window opened for the
// first time in a game against opened again.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "mainwindow/main_window.h"
#include "world/game.h"
#include "world/look.h"
#include "world/messenger.h"
#include "world/picture_store.h"
#include "world/random_source.h"

namespace {

class SilentMessenger final : public gallox::Messenger {
 public:
  void showMessage(const std::string&) override {}
};

// Shown windows are painted when the event loop next runs: once here.
void paintShownWindows() { QCoreApplication::processEvents(); }

// Each program makes its application: the platform, the fonts and the style come up anew.
int gArgc = 1;
char gName[] = "window_bench";
char* gArgv[] = {gName, nullptr};

void MinimalProgram(benchmark::State& state) {
  for (auto _ : state) {
    QApplication app(gArgc, gArgv);
    QWidget window;
    window.resize(gallox::MainWindow::kClientSize);
    QLabel label(QStringLiteral("Gallox Sprintz 2"), &window);
    label.move(20, 20);
    window.show();
    paintShownWindows();
  }
}
BENCHMARK(MinimalProgram)->Unit(benchmark::kMillisecond);


// What main() does before it runs the event loop.
void GameStartUp(benchmark::State& state) {
  for (auto _ : state) {
    QApplication app(gArgc, gArgv);
    gallox::installFontSubstitutions();
    gallox::ClockRandomSource random(2010);
    SilentMessenger messenger;
    gallox::Game game(random, messenger);
    gallox::PictureStore pictures;
    gallox::MainWindow window(game, pictures);
    game.startUp(GALLOX_ROUTE_FILE);
    window.show();
    paintShownWindows();
  }
}
BENCHMARK(GameStartUp)->Unit(benchmark::kMillisecond);

// A game just started, whose main window is made but not shown.
struct StartedGame {
  gallox::ClockRandomSource random{2010};
  SilentMessenger messenger;
  gallox::Game game{random, messenger};
  gallox::PictureStore pictures;
  gallox::MainWindow window{game, pictures};
  StartedGame() { game.startUp(GALLOX_ROUTE_FILE); }

  void openCities() {
    window.cmdCityClicked();
    paintShownWindows();
  }
  // Closing deletes the cities window; the next opening makes a new one.
  void closeCities() {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->inherits("gallox::CitiesWindow")) top->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

void CitiesFirstOpening(benchmark::State& state) {
  QApplication app(gArgc, gArgv);
  gallox::installFontSubstitutions();
  for (auto _ : state) {
    state.PauseTiming();
    auto game = std::make_unique<StartedGame>();
    state.ResumeTiming();
    game->openCities();
    state.PauseTiming();
    game->closeCities();
    game.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(CitiesFirstOpening)->Unit(benchmark::kMillisecond);

void CitiesReopening(benchmark::State& state) {
  QApplication app(gArgc, gArgv);
  gallox::installFontSubstitutions();
  StartedGame game;
  game.openCities();
  game.closeCities();
  for (auto _ : state) {
    game.openCities();
    state.PauseTiming();
    game.closeCities();
    state.ResumeTiming();
  }
}
BENCHMARK(CitiesReopening)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
