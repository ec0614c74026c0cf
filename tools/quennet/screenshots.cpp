// Renders the editor in its three kinds, the check list, the About box and the week plan into PNGs, under a
// real display (e.g. xvfb-run); the options are those of ScreenshotOptions.h.
#include "AboutBox.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScheduleTable.h"
#include "ScreenshotOptions.h"
#include "ScriptedDialogs.h"
#include "TemporarySettings.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"
#include "WeekPlanWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <initializer_list>
#include <utility>

using namespace quennet;

namespace {
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xb5));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    palette.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

void click(QWidget& editor, const char* id)
{
    editor.findChild<QPushButton*>(QString::fromLatin1(id))->click();
}

// Types each text into its field, then stores the timing with 添加保存.
void addTiming(QWidget& editor, std::initializer_list<std::pair<const char*, const char*>> texts)
{
    for (const auto& [id, text] : texts)
        editor.findChild<QLineEdit*>(QString::fromLatin1(id))->setText(QString::fromUtf8(text));
    click(editor, kAddButton);
}

// The walkthrough's school week, read from its table in examples/ as the import reads it.
DataFile::Listing schoolWeek()
{
    QFile table(QStringLiteral(QUENNET_EXAMPLES "/quennet-school-week.csv"));
    if (!table.open(QIODevice::ReadOnly))
        qFatal("no example table");
    const TableImport imported = importTable(DataFile::emptyImage(0), table.readAll().toStdString());
    if (imported.refused())
        qFatal("the example table does not import");
    return DataFile::listImage(imported.image);
}

// A school day entered in a minute: one bell as the model, 批量添加 for the day's other bells and
// 复制到… for Saturday morning's; the series window and the list it leaves.
void shootSchoolDay(const ScreenshotOptions& options, testing::ScriptedDialogs& dialogs)
{
    QTemporaryDir drive;
    DataFile file(drive.path().toStdString());
    TimingEditor editor(file, dialogs);
    click(editor, kOpenCloseButton);
    addTiming(editor, {{kHourEdit, "7"}, {kMinuteEdit, "50"}, {kTrack1Edit, "1"}, {kTrack2Edit, "2"}});
    TimingCheckList list(file, dialogs, 0, &editor);
    list.show();
    auto* rows = list.findChild<QTreeWidget*>(QString::fromLatin1(kTimingList));
    rows->topLevelItem(0)->setSelected(true);
    click(list, kSeriesButton);
    auto* series = list.findChild<QWidget*>(QString::fromLatin1(kSeriesDialog));
    series->findChild<QPlainTextEdit*>(QString::fromLatin1(kSeriesTimes))
        ->setPlainText(QStringLiteral("8:40 9:35, 10:30 11:25\n14:00-16:30/50"));
    options.shoot(*series, "series");
    click(*series, kSeriesOk);

    rows->clearSelection();
    for (int row : {0, 1, 2})
        rows->topLevelItem(row)->setSelected(true);
    click(list, kCopyButton);
    auto* copy = list.findChild<QWidget*>(QString::fromLatin1(kCopyDialog));
    for (std::size_t day = 0; day < kCopyDays.size(); ++day)
        copy->findChild<QCheckBox*>(QString::fromLatin1(kCopyDays[day]))->setChecked(day == 5);  // 六
    click(*copy, kCopyOk);
    options.shoot(list, "school-day");
}

void selectKind(QWidget& editor, TimingKind kind)
{
    auto* list = editor.findChild<QComboBox*>(QString::fromLatin1(kTypeList));
    list->setCurrentIndex(int(kind));
    emit list->activated(int(kind));
}
}  // namespace

int main(int argc, char* argv[])
{
    const ScreenshotOptions options = ScreenshotOptions::parse(argc, argv);
    QApplication app(argc, argv);
    const testing::TemporarySettings settings;  // the week plan opens as it does the first time
    options.applyStyle(darkPalette());

    QTemporaryDir drive;
    DataFile file(drive.path().toStdString());
    testing::ScriptedDialogs dialogs;  // answers every box at once
    TimingEditor editor(file, dialogs);
    click(editor, kOpenCloseButton);

    addTiming(editor,
              {{kHourEdit, "7"},
               {kMinuteEdit, "30"},
               {kTrack1Edit, "1"},
               {kTrack2Edit, "2"},
               {kTrack3Edit, "3"},
               {kRandomFromEdit, "10"},
               {kRandomToEdit, "20"}});
    addTiming(editor, {{kHourEdit, "12"}, {kMinuteEdit, "0"}, {kTrack1Edit, "97"}});
    options.shoot(editor, "editor-music");

    selectKind(editor, TimingKind::Radio);
    addTiming(editor,
              {{kHourEdit, "6"},
               {kMinuteEdit, "0"},
               {kTrack1Edit, "5"},
               {kEndHourEdit, "6"},
               {kEndMinuteEdit, "30"}});
    options.shoot(editor, "editor-radio");

    selectKind(editor, TimingKind::Peripheral);
    addTiming(editor, {{kHourEdit, "12"}, {kMinuteEdit, "0"}, {kEndHourEdit, "12"}, {kEndMinuteEdit, "5"}});
    options.shoot(editor, "editor-peripheral");

    TimingCheckList list(file, dialogs, 0);
    options.shoot(list, "check-list");
    shootSchoolDay(options, dialogs);
    AboutBox about;
    options.shoot(about, "about");
    WeekPlanWindow plan(dialogs, nullptr);
    plan.setAttribute(Qt::WA_DeleteOnClose, false);
    plan.setSchedule(schoolWeek(), QString::fromStdString(file.filePath()), false);
    options.shoot(plan, "week-plan");

    // The type list open, to show its rows.
    auto* types = editor.findChild<QComboBox*>(QString::fromLatin1(kTypeList));
    editor.show();
    types->showPopup();
    QTest::qWait(300);
    types->view()->window()->grab().save(options.picturePath(QStringLiteral("type-list")));
    return 0;
}
