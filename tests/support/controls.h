// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A window's controls found by name, as the window tests reach them: a missing control stops
// the test with its name.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace gallox::testing {

template <typename Control = QWidget>
Control& control(const QWidget& window, const char* name) {
  auto* found = window.findChild<Control*>(QLatin1String(name));
  if (!found) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
  return *found;
}

// What a label or a button shows.
inline QString shownText(const QWidget& window, const char* name) {
  if (auto* button = window.findChild<QPushButton*>(QLatin1String(name))) return button->text();
  return control<QLabel>(window, name).text();
}

inline void click(const QWidget& window, const char* name) {
  QTest::mouseClick(&control(window, name), Qt::LeftButton);
}

// The top-level windows of one kind, shown or not.
template <typename Window>
QList<Window*> topLevel() {
  QList<Window*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<Window*>(widget)) found.append(window);
  return found;
}

}  // namespace gallox::testing
