// The program's yes/no dialog: a question, optionally a second line or a name box.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResultYes = 6;
  static constexpr int kResultCancel = 2;
  static constexpr int kNameCapacity = 45;

  // The newest dialog becomes Form4, the one the screens ask through.
  TForm4();
  ~TForm4() override;

  // Shows the dialog modally (through the platform) and returns Yes (6) or Cancel (2); the
  // layout goes back to the plain question afterwards.
  int ShowModal();

  // The three uses: a question; a question with a second line; a name, asked again until one
  // is entered or the answer is No (then nothing).
  bool AskQuestion(std::string_view question);
  bool AskTwoLines(std::string_view first, std::string_view second);
  // The box starts with the given name (a name typed for an earlier report).
  std::optional<std::string> AskName(std::string_view prompt, std::string_view name = {});

  void ShadowSiClick();
  void reject() override;  // No, Esc and the close box all give Cancel

  QLabel* LabelNombre = nullptr;
  QLabel* LabelNombre2 = nullptr;
  QLineEdit* EditNombre = nullptr;  // built when a name is first asked
  QPushButton* ShadowSi = nullptr;
  QPushButton* ShadowNo = nullptr;

 private:
  void ResetLayout();
};

// The one instance, created with the screens; null until then.
inline TForm4* Form4 = nullptr;

}  // namespace velmora
