#include "ImportWindow.h"

#include "ControlNames.h"
#include "DifferenceView.h"
#include "Fonts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quennet {

ImportWindow::ImportWindow(QWidget* parent, const QString& table, const ScheduleDiff& diff) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(kImportWindow));
    setWindowTitle(QStringLiteral("导入定时"));
    setFont(dialogFont(10));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QStringLiteral("导入 %1 后，播放机的运行将有以下变化（“- ”将去掉，“+ ”将加上）：")
                       .arg(QFileInfo(table).fileName()),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(differenceView(this, diff, QStringLiteral("播放机的运行没有变化。")));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("导入"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::fromLatin1(kImportOkButton));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
}

}  // namespace quennet
