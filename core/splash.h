// The splash window shown while the screens are created: the guide, the title, a progress bar.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace velmora {

class TBienvenida : public QWidget {
  Q_OBJECT

 public:
  TBienvenida();
  ~TBienvenida() override;

  // Shows the splash; it is painted as soon as the window system has mapped it, at the latest
  // at the next progress step, so it is never an empty box while the screens are created.
  void ShowPainted();
  void SetProgress(int position);

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;

 private:
  void PaintOnceShown();
  bool painted_ = false;
  QElapsedTimer sinceRedrawn_;
};

// Closes the splash if it is still open (the main form's show handler does this).
void CloseSplash();

}  // namespace velmora
