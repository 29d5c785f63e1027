// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The registry of tool windows: made once and reused, the three ways in, the ticks that follow
// the closing, and the month's refresh of only the windows opened from the main window.

#include <QAction>
#include <QtTest>

#include "mainwindow/tool_windows.h"
#include "support/main_window_world.h"
#include "world/month_publisher.h"

namespace gallox {

namespace {
class PublishingWindow : public QWidget, public MonthPublisher {
 public:
  explicit PublishingWindow(int& made) : QWidget(nullptr, Qt::Tool) { ++made; }
  void publishMonth() override { ++published; }
  int published = 0;
};
}  // namespace

class ToolWindowsTest : public QObject {
  Q_OBJECT

 private:
  int made_ = 0;
  QAction* mark_ = nullptr;
  ToolWindows* tools_ = nullptr;

  PublishingWindow* banks() const { return dynamic_cast<PublishingWindow*>(tools_->find(ToolWindow::Banks)); }

 private slots:
  void init() {
    made_ = 0;
    tools_ = new ToolWindows;
    mark_ = new QAction(tools_);
    mark_->setCheckable(true);
    tools_->add(ToolWindow::Banks, [this] { return new PublishingWindow(made_); }, mark_);
  }

  void cleanup() {
    delete tools_->find(ToolWindow::Banks);
    delete tools_;
  }

  void openingMakesOnceThenFrontsAndClosingDeletes() {
    QWidget* first = tools_->open(ToolWindow::Banks);
    QVERIFY(first && first->isVisible());
    QVERIFY(tools_->marks().flagged(ToolWindow::Banks));
    QVERIFY(mark_->isChecked());
    QCOMPARE(tools_->open(ToolWindow::Banks), first);
    QCOMPARE(made_, 1);

    testing::closeWindow(first);
    QVERIFY(!tools_->find(ToolWindow::Banks));
    QVERIFY(!tools_->marks().flagged(ToolWindow::Banks));
    QVERIFY(!mark_->isChecked());
    QVERIFY(tools_->open(ToolWindow::Banks));
    QCOMPARE(made_, 2);
  }

  void ensureMakesHiddenAndShowOnlyMarksNothing() {
    QWidget* hidden = tools_->ensure(ToolWindow::Banks);
    QVERIFY(hidden && !hidden->isVisible());
    QCOMPARE(tools_->showOnly(ToolWindow::Banks), hidden);
    QVERIFY(hidden->isVisible());
    QVERIFY(!tools_->marks().flagged(ToolWindow::Banks));
    QVERIFY(!mark_->isChecked());
    QCOMPARE(made_, 1);

    // A window only shown is left alone by the month; once opened properly, it follows it.
    tools_->publishMonth();
    QCOMPARE(banks()->published, 0);
    tools_->open(ToolWindow::Banks);
    tools_->publishMonth();
    QCOMPARE(banks()->published, 1);
  }

  void choosingATickedEntryKeepsItsTick() {
    tools_->open(ToolWindow::Banks);
    mark_->trigger();
    QVERIFY(mark_->isChecked());
    testing::closeWindow(banks());
    mark_->trigger();
    QVERIFY(!mark_->isChecked());
  }

  void aKindNotBuiltOpensNothing() {
    QAction shop;
    shop.setCheckable(true);
    tools_->add(ToolWindow::Shop, {}, &shop);
    shop.trigger();
    QVERIFY(!tools_->open(ToolWindow::Shop));
    QVERIFY(!shop.isChecked());
    QVERIFY(!tools_->marks().ticked(ToolWindow::Shop));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ToolWindowsTest)
#include "tool_windows_test.moc"
