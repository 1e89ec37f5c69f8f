// The family list of the FP Básica and certificates screens: each row the main menu's icon for its
// position and the family's name 35 pixels in.
#pragma once

#include <QStyledItemDelegate>
#include <vector>

namespace velmora {

class FamilyIconDelegate : public QStyledItemDelegate {
 public:
  // icons[row] is the icon of the row; rows past the list take icon 1.
  FamilyIconDelegate(QObject* parent, std::vector<int> icons, int rowHeight);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  std::vector<int> icons_;
  int rowHeight_;
};

}  // namespace velmora
