#include "navigation/main_menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/shadow_label.h"
#include "core/display_helpers.h"
#include "core/module_screen.h"
#include "core/navigation.h"
#include "core/platform/platform.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/splash.h"
#include "core/startup.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "navigation/menu_doors.h"

namespace velmora {
namespace {

constexpr int kDoorFrames = 5;
constexpr int kDoorLabelWidth = 100;
const QColor kDejarHot(0xFF, 0xFF, 0x00);  // $00FFFF

// Draws the door tile stretched into the zoom rectangle and the open door over it.
class ZoomLayer : public QWidget {
 public:
  explicit ZoomLayer(Tform0* menu) : QWidget(menu), menu_(menu) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(menu_->ZoomRect, *Bitmaps().BmpPart);
    painter.drawPixmap(menu_->DoorX, menu_->DoorY, ImageListPuerta().frame(kDoorFrames - 1));
  }

 private:
  Tform0* menu_;
};

QPixmap SpeechBubble(QSize size) {
  QPixmap bubble(size);
  bubble.fill(Qt::transparent);
  QPainter painter(&bubble);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 24), 18, 18);
  path.addPolygon(QPolygonF({QPointF(40, size.height() - 26), QPointF(22, size.height() - 1), QPointF(70, size.height() - 26)}));
  const QPainterPath outline = path.simplified();
  painter.fillPath(outline, Qt::white);
  painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
  painter.drawPath(outline);
  return bubble;
}

// The walker's words, inside the bubble from its top left. The box is the bubble's inside rather
// than the text's own size: measuring the text would load its font at start-up, for words said
// once the walker has walked in.
QLabel* BubbleText(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFont(ScreenFont("Arial", 9, false));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(244, 168, 180, 100);
  return label;
}

}  // namespace

// The sign and the left picture are needed; the right one may be missing.
bool PrepareMenuPictures() {
  SharedBitmaps& b = Bitmaps();
  const bool sign = b.BmpLeaveSign.Prepare(kLeaveStudiesSign);
  const bool picture = b.BmpMenuLeft.Prepare(kMenuPicture);
  b.BmpMenuRight.Prepare(kMenuPicture2);
  return sign && picture;
}

void Tform0::LoadFiles() {
  if (!PrepareMenuPictures()) StartAborted = true;
  FPMFirstVisit = true;  // the middle-grade screen plays its entry on the first visit
  OfferDisplayMode(0);
}

Tform0::Tform0() {
  Form0 = this;
  Navigation().mainMenu = this;
  setWindowTitle(ToQString(CentreName));
  PlaceScreen(*this);
  SetColours(this, Qt::black, Qt::white);
  StartAborted = false;

  SharedBitmaps& b = Bitmaps();
  if (b.BmpLeaveSign->isNull() || b.BmpMenuLeft->isNull()) PrepareMenuPictures();  // built without its start-up step
  const QImage& sign = *b.BmpLeaveSign;
  const QImage& picture = *b.BmpMenuLeft;
  if (sign.isNull() || picture.isNull()) {
    StartAborted = true;
    return;
  }
  Bitmaps().BmpDoor = QImage(ImageListPuerta().frameSize(), QImage::Format_ARGB32);
  Bitmaps().BmpWalker = QImage(MenuImageList1().frameSize(), QImage::Format_ARGB32);
  TileWidth = Bitmaps().BmpPart->width();
  TileHeight = Bitmaps().BmpPart->height();
  BuildControls();
  ImageDejar->setPixmap(TransparentPixmap(sign.scaled(ImageDejar->size())));
  Imagefaraon->setPixmap(QPixmap::fromImage(picture));
  Imagefaraon->adjustSize();
  if (const QImage& second = *b.BmpMenuRight; !second.isNull()) {
    Image2->setPixmap(QPixmap::fromImage(second));
    Image2->adjustSize();
  }

  PlaceScreen(*this);
  // Behind a walk-through the button goes back to it, whenever the corridor is first built.
  BotRetroce->setText(ToQString(TextLine(WalkThroughStarted ? 82 : 222)));
  BotRetroce->setVisible(!WalkThroughStarted);
  FontSizeAdjust = CurrentPlatform().DisplayDotsPerInch() > 100 ? -2 : 0;

  anda->setGeometry(QRect(QPoint(100, 235), MenuImageList1().frameSize()));
  if (!WalkThroughStarted) piloto.start();
}

