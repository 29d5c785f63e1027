// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenuBar>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "finance/banks_window.h"
#include "finance/stock_market_window.h"
#include "mainwindow/credits_window.h"
#include "mainwindow/image_button.h"
#include "mainwindow/licence_window.h"
#include "shop/newspaper_window.h"
#include "shop/shop_window.h"
#include "world/game.h"
#include "world/look.h"
#include "world/modal_dialog.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

// The status labels in twips: left, top, width, height.
constexpr QRect kGain(6372, 972, 1524, 228);
constexpr QRect kDate(756, 1188, 1848, 228);
constexpr QRect kMoney(5616, 1188, 2280, 444);
constexpr QRect kNewspapersCaption(540, 1512, 2388, 228);
constexpr QRect kNewspapers(3024, 1512, 1200, 228);
constexpr QRect kLocationCaption(3456, 1512, 1956, 228);
constexpr QRect kLocation(5508, 1512, 1848, 228);
constexpr QRect kCheat(7452, 540, 120, 120);

constexpr Colour kTipColour = 0x00000080;
constexpr Colour kBlack = 0;
constexpr float kCheatGift = 5000.0f;

void paintText(QLabel& label, Colour colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, toQColor(colour));
  label.setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(Game& game, PictureStore& pictures, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      game_(game),
      pictures_(pictures),
      banksDesk_(game.banks()),
      stockDesk_(game.stableList(), game.player(), game.messenger()),
      shopDesk_(game.player(), game.messenger()),
      consoleBanks_(tools_),
      console_(game.player(), shopDesk_, consoleBanks_) {
  setWindowTitle(QStringLiteral("Gallox Sprintz 2"));
  setWindowIcon(PictureStore::icon(QStringLiteral("icon.svg"), {16, 24, 32, 48, 64}));

  auto* surface = new QWidget(this);
  surface->setObjectName(QStringLiteral("client"));
  pictures_.applyBackground(*surface);
  // Moving over the bare background clears the tip; the buttons set it themselves.
  surface->setMouseTracking(true);
  surface->installEventFilter(this);
  setCentralWidget(surface);

  buildControls(*surface);
  buildMenus();
  registerToolWindows();

  flow_ = new QTimer(this);
  flow_->setObjectName(QStringLiteral("flow"));
  flow_->setInterval(MoneyFade::kTickMs);
  connect(flow_, &QTimer::timeout, this, &MainWindow::flowTimer);

  const int menuHeight = menuBar()->sizeHint().height();
  setGeometry(QRect(kClientPlace - QPoint(0, menuHeight), kClientSize + QSize(0, menuHeight)));

  game_.attachView(*this);
}

QLabel* MainWindow::addLabel(QWidget& surface, const char* name, QRect twips, const QFont& font,
                             Qt::Alignment alignment, const QString& text) {
  auto* label = new QLabel(text, &surface);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(twipRect(twips));
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  paintText(*label, kBlack);
  // The pointer over a label neither shows nor clears a tip.
  label->setAttribute(Qt::WA_NoMousePropagation);
  return label;
}

void MainWindow::buildControls(QWidget& surface) {
  const QFont tahoma9Bold = designFont(QStringLiteral("Tahoma"), 9, true);

  for (int b = 0; b < ButtonRow::kCount; ++b) {
    const ButtonRow::Place& place = ButtonRow::place(static_cast<ButtonRow::Button>(b));
    auto* image = new ImageButton(b, &surface);
    image->setObjectName(QString::fromLatin1(place.name));
    image->setGeometry(twipRect(place.left, place.top, place.width, place.height));
    image->setPixmap(pictures_.picture(QString::fromLatin1(place.picture), image->size()));
    // The button names itself to screen readers, since it has no text of its own.
    image->setAccessibleName(QString::fromLatin1(place.tip));
    connect(image, &ImageButton::hovered, this, &MainWindow::showTip);
    buttons_[static_cast<std::size_t>(b)] = image;
  }
  connect(buttons_[ButtonRow::Go], &ImageButton::clicked, this, &MainWindow::cmdGoClicked);
  connect(buttons_[ButtonRow::Banks], &ImageButton::clicked, this, &MainWindow::cmdBanksClicked);
  connect(buttons_[ButtonRow::City], &ImageButton::clicked, this, &MainWindow::cmdCityClicked);
  connect(buttons_[ButtonRow::StockMarket], &ImageButton::clicked, this,
          &MainWindow::cmdStockMarketClicked);
  connect(buttons_[ButtonRow::Shop], &ImageButton::clicked, this, &MainWindow::cmdShopClicked);
  connect(buttons_[ButtonRow::NP], &ImageButton::clicked, this, &MainWindow::cmdNPClicked);
  connect(buttons_[ButtonRow::GridMap], &ImageButton::clicked, this, &MainWindow::cmdGridMapClicked);
  connect(buttons_[ButtonRow::About], &ImageButton::clicked, this, &MainWindow::cmdAboutClicked);
  connect(buttons_[ButtonRow::Console], &ImageButton::clicked, this, &MainWindow::consClicked);

  // Nothing marks the hotspot: no picture, no tip, and moving over it leaves the tip alone.
  cheat_ = new ImageButton(-1, &surface);
  cheat_->setObjectName(QStringLiteral("cheat"));
  cheat_->setGeometry(twipRect(kCheat));
  cheat_->setMouseTracking(false);
  cheat_->setAttribute(Qt::WA_NoMousePropagation);
  connect(cheat_, &ImageButton::clicked, this, &MainWindow::cheatClicked);

  tip_ = addLabel(surface, "tip",
                  QRect(ButtonRow::kTipLeft, ButtonRow::kTipTop, ButtonRow::kTipWidth,
                        ButtonRow::kTipHeight),
                  designFont(QStringLiteral("Trebuchet MS"), 9), Qt::AlignHCenter);
  paintText(*tip_, kTipColour);
  gain_ = addLabel(surface, "gain", kGain, controlFont(),
                   Qt::AlignRight, QString::fromLatin1(MoneyFade::kRestingGain));
  lCurrentDate_ = addLabel(surface, "lCurrentDate", kDate, tahoma9Bold, Qt::AlignLeft);
  lCurrentMoney_ = addLabel(surface, "lCurrentMoney", kMoney,
                            designFont(QStringLiteral("Tahoma"), 13.8, true), Qt::AlignRight);
  addLabel(surface, "Label3", kNewspapersCaption, tahoma9Bold, Qt::AlignRight,
           QStringLiteral("Newspapers subscribed:"));
  NPs_ = addLabel(surface, "NPs", kNewspapers, designFont(QStringLiteral("Verdana"), 9, true),
                  Qt::AlignLeft);
  addLabel(surface, "Label1", kLocationCaption, tahoma9Bold, Qt::AlignRight,
           QStringLiteral("You are now in:"));
  lCurrentLocation_ = addLabel(surface, "lCurrentLocation", kLocation,
                               designFont(QStringLiteral("Tahoma"), 9), Qt::AlignLeft,
                               QStringLiteral("London"));
  // The tip stays above the other labels it may overlap while it slides along the row.
  tip_->raise();
}

void MainWindow::buildMenus() {
  auto addEntry = [](QMenu& menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut, bool marked) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setCheckable(marked);
    return action;
  };

  QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
  game->setObjectName(QStringLiteral("mnuGame"));
  mnuNextMonth_ = addEntry(*game, "mnuNextMonth", QStringLiteral("Next month"),
                           QKeySequence(Qt::CTRL | Qt::Key_G), false);

  QMenu* windows = menuBar()->addMenu(QStringLiteral("&Windows"));
  windows->setObjectName(QStringLiteral("mnuWindows"));
  mnuBanks_ = addEntry(*windows, "mnuBanks", QStringLiteral("&Banks"),
                       QKeySequence(Qt::CTRL | Qt::Key_B), true);
  mnuRPs_ = addEntry(*windows, "mnuRPs", QStringLiteral("&Cities"),
                     QKeySequence(Qt::CTRL | Qt::Key_C), true);
  mnuStockMarket_ = addEntry(*windows, "mnuStockMarket", QStringLiteral("Stock &Market"),
                             QKeySequence(Qt::CTRL | Qt::Key_M), true);
  mnuShop_ = addEntry(*windows, "mnuShop", QStringLiteral("&Shop"),
                      QKeySequence(Qt::CTRL | Qt::Key_P), true);
  mnuGridMap_ = addEntry(*windows, "mnuGridMap", QStringLiteral("Grid Map"),
                         QKeySequence(Qt::CTRL | Qt::Key_X), false);
  windows->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
  mnuNP_ = addEntry(*windows, "mnuNP", QStringLiteral("&Newspapers"),
                    QKeySequence(Qt::CTRL | Qt::Key_N), true);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  mnuAbout_ = addEntry(*help, "mnuAbout", QStringLiteral("About"), QKeySequence(), false);
  mnuLicence_ = addEntry(*help, "mnuLicence", QStringLiteral("Licence"), QKeySequence(), false);

  connect(mnuNextMonth_, &QAction::triggered, this, &MainWindow::cmdGoClicked);
  connect(mnuBanks_, &QAction::triggered, this, &MainWindow::cmdBanksClicked);
  connect(mnuRPs_, &QAction::triggered, this, &MainWindow::cmdCityClicked);
  connect(mnuStockMarket_, &QAction::triggered, this, &MainWindow::cmdStockMarketClicked);
  connect(mnuShop_, &QAction::triggered, this, &MainWindow::cmdShopClicked);
  connect(mnuGridMap_, &QAction::triggered, this, &MainWindow::cmdGridMapClicked);
  connect(mnuNP_, &QAction::triggered, this, &MainWindow::cmdNPClicked);
  connect(mnuAbout_, &QAction::triggered, this, &MainWindow::cmdAboutClicked);
  connect(mnuLicence_, &QAction::triggered, this, &MainWindow::mnuLicenceClicked);
}

