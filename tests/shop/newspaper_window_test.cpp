// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Reading the paper from the main window: each reading costs an issue and fills the one
// newspaper window in the top-left corner; the month's end leaves it on the old issue until
// the next reading; closing it clears the tick.

#include <QAction>
#include <QtTest>
#include <memory>

#include "shop/newspaper_window.h"
#include "support/controls.h"
#include "support/main_window_world.h"
#include "support/scripted_random.h"
#include "world/look.h"

namespace gallox {

using testing::control;
using testing::shownText;

class NewspaperWindowTest : public QObject {
  Q_OBJECT

 private:
  using World = testing::PlayedGame<>;
  std::unique_ptr<World> world_;

  MainWindow& main() const { return *world_->window; }
  QString issues() const { return shownText(main(), "NPs"); }
  bool ticked() const { return control<QAction>(main(), "mnuNP").isChecked(); }
  NewspaperWindow* paper() const { return main().toolWindows().find<NewspaperWindow>(ToolWindow::Newspaper); }
  QString shown(const char* label) const { return shownText(*paper(), label); }
  void read() { testing::click(main(), "cmdNP"); }
  // What the month's issue should read in the window, line breaks as the labels break them.
  static QString printed(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  void showsTheIssueOf(const QString& month) {
    const News& news = world_->game.news();
    QCOMPARE(shown("date"), month);
    QCOMPARE(shown("races"), printed(news.raceNews()));
    for (int i = 1; i <= kNewsItemCount; ++i)
      QCOMPARE(shown(QStringLiteral("header%1").arg(i).toLatin1().constData()), printed(news.newsItem(i)));
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    // Races everywhere, and items of several kinds.
    world_ = std::make_unique<World>(0.3f);
    world_->player().subscribe(3);
  }

  void cleanup() { world_.reset(); }

  // Each reading fills the one window in the corner; the month's end leaves it alone.
  void readingFillsTheOnePaperInTheCornerUntilClosed() {
    read();
    QCOMPARE(issues(), QStringLiteral("2"));
    QVERIFY(paper() && paper()->isVisible());
    QVERIFY(ticked());
    QCOMPARE(paper()->pos(), QPoint(0, 0));
    QCOMPARE(shown("Label1"), QStringLiteral("The Gallox Herald"));
    QCOMPARE(shown("header0"), QStringLiteral("Horse Races in England"));
    QVERIFY(!world_->game.news().raceNews().empty());
    showsTheIssueOf(QStringLiteral("January 2010"));

    NewspaperWindow* first = paper();
    first->move(200, 150);

    // The month's end prints a new paper but leaves the open one as it was.
    world_->random.fallBackTo(0.9f);
    testing::click(main(), "cmdGo");
    QCOMPARE(shown("date"), QStringLiteral("January 2010"));
    QVERIFY(shown("header1") != printed(world_->game.news().newsItem(1)));
    QCOMPARE(first->pos(), QPoint(200, 150));

    control<QAction>(main(), "mnuNP").trigger();
    QCOMPARE(paper(), first);
    QCOMPARE(issues(), QStringLiteral("1"));
    QVERIFY(ticked());
    QCOMPARE(first->pos(), QPoint(0, 0));
    showsTheIssueOf(QStringLiteral("February 2010"));

    // Closed, it takes its tick along; the next reading opens it afresh.
    testing::closeWindow(paper());
    QVERIFY(!paper());
    QVERIFY(!ticked());
    read();
    QVERIFY(paper() && paper()->isVisible());
    QVERIFY(ticked());
    QCOMPARE(issues(), QStringLiteral("0"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::NewspaperWindowTest)
#include "newspaper_window_test.moc"
