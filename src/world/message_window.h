// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The small green message window: one sentence and "OK". It never blocks the game; OK only
// hides it, and every message window goes away by itself ten seconds after it was shown.

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "world/messenger.h"

namespace gallox {

class MessageWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kLifetimeMs = 10000;

  explicit MessageWindow(const QString& text);

  QString text() const { return label_->text(); }
  QPushButton* okButton() const { return ok_; }
  QTimer* hider() const { return hider_; }

 private:
  QLabel* label_;
  QPushButton* ok_;
  QTimer* hider_;
};

// The game's messenger: each sentence gets a new message window.
class WindowMessenger final : public Messenger {
 public:
  void showMessage(const std::string& text) override;
};

}  // namespace gallox
