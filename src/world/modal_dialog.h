// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Modal windows live on the heap: the window they belong to may go while they run (a timer
// closing the cities window during a journey takes its wait window with it), and a window on
// the caller's stack would then be freed twice.

#include <QDialog>
#include <QPointer>

namespace gallox {

// Runs a dialog made with new modally, then deletes it if it is still there. A dialog that went
// with its parent meanwhile ends the run as rejected; the caller must not touch that parent
// either, and should hold it in a QPointer to know.
inline int execOwned(QDialog* dialog) {
  const QPointer<QDialog> alive(dialog);
  const int result = dialog->exec();
  delete alive.data();
  return result;
}

}  // namespace gallox
