#include "ImportWindow.h"

#include "ControlNames.h"
#include "DiffView.h"
#include "Fonts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quennet {

ImportWindow::ImportWindow(const QString& tableName, const ScheduleDiff& diff, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QLatin1String(kImportWindow));
    setWindowTitle(QStringLiteral("导入定时表格－") + tableName);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialogFont(10));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        diff.differs() ? QStringLiteral("导入后，播放机将这样改变（“- ”去掉，“+ ”加上）：")
                       : QStringLiteral("导入后播放的内容不变，只有定时的序号或不播放的内容改变。"),
        this));
    layout->addWidget(createDiffList(this, kImportDiffList, diff));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import = buttons->addButton(QStringLiteral("导入"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QLatin1String(kImportConfirmButton));
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QLatin1String(kImportCancelButton));
    import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
}

}  // namespace quennet