void Tform0::BuildControls() {
  mosaico = new QLabel(this);
  mosaico->setGeometry(0, 0, kScreenWidth, kScreenHeight);
  // The tiles are laid by the background brush as the corridor is drawn: building a screen-sized
  // picture of them first was a good part of the start-up.
  QPalette floor = mosaico->palette();
  floor.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(*Bitmaps().BmpPart)));
  mosaico->setPalette(floor);
  mosaico->setAutoFillBackground(true);
  mosaico->setMouseTracking(true);
  mosaico->installEventFilter(this);

  Imagefaraon = new QLabel(this);
  Imagefaraon->move(24, 480);
  Image2 = new QLabel(this);
  Image2->move(744, 480);
  ImageDejar = new QLabel(this);
  ImageDejar->setGeometry(913, 288, 97, 57);
  ImageDejar->setCursor(Qt::PointingHandCursor);
  ImageDejar->setToolTip(ToQString(DoorHint(kDoorCertificates)));
  ImageDejar->installEventFilter(this);

  for (const MenuDoor& door : MenuDoors()) {
    const bool sign = door.number == kDoorCertificates;
    auto* label = new QLabel(ToQString(DoorCaption(door.number)), this);
    label->setObjectName(QString::fromLatin1(door.name.data(), static_cast<qsizetype>(door.name.size())));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->setFont(ScreenFont("Arial", sign ? 9 : 10, true));
    if (sign) {
      label->setGeometry(QRect(door.position, QSize(73, 34)));
      SetColours(label, Qt::transparent, ToQColor(ColourNavy));
    } else {
      SetColours(label, ToQColor(ColourIvory), ToQColor(ColourNavy));
      label->setFixedWidth(kDoorLabelWidth);
      label->adjustSize();
      label->move(door.position);
    }
    label->installEventFilter(this);
    labels_[door.number] = label;
    SetDoorHint(door.number, door.number > 2);  // the first two wait for the walk-in
  }
  LabelDejar = labels_[kDoorCertificates];

  const QFont centreFont = ScreenFont("Arial", 12, true);
  for (auto [label, text, top] : {std::tuple{&LabelCentro, ToQString(CentreName), 624},
                                  std::tuple{&LabelAno, ToQString(kSchoolYear), 648}}) {
    *label = new ShadowLabel(text, this);
    (*label)->setFont(centreFont);
    SetColours(*label, ToQColor(ColourLabelHot), ToQColor(ColourNavy));
    const int width = QFontMetrics(centreFont).horizontalAdvance(text) + 16;
    (*label)->setGeometry(512 - width / 2, top, width, QFontMetrics(centreFont).height() + 4);
  }

  anda = new QLabel(this);
  anda->hide();

  Bocadillo1 = new QLabel(this);
  Bocadillo1->setGeometry(236, 160, 195, 140);
  Bocadillo1->setPixmap(SpeechBubble(Bocadillo1->size()));
  Bocadillo1->hide();
  std::string first(TextLine(264));
  first += "\nVelmora.\n";
  first += TextLine(175);
  first += " ";
  first += kSchoolYear;
  first += ".";
  LabelBocadillo1 = BubbleText(this, ToQString(first));
  std::string second(TextLine(16));
  for (int line : {265, 266, 267}) second += "\n" + std::string(TextLine(line));
  labelBocadillo2 = BubbleText(this, ToQString(second));
  for (QLabel* label : {LabelBocadillo1, labelBocadillo2}) {
    SetColours(label, Qt::transparent, Qt::black);
    label->hide();
  }

  PanelAyuda = new QWidget(this);
  PanelAyuda->setGeometry(296, 248, 289, 150);
  SetColours(PanelAyuda, ToQColor(ColourPeach), Qt::black);
  chica = new QLabel(PanelAyuda);
  chica->setGeometry(6, 4, 47, 142);
  chica->setScaledContents(true);
  for (int line = 1; line <= 5; ++line) {
    LabelAyu[line] = new QLabel(PanelAyuda);
    LabelAyu[line]->setGeometry(62, 8 + 23 * (line - 1), 222, 22);
    LabelAyu[line]->setFont(ScreenFont("Arial", 10));
  }
  PanelAyuda->hide();

  BotRetroce = new QPushButton(this);
  BotRetroce->setGeometry(592, 296, 129, 33);
  BotRetroce->setFont(ScreenFont("Arial", 9, true));
  BotRetroce->setPalette(QApplication::palette(BotRetroce));
  connect(BotRetroce, &QPushButton::clicked, this, &Tform0::BotRetroceClick);

  ZoomLayer = new velmora::ZoomLayer(this);
  ZoomLayer->setGeometry(rect());
  ZoomLayer->hide();

  piloto.setInterval(200);
  TimerTexto.setInterval(3000);
  TimerTexto.setSingleShot(true);
  TimerPuerta.setInterval(200);
  TimerZoom.setInterval(100);
  TimerAyuda.setInterval(200);
  connect(&piloto, &QTimer::timeout, this, &Tform0::pilotoTimer);
  connect(&TimerTexto, &QTimer::timeout, this, &Tform0::TimerTextoTimer);
  connect(&TimerPuerta, &QTimer::timeout, this, &Tform0::TimerPuertaTimer);
  connect(&TimerZoom, &QTimer::timeout, this, &Tform0::TimerZoomTimer);
  connect(&TimerAyuda, &QTimer::timeout, this, &Tform0::TimerAyudaTimer);
}

