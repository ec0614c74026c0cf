// Renders the editor in its three kinds, the check list and the About box into PNGs:
//   quennet_screenshots <output folder>   (run on a real display, e.g. under xvfb-run)
#include "AboutBox.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "ScriptedDialogs.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
void saveShot(QWidget* window, const QString& path)
{
    window->show();
    QTest::qWait(200);
    window->grab().save(path);
}

void typeInto(QWidget& editor, const char* id, const QString& text)
{
    auto* edit = editor.findChild<QLineEdit*>(QString::fromLatin1(id));
    edit->setText(text);
}

void click(QWidget& editor, const char* id)
{
    editor.findChild<QPushButton*>(QString::fromLatin1(id))->click();
}

void selectKind(QWidget& editor, quennet::TimingKind kind)
{
    auto* list = editor.findChild<QComboBox*>(QString::fromLatin1(quennet::kTypeList));
    list->setCurrentIndex(int(kind));
    emit list->activated(int(kind));
}
}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir drive;
    quennet::DataFile file(drive.path().toStdString());
    quennet::testing::ScriptedDialogs dialogs;  // answers every box at once
    quennet::TimingEditor editor(file, dialogs);
    click(editor, quennet::kOpenCloseButton);

    typeInto(editor, quennet::kHourEdit, "7");
    typeInto(editor, quennet::kMinuteEdit, "30");
    typeInto(editor, quennet::kTrack1Edit, "1");
    typeInto(editor, quennet::kTrack2Edit, "2");
    typeInto(editor, quennet::kTrack3Edit, "3");
    typeInto(editor, quennet::kRandomFromEdit, "10");
    typeInto(editor, quennet::kRandomToEdit, "20");
    click(editor, quennet::kAddButton);
    typeInto(editor, quennet::kHourEdit, "12");
    typeInto(editor, quennet::kMinuteEdit, "0");
    typeInto(editor, quennet::kTrack1Edit, "97");
    click(editor, quennet::kAddButton);
    saveShot(&editor, out + "/editor-music.png");

    selectKind(editor, quennet::TimingKind::Radio);
    typeInto(editor, quennet::kHourEdit, "6");
    typeInto(editor, quennet::kMinuteEdit, "0");
    typeInto(editor, quennet::kTrack1Edit, "5");
    typeInto(editor, quennet::kEndHourEdit, "6");
    typeInto(editor, quennet::kEndMinuteEdit, "30");
    click(editor, quennet::kAddButton);
    saveShot(&editor, out + "/editor-radio.png");

    selectKind(editor, quennet::TimingKind::Peripheral);
    typeInto(editor, quennet::kHourEdit, "12");
    typeInto(editor, quennet::kMinuteEdit, "0");
    typeInto(editor, quennet::kEndHourEdit, "12");
    typeInto(editor, quennet::kEndMinuteEdit, "5");
    click(editor, quennet::kAddButton);
    saveShot(&editor, out + "/editor-peripheral.png");

    quennet::TimingCheckList list(file, 0);
    saveShot(&list, out + "/check-list.png");
    quennet::AboutBox about;
    saveShot(&about, out + "/about.png");
    return 0;
}