void MainWindow::showTip(int button) {
  const ButtonRow::Place& place = ButtonRow::place(static_cast<ButtonRow::Button>(button));
  tip_->move(px(ButtonRow::tipLeft(place)), tip_->y());
  tip_->setText(QString::fromLatin1(place.tip));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::MouseMove) tip_->clear();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

// --- What the player sees of the purse, place, month and newspapers ---

void MainWindow::showMoney(const std::string& text) {
  lCurrentMoney_->setText(QString::fromStdString(text));
}

void MainWindow::setMoneyColour(Colour colour) { paintText(*lCurrentMoney_, colour); }

void MainWindow::showGain(const std::string& text, Colour colour) {
  gain_->setText(QString::fromStdString(text));
  paintText(*gain_, colour);
}

void MainWindow::startFade(std::int16_t step) {
  fade_.setFlowStep(step);
  flow_->start();
}

void MainWindow::showDate(const std::string& text) {
  lCurrentDate_->setText(QString::fromStdString(text));
}

void MainWindow::showLocation(const std::string& text) {
  lCurrentLocation_->setText(QString::fromStdString(text));
}

void MainWindow::showNewspapers(const std::string& text) {
  NPs_->setText(QString::fromStdString(text));
}

bool MainWindow::newspaperOpen() const { return tools_.marks().ticked(ToolWindow::Newspaper); }

