// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Answers modal windows (the journey's wait, the race meeting) from inside their own event
// loop, as the player would: while it lives, it looks for a modal window every few
// milliseconds and hands each one it finds to the answer, which must close it.

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace gallox::testing {

class ModalWatch : public QObject {
  Q_OBJECT
 public:
  static constexpr int kPollMs = 5;

  explicit ModalWatch(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    connect(&timer_, &QTimer::timeout, this, &ModalWatch::check);
    timer_.start(kPollMs);
  }

  int answered() const { return answered_; }

 private:
  void check() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ++answered_;
      answer_(modal);
    }
  }

  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  int answered_ = 0;
};

}  // namespace gallox::testing
