// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/cities_window.h"

#include <QMouseEvent>
#include <string>

#include "race/race_window.h"
#include "world/game.h"
#include "world/look.h"
#include "world/modal_dialog.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {

namespace {

constexpr QSize kClientSize(527, 336);
// Right of the game's title tab and below the band of the shared background.
constexpr QRect kCityChooseRect(270, 63, 181, 21);
constexpr QRect kCityPictureRect(63, 72, 180, 120);
constexpr int kCaptionLeft = 261;
constexpr int kValueLeft = 432;
constexpr int kRowHeight = 17;
constexpr int kFareLines = 3;
constexpr int kRacesHeldTop = 99;
constexpr int kRacesTop = 117;
constexpr int kHorsesTop = 135;
constexpr int kEntranceFeeTop = 153;
constexpr int kTravelCostTop = 171;
constexpr QPoint kChosenLabelAt(54, 216);
constexpr int kChosenLabelWidth = 240;
constexpr int kVehicleTop = 234;
constexpr int kFirstVehicleLeft = 54;
constexpr int kVehiclePitch = 72;
constexpr int kFrameWidth = 3;
// The two buttons keep a little gap between them rather than touching.
constexpr QRect kTravelRect(27, 306, 229, 19);
constexpr QRect kEnterRect(261, 306, 229, 19);
constexpr int kJourneyMs = 1500;

constexpr Colour kValueRed = rgb(255, 0, 0);

}  // namespace

CitiesWindow::CitiesWindow(Game& game, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      game_(game),
      pictures_(pictures),
      desk_(game),
      header_(makeWindowHeader(QStringLiteral("Cities"), *this)),
      cityChoose_(new QComboBox(this)),
      rpImage_(new QLabel(this)),
      rpIr_(valueLabel(QStringLiteral("rp_ir"), kRacesHeldTop, kRowHeight)),
      rpNor_(valueLabel(QStringLiteral("rp_nor"), kRacesTop, kRowHeight)),
      rpNoh_(valueLabel(QStringLiteral("rp_noh"), kHorsesTop, kRowHeight)),
      rpEfee_(valueLabel(QStringLiteral("rp_efee"), kEntranceFeeTop, kRowHeight)),
      rpTfee_(valueLabel(QStringLiteral("rp_tfee"), kTravelCostTop, kFareLines * kRowHeight)),
      lblChosen_(new QLabel(QStringLiteral("travel by: Bus"), this)),
      chosen_(new QFrame(this)),
      cmdTravel_(new QPushButton(QStringLiteral("Travel to"), this)),
      cmdEnter_(new QPushButton(QStringLiteral("Go To Race"), this)) {
  setWindowTitle(QStringLiteral("Cities"));
  setFixedSize(kClientSize);
  pictures_.applyBackground(*this);
  setFont(controlFont());

  cityChoose_->setObjectName(QStringLiteral("city_choose"));
  cityChoose_->setGeometry(kCityChooseRect);
  for (const std::string& name : game_.cities().cities())
    cityChoose_->addItem(QString::fromStdString(name));

  rpImage_->setObjectName(QStringLiteral("rp_image"));
  rpImage_->setGeometry(kCityPictureRect);
  rpImage_->setScaledContents(true);
  rpImage_->setStyleSheet(QStringLiteral("border: 1px solid rgb(0, 64, 0);"));

  captionLabel(QStringLiteral("Races Held:"), kRacesHeldTop);
  captionLabel(QStringLiteral("Number of Races:"), kRacesTop);
  captionLabel(QStringLiteral("Number of horses"), kHorsesTop);
  captionLabel(QStringLiteral("Entrance Fee:"), kEntranceFeeTop);
  captionLabel(QStringLiteral("Travel Cost:"), kTravelCostTop);
  rpTfee_->setWordWrap(true);
  rpTfee_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lblChosen_->setObjectName(QStringLiteral("lblChosen"));
  lblChosen_->setStyleSheet(QStringLiteral("background: transparent;"));
  lblChosen_->setGeometry(QRect(kChosenLabelAt, QSize(kChosenLabelWidth, kRowHeight)));

  for (int v = 0; v < kVehicleCount; ++v) {
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("vehicle%1").arg(v));
    image->move(kFirstVehicleLeft + v * kVehiclePitch, kVehicleTop);
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(QString::fromStdString(game_.vehicle(v)));
    image->installEventFilter(this);
    vehicle_[static_cast<std::size_t>(v)] = image;
  }
  chosen_->setObjectName(QStringLiteral("chosen"));
  chosen_->setStyleSheet(
      QStringLiteral("QFrame#chosen { border: %1px solid rgb(0, 96, 0); border-radius: 2px;"
                     " background: transparent; }")
          .arg(kFrameWidth));
  chosen_->setAttribute(Qt::WA_TransparentForMouseEvents);
  chosen_->raise();

  styleGameButton(*cmdTravel_, QStringLiteral("cmdTravel"), kTravelRect);
  connect(cmdTravel_, &QPushButton::clicked, this, &CitiesWindow::cmdTravelClicked);
  styleGameButton(*cmdEnter_, QStringLiteral("cmdEnter"), kEnterRect);
  connect(cmdEnter_, &QPushButton::clicked, this, &CitiesWindow::cmdEnterClicked);

  // The window opens on Bath and steps through the list to the player's city, refreshing
  // each city on the way, then offers the bus whatever the last city offered. Only the last
  // city's picture is ever seen, so only that one is rendered.
  connect(cityChoose_, &QComboBox::currentIndexChanged, this, &CitiesWindow::cityChooseClicked);
  walkingToPlayer_ = true;
  cityChooseClicked(cityChoose_->currentIndex());
  const QString location = QString::fromStdString(game_.player().Location());
  while (cityChoose_->currentText() != location &&
         cityChoose_->currentIndex() < cityChoose_->count() - 1)
    cityChoose_->setCurrentIndex(cityChoose_->currentIndex() + 1);
  walkingToPlayer_ = false;
  rpImage_->setPixmap(pictures_.g_city(cityChoose_->currentIndex()));
  vehicleClicked(0);
}

