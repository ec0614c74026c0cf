// New, open and save of timing files, and the question about unsaved changes.
#include "TForm1.h"

#include "TForm2.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace tavisto {

namespace {

const QString kFileType = QStringLiteral("MP3播放机定时文件(mtf) (*.mtf)");
const QString kInitialName = QStringLiteral("TWTIMING");

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

}  // namespace

bool TForm1::SaveBuftoFile()
{
    if (state_.File.write(state_.Timings))
        return true;
    dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("保存定时文件失败！"), Dialogs::Buttons::Ok);
    return false;
}

bool TForm1::LoadFiletoBuf()
{
    return state_.File.read(state_.Timings);
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
    state_.FileName = *path;
    if (!state_.File.create(path->toStdString())) {
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("创建定时文件失败！"),
                         Dialogs::Buttons::Ok);
        return false;
    }
    if (!SaveBuftoFile()) {
        state_.File.close();
        return false;
    }
    state_.NewFile = 0;
    state_.Modified = 0;
    return true;
}

bool TForm1::SaveEnquire()
{
    if (state_.Modified == 1) {
        switch (dialogs_.message(this, Dialogs::Kind::Confirmation,
                                 QStringLiteral("是否保存对当前定时数据的修改？"),
                                 Dialogs::Buttons::YesNoCancel)) {
        case Dialogs::Answer::Yes:
            if (state_.NewFile == 1 ? !saveNewSet() : state_.FileAttached() && !SaveBuftoFile())
                return false;
            break;
        case Dialogs::Answer::No: break;
        default: return false;
        }
    }
    state_.NewFile = 0;
    state_.Modified = 0;
    state_.File.close();
    return true;
}

void TForm1::Button8Click()
{
    if (!storeShownTiming() || !SaveEnquire())
        return;
    state_.NewFile = 1;
    state_.startEditing();
    state_.Timings = TimingSet::fresh();
    RedrawEdit();
    ReStateBar();
    loadShownTiming();
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

void TForm1::openChosenFile(const std::optional<QString>& path)
{
    if (path) {
        lastOpenPath_ = *path;
        state_.FileName = *path;
        if (!state_.File.open(path->toStdString()) || !LoadFiletoBuf()) {
            state_.File.close();
            dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("打开文件失败！"),
                             Dialogs::Buttons::Ok);
        }
    }
    if (!state_.FileAttached()) {
        RedrawEdit();
        ReStateBar();
        return;
    }
    state_.startEditing();  // the two settings are the file's own
    RedrawEdit();
    ReStateBar();
    loadShownTiming();
}

void TForm1::Button4Click()
{
    if (!storeShownTiming())
        return;
    if (state_.NewFile == 1) {
        if (saveNewSet())
            showFileState();
    } else if (state_.FileAttached() && SaveBuftoFile()) {
        state_.Modified = 0;
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // While the overview is open the main window takes no input, its close box included.
    if (overview_ || !storeShownTiming() || !SaveEnquire()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace tavisto
