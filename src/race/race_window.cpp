// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/race_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "race/race_field_view.h"
#include "world/game.h"
#include "world/look.h"
#include "world/modal_dialog.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

constexpr QLatin1String kTitle("Gallox Sprintz");
constexpr QSize kClientSize(724, 551);
constexpr QSize kViewSize(698, 386);
constexpr Colour kWindowColour = 0x0080FFFF;
constexpr Colour kRed = 0x000000FF;

// Where things stand on the track, in track pixels.
constexpr int kRowPitch = 48;
constexpr int kSpriteTop = 10;
constexpr int kNameTop = 7;
constexpr int kNameOffset = 25;
constexpr int kPlaceMarkX = 725;
constexpr int kPlaceMarkPitch = 50;
constexpr int kPlaceMarkTop = 20;
constexpr Colour kPlaceMarkColour = 255;
constexpr Colour kNameColour = 0;

QLabel* label(const QString& text, const QString& name, const QFont& font, QWidget* parent) {
  auto* made = new QLabel(text, parent);
  made->setObjectName(name);
  made->setFont(font);
  made->setAttribute(Qt::WA_TranslucentBackground);
  return made;
}

QPushButton* button(const QString& text, const QString& name, const QRect& geometry, QWidget* parent) {
  auto* made = new QPushButton(text, parent);
  styleGameButton(*made, name, geometry);
  // No button answers Enter: a stake typed and confirmed must not start or skip a race.
  made->setAutoDefault(false);
  made->setDefault(false);
  return made;
}

}  // namespace

RaceWindow::RaceWindow(Game& game, PictureStore& pictures, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      meeting_(game),
      track_(pictures.render(QStringLiteral("track.svg"), {}, QImage::Format_RGB32)),
      horse_(MaskedSprite::fromPicture(pictures.render(QStringLiteral("horse.svg")))),
      tick_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Race"));
  setModal(true);
  setFixedSize(kClientSize);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, toQColor(kWindowColour));
  setPalette(colours);
  pictures.applyBackground(*this);
  setFont(designFont(QStringLiteral("Bitstream Vera Serif"), 7.8, true));

  buildControls();

  tick_->setInterval(kTickMs);
  connect(tick_, &QTimer::timeout, this, &RaceWindow::tickTimer);

  scr_.Setup(racefield_->area(), track_, track_.width(), track_.height());
}

