// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Licence": the terms under which the game is given out, to read and copy, not to change.

#include <QDialog>

namespace gallox {

class LicenceWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{600, 410};

  explicit LicenceWindow(QWidget* parent = nullptr);
};

}  // namespace gallox
