// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Answers modal windows (the journey's wait, the race meeting and its question) from inside
// their own event loop, as the player would: while it lives, it looks for a modal window
// every few milliseconds and hands each one it finds to the answer.
//
// The answer runs from a queued call rather than from the timer itself, so that an answer
// that opens another modal window (closing a meeting asks whether to leave) can be answered
// in turn: a timer is never fired again while its own handler is still running.

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace gallox::testing {

class ModalWatch : public QObject {
 public:
  static constexpr int kPollMs = 5;

  explicit ModalWatch(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    connect(&timer_, &QTimer::timeout, this, &ModalWatch::check);
    timer_.start(kPollMs);
  }

  // How many times a modal window was handed to the answer.
  int answered() const { return answered_; }

 private:
  void check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || pending_) return;
    pending_ = modal;
    QMetaObject::invokeMethod(this, &ModalWatch::answerPending, Qt::QueuedConnection);
  }

  void answerPending() {
    const QPointer<QWidget> modal = pending_;
    pending_ = nullptr;
    if (!modal || modal != QApplication::activeModalWidget()) return;
    ++answered_;
    answer_(modal);
  }

  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  QPointer<QWidget> pending_;
  int answered_ = 0;
};

}  // namespace gallox::testing
