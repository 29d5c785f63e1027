// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/tool_window_marks.h"

#include <gtest/gtest.h>

namespace gallox {
namespace {

// Opened from the main window: the flag (rpWindowOpen / banksWindowOpen), the menu's tick and the
// month's refresh each kind takes; closed, it drops them all.
TEST(ToolWindowMarks, OpenedFromTheMainWindowSetsFlagAndTickAndDecidesTheMonthsRefresh) {
  struct MonthEnd {
    ToolWindow kind;
    bool flagged, ticked, refreshed;
  };
  for (const MonthEnd& row :
       {MonthEnd{ToolWindow::Cities, true, true, true}, {ToolWindow::Banks, true, true, true},
        {ToolWindow::StockMarket, false, true, true}, {ToolWindow::Shop, false, true, false},
        {ToolWindow::Newspaper, false, true, false}, {ToolWindow::GridMap, false, false, false}}) {
    SCOPED_TRACE(static_cast<int>(row.kind));
    ToolWindowMarks marks;
    EXPECT_FALSE(marks.refreshedAtMonthEnd(row.kind));
    marks.opened(row.kind);
    EXPECT_EQ(marks.flagged(row.kind), row.flagged);
    EXPECT_EQ(marks.ticked(row.kind), row.ticked);
    EXPECT_EQ(marks.refreshedAtMonthEnd(row.kind), row.refreshed);
    marks.closed(row.kind);
    EXPECT_FALSE(marks.flagged(row.kind) || marks.ticked(row.kind) || marks.refreshedAtMonthEnd(row.kind));
  }
}

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
