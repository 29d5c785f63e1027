// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// How long the game's windows take to appear, each beside its reference in the same run:
// the game's own start-up work (the world read from the real route file, the main window
// made, shown and painted once) against a minimal Qt program's (one window of the main
// window's size with a label, shown and painted once); the cities window opened for the
// first time in a game against opened again. The start-ups are timed twice: their work inside
// this process, the application made anew each time, and as whole processes of start_probe,
// from their start to their first paint and exit.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScopeGuard>
#include <QLabel>
#include <QWidget>
#include <memory>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "tools/started_game.h"
#include "world/look.h"

namespace {

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
    gallox::installLook();
    gallox::showcase::StartedGame started;
    started.window.show();
    paintShownWindows();
  }
}
BENCHMARK(GameStartUp)->Unit(benchmark::kMillisecond);

extern "C" char** environ;

// One whole run of start_probe in the given state; it stops after its first paint.
void runProbe(benchmark::State& state, const char* probeState) {
  char program[] = GALLOX_START_PROBE;
  std::string stateName(probeState);
  char* arguments[] = {program, stateName.data(), nullptr};
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const auto done = qScopeGuard([&quiet] { posix_spawn_file_actions_destroy(&quiet); });
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, program, &quiet, nullptr, arguments, environ) != 0) {
      state.SkipWithError("start_probe did not start");
      return;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("start_probe failed");
      return;
    }
  }
}

void MinimalProcess(benchmark::State& state) { runProbe(state, "minimal"); }
BENCHMARK(MinimalProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void GameProcess(benchmark::State& state) { runProbe(state, "start"); }
BENCHMARK(GameProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A game just started, whose main window is made but not shown.
struct StartedGame : gallox::showcase::StartedGame {
  void openCities() {
    window.cmdCityClicked();
    paintShownWindows();
  }
  // Closing deletes the cities window; the next opening makes a new one.
  void closeCities() {
    if (QWidget* cities = window.toolWindows().find(gallox::ToolWindow::Cities)) cities->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

void CitiesFirstOpening(benchmark::State& state) {
  QApplication app(gArgc, gArgv);
  gallox::installLook();
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
  gallox::installLook();
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
