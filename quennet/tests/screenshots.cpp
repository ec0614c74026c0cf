// Renders the editor in its three kinds, the check list and the About box into PNGs:
//   quennet_screenshots <output folder>   (run on a real display, e.g. under xvfb-run)
#include "AboutBox.h"
#include "DataFile.h"
#include "Dialogs.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Answers every box at once, so that the windows can be driven without a person.
class SilentDialogs : public quennet::Dialogs {
public:
    void Message(QWidget*, const QString&, Icon) override {}
    bool Confirm(QWidget*, const QString&) override { return true; }
    void ShowCheckList(QWidget*, quennet::DataFile&, int) override {}
    void ShowAbout(QWidget*) override {}
};

void Save(QWidget* window, const QString& path)
{
    window->show();
    QTest::qWait(200);
    window->grab().save(path);
}

void Type(QWidget& editor, const char* id, const QString& text)
{
    auto* edit = editor.findChild<QLineEdit*>(QString::fromLatin1(id));
    edit->setText(text);
}

void Click(QWidget& editor, const char* id)
{
    editor.findChild<QPushButton*>(QString::fromLatin1(id))->click();
}

void Select(QWidget& editor, int kind)
{
    auto* list = editor.findChild<QComboBox*>(QStringLiteral("1000"));
    list->setCurrentIndex(kind);
    emit list->activated(kind);
}
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir drive;
    quennet::DataFile file(drive.path().toStdString());
    SilentDialogs dialogs;
    quennet::TimingEditor editor(file, dialogs);
    Click(editor, "1028");

    Type(editor, "1006", "7"); Type(editor, "1007", "30");
    Type(editor, "1010", "1"); Type(editor, "1012", "2"); Type(editor, "1014", "3");
    Type(editor, "1016", "10"); Type(editor, "1018", "20");
    Click(editor, "1027");
    Type(editor, "1006", "12"); Type(editor, "1007", "0"); Type(editor, "1010", "97");
    Click(editor, "1027");
    Save(&editor, out + "/editor-music.png");

    Select(editor, quennet::RadioKind);
    Type(editor, "1006", "6"); Type(editor, "1007", "0"); Type(editor, "1010", "5");
    Type(editor, "1029", "6"); Type(editor, "1030", "30");
    Click(editor, "1027");
    Save(&editor, out + "/editor-radio.png");

    Select(editor, quennet::PeripheralKind);
    Type(editor, "1006", "12"); Type(editor, "1007", "0");
    Type(editor, "1029", "12"); Type(editor, "1030", "5");
    Click(editor, "1027");
    Save(&editor, out + "/editor-peripheral.png");

    quennet::TimingCheckList list(file, 0);
    Save(&list, out + "/check-list.png");
    quennet::AboutBox about;
    Save(&about, out + "/about.png");
    return 0;
}
