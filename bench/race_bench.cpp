// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// How long one frame of an eight-horse race takes, against a plain copy of as many bytes as the
// view holds: its composing alone, and the whole frame of a tick as the race window makes it,
// from the horses' step to the view painted on the window's surface. A frame is drawn every
// 40 ms tick and on every mouse move.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QString>
#include <array>
#include <cstring>
#include <memory>

#include "race/b_screen.h"
#include "race/masked_sprite.h"
#include "race/picture_area.h"
#include "race/race_window.h"
#include "tools/started_game.h"
#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"
#include "world/random_source.h"

namespace {

constexpr QSize kViewSize(698, 386);
constexpr int kHorses = 8;
constexpr std::array<const char*, kHorses> kNames = {"Priest",  "Lucky Strike", "Sweeper Smasher", "Snoopey",
                                                 "Brendan", "Wind Horse",   "Rainbow Seven",   "Lord"};

void ComposeFrame(benchmark::State& state) {
  gallox::PictureStore pictures;
  const QImage track =
      pictures.render(QStringLiteral("track.svg"), {}, QImage::Format_RGB32);
  const gallox::MaskedSprite horse =
      gallox::MaskedSprite::fromPicture(pictures.render(QStringLiteral("horse.svg")));
  gallox::PictureArea view{QImage(kViewSize, QImage::Format_RGB32),
                           gallox::designFont(QStringLiteral("Trebuchet MS"), 7.8), Qt::black};
  gallox::BScreen scr;
  scr.Setup(view, track, track.width(), track.height());
  // Scrolled to the finish, where the names and the place marks are in view.
  scr.drag(0, 0);
  scr.drag(track.width(), 0);

  std::array<QString, kHorses> names;
  for (int i = 0; i < kHorses; ++i) names[static_cast<std::size_t>(i)] = QString::fromLatin1(kNames[static_cast<std::size_t>(i)]);
  for (auto _ : state) {
    scr.bgCls();
    for (int i = 0; i < kHorses; ++i) {
      const int pos = 600 + 7 * i;
      scr.Blit(horse.sprite, horse.mask, pos, i * 48 + 10);
      scr.Echo(pos + 25, i * 48 + 7, names[static_cast<std::size_t>(i)]);
      scr.setBold();
      scr.setColor(255);
      scr.Echo(725, i * 50 + 20, QString::number(i + 1) + QLatin1Char('.'));
      scr.unsetBold();
      scr.setColor(0);
    }
    benchmark::DoNotOptimize(view.image.constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(ComposeFrame)->Unit(benchmark::kMicrosecond);

// A meeting of many races of eight, shown on the offscreen screen like any window.
std::unique_ptr<gallox::RaceWindow> openMeeting(gallox::Game& game, gallox::PictureStore& pictures) {
  auto window = std::make_unique<gallox::RaceWindow>(game, pictures);
  window->sendData(255, QStringLiteral("London"), kHorses);
  window->showInfo();
  window->initFirstRace();
  window->show();
  QCoreApplication::processEvents();
  return window;
}

// One tick of a race under way: the horses step, the frame is composed and the view repainted
// on the window's surface, as the event loop does it after the tick asked for it.
void WholeFrame(benchmark::State& state) {
  gallox::ClockRandomSource random(2010);
  gallox::showcase::SilentMessenger messenger;
  gallox::Game game(random, messenger);
  game.startUp(GALLOX_ROUTE_FILE);
  gallox::PictureStore pictures;
  auto window = openMeeting(game, pictures);
  for (auto _ : state) {
    const gallox::RaceMeeting& meeting = window->meeting();
    if (meeting.finished() == meeting.running()) {
      // Every horse is in: the next race, or a new meeting when this one has run out.
      state.PauseTiming();
      if (meeting.meetingOver())
        window = openMeeting(game, pictures);
      else
        window->findChild<QPushButton*>(QStringLiteral("nextRace"))->click();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
    window->tickTimer();
    QCoreApplication::sendPostedEvents(window.get(), QEvent::UpdateRequest);
  }
}
BENCHMARK(WholeFrame)->Unit(benchmark::kMicrosecond);

void CopyViewBytes(benchmark::State& state) {
  QImage from(kViewSize, QImage::Format_RGB32);
  from.fill(Qt::darkGreen);
  QImage to(kViewSize, QImage::Format_RGB32);
  for (auto _ : state) {
    std::memcpy(to.bits(), from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
    benchmark::DoNotOptimize(to.constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CopyViewBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Text needs a running application; no screen is needed for drawing into images.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  gallox::installLook();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
