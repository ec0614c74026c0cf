#include "AboutBox.h"

#include "AppIcon.h"
#include "DialogFont.h"
#include "DialogUnits.h"

#include <QLabel>
#include <QPushButton>

namespace quennet {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于 Quennet"));
    setFont(DialogFont(9));
    const DialogUnits du(font());
    setFixedSize(du.Size(235, 55));

    auto* icon = new QLabel(this);
    icon->setGeometry(du.Rect(11, 17, 20, 20));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(AppIcon().pixmap(32, 32));

    auto* name = new QLabel(QStringLiteral("Quennet 1.0 版"), this);
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(du.Rect(40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(du.Rect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace quennet
