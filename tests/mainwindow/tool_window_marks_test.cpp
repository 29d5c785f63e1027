// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/tool_window_marks.h"

#include <gtest/gtest.h>

namespace gallox {
namespace {

struct MonthEnd {
  ToolWindow kind;
  bool flagged;  // rpWindowOpen / banksWindowOpen once opened from the main window
  bool ticked;
  bool refreshed;
};

class OpenedFromTheMainWindow : public ::testing::TestWithParam<MonthEnd> {};

TEST_P(OpenedFromTheMainWindow, SetsFlagAndTickAndDecidesTheMonthsRefresh) {
  const MonthEnd& row = GetParam();
  ToolWindowMarks marks;
  EXPECT_FALSE(marks.refreshedAtMonthEnd(row.kind));

  marks.opened(row.kind);
  EXPECT_EQ(marks.flagged(row.kind), row.flagged);
  EXPECT_EQ(marks.ticked(row.kind), row.ticked);
  EXPECT_EQ(marks.refreshedAtMonthEnd(row.kind), row.refreshed);

  marks.closed(row.kind);
  EXPECT_FALSE(marks.flagged(row.kind));
  EXPECT_FALSE(marks.ticked(row.kind));
  EXPECT_FALSE(marks.refreshedAtMonthEnd(row.kind));
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, OpenedFromTheMainWindow,
    ::testing::Values(MonthEnd{ToolWindow::Cities, true, true, true},
                      MonthEnd{ToolWindow::Banks, true, true, true},
                      MonthEnd{ToolWindow::StockMarket, false, true, true},
                      MonthEnd{ToolWindow::Shop, false, true, false},
                      MonthEnd{ToolWindow::Newspaper, false, true, false},
                      MonthEnd{ToolWindow::GridMap, false, false, false}));

TEST(ToolWindowMarks, OneWindowsMarksLeaveTheOthersAlone) {
  ToolWindowMarks marks;
  marks.opened(ToolWindow::Cities);
  marks.opened(ToolWindow::Banks);
  marks.closed(ToolWindow::Cities);
  EXPECT_TRUE(marks.refreshedAtMonthEnd(ToolWindow::Banks));
  EXPECT_FALSE(marks.refreshedAtMonthEnd(ToolWindow::Cities));
}

}  // namespace
}  // namespace gallox
