// New, open and save of timing files, and the question about unsaved changes.
#include "TForm1.h"

#include "CompareWindow.h"
#include "DiffView.h"
#include "FileFailureText.h"
#include "FindingText.h"
#include "TForm2.h"
#include "WeekPlanWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>

namespace tavisto {

namespace {

const QString kFileType = QStringLiteral("MP3播放机定时文件(mtf) (*.mtf)");
const QString kInitialName = QStringLiteral("TWTIMING");
constexpr int kFindingsShown = 5;

// The first time in the user's home folder, then where the user last chose a file.
QString proposedPath(const QString& last)
{
    return last.isEmpty() ? QDir::home().filePath(kInitialName) : last;
}

// The one local .mtf file a drag carries; nothing for anything else.
std::optional<QString> draggedSchedule(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return std::nullopt;
    const QString path = data->urls().constFirst().toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String("mtf"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return path;
}

std::string systemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void TForm1::showFileFailure(const QString& text, const QString& path, const FileError& error)
{
    dialogs_.message(this, Dialogs::Kind::Error, text, Dialogs::Buttons::Ok, {},
                     path + QLatin1Char('\n') + fileFailureReason(error, FindingLanguage::Chinese));
}

bool TForm1::SaveBuftoFile(const QString& path)
{
    FileError error = state_.Document.save(state_.Timings);
    if (error.kind == FileError::Kind::Replaced) {
        if (dialogs_.message(this, Dialogs::Kind::Confirmation,
                             QStringLiteral("文件已被其他程序替换，仍然保存吗？"),
                             Dialogs::Buttons::YesNoDefaultNo, {}, {}, replacedFileDifference())
            != Dialogs::Answer::Yes)
            return false;
        error = state_.Document.save(state_.Timings, true);
    }
    if (!error) {
        history_.markSaved(state_.Timings);
        showFileState();
        emit scheduleChanged();  // the file's name and state, as printed
        return true;
    }
    showFileFailure(QStringLiteral("保存定时文件失败！"), path, error);
    // The edits are not stranded where they cannot be saved: they may go to another file.
    return confirm(QStringLiteral("是否将定时数据另存为其他文件？")) && saveNewSet();
}

bool TForm1::saveNewSet()
{
    const std::optional<QString> path = dialogs_.fileDialog(this,
                                                            {QStringLiteral("创建新定时文件"),
                                                             {kFileType},
                                                             QStringLiteral("mtf"),
                                                             proposedPath(lastSavePath_),
                                                             true});
    if (!path)
        return false;
    lastSavePath_ = *path;
    if (const FileError error = state_.Document.takePath(systemPath(*path))) {
        showFileFailure(QStringLiteral("创建定时文件失败！"), *path, error);
        return false;
    }
    return SaveBuftoFile(*path);
}

bool TForm1::saveSet()
{
    if (state_.Document.NewFile == 1)
        return saveNewSet();
    return !state_.Document.FileAttached() || SaveBuftoFile(state_.fileName());
}

bool TForm1::SaveEnquire()
{
    if (state_.Document.Modified != 1)
        return true;
    switch (dialogs_.message(this, Dialogs::Kind::Confirmation,
                             QStringLiteral("是否保存对当前定时数据的修改？"),
                             Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Yes: return saveSet();
    case Dialogs::Answer::No: return true;
    default: return false;
    }
}

void TForm1::Button8Click()
{
    if (!storeShownTiming() || !SaveEnquire())
        return;
    state_.Document.newFile(state_.Timings);
    state_.startEditing();
    startHistory();
    RedrawEdit();
    ReStateBar();
    loadShownTiming();
    emit scheduleChanged();
}

void TForm1::Button5Click()
{
    if (!storeShownTiming() || !SaveEnquire())
        return;
    const std::optional<QString> path = dialogs_.fileDialog(this,
                                                            {QStringLiteral("打开现有定时文件"),
                                                             {kFileType, QStringLiteral("所有文件 (*)")},
                                                             QStringLiteral("mtf"),
                                                             proposedPath(lastOpenPath_),
                                                             false});
    openChosenFile(path);
}

void TForm1::openFile(const QString& path)
{
    if (!storeShownTiming() || !SaveEnquire())
        return;
    openChosenFile(QFileInfo(path).absoluteFilePath());
}

// A schedule dropped anywhere on the window, a field included, is opened as 打开文件 opens a chosen
// file; while the window takes no input (the overview is open) it is refused.
bool TForm1::takeDroppedSchedule(QDropEvent* event)
{
    const std::optional<QString> path = draggedSchedule(event->mimeData());
    if (!path)
        return false;
    if (!isEnabled()) {
        event->ignore();
        return true;
    }
    event->setDropAction(Qt::CopyAction);  // never a move: the file stays where it is
    event->accept();
    if (event->type() == QEvent::Drop) {
        // Once the drop is over: the save question must not hold up the program the file came from.
        QMetaObject::invokeMethod(
            this,
            [this, file = *path] {
                activateWindow();
                openFile(file);
            },
            Qt::QueuedConnection);
    }
    return true;
}

bool TForm1::confirmOddFile(const QString& path)
{
    TimingSet looked;
    std::vector<TimingFileFinding> findings;
    // A file that cannot be read fails in the open itself, with its reason.
    if (TimingDocument::peek(systemPath(path), looked, findings) || findings.empty())
        return true;
    QStringList lines{QStringLiteral("这个文件不像定时文件：")};
    for (std::size_t i = 0; i < findings.size() && i < kFindingsShown; ++i)
        lines << findingText(findings[i], FindingLanguage::Chinese);
    if (findings.size() > kFindingsShown)
        lines << QStringLiteral("……");
    lines << QStringLiteral("仍然打开吗？");
    return confirm(lines.join(QLatin1Char('\n')), Dialogs::Buttons::YesNoDefaultNo);
}

void TForm1::openChosenFile(const std::optional<QString>& path)
{
    if (path) {
        lastOpenPath_ = *path;
        if (!confirmOddFile(*path))
            return;  // the set, its file and its changes stay as they were
    }
    state_.Document.close();
    if (path) {
        if (const FileError error = state_.Document.open(systemPath(*path), state_.Timings))
            showFileFailure(QStringLiteral("打开文件失败！"), *path, error);
    }
    startHistory();
    if (!state_.Document.FileAttached()) {
        RedrawEdit();
        ReStateBar();
        emit scheduleChanged();
        return;
    }
    state_.startEditing();  // the two settings are the file's own
    RedrawEdit();
    ReStateBar();
    loadShownTiming();
    emit scheduleChanged();
}

void TForm1::Button4Click()
{
    if (storeShownTiming())
        saveSet();
}

QString TForm1::replacedFileDifference() const
{
    TimingSet there;
    std::vector<TimingFileFinding> findings;
    if (TimingDocument::peek(state_.Document.FileName, there, findings))
        return {};
    return QStringLiteral("“- ”只在现在的文件中，“+ ”只在要保存的定时中：\n")
        + diffLines(diffSchedules(there, state_.Timings)).join(QLatin1Char('\n'));
}

void TForm1::compareWithFile()
{
    const std::optional<QString> path = dialogs_.fileDialog(overview_,
                                                            {QStringLiteral("选择要比较的定时文件"),
                                                             {kFileType, QStringLiteral("所有文件 (*)")},
                                                             QStringLiteral("mtf"),
                                                             proposedPath(lastOpenPath_),
                                                             false});
    if (!path)
        return;
    TimingSet other;
    std::vector<TimingFileFinding> findings;
    if (const FileError error = TimingDocument::peek(systemPath(*path), other, findings)) {
        dialogs_.message(overview_, Dialogs::Kind::Error, QStringLiteral("打开文件失败！"),
                         Dialogs::Buttons::Ok, {},
                         *path + QLatin1Char('\n') + fileFailureReason(error, FindingLanguage::Chinese));
        return;
    }
    auto* window =
        new CompareWindow(dialogs_, *path, fileNameShown(), diffSchedules(other, state_.Timings), overview_);
    window->show();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // While the overview is open the main window takes no input, its close box included.
    if (overview_ || !storeShownTiming() || !SaveEnquire()) {
        event->ignore();
        return;
    }
    state_.Document.close();
    if (weekPlan_)
        weekPlan_->close();
    event->accept();
}

}  // namespace tavisto
