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

  void SetProgress(int position);

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
};

}  // namespace velmora
