// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Grid Window": the player's hand-drawn map of cities and routes. Cities are added from a
// list, joined by a coloured line per vehicle, and dragged about with the left button.
// Closing only hides the window, so the map is still there when it is opened again.

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "cities/grid_map.h"

namespace gallox {

class Game;
class PictureStore;

class GridMapWindow : public QWidget {
  Q_OBJECT
 public:
  GridMapWindow(Game& game, PictureStore& pictures, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void formLoad();
  void addCityClicked();
  void cmdClearClicked();
  void drawMap();
  void fillList();

  Game& game_;
  GridMap map_;
  QPixmap canvas_;

  QComboBox* cmbCities_;
  QPushButton* addCity_;
  QPushButton* cmdClear_;
  QLabel* pctMap_;
};

}  // namespace gallox
