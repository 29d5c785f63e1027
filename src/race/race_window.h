// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The race meeting's window: the field of each race with its odds, the stake and the doping,
// the race itself on the track, the payout and the way out. The cities window opens it with
// sendData, showInfo and initFirstRace, then shows it modally; when exec returns the meeting
// is over.

#include <QDialog>
#include <QImage>
#include <QStringList>

#include "race/b_screen.h"
#include "race/masked_sprite.h"
#include "race/race_meeting.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace gallox {

class Game;
class PictureStore;
class RaceFieldView;

class RaceWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 40;

  RaceWindow(Game& game, PictureStore& pictures, QWidget* parent = nullptr);

  void sendData(int races, const QString& cityName, int horsesPerRace);
  void showInfo();
  void initFirstRace();

  const RaceMeeting& meeting() const { return meeting_; }
  // One step of the running race; the race timer calls it every 40 ms.
  void tickTimer();

 protected:
  // Every way out (the close box, Escape, "Exit Races") asks first; see leave().
  void reject() override;

 private:
  void buildControls();
  void cmbHorseClick(int selected);
  void cmdDopeClick();
  void setBetClick();
  void nextRaceClick();
  void startRaceClick();
  void drawRace();
  void racefieldMouseMove(Qt::MouseButtons buttons, QPointF position);
  void fillHorseList();
  // The police fine, if any, in a message box; false when this window went while it was open.
  bool showFine(const RaceMeeting::PoliceResult& police);

  RaceMeeting meeting_;
  BScreen scr_;
  QImage track_;
  MaskedSprite horse_;
  QStringList names_;

  QLabel* info_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* rate_ = nullptr;
  QLabel* label1_ = nullptr;
  QLineEdit* txtBet_ = nullptr;
  QLabel* label2_ = nullptr;
  QComboBox* cmbHorse_ = nullptr;
  QPushButton* setBet_ = nullptr;
  QPushButton* cmdDope_ = nullptr;
  QLabel* msg_ = nullptr;
  RaceFieldView* racefield_ = nullptr;
  QPushButton* startRace_ = nullptr;
  QPushButton* nextRace_ = nullptr;
  QTimer* tick_;
};

}  // namespace gallox