QLabel* Tform0::DoorLabel(int door) const {
  const auto found = labels_.find(door);
  return found != labels_.end() ? found->second : nullptr;
}

void Tform0::SetDoorHint(int door, bool on) {
  if (QLabel* label = DoorLabel(door)) label->setToolTip(on ? ToQString(DoorHint(door)) : QString());
}

void Tform0::LabelMouseMove(QLabel* label) {
  SetTextColour(label, label == LabelDejar ? kDejarHot : ToQColor(ColourLabelHot));
}

void Tform0::mosaicoMouseMove() {
  for (const auto& [door, label] : labels_) SetTextColour(label, ToQColor(ColourLabelNormal));
}

void Tform0::pilotoTimer() {
  int x = anda->x();
  const int frame = WalkInTick(x, WalkFrame);
  anda->setPixmap(MenuImageList1().frame(frame));
  anda->move(x, anda->y());
  anda->show();
  if (WalkFrame < kWalkInFrames) return;
  piloto.stop();
  TimerTexto.start();
  SetDoorHint(1, true);
  SetDoorHint(2, true);
  Bocadillo1->show();
  LabelBocadillo1->show();
  LabelBocadillo1->raise();
}

void Tform0::TimerTextoTimer() {
  TimerTexto.stop();
  LabelBocadillo1->hide();
  labelBocadillo2->show();
  labelBocadillo2->raise();
}

void Tform0::OpenDoor(int door) {
  DoorNumber = door;
  if (door == 1 || door == 2) {
    SetDoorHint(1, true);
    SetDoorHint(2, true);
  }
  if (WalkThroughStarted) {
    piloto.stop();
    AnimStep = 110;
    TimerZoom.start();
    return;
  }
  piloto.stop();
  TimerTexto.stop();
  QLabel* label = DoorLabel(door);
  if (label != nullptr) SetBackgroundColour(label, ToQColor(ColourPeach));
  for (QWidget* bubble : std::initializer_list<QWidget*>{Bocadillo1, LabelBocadillo1, labelBocadillo2}) bubble->hide();
  SetDoorHint(door, false);
  DoorX = (label != nullptr ? label->x() : 0) + 4;
  DoorY0 = DoorAnimationTop(door);
  WalkFrame = 0;
  AnimStep = 0;
  TimerPuerta.start();
}

