// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/tool_windows.h"

#include <QAction>
#include <QEvent>
#include <utility>

#include "world/month_publisher.h"

namespace gallox {

void ToolWindows::add(ToolWindow kind, Factory make, QAction* mark, bool hideOnClose) {
  Entry& e = entry(kind);
  e.make = std::move(make);
  e.mark = mark;
  e.hideOnClose = hideOnClose;
  // A checkable entry flips its own tick when chosen; the tick must say what is open.
  if (mark) connect(mark, &QAction::triggered, this, [this, kind] { setMarked(kind, marks_.ticked(kind)); });
}

QWidget* ToolWindows::ensure(ToolWindow kind) {
  Entry& e = entry(kind);
  // A factory that holds the player (a modal wait) must not be entered twice meanwhile.
  if (e.window || e.making || !e.make) return e.window;
  e.making = true;
  QWidget* made = e.make();
  e.making = false;
  if (!made) return nullptr;
  if (!e.hideOnClose) made->setAttribute(Qt::WA_DeleteOnClose);
  made->installEventFilter(this);
  e.window = made;
  return made;
}

void ToolWindows::show(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

QWidget* ToolWindows::open(ToolWindow kind) {
  // A menu entry has flipped its own tick before it got here; it stays as it was until the
  // window is really there (the stock market's entrance holds the player first).
  setMarked(kind, marks_.ticked(kind));
  QWidget* window = ensure(kind);
  if (!window) return nullptr;
  show(*window);
  marks_.opened(kind);
  setMarked(kind, marks_.ticked(kind));
  return window;
}

QWidget* ToolWindows::showOnly(ToolWindow kind) {
  QWidget* window = ensure(kind);
  if (window) show(*window);
  return window;
}

void ToolWindows::publishMonth() {
  for (std::size_t k = 0; k < kToolWindowCount; ++k) {
    const auto kind = static_cast<ToolWindow>(k);
    if (!marks_.refreshedAtMonthEnd(kind)) continue;
    if (auto* publisher = dynamic_cast<MonthPublisher*>(find(kind))) publisher->publishMonth();
  }
}

void ToolWindows::setMarked(ToolWindow kind, bool open) {
  if (QAction* mark = entry(kind).mark; mark && mark->isCheckable()) mark->setChecked(open);
}

bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    for (std::size_t k = 0; k < kToolWindowCount; ++k) {
      Entry& e = entries_[k];
      if (e.window != watched) continue;
      const auto kind = static_cast<ToolWindow>(k);
      marks_.closed(kind);
      setMarked(kind, false);
      break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gallox
