#include "vocational/family_icon_list.h"

#include <QPainter>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/qt_text.h"

namespace velmora {

FamilyIconDelegate::FamilyIconDelegate(QObject* parent, std::vector<int> icons, int rowHeight)
    : QStyledItemDelegate(parent), icons_(std::move(icons)), rowHeight_(rowHeight) {}

void FamilyIconDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(option.rect, selected ? option.palette.highlight().color() : ToQColor(ColourCream));
  const auto row = static_cast<std::size_t>(index.row());
  ImageListIconos().draw(*painter, option.rect.left() + 2, option.rect.top() + 2, row < icons_.size() ? icons_[row] : 1);
  painter->setFont(option.font);
  painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
  painter->drawText(option.rect.adjusted(35, 2, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
  painter->restore();
}

QSize FamilyIconDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace velmora
