// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Cities": one city at a time with its picture, its race park and the fares to it from the
// player's city by each vehicle; travel there, or enter the meeting of the city the player
// is in. Closing the window deletes it; the main window opens a new one next time.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "cities/travel_desk.h"
#include "world/month_publisher.h"
#include "world/tables.h"

namespace gallox {

class Game;
class PictureStore;

class CitiesWindow : public QWidget, public MonthPublisher {
  Q_OBJECT
 public:
  CitiesWindow(Game& game, PictureStore& pictures, QWidget* parent = nullptr);

  // The month has turned: the race labels of the player's city show the new draw.
  void monthPublish();
  void publishMonth() override { monthPublish(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cityChooseClicked(int position);
  void vehicleClicked(int vehicle);
  void cmdTravelClicked();
  void cmdEnterClicked();
  void showRaceInfo();
  void showFares();
  // The race window, shown modally; returns when the player has left the meeting.
  void runMeeting(const TravelDesk::Meeting& meeting);

  QLabel* captionLabel(const QString& text, int top);
  QLabel* valueLabel(const QString& objectName, int top, int height);

  Game& game_;
  PictureStore& pictures_;
  TravelDesk desk_;

  QLabel* header_;
  QComboBox* cityChoose_;
  QLabel* rpImage_;
  QLabel* rpIr_;
  QLabel* rpNor_;
  QLabel* rpNoh_;
  QLabel* rpEfee_;
  QLabel* rpTfee_;
  QLabel* lblChosen_;
  std::array<QLabel*, kVehicleCount> vehicle_{};
  QFrame* chosen_;
  QPushButton* cmdTravel_;
  QPushButton* cmdEnter_;
  // While the opening window steps through the cities to the player's.
  bool walkingToPlayer_ = false;
};

}  // namespace gallox
