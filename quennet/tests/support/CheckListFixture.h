#pragma once
// An editor beside the check list of program 1, opened on a data file the test gives, with scripted
// dialogs: the windows the check list's tests drive.
#include "ControlNames.h"
#include "Controls.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScriptedDialogs.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace quennet::testing {

class CheckListFixture {
protected:
    QTemporaryDir drive_;
    QString path_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<DataFile> file_;
    std::unique_ptr<TimingEditor> editor_;
    TimingCheckList* list_ = nullptr;

    template<class T = QWidget>
    T* find(const char* id) const
    {
        return control<T>(editor_.get(), id);
    }
    void click(const char* id) { QTest::mouseClick(find(id), Qt::LeftButton); }

    // Writes `bytes` as the drive's data file, opens it in a new editor and shows the check list;
    // false when the list did not come up.
    bool openCheckList(const QByteArray& bytes)
    {
        list_ = nullptr;
        editor_.reset();
        dialogs_ = ScriptedDialogs();
        path_ = writeDataFile(drive_.path(), bytes);
        file_ = std::make_unique<DataFile>(drive_.path().toStdString());
        editor_ = std::make_unique<TimingEditor>(*file_, dialogs_);
        editor_->show();
        click(kOpenCloseButton);
        list_ = new TimingCheckList(*file_, dialogs_, 0, editor_.get());
        list_->show();
        return QTest::qWaitForWindowActive(list_);
    }
};

}  // namespace quennet::testing
