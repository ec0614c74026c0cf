#include "RoomyRows.h"

#include <QFontMetrics>
#include <algorithm>

namespace quennet {

QSize RoomyRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    const int glyphs = metrics.boundingRect(QStringLiteral("定时") + index.data().toString()).height();
    size.setHeight(std::max(size.height(), std::max(glyphs, metrics.height()) + metrics.height() / 3));
    return size;
}

}  // namespace quennet
