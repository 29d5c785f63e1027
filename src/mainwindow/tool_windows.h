// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The main window's tool windows in one place: each kind is made on first use and reused, and
// its closing, its menu tick, its flag and its refresh at the month's end are kept here.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "mainwindow/tool_window_marks.h"

class QAction;

namespace gallox {

class ToolWindows : public QObject {
  Q_OBJECT
 public:
  // Builds a window of one kind; it may hold the player first (the stock market's entrance)
  // and may give up by returning nullptr.
  using Factory = std::function<QWidget*()>;

  explicit ToolWindows(QObject* parent = nullptr) : QObject(parent) {}

  // How a kind is made (an empty factory: not available), the menu entry whose tick shows it
  // open (nullptr when none), and whether the window only hides when closed (the grid map keeps
  // its map that way) or is deleted.
  void add(ToolWindow kind, Factory make, QAction* mark, bool hideOnClose = false);

  // The main window's buttons and menu: shown and brought forward, with flag and tick set.
  QWidget* open(ToolWindow kind);
  // Made if need be, but left hidden and unmarked (the console touching the banks window).
  QWidget* ensure(ToolWindow kind);
  // Shown, but neither flagged nor ticked, so the month's end leaves it alone.
  QWidget* showOnly(ToolWindow kind);

  QWidget* find(ToolWindow kind) const { return entry(kind).window; }
  template <typename Window>
  Window* find(ToolWindow kind) const {
    return qobject_cast<Window*>(find(kind));
  }

  const ToolWindowMarks& marks() const { return marks_; }

  // After the month has turned: the windows the marks name show the new month.
  void publishMonth();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    Factory make;
    QAction* mark = nullptr;
    bool hideOnClose = false;
    bool making = false;
    QPointer<QWidget> window;
  };

  Entry& entry(ToolWindow kind) { return entries_[static_cast<std::size_t>(kind)]; }
  const Entry& entry(ToolWindow kind) const { return entries_[static_cast<std::size_t>(kind)]; }
  void show(QWidget& window);
  void setMarked(ToolWindow kind, bool open);

  std::array<Entry, kToolWindowCount> entries_;
  ToolWindowMarks marks_;
};

}  // namespace gallox
