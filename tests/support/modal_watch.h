// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Answers modal windows (the journey's wait, the race meeting and its question, the credits)
// from inside their own event loop, as the player would: while it lives, it looks for a modal
// window as soon as one can open and then every few milliseconds, and hands each one it finds
// to the answer.
//
// The answer runs from a queued call rather than from the timer itself, so that an answer
// that opens another modal window (closing a meeting asks whether to leave) can be answered
// in turn: a timer is never fired again while its own handler is still running.

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
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
    QTimer::singleShot(0, this, &ModalWatch::check);
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

// An answer that looks at the modal window and closes it, also when a check in the look failed.
inline std::function<void(QWidget*)> thenClose(std::function<void(QWidget*)> look) {
  return [look = std::move(look)](QWidget* modal) {
    look(modal);
    modal->close();
  };
}

// Answers every message box with `reply` where it offers it and with its only button where
// not, and keeps what each said; other modal windows are left to the test.
class BoxAnswers {
 public:
  explicit BoxAnswers(QMessageBox::StandardButton answer) : reply(answer) {}

  QMessageBox::StandardButton reply;
  QStringList titles, texts;

 private:
  ModalWatch watch_{[this](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    titles << box->windowTitle();
    texts << box->text();
    QAbstractButton* button = box->button(reply);
    (button ? button : box->buttons().constFirst())->click();
  }};
};

}  // namespace gallox::testing
