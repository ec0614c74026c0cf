// The check list, the About box and the real message boxes.
#include "AboutBox.h"
#include "AppSetup.h"
#include "CheckListPrint.h"
#include "CheckListTexts.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "PrintChecks.h"
#include "QtDialogs.h"
#include "ScriptedDialogs.h"
#include "TemporarySettings.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace quennet;
using namespace quennet::testing;

namespace {
// Runs inspect on the modal box that the next exec() opens, then closes it with button.
void whenBoxOpens(std::function<void(QMessageBox*)> inspect, QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [inspect, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        inspect(box);
        box->button(button)->click();
    });
}
}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;

private slots:
    void checkListShowsEveryKind()
    {
        DataFile file(drive_.path().toStdString());
        QByteArray bytes = emptyFile(0);
        putEntry(bytes, 2, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x3E, 0x05));
        putEntry(bytes, 2, 2, deletedEntry());
        putEntry(bytes, 2, 3, timingEntry(3, 6, 0, 5, 0, 0, 6, 30, 0x7F, 0x0F, 1));
        putEntry(bytes, 2, 4, timingEntry(4, 12, 0, 229, 0, 0, 12, 5, 0x00, 0x00));
        putEntry(bytes, 2, 5, timingEntry(5, 23, 59, 97, 100, 0, 0, 0, 0x41, 0x08));
        putEntry(bytes, 2, 6, timingEntry(6, 0, 0, 150, 0, 0, 1, 2, 0x3E, 0x0F, 1));
        writeDataFile(drive_.path(), bytes);

        TemporarySettings settings;
        ScriptedDialogs dialogs;
        TimingCheckList list(file, dialogs, 2);
        list.show();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        QCOMPARE(list.windowTitle(), QString(" 定时程序第 3 套,定时信息检查"));
        auto* view = list.findChild<QTreeWidget*>(kTimingList);
        QVERIFY(view);
        QCOMPARE(view->headerItem()->text(3), QString("播放内容"));

        const QList<QStringList> expected = {
            {"1", "07:30", "音乐", "曲目01-02-03,随机10-20", "12345", "13"},
            {"2", "06:00-06:30", "FM收音", "电台05", "日123456", "1234"},
            {"3", "12:00-12:05", "外设", "(外部设备)", "", ""},
            {"4", "23:59", "录音", "曲目97-100-00,随机00-00", "日6", "4"},
            {"5", "00:00-01:02", "FM收音", "电台150", "12345", "1234"},
        };
        QCOMPARE(view->topLevelItemCount(), expected.size());
        for (int row = 0; row < expected.size(); ++row) {
            QStringList cells;
            for (int column = 0; column < 6; ++column)
                cells << view->topLevelItem(row)->text(column);
            QCOMPARE(cells, expected[row]);
        }

        QTest::keyClick(&list, Qt::Key_P, Qt::ControlModifier);  // Ctrl+P prints, unless cancelled
        QCOMPARE(dialogs.printRequests, 1);
        // Printing to a file proposes a name in the documents folder, never beside the data file on
        // the player's card; the PDF is titled after the list and the file.
        const QFileInfo dataFile(QString::fromStdString(file.filePath()));
        QCOMPARE(dialogs.proposedPrintFile,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath("userds-程序3.pdf"));
        dialogs.printTo = drive_.path() + "/list.pdf";
        QTest::keyClick(&list, Qt::Key_P, Qt::ControlModifier);
        const QByteArray pdf = readAll(dialogs.printTo);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/Title " + pdfString("定时程序第 3 套,定时信息检查 - " + dataFile.fileName())));
        QVERIFY(list.isVisible() && dialogs.messages.isEmpty());
        dialogs.printTo = drive_.path() + "/no such folder/list.pdf";
        QTest::keyClick(&list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs.messages.size(), 1);  // a print that fails says so

        QTest::keyClick(&list, Qt::Key_Escape);
        QVERIFY(!list.isVisible());
        list.show();
        QTest::mouseClick(list.findChild<QPushButton*>(kDefaultButton), Qt::LeftButton);
        QVERIFY(!list.isVisible());

        DataFile nowhere("/nonexistent");
        TimingCheckList missing(nowhere, dialogs, 0);
        QCOMPARE(missing.findChild<QTreeWidget*>(kTimingList)->topLevelItemCount(), 0);
    }

    // In both styles every box, label and row has the room its text needs, the program radios sit
    // inside their frame below its title, and the check list's columns fit its width.
    void nothingIsClipped_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("Fusion") << "Fusion";
        QTest::newRow("Windows") << "Windows";
    }
    void nothingIsClipped()
    {
        QFETCH(QString, style);
        QApplication::setStyle(style);
        DataFile file(drive_.path().toStdString());
        ScriptedDialogs dialogs;
        TimingEditor editor(file, dialogs);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        for (QWidget* widget : editor.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)
                || qobject_cast<QRadioButton*>(widget)) {
                const QSize hint = widget->sizeHint();
                QVERIFY2(hint.width() <= widget->width() && hint.height() <= widget->height(),
                         qPrintable(widget->objectName()));
            }
        }
        QGroupBox* group = nullptr;
        for (QGroupBox* box : editor.findChildren<QGroupBox*>())
            group = box->title() == "程序设定" ? box : group;
        const QRect inside = group->contentsRect().translated(group->pos());
        for (const char* id : kProgramRadios)
            QVERIFY(inside.contains(editor.findChild<QWidget*>(id)->geometry()));

        auto* types = editor.findChild<QComboBox*>(kTypeList);
        const QFontMetrics typeMetrics(types->font());
        for (int row = 0; row < types->count(); ++row) {
            const QModelIndex index = types->model()->index(row, 0);
            QVERIFY(types->view()->sizeHintForRow(row)
                    > typeMetrics.boundingRect(index.data().toString()).height());
        }

        writeDataFile(drive_.path(), timingsFile(0, 99, [](int n) {
                          return timingEntry(n, 23, 59, 97, 100, 100, 100, 100, 0x7F, 0x0F);
                      }));
        for (int program : {0, 1}) {  // 99 rows and none
            TimingCheckList list(file, dialogs, program);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            auto* view = list.findChild<QTreeWidget*>(kTimingList);
            QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
            QVERIFY(view->header()->length() <= view->viewport()->width());
            const int widths[] = {45, 100, 80, 200, 100, 80};
            for (int column = 0; column < 5; ++column)  // in proportion to the widest
                QVERIFY(qAbs(view->header()->sectionSize(column) * 200
                             - widths[column] * view->header()->sectionSize(3))
                        <= 200);
            if (program == 0) {
                const QFontMetrics rowMetrics(view->font());
                QVERIFY(view->visualItemRect(view->topLevelItem(0)).height()
                        > rowMetrics.boundingRect(view->topLevelItem(0)->text(3)).height());
            }
        }
        QApplication::setStyle("Fusion");
    }

    // On paper: 15 mm from every edge; the title, the file and the column titles at the top and
    // "第 N 页，共 M 页" at the foot of every page; every row whole and once. No row still gives a page.
    void checkListPrints()
    {
        CheckListDocument document{checkListTitle(0), "/card/dsdata/userds.kqd    2026-12-08 10:00", {}};
        for (int rows : {0, 99}) {
            document.rows.clear();
            for (int n = 1; n <= rows; ++n)
                document.rows.append(
                    checkListRow(n, timingEntry(n, n % 24, n % 60, n % 95, 2, 3, 10, 20, 0x3E, 0x0F)));
            RecordingPrinter paper;
            QVERIFY(printCheckList(paper, document));
            const QPageLayout layout = paper.pageLayout();
            const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
            QVERIFY(qMin(qMin(margins.left(), margins.top()), qMin(margins.right(), margins.bottom())) >= 15);
            const QRectF inside(QPointF(), layout.paintRectPixels(paper.resolution()).size());
            const int pages = int(paper.pages.size());
            QCOMPARE(pages > 1, rows > 0);
            QList<QStringList> printed;
            for (int page = 0; page < pages; ++page) {
                const QStringList texts = paper.texts(page);
                QCOMPARE(texts.mid(0, 8),
                         QStringList({document.title.trimmed(), document.source}) + checkListColumns());
                QCOMPARE(texts.last(), QString("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
                for (int i = 8; i + 1 < texts.size(); i += 6)
                    printed << texts.mid(i, 6);
                for (const RecordingPrinter::Text& text : paper.pages[page])
                    QVERIFY2(inside.contains(text.box), qPrintable(text.text));
            }
            QCOMPARE(printed, document.rows);
        }
    }

    void aboutBox()
    {
        AboutBox about;
        QCOMPARE(about.objectName(), QString(kAboutWindow));
        QCOMPARE(about.windowTitle(), QString("关于 Quennet"));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>())
            texts << (label->pixmap().isNull() ? label->text() : QString("icon"));
        QCOMPARE(texts, QStringList({"icon", "Quennet 1.0 版"}));
        auto* ok = about.findChild<QPushButton*>(kDefaultButton);
        QCOMPARE(ok->text(), QString("确定"));
        QVERIFY(ok->isDefault());
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            about.show();
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
    }

    // Qt's own texts follow the user's language: OK reads 确定 under zh_CN.
    void realMessageBoxes()
    {
        QCOMPARE(QLocale::system().name(), QString("zh_CN"));
        QVERIFY(installQtTranslations(*qApp, QLocale::system()));
        QtDialogs dialogs;
        whenBoxOpens(
            [](QMessageBox* box) {
                QCOMPARE(box->windowTitle(), QString("Quennet"));
                QCOMPARE(box->text(), QString("“请填入一个在0和23之间的整数。”"));
                QCOMPARE(box->icon(), QMessageBox::Warning);
                QCOMPARE(box->buttons().size(), 1);
                QCOMPARE(box->button(QMessageBox::Ok)->text(), QString("确定"));
            },
            QMessageBox::Ok);
        dialogs.message(nullptr, "“请填入一个在0和23之间的整数。”", Dialogs::Icon::Warning, {}, {});

        whenBoxOpens(
            [](QMessageBox* box) {
                QCOMPARE(box->icon(), QMessageBox::Question);
                QCOMPARE(box->buttons().size(), 2);
            },
            QMessageBox::Yes);
        QVERIFY(dialogs.confirm(nullptr, "?"));
        whenBoxOpens([](QMessageBox*) {}, QMessageBox::No);
        QVERIFY(!dialogs.confirm(nullptr, "?"));
    }

    // The desktop matches the window to its entry and icon: by the window class (WM_CLASS, whose
    // class half is the application's name) on X11, by the entry's file name on Wayland. Last, as
    // it sets the program's fonts for every window.
    void windowClassIsTheDesktopEntrys()
    {
        setUpApplication();
        QFile entry(QStringLiteral(QUENNET_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
        QVERIFY(lines.contains("StartupWMClass=" + QCoreApplication::applicationName()));
        QCOMPARE(QCoreApplication::applicationName(), QString("Quennet"));
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(entry).fileName());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