void Tform0::TimerPuertaTimer() {
  LabelBocadillo1->hide();
  labelBocadillo2->hide();
  DoorY = DoorY0 - 10 * AnimStep;
  anda->setPixmap(ImageListPuerta().frame(WalkFrame));
  anda->setGeometry(QRect(QPoint(DoorX, DoorY), ImageListPuerta().frameSize()));
  anda->show();
  anda->raise();
  ++AnimStep;
  ++WalkFrame;
  if (WalkFrame < kDoorFrames) return;
  TimerPuerta.stop();
  anda->hide();
  TimerZoom.start();
}

void Tform0::TimerZoomTimer() {
  if (AnimStep < 100) {
    AnimStep += 10;
    ZoomRect = ZoomRectangle(DoorNumber, AnimStep, TileWidth, TileHeight);
    ZoomLayer->show();
    ZoomLayer->raise();
    ZoomLayer->update();
  }
  if (AnimStep >= 100) FinishZoom();
}

void Tform0::FinishZoom() {
  TimerZoom.stop();
  ZoomLayer->hide();
  SetDoorHint(DoorNumber, true);
  // Until the screen behind a door exists, the door only plays its animation.
  QWidget* screen = PrepareDoor(DoorNumber);
  if (screen == nullptr) return;
  if (DoorNumber == 11) InAssistant = true;
  ShowScreen(screen, HidesMenuFirst(DoorNumber));
}

void Tform0::ShowScreen(QWidget* screen, bool hideMenuFirst) {
  if (hideMenuFirst) hide();
  screen->show();
  screen->raise();
  screen->activateWindow();
  if (!hideMenuFirst) hide();
}

void Tform0::LabelDejarClick() {
  HelpStep = 0;
  if (QWidget* screen = PrepareDoor(kDoorCertificates)) ShowScreen(screen, false);
}

void Tform0::TimerAyudaTimer() {
  PanelAyuda->show();
  PanelAyuda->raise();
  BotRetroce->show();
  BotRetroce->raise();
  const int step = HelpStep;
  if (step + 1 >= kMenuHelpSteps) {
    TimerAyuda.stop();
    HelpStep = 0;
    return;
  }
  HelpStep = step + 1;
  if (const auto line = MenuHelpLine(step)) LabelAyu[line->label]->setText(ToQString(TextLine(line->textLine)));
  PlayKeySound(true);
  chica->setPixmap(MenuImageList1().frame(HelpStep - 1));
}

void Tform0::BotRetroceClick() {
  if (!WalkThroughStarted) {
    close();
    return;
  }
  TimerAyuda.stop();
  HelpStep = 0;
  PanelAyuda->hide();
  hide();
  AnimationOn = true;
  if (QWidget* walkThrough = Navigation().walkThrough) {
    walkThrough->show();
    walkThrough->raise();
  }
}

void Tform0::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (StartAborted) {
    close();
    return;
  }
  CloseSplash();
  raise();
  activateWindow();
  if (WalkThroughStarted) TimerAyuda.start();
}

void Tform0::closeEvent(QCloseEvent* event) {
  if (!ConfirmExit(ExitQuestionStyle::kMessageBox)) event->ignore();
}

void Tform0::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool Tform0::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (watched == mosaico) mosaicoMouseMove();
    else if (auto* label = qobject_cast<QLabel*>(watched); label != nullptr && label != ImageDejar) LabelMouseMove(label);
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == ImageDejar || watched == LabelDejar) {
      LabelDejarClick();
      return true;
    }
    for (const auto& [door, label] : labels_) {
      if (label == watched) {
        OpenDoor(door);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
