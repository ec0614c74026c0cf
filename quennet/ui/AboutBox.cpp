#include "AboutBox.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "DialogUnits.h"
#include "Fonts.h"

#include <QLabel>
#include <QPushButton>

namespace quennet {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(kAboutWindow));
    setWindowTitle(QStringLiteral("关于 Quennet"));
    setFont(dialogFont(9));
    const DialogUnits du(font());
    setFixedSize(du.size(235, 55));

    auto* icon = new QLabel(this);
    icon->setGeometry(du.rect(11, 17, 20, 20));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(appIcon().pixmap(32, 32));

    auto* name = new QLabel(QStringLiteral("Quennet 1.0 版"), this);
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(du.rect(40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QString::fromLatin1(kDefaultButton));
    ok->setGeometry(du.rect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quennet
