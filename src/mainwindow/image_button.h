// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A picture that acts as a button: it reports a click and the pointer moving over it, and has
// no pressed or hover look of its own. Without a picture it is an invisible hotspot. The picture
// is shown at its own size, not scaled: give it one made at the button's size.

#include <QLabel>

namespace gallox {

class ImageButton : public QLabel {
  Q_OBJECT
 public:
  // The id travels with hovered(), so that one handler can serve a whole row of buttons.
  explicit ImageButton(int id, QWidget* parent = nullptr);

  int id() const { return id_; }

 signals:
  void clicked();
  void hovered(int id);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int id_;
  bool pressed_ = false;
};

}  // namespace gallox
