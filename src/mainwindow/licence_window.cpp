// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/licence_window.h"

#include <QFile>
#include <QPlainTextEdit>

#include "world/look.h"

namespace gallox {

LicenceWindow::LicenceWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("LicenceWindow"));
  setWindowTitle(QStringLiteral("Licence"));
  setModal(true);
  setFixedSize(kClientSize);

  auto* text = new QPlainTextEdit(this);
  text->setObjectName(QStringLiteral("Text1"));
  text->setGeometry(twipRect(108, 108, 6924, 4656));
  text->setFont(designFont(QStringLiteral("Tahoma"), 10.2));
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setReadOnly(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  QFile licence(QStringLiteral(":/licence.txt"));
  if (licence.open(QIODevice::ReadOnly | QIODevice::Text))
    text->setPlainText(QString::fromUtf8(licence.readAll()));
}

}  // namespace gallox
