#pragma once
// Item views size their rows by the font's own height, but the Chinese glyphs come from taller
// fallback faces; this delegate gives every row room for the glyphs it really draws.
#include <QStyledItemDelegate>

namespace quennet {

class RoomyRows : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quennet