QLabel* CitiesWindow::captionLabel(const QString& text, int top) {
  return openLabel(*this, QString(), QRect(kCaptionLeft, top, kValueLeft - kCaptionLeft - 4, kRowHeight), text);
}

QLabel* CitiesWindow::valueLabel(const QString& objectName, int top, int height) {
  auto* label = new QLabel(QStringLiteral("?"), this);
  label->setObjectName(objectName);
  label->setStyleSheet(textColourStyle(kValueRed));
  // Made before the window has its font, so it takes the font itself.
  label->setFont(controlFont());
  label->setGeometry(kValueLeft, top, kClientSize.width() - kValueLeft - 4, height);
  return label;
}

void CitiesWindow::cityChooseClicked(int position) {
  if (position < 0) return;
  if (!walkingToPlayer_) rpImage_->setPixmap(pictures_.g_city(position));
  desk_.chooseCity(position);
  cmdTravel_->setText(QString::fromStdString(desk_.travelCaption()));
  rpEfee_->setText(QString::fromStdString(desk_.entranceFeeText()));
  showFares();
  showRaceInfo();
}

void CitiesWindow::showFares() {
  for (int v = 0; v < kVehicleCount; ++v) {
    QLabel* image = vehicle_[static_cast<std::size_t>(v)];
    image->setPixmap(desk_.fares().hasRoute(v) ? pictures_.veh(v) : pictures_.veh_dis(v));
    image->resize(image->pixmap().size());
  }
  vehicleClicked(desk_.vehicle());
}

void CitiesWindow::vehicleClicked(int vehicle) {
  desk_.chooseVehicle(vehicle);
  const QLabel* image = vehicle_[static_cast<std::size_t>(vehicle)];
  chosen_->setGeometry(image->x(), kVehicleTop, image->width(), image->height());
  lblChosen_->setText(QString::fromStdString(desk_.vehicleText()));
  rpTfee_->setText(QString::fromStdString(desk_.fareText()));
  cmdTravel_->setEnabled(desk_.canTravel());
}

void CitiesWindow::showRaceInfo() {
  const TravelDesk::RaceInfo info = desk_.raceInfo();
  rpIr_->setText(QString::fromStdString(info.held));
  rpNor_->setText(QString::fromStdString(info.races));
  rpNoh_->setText(QString::fromStdString(info.horses));
}

void CitiesWindow::monthPublish() {
  if (desk_.isHere()) showRaceInfo();
}

void CitiesWindow::cmdTravelClicked() {
  if (desk_.payFare()) {
    Player& player = game_.player();
    const std::string destination = desk_.cityName();
    // The fare is paid: the journey ends in the city chosen even if this window went meanwhile.
    if (!WaitWindow::showWait(pictures_, QString(),
                              QStringLiteral("You are travelling to the desired destination."),
                              kJourneyMs, this)) {
      player.setLocation(destination);
      return;
    }
    desk_.arrive();
  }
  if (desk_.isHere()) showRaceInfo();
}

void CitiesWindow::cmdEnterClicked() {
  const auto meeting = desk_.enterMeeting();
  if (!meeting) return;
  // However the meeting is left, it counts as attended, even if this window went meanwhile.
  Game& game = game_;
  runMeeting(*meeting);
  TravelDesk::finishMeeting(game, *meeting);
}

void CitiesWindow::runMeeting(const TravelDesk::Meeting& meeting) {
  auto* race = new RaceWindow(game_, pictures_, this);
  race->sendData(meeting.races, QString::fromStdString(meeting.city), meeting.horses);
  race->showInfo();
  race->initFirstRace();
  execOwned(race);
}

bool CitiesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* release = static_cast<QMouseEvent*>(event);
    for (int v = 0; v < kVehicleCount; ++v) {
      QLabel* image = vehicle_[static_cast<std::size_t>(v)];
      if (watched == image && release->button() == Qt::LeftButton &&
          image->rect().contains(release->position().toPoint())) {
        vehicleClicked(v);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace gallox
