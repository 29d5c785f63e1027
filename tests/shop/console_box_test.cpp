// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The console from the main window's keyboard button: one input box after another, each line
// carried out at once, until the player enters nothing or cancels.

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <deque>
#include <memory>

#include "shop/newspaper_window.h"
#include "support/modal_watch.h"
#include "support/main_window_world.h"
#include "support/scripted_random.h"
#include "world/look.h"

namespace gallox {

class ConsoleBoxTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MainWindowWorld<testing::ScriptedRandom>> world_;
  MainWindow* main_ = nullptr;

  // What the player saw of each box, and how it was answered.
  struct Box {
    QString title;
    QString prompt;
    QString offered;
    QString purse;
  };
  // A line to type and accept; a null text cancels the box instead.
  std::vector<Box> typeIntoConsole(std::deque<QString> lines) {
    std::vector<Box> seen;
    testing::ModalWatch watch([&](QWidget* modal) {
      auto* box = qobject_cast<QInputDialog*>(modal);
      QVERIFY(box);
      seen.push_back({box->windowTitle(), box->labelText(), box->textValue(), mainText("lCurrentMoney")});
      QVERIFY(!lines.empty());
      const QString line = lines.front();
      lines.pop_front();
      if (line.isNull()) {
        box->reject();
        return;
      }
      QTest::keyClicks(box->findChild<QLineEdit*>(), line);
      QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    QTest::mouseClick(main_->findChild<QLabel*>(QStringLiteral("cons")), Qt::LeftButton);
    // The loop has ended: every line was used and no box is left waiting.
    linesLeft_ = lines.size();
    return seen;
  }
  std::size_t linesLeft_ = 0;
  QString mainText(const char* name) const { return main_->findChild<QLabel*>(QLatin1String(name))->text(); }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<testing::MainWindowWorld<testing::ScriptedRandom>>();
    world_->random.fallBackTo(0.5f);
    world_->start();
    main_ = world_->window.get();
  }

  void cleanup() {
    world_.reset();
  }

  void eachLineTakesEffectAtOnceUntilAnEmptyLine() {
    const std::vector<Box> boxes = typeIntoConsole({"richie", "!", "Np", "nonsense", ""});
    QCOMPARE(boxes.size(), std::size_t{5});
    QCOMPARE(linesLeft_, std::size_t{0});
    QVERIFY(!QApplication::activeModalWidget());
    for (const Box& box : boxes) {
      QCOMPARE(box.title, QStringLiteral("GALX Consolev0.3b"));
      QCOMPARE(box.prompt, QStringLiteral("Enter you command here"));
      QCOMPARE(box.offered, QString());
    }
    QCOMPARE(boxes[1].purse, QStringLiteral("GBP 1150.00"));
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 11150.00"));
    QCOMPARE(mainText("NPs"), QStringLiteral("99"));
    auto* paper = main_->toolWindows().find<NewspaperWindow>(ToolWindow::Newspaper);
    QVERIFY(paper && paper->isVisible());
    QVERIFY(main_->findChild<QAction*>(QStringLiteral("mnuNP"))->isChecked());
    QVERIFY(world_->messenger.messages.empty());
  }

  void cancellingEndsTheLoop() {
    const std::vector<Box> boxes = typeIntoConsole({"BUYNP", QString()});
    QCOMPARE(boxes.size(), std::size_t{2});
    QCOMPARE(linesLeft_, std::size_t{0});
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 140.00"));
    QCOMPARE(mainText("NPs"), QStringLiteral("1"));
  }

  void theMoneyFadeGoesOnBetweenTheBoxes() {
    // A gift starts the green fade; the yields between boxes let its ticks run meanwhile.
    int boxes = 0;
    QInputDialog* waiting = nullptr;
    std::int16_t stepsLeftAtSecondBox = 0;
    testing::ModalWatch watch([&](QWidget* modal) {
      auto* box = qobject_cast<QInputDialog*>(modal);
      QVERIFY(box);
      if (box == waiting) return;
      if (++boxes == 1) {
        box->setTextValue(QStringLiteral("RICHIE"));
        box->accept();
        return;
      }
      // The second box stays up a while, as a player thinks.
      waiting = box;
      stepsLeftAtSecondBox = main_->flowStep();
      QTimer::singleShot(450, box, [box] { box->reject(); });
    });
    main_->consClicked();
    QCOMPARE(boxes, 2);
    QVERIFY(main_->flowStep() < stepsLeftAtSecondBox);
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 1150.00"));
  }

  void theMainWindowGoingAwayEndsTheLoopQuietly() {
    testing::ModalWatch watch([&](QWidget* modal) {
      QVERIFY(qobject_cast<QInputDialog*>(modal));
      world_->window.reset();
    });
    QTest::mouseClick(main_->findChild<QLabel*>(QStringLiteral("cons")), Qt::LeftButton);
    QVERIFY(!world_->window);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(world_->player().Money(), 150.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ConsoleBoxTest)
#include "console_box_test.moc"
