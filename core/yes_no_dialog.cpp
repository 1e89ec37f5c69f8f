#include "core/yes_no_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/common.h"
#include "core/platform/platform.h"
#include "core/qt_text.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {
constexpr int kDialogWidth = 382;
}  // namespace

TForm4::TForm4() {
  setWindowTitle(ToQString(CentreName));
  setFixedSize(kDialogWidth, 144);
  setModal(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(ColourIvory));
  setPalette(colours);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setBold(true);
  setFont(font);

  LabelNombre = new QLabel(this);
  LabelNombre->move(40, 24);
  LabelNombre2 = new QLabel(this);
  LabelNombre2->move(40, 56);
  ShadowSi = new QPushButton(ToQString(TextLine(141)), this);
  ShadowSi->setGeometry(40, 100, 89, 33);
  ShadowSi->setDefault(true);
  ShadowNo = new QPushButton(ToQString(TextLine(140)), this);
  ShadowNo->setGeometry(168, 100, 89, 33);
  connect(ShadowSi, &QPushButton::clicked, this, &TForm4::ShadowSiClick);
  connect(ShadowNo, &QPushButton::clicked, this, &TForm4::reject);
  ResetLayout();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  Form4 = this;
}

TForm4::~TForm4() {
  if (Form4 == this) Form4 = nullptr;
}

void TForm4::ShadowSiClick() { done(kResultYes); }

void TForm4::reject() { done(kResultCancel); }

void TForm4::ResetLayout() {
  if (EditNombre != nullptr) EditNombre->hide();
  LabelNombre2->hide();
  ShadowNo->show();
  ShadowSi->setFocus();  // Enter answers Yes, whichever button was pressed last time
}

int TForm4::ShowModal() {
  LabelNombre->adjustSize();
  LabelNombre2->adjustSize();
  // A long question widens the dialog rather than being cut at its edge.
  const int needed = 40 + std::max(LabelNombre->width(), LabelNombre2->isHidden() ? 0 : LabelNombre2->width()) + 40;
  if (needed != width() && (needed > kDialogWidth || width() > kDialogWidth)) {
    const QPoint centre = geometry().center();
    setFixedSize(std::max(kDialogWidth, needed), height());
    move(centre - rect().center());
  }
  const int result = CurrentPlatform().RunModal(*this) == kResultYes ? kResultYes : kResultCancel;
  ResetLayout();
  return result;
}

bool TForm4::AskQuestion(std::string_view question) {
  LabelNombre->setText(ToQString(question));
  return ShowModal() == kResultYes;
}

bool TForm4::AskTwoLines(std::string_view first, std::string_view second) {
  LabelNombre->setText(ToQString(first));
  LabelNombre2->setText(ToQString(second));
  LabelNombre2->show();
  return ShowModal() == kResultYes;
}

std::optional<std::string> TForm4::AskName(std::string_view prompt, std::string_view name) {
  // Built on the first name asked: laying out its empty text loads a font engine, a
  // millisecond of every start for a question most sessions never ask.
  if (EditNombre == nullptr) {
    EditNombre = new QLineEdit(this);
    EditNombre->setGeometry(40, 56, 213, 25);
    EditNombre->setMaxLength(kNameCapacity);
    setTabOrder(EditNombre, ShadowSi);  // the name first, as it stands above the buttons
  }
  LabelNombre->setText(ToQString(prompt));
  EditNombre->setText(ToQString(name));
  for (;;) {
    EditNombre->show();
    EditNombre->setFocus();
    if (ShowModal() != kResultYes) return std::nullopt;
    const std::string typed(TrimBothBlanks(FromQString(EditNombre->text())));
    if (!typed.empty()) return typed.substr(0, kNameCapacity);
    EditNombre->clear();
  }
}

}  // namespace velmora