void RaceWindow::buildControls() {
  const QFont caption = designFont(QStringLiteral("Bitstream Vera Serif"), 9, true);

  info_ = makeWindowHeader(QString(), *this);
  info_->setObjectName(QStringLiteral("info"));
  info_->resize(440, 34);

  label3_ = label(QStringLiteral("rate:"), QStringLiteral("Label3"),
                  designFont(QStringLiteral("Bitstream Vera Serif"), 7.2, true), this);
  label3_->setAlignment(Qt::AlignCenter);
  label3_->setGeometry(300, 44, 60, 18);

  rate_ = label(QString(), QStringLiteral("rate"), font(), this);
  rate_->setStyleSheet(textColourStyle(kRed));
  rate_->setAlignment(Qt::AlignCenter);
  rate_->setGeometry(356, 44, 70, 18);

  label1_ = label(QStringLiteral("I bet"), QStringLiteral("Label1"), caption, this);
  label1_->setGeometry(12, 68, 44, 22);

  txtBet_ = new QLineEdit(this);
  txtBet_->setObjectName(QStringLiteral("txtBet"));
  txtBet_->setGeometry(58, 66, 120, 24);

  label2_ = label(QStringLiteral("$ on horse:"), QStringLiteral("Label2"), caption, this);
  label2_->setGeometry(186, 68, 96, 22);

  cmbHorse_ = new QComboBox(this);
  cmbHorse_->setObjectName(QStringLiteral("cmbHorse"));
  cmbHorse_->setEditable(false);
  cmbHorse_->setGeometry(284, 66, 196, 24);

  setBet_ = button(QStringLiteral("Bet"), QStringLiteral("setBet"), QRect(496, 44, 110, 24), this);
  cmdDope_ = button(QStringLiteral("Dope"), QStringLiteral("cmdDope"), QRect(496, 72, 110, 24), this);

  msg_ = label(QString(), QStringLiteral("msg"), font(), this);
  msg_->setStyleSheet(textColourStyle(kRed));
  msg_->setGeometry(12, 100, 700, 20);

  racefield_ = new RaceFieldView(kViewSize, this);
  racefield_->setObjectName(QStringLiteral("racefield"));
  racefield_->move(12, 124);

  startRace_ = button(QStringLiteral("Start Race"), QStringLiteral("startRace"), QRect(12, 518, 140, 26), this);
  nextRace_ = button(QStringLiteral("Skip Race"), QStringLiteral("nextRace"), QRect(572, 518, 140, 26), this);

  startRace_->setEnabled(false);

  setTabOrder(cmbHorse_, racefield_);
  setTabOrder(racefield_, txtBet_);
  setTabOrder(txtBet_, setBet_);
  setTabOrder(setBet_, startRace_);
  setTabOrder(startRace_, nextRace_);
  setTabOrder(nextRace_, cmdDope_);
  cmbHorse_->setFocus();

  // A selection by the player, also of the horse already shown, and one made by the game.
  connect(cmbHorse_, &QComboBox::activated, this, &RaceWindow::cmbHorseClick);
  connect(cmbHorse_, &QComboBox::currentIndexChanged, this, &RaceWindow::cmbHorseClick);
  connect(cmdDope_, &QPushButton::clicked, this, &RaceWindow::cmdDopeClick);
  connect(setBet_, &QPushButton::clicked, this, &RaceWindow::setBetClick);
  connect(nextRace_, &QPushButton::clicked, this, &RaceWindow::nextRaceClick);
  connect(startRace_, &QPushButton::clicked, this, &RaceWindow::startRaceClick);
  connect(racefield_, &RaceFieldView::mouseMoved, this, &RaceWindow::racefieldMouseMove);
}

void RaceWindow::sendData(int races, const QString& cityName, int horsesPerRace) {
  {
    const QSignalBlocker quiet(cmbHorse_);
    cmbHorse_->clear();
  }
  meeting_.sendData(races, cityName.toStdString(), horsesPerRace);
}

void RaceWindow::showInfo() { info_->setText(QString::fromStdString(meeting_.infoText())); }

void RaceWindow::initFirstRace() { nextRaceClick(); }

void RaceWindow::cmbHorseClick(int selected) {
  if (selected < 0) return;
  rate_->setText(QString::fromStdString(meeting_.rateText(selected)));
  if (!tick_->isActive()) cmdDope_->setEnabled(meeting_.canDope(selected));
}

void RaceWindow::cmdDopeClick() {
  const int selected = cmbHorse_->currentIndex();
  if (!meeting_.canDope(selected)) return;
  const RaceMeeting::DopeResult result = meeting_.dope(selected);
  msg_->setText(QString::fromStdString(result.message));
  if (result.overdosed) cmdDope_->setEnabled(false);
}

void RaceWindow::setBetClick() {
  const RaceMeeting::BetResult result =
      meeting_.setBet(txtBet_->text().toStdString(), cmbHorse_->currentIndex());
  switch (result.outcome) {
    case RaceMeeting::Bet::Refused:
      msg_->setText(QString::fromStdString(result.message));
      if (result.focusStake) txtBet_->setFocus();
      break;
    case RaceMeeting::Bet::Silent:
      break;
    case RaceMeeting::Bet::Taken:
      startRace_->setEnabled(true);
      nextRace_->setEnabled(false);
      setBet_->setEnabled(false);
      cmdDope_->setEnabled(false);
      msg_->setText(QString::fromStdString(result.message));
      break;
  }
}

