// The overview's program as a table for spreadsheets, and a table read back as one step.
#include "TForm1.h"

#include "FileFailureText.h"
#include "ImportWindow.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "TForm2.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tavisto {

namespace {

const QString kTableType = QStringLiteral("CSV 表格 (*.csv)");
constexpr int kFaultsShown = 10;

// "第 2 行，“开始”列，“25:00”：…"; a fault of the whole line or file names no column or value.
QString faultText(const TableFault& fault)
{
    QString text = QStringLiteral("第 %1 行").arg(fault.line);
    if (!fault.column.empty())
        text += QStringLiteral("，“%1”列").arg(QString::fromStdString(fault.column));
    if (!fault.value.empty())
        text += QStringLiteral("，“%1”").arg(QString::fromStdString(fault.value));
    return text + QStringLiteral("：") + QString::fromStdString(fault.reason);
}

}  // namespace

// In the documents folder, never beside a schedule that may be the player's card, named after the
// schedule and the program: "TWTIMING-程序1.csv".
QString TForm1::proposedTablePath() const
{
    const QString program =
        state_.randomProgram() ? QStringLiteral("随机程序") : QStringLiteral("程序%1").arg(state_.EditObject);
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return folder.filePath(QFileInfo(fileNameShown()).completeBaseName() + QLatin1Char('-') + program
                           + QStringLiteral(".csv"));
}

void TForm1::exportProgramTable()
{
    const std::optional<QString> path = dialogs_.fileDialog(
        overview_,
        {QStringLiteral("导出定时表格"), {kTableType}, QStringLiteral("csv"), proposedTablePath(), true});
    if (!path)
        return;
    const QByteArray bytes = QByteArray::fromStdString(exportTable(state_.Timings, state_.EditObject));
    // Written whole or not at all: a file the export replaces is never left half written.
    QSaveFile file(*path);
    if (!(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()))
        dialogs_.message(overview_, Dialogs::Kind::Error, QStringLiteral("导出失败！"), Dialogs::Buttons::Ok,
                         {}, *path + QLatin1Char('\n') + file.errorString());
}

void TForm1::importTableFile()
{
    const std::optional<QString> path =
        dialogs_.fileDialog(overview_,
                            {QStringLiteral("导入定时表格"),
                             {QStringLiteral("CSV 表格 (*.csv *.txt)"), QStringLiteral("所有文件 (*)")},
                             QStringLiteral("csv"),
                             proposedTablePath(),
                             false});
    if (!path)
        return;
    std::vector<std::uint8_t> bytes;
    if (const FileError error =
            TimingFile::peek(QFile::encodeName(*path).toStdString(), kLargestTable, bytes)) {
        dialogs_.message(overview_, Dialogs::Kind::Error, QStringLiteral("打开文件失败！"),
                         Dialogs::Buttons::Ok, {},
                         *path + QLatin1Char('\n') + fileFailureReason(error, FindingLanguage::Chinese));
        return;
    }
    const TableImport imported = importTable(state_.Timings, std::string(bytes.begin(), bytes.end()));
    if (imported.refused()) {
        QStringList all;
        for (const TableFault& fault : imported.faults)
            all << faultText(fault);
        QStringList shown = all.mid(0, kFaultsShown);
        if (all.size() > kFaultsShown)
            shown << QStringLiteral("……");
        dialogs_.message(overview_, Dialogs::Kind::Warning,
                         QStringLiteral("表格中有 %1 处错误，没有导入任何定时。").arg(all.size()),
                         Dialogs::Buttons::Ok, {}, shown.join(QLatin1Char('\n')),
                         all.join(QLatin1Char('\n')));
        return;
    }
    if (*imported.set == state_.Timings) {
        dialogs_.message(overview_, Dialogs::Kind::Information,
                         QStringLiteral("表格与正在编辑的定时相同，没有要导入的修改。"),
                         Dialogs::Buttons::Ok);
        return;
    }
    const QString name = QFileInfo(*path).fileName();
    auto* window = new ImportWindow(name, diffSchedules(state_.Timings, *imported.set), overview_);
    connect(window, &QDialog::accepted, this,
            [this, name, set = *imported.set] { applyStep(QStringLiteral("导入 %1").arg(name), set); });
    window->open();
}

}  // namespace tavisto
