// The splash window shown while the screens are created: the guide, the title, a progress bar.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace velmora {

class TBienvenida : public QWidget {
  Q_OBJECT

 public:
  TBienvenida();
  ~TBienvenida() override;

  // Shows the splash and paints it before returning, so it is whole while the screens are
  // created (a window just shown is drawn only once the window system has mapped it).
  void ShowPainted();
  void SetProgress(int position);

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
};

// Closes the splash if it is still open (the main form's show handler does this).
void CloseSplash();

}  // namespace velmora
