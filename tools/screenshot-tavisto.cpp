// Pictures of Tavisto's windows for the documentation. The main window is driven through its states
// (no file, a new set in the music layout, an opened file at program 2 peripheral timing 15, the random
// program); the overview, About and relation-diagram windows are shown with example contents.
// Run under an X server (xvfb-run -a -s "-screen 0 1024x768x24"), QT_QPA_PLATFORM=xcb.
// Usage: screenshot-tavisto OUTPUT_DIRECTORY

#include "Dialogs.h"
#include "OverviewText.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"
#include "TForm4.h"
#include "TavistoIcon.h"
#include "TimingFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tavisto;

namespace {

// Answers every question with its default and every file dialog with one path.
class FixedDialogs final : public Dialogs {
public:
    QString path;
    Answer message(QWidget*, Kind, const QString&, Buttons buttons, const QString&) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<QString> inputBox(QWidget*, const QString&, const QString&, const QString& preset) override
    {
        return preset;
    }
    std::optional<QString> fileDialog(QWidget*, const FileRequest&) override { return path; }
};

bool save(QWidget& window, const QString& path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(200);  // let fonts and the paint settle
    return window.grab().save(path);
}

std::uint8_t bcd(int value) { return std::uint8_t((value / 10) << 4 | value % 10); }

// A music table with a morning, a noon and an evening timing on most days.
void fillMusicTable(TForm2& overview)
{
    const SlotSelection music{1, TimingType::Music, 1};
    overview.setRowCount(overviewRowCount(music));
    for (int row = 0; row < overviewRowCount(music); ++row) {
        CP cp;
        ClearCP(cp);
        if (row < 12) {
            cp.Serial = std::uint8_t(row + 1);
            cp.StartHour = bcd(7 + row);
            cp.StartMinute = bcd(row % 2 ? 30 : 0);
            cp.Track1 = std::uint8_t(row + 1);
            cp.Track2 = std::uint8_t(row + 12);
            cp.Track3 = std::uint8_t(3 * row + 3);
            cp.Weekdays = row % 3 ? 0x1F : 0x7F;
            cp.Zones = row % 2 ? 0x03 : 0x3F;
        }
        overview.setRow(row, overviewRow(music, row + 1, cp));
    }
}

void click(TForm1& window, const char* name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

void set(TForm1& window, const char* name, const char* text)
{
    window.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromLatin1(text));
}

// A timing file with a peripheral timing 15 in program 2 that works 06:30 to 07:15 on weekdays.
bool writeExample(const QString& path)
{
    TimingSet set;
    set.Buffer.fill(0xFF);
    const std::uint8_t slot[8] = {15, 0x06, 0x30, 0x07, 0x15, 0x00, 0x1F, 0x05};
    std::copy(slot, slot + 8, set.Buffer.programSlot(2, TimingType::Peripheral, 15));
    set.RunProgram = 2;
    TimingFile file;
    return file.create(path.toStdString()) && file.write(set);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    QApplication::setFont(windowFont());
    QApplication::setWindowIcon(tavistoIcon());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir files;
    FixedDialogs dialogs;
    dialogs.path = files.filePath(QStringLiteral("SCHOOL.mtf"));
    if (!writeExample(dialogs.path))
        return 1;

    TForm1 window(dialogs);
    bool saved = save(window, out.filePath("tavisto-no-file.png"));

    click(window, "Button8");
    set(window, "Edit4", "01");
    set(window, "Edit8", "12");
    set(window, "Edit9", "03");
    set(window, "Edit2", "07");
    set(window, "Edit5", "30");
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox8", "CheckBox9"})
        click(window, box);
    saved = saved && save(window, out.filePath("tavisto-music.png"));

    click(window, "Button5");  // the set is dropped unsaved, the example file opened
    click(window, "RadioButton2");
    click(window, "RadioButton5");
    window.editor().SlotNo = 14;
    click(window, "Button6");
    saved = saved && save(window, out.filePath("tavisto-peripheral.png"));

    click(window, "RadioButton7");
    set(window, "Edit4", "05");
    set(window, "Edit9", "20");
    set(window, "Edit6", "22");
    click(window, "CheckBox6");
    click(window, "CheckBox7");
    saved = saved && save(window, out.filePath("tavisto-random.png"));

    TForm2 overview(dialogs);
    overview.setWindowTitle(QStringLiteral("定时查看－程序（1）－音乐定时"));
    fillMusicTable(overview);
    TForm3 about;
    TForm4 diagram;
    saved = saved && save(overview, out.filePath("tavisto-overview.png")) &&
            save(about, out.filePath("tavisto-about.png")) && save(diagram, out.filePath("tavisto-diagram.png"));
    return saved ? 0 : 1;
}
