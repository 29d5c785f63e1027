// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Gallox Sprintz 2: wires the game together and starts it in London, January 2010.

#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "mainwindow/main_window.h"
#include "world/game.h"
#include "world/look.h"
#include "world/message_window.h"
#include "world/picture_store.h"
#include "world/random_source.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gallox Sprintz"));
  QApplication::setApplicationVersion(QStringLiteral("1.81.31"));
  gallox::installLook();

  gallox::ClockRandomSource random;
  gallox::WindowMessenger messenger;
  gallox::Game game(random, messenger);
  gallox::PictureStore pictures;
  gallox::MainWindow window(game, pictures);

  try {
    game.startUp(gallox::routeFileBeside(QCoreApplication::applicationDirPath().toStdString()));
  } catch (const gallox::WorldError& error) {
    // The game never starts on a half-read world.
    std::cerr << "gallox: " << error.what() << '\n';
    QMessageBox::critical(nullptr, QStringLiteral("Gallox Sprintz"), QString::fromStdString(error.what()));
    return 1;
  }

  // Closing the main window ends the game at once, whatever else is open.
  QObject::connect(&window, &gallox::MainWindow::closed, &app, &QApplication::quit);
  window.show();
  return QApplication::exec();
}