void MainWindow::openNewspaper() { tools_.open(ToolWindow::Newspaper); }

void MainWindow::reloadNewspaper() {
  if (auto* paper = tools_.find<NewspaperWindow>(ToolWindow::Newspaper)) paper->reload();
}

void MainWindow::flowTimer() {
  if (!fade_.tick(game_.player(), *this)) flow_->stop();
}

// --- Buttons and menus ---

void MainWindow::cmdGoClicked() {
  game_.nextMonth();
  tools_.publishMonth();
}

void MainWindow::registerToolWindows() {
  tools_.add(ToolWindow::Cities, [this] { return new CitiesWindow(game_, pictures_, this); }, mnuRPs_);
  tools_.add(ToolWindow::Banks, [this] { return new BanksWindow(banksDesk_, pictures_, this); }, mnuBanks_);
  // Every fresh opening of the market waits at its entrance first; brought forward, it does not.
  tools_.add(ToolWindow::StockMarket, [this]() -> QWidget* {
    if (!StockMarketWindow::enter(pictures_, this)) return nullptr;
    return new StockMarketWindow(stockDesk_, pictures_, this);
  }, mnuStockMarket_);
  tools_.add(ToolWindow::Shop, [this] { return new ShopWindow(shopDesk_, pictures_, this); }, mnuShop_);
  tools_.add(ToolWindow::Newspaper, [this] { return new NewspaperWindow(game_.news(), pictures_, this); },
             mnuNP_);
  tools_.add(ToolWindow::GridMap, [this] { return new GridMapWindow(game_, pictures_, this); },
             nullptr, /*hideOnClose=*/true);
}

void MainWindow::cmdBanksClicked() { tools_.open(ToolWindow::Banks); }

void MainWindow::cmdCityClicked() { tools_.open(ToolWindow::Cities); }

void MainWindow::cmdStockMarketClicked() { tools_.open(ToolWindow::StockMarket); }

void MainWindow::cmdShopClicked() { tools_.open(ToolWindow::Shop); }

void MainWindow::cmdNPClicked() { game_.player().digest(); }

void MainWindow::cmdGridMapClicked() { tools_.open(ToolWindow::GridMap); }

void MainWindow::cmdAboutClicked() {
  execOwned(new CreditsWindow(pictures_, this));
}

void MainWindow::mnuLicenceClicked() {
  execOwned(new LicenceWindow(this));
}

void MainWindow::consClicked() {
  // Should the main window go while a box waits, the box goes with it and the loop stops
  // without touching either again.
  const QPointer<MainWindow> alive(this);
  for (;;) {
    QCoreApplication::processEvents();
    if (!alive) return;
    auto* box = new QInputDialog(this);
    box->setWindowTitle(QStringLiteral("GALX Consolev0.3b"));
    box->setLabelText(QStringLiteral("Enter you command here"));
    box->setInputMode(QInputDialog::TextInput);
    box->setTextValue(QString());
    // Cancelling, like an empty line, leaves the command empty.
    QString command;
    connect(box, &QInputDialog::textValueSelected, box, [&command](const QString& text) { command = text; });
    execOwned(box);
    if (!alive) return;
    console_.interpret(command.toStdString());
    QCoreApplication::processEvents();
    if (!alive || command.isEmpty()) return;
  }
}

void MainWindow::cheatClicked() { game_.player().gainMoney(kCheatGift); }

}  // namespace gallox
