// The FP Básica screen: nine families, a family's titles unfolding beside it with a preview under
// the mouse, a title's requirements, studies and jobs, where it is taught, and every centre of a
// place that offers FP Básica.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

#include "core/tables.h"
#include "vocational/basic_titles.h"
#include "vocational/vocational_screen.h"

namespace velmora {

class TFIniPro : public VocationalScreen {
  Q_OBJECT

 public:
  static void LoadFiles();  // its modules, read at start-up
  TFIniPro();
  ~TFIniPro() override;

  void ListSelFpMouseMove(int row);
  void ListSelFpMouseUp(int row);
  void ListTitFPMouseMove(int row);
  void ListTitFPMouseUp(int row);
  void ListTitClick(int row) override { ListTitFPMouseUp(row); }
  void BotLugClick();
  void mapaClick() override;
  void BotRequisitosClick();
  void BotTraClick();
  void botAsigClick();
  void BotImprimirClick() override;
  void BotRetrocederFPClick() override;
  void FormCloseQuery();

  QLabel *LabelFPIp1 = nullptr, *LabelAno = nullptr, *PanelSelTit0 = nullptr;
  QListWidget *ListSelFp = nullptr, *ListTitFP = nullptr, *ListFPExpli = nullptr, *Listsel = nullptr;
  QWidget* panelsel = nullptr;
  QPushButton *BotRequisitos = nullptr, *BotAsig = nullptr, *BotTra = nullptr, *BotLug = nullptr;

  std::vector<BasicFamily> Families;
  std::vector<BasicTitleEntry> TitleEntries;  // the titles ListTitFP shows
  bool FamilyClicked = false;                 // stops the hover highlighting of the family list
  bool CommunityClicked = false;              // a community was clicked since the title was chosen
  int PreviewRow = -1;                        // ListTitFP's item under the mouse

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void CommunityChosen() override;

 private:
  void BuildControls();
  void ShowLines(const std::vector<std::string>& lines, int captionLine);
  void ShowFamilies();
  std::unique_ptr<LineTable> basicLu2_;  // this screen's copy of lu2
};

}  // namespace velmora