void RaceWindow::nextRaceClick() {
  if (meeting_.meetingOver()) {
    close();
    return;
  }
  {
    const QSignalBlocker quiet(cmbHorse_);
    cmbHorse_->clear();
  }
  const RaceMeeting::PoliceResult police = meeting_.nextRace();
  fillHorseList();
  drawRace();
  msg_->clear();
  if (!showFine(police)) return;
  nextRace_->setText(QStringLiteral("Skip Race"));
  showInfo();
  setBet_->setEnabled(true);
  startRace_->setEnabled(false);
  nextRace_->setEnabled(true);
  cmdDope_->setEnabled(true);
}

void RaceWindow::startRaceClick() {
  startRace_->setEnabled(false);
  tick_->start();
}

void RaceWindow::tickTimer() {
  if (meeting_.tick()) {
    tick_->stop();
    nextRace_->setEnabled(true);
    nextRace_->setText(meeting_.meetingOver() ? QStringLiteral("Exit Races") : QStringLiteral("Next Race"));
    msg_->setText(QString::fromStdString(meeting_.result()));
  }
  drawRace();
}

void RaceWindow::drawRace() {
  scr_.bgCls();
  const auto& field = meeting_.field();
  for (int i = 0; i < static_cast<int>(field.size()); ++i) {
    const RaceEntry& entry = field[static_cast<std::size_t>(i)];
    scr_.Blit(horse_.sprite, horse_.mask, entry.pos, i * kRowPitch + kSpriteTop);
    scr_.Echo(entry.pos + kNameOffset, i * kRowPitch + kNameTop, names_.value(i));
    if (entry.place != 0) {
      scr_.setBold();
      scr_.setColor(kPlaceMarkColour);
      scr_.Echo(kPlaceMarkX, i * kPlaceMarkPitch + kPlaceMarkTop, QString::number(entry.place) + QLatin1Char('.'));
      scr_.unsetBold();
      scr_.setColor(kNameColour);
    }
  }
  racefield_->showChanges();
}

void RaceWindow::racefieldMouseMove(Qt::MouseButtons buttons, QPointF position) {
  if (buttons == Qt::RightButton)
    scr_.drag(static_cast<int>(roundHalfEven(position.x())), static_cast<int>(roundHalfEven(position.y())));
  else
    scr_.undrag();
  drawRace();
}

void RaceWindow::fillHorseList() {
  names_.clear();
  for (const RaceEntry& entry : meeting_.field())
    names_.append(QString::fromUtf8(meeting_.horseOf(entry).name.data(),
                                    static_cast<qsizetype>(meeting_.horseOf(entry).name.size())));
  {
    const QSignalBlocker quiet(cmbHorse_);
    cmbHorse_->addItems(names_);
    cmbHorse_->setCurrentIndex(0);
  }
  cmbHorseClick(cmbHorse_->currentIndex());
}

bool RaceWindow::showFine(const RaceMeeting::PoliceResult& police) {
  if (!police.caught) return true;
  const QPointer<RaceWindow> alive(this);
  execOwned(new QMessageBox(QMessageBox::NoIcon, kTitle, QString::fromStdString(police.message),
                            QMessageBox::Ok, this));
  return !alive.isNull();
}

void RaceWindow::reject() {
  // The meeting may go while the question is open, when the window it belongs to is closed.
  const QPointer<RaceWindow> alive(this);
  const int answer = execOwned(new QMessageBox(QMessageBox::NoIcon, kTitle,
                                               QStringLiteral("Are you sure you want to leave?"),
                                               QMessageBox::Yes | QMessageBox::No, this));
  if (!alive || answer != QMessageBox::Yes) return;
  // A race left before its end is over for good: its stake is lost and nothing more is paid.
  tick_->stop();
  if (!showFine(meeting_.policeCheck())) return;
  QDialog::reject();
}

}  // namespace gallox
