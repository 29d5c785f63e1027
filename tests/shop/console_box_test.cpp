// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The console from the main window's keyboard button: one input box after another, each line
// carried out at once, until the player enters nothing or cancels; the bank commands work the
// banks window, hidden or shown.

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QtTest>
#include <deque>
#include <memory>

#include "finance/banks_window.h"
#include "shop/newspaper_window.h"
#include "support/controls.h"
#include "support/main_window_world.h"
#include "support/modal_watch.h"
#include "support/scripted_random.h"
#include "world/look.h"

namespace gallox {

using testing::control;
using testing::shownText;

class ConsoleBoxTest : public QObject {
  Q_OBJECT

 private:
  using World = testing::PlayedGame<>;
  std::unique_ptr<World> world_;

  // What the player saw of each box.
  struct Box {
    QString title;
    QString prompt;
    QString offered;
    QString purse;
  };
  std::vector<Box> boxes_;
  std::size_t linesLeft_ = 0;

  MainWindow& main() const { return *world_->window; }
  QString purse() const { return shownText(main(), "lCurrentMoney"); }
  bool ticked(const char* entry) const { return control<QAction>(main(), entry).isChecked(); }
  BanksWindow* banks() const { return main().toolWindows().find<BanksWindow>(ToolWindow::Banks); }

  // Types each line into its box and presses Enter; a null line cancels its box instead.
  void typeIntoConsole(std::deque<QString> lines) {
    boxes_.clear();
    testing::ModalWatch watch([&](QWidget* modal) {
      auto* box = qobject_cast<QInputDialog*>(modal);
      QVERIFY(box);
      boxes_.push_back({box->windowTitle(), box->labelText(), box->textValue(), purse()});
      QVERIFY(!lines.empty());
      const QString line = lines.front();
      lines.pop_front();
      if (line.isNull()) {
        box->reject();
        return;
      }
      auto* typed = box->findChild<QLineEdit*>();
      QTest::keyClicks(typed, line);
      QTest::keyClick(typed, Qt::Key_Return);
    });
    testing::click(main(), "cons");
    linesLeft_ = lines.size();
  }
  // The loop ended after the last line, and no box is left waiting.
  void loopEndedAfter(std::size_t boxes) {
    QCOMPARE(boxes_.size(), boxes);
    QCOMPARE(linesLeft_, std::size_t{0});
    QVERIFY(!QApplication::activeModalWidget());
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<World>(0.5f);
  }

  void cleanup() { world_.reset(); }

  void giftThenTheBanksShownWithoutTheTick() {
    typeIntoConsole({"richie", "bank", ""});
    loopEndedAfter(3);
    for (const Box& box : boxes_) {
      QCOMPARE(box.title, QStringLiteral("GALX Consolev0.3b"));
      QCOMPARE(box.prompt, QStringLiteral("Enter you command here"));
      QCOMPARE(box.offered, QString());
    }
    QCOMPARE(boxes_[1].purse, QStringLiteral("GBP 1150.00"));
    QCOMPARE(purse(), QStringLiteral("GBP 1150.00"));
    QVERIFY(banks() && banks()->isVisible());
    QVERIFY(!ticked("mnuBanks"));
    QVERIFY(!main().banksWindowOpen());
  }

  void bankCommandsWorkTheHiddenWindowOnTheBankChosenThere() {
    testing::click(main(), "cheat");
    typeIntoConsole({"BORROW", "next bank", "Next Bank", "deposit", QString()});
    loopEndedAfter(5);
    QVERIFY(banks() && !banks()->isVisible());
    QCOMPARE(world_->game.bank(0).YourLoan(), 50.0f);
    QCOMPARE(world_->game.bank(2).YourDep(), 500.0f);
    QCOMPARE(purse(), QStringLiteral("GBP 4700.00"));

    // Opened now, it shows the third bank with the deposit made there.
    testing::click(main(), "cmdBanks");
    QVERIFY(banks()->isVisible());
    QVERIFY(ticked("mnuBanks"));
    QCOMPARE(banks()->selectedBank(), 2);
    QCOMPARE(shownText(*banks(), "bank_yd"), QStringLiteral("GBP 500.00"));

    // Closed, the choice goes with it: the next command starts again on the first bank.
    testing::closeWindow(banks());
    typeIntoConsole({"REPAY", ""});
    QCOMPARE(banks()->selectedBank(), 0);
    QCOMPARE(world_->game.bank(0).YourLoan(), 0.0f);
  }

  void readingAndBuyingThePaper() {
    typeIntoConsole({"!", "Np", "BUYNP", "nonsense", QString()});
    loopEndedAfter(5);
    QCOMPARE(purse(), QStringLiteral("GBP 10140.00"));
    QCOMPARE(shownText(main(), "NPs"), QStringLiteral("100"));
    auto* paper = main().toolWindows().find<NewspaperWindow>(ToolWindow::Newspaper);
    QVERIFY(paper && paper->isVisible());
    QVERIFY(ticked("mnuNP"));
    QVERIFY(world_->messenger.messages.empty());
  }

  void theMainWindowGoingAwayEndsTheLoopQuietly() {
    testing::ModalWatch watch([&](QWidget* modal) {
      QVERIFY(qobject_cast<QInputDialog*>(modal));
      world_->window.reset();
    });
    testing::click(main(), "cons");
    QVERIFY(!world_->window);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(world_->player().Money(), 150.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ConsoleBoxTest)
#include "console_box_test.moc"
