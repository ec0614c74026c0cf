// The overview window on its own: layout after creation, section dragging, the current row,
// and what its three buttons and its close box report.

#include "ControlNames.h"
#include "ListPrint.h"
#include "MainWindowFixture.h"
#include "PrintChecks.h"
#include "ScriptedDialogs.h"
#include "TForm2.h"
#include "TemporarySettings.h"

#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace tavisto;

namespace {

const QList<int> kColumnWidths{40, 240, 240, 110, 110};

QList<int> columnWidths(const QTableWidget& grid)
{
    QList<int> widths;
    for (int i = 0; i < grid.columnCount(); ++i)
        widths << grid.columnWidth(i);
    return widths;
}

struct Overview {
    ScriptedDialogs dialogs;
    QPointer<TForm2> window = new TForm2(dialogs);
    QHeaderView* header = window->findChild<QHeaderView*>(kOverviewHeader);
    QTableWidget* grid = window->findChild<QTableWidget*>(kOverviewGrid);

    Overview()
    {
        window->setRowCount(99);
        for (int row = 0; row < 99; ++row)
            window->setRow(row,
                           {QString::number(row + 1).toStdString(), "指定曲目 01 - 02 - 03", "07:30",
                            "1-2-3-4-5-6-日", "1-2- - - - - "},
                           true);
        window->show();
    }
    ~Overview() { delete window; }

    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    void selectCell(int row, int column) const
    {
        grid->scrollToItem(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, column)).center());
    }
};

}  // namespace

class OverviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+P in the list of an opened file prints the timings only, under "共 N 条定时", into
    // the PDF proposed in the documents folder and titled after the list and the file. On paper every page
    // keeps 15 mm from the edges and ends with its footer; every row is on one page, whole and in order.
    void ctrlPPrintsTheUsedTimingsOnWholePages()
    {
        TemporarySettings settings;
        QTemporaryDir dir;
        const QString file = dir.filePath("SCHOOL.mtf");
        QByteArray bytes = freshFile();  // slot 1 of program 1's music table used, the others empty
        bytes.replace(2048 + 39 * 8, 8, QByteArray("\x28\x07\x30\x01\x0C\x03\x1F\x03", 8));
        writeFileBytes(file, bytes);
        MainWindowFixture f;
        f.dialogs.fileAnswers.enqueue(file);
        f.click(kOpenFileButton);
        f.click(kOverviewButton);
        f.overview()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f.overview());
        const QString pdf = dir.filePath("list.pdf");
        f.dialogs.printAnswers.enqueue(pdf);
        QTest::keyClick(f.overview()->findChild<QWidget*>(kOverviewGrid), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.dialogs.proposedPrintFiles,
                 QStringList(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath("SCHOOL-程序1-音乐定时.pdf")));
        const QByteArray printed = fileBytes(pdf);
        QVERIFY(printed.startsWith("%PDF"));
        QVERIFY(printed.contains("/Title " + pdfString("定时查看－程序（1）－音乐定时 - SCHOOL.mtf")));
        QVERIFY(f.dialogs.messages.isEmpty());

        // Slot 1 was only shown and stored empty: greyed, and not a timing on paper.
        const PrintedList printout = f.overview()->printout();
        QCOMPARE(printout.notes.value(0), QString("共 1 条定时"));
        QCOMPARE(printout.rows.size(), 1);
        QCOMPARE(printout.rows[0].mid(0, 3), QStringList({"40", "指定曲目 01 - 12 - 03", "07:30"}));
        const auto* grid = f.overview()->findChild<QTableWidget*>(kOverviewGrid);
        const QPalette palette = grid->palette();
        for (int row : {0, 1, 39})
            for (int column = 0; column < grid->columnCount(); ++column)
                QCOMPARE(grid->item(row, column)->foreground().color(),
                         palette.color(row == 39 ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        QCOMPARE(grid->item(0, 1)->text(), QString("指定曲目 00 - 00 - 00"));

        PrintedList full = printout;
        for (int row = 1; row <= 99; ++row)
            full.rows << QStringList{QString::number(row), QString("外设工作 %1").arg(row),
                                     "从 06:30 到 07:15", "1-2-3-4-5- - ", "1- -3- - - - "};
        for (const PrintedList& list : {printout, full}) {
            RecordingPrinter paper;
            QVERIFY(printList(list, paper));
            const QPageLayout layout = paper.pageLayout();
            for (double margin : {layout.margins(QPageLayout::Millimeter).left(),
                                  layout.margins(QPageLayout::Millimeter).top(),
                                  layout.margins(QPageLayout::Millimeter).right(),
                                  layout.margins(QPageLayout::Millimeter).bottom()})
                QVERIFY(margin >= 15);
            const QRectF inside(QPointF(), layout.paintRectPixels(paper.resolution()).size());
            const int pages = int(paper.pages.size());
            QCOMPARE(pages > 1, list.rows.size() > 2);
            QList<QStringList> rows;
            for (int page = 0; page < pages; ++page) {
                const QStringList texts = paper.texts(page);
                QCOMPARE(texts.mid(0, 8), QStringList({list.title}) + list.notes + list.columns);
                QCOMPARE(texts.last(), QString("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
                for (int i = 8; i + 1 < texts.size(); i += 5)
                    rows << texts.mid(i, 5);
                for (const RecordingPrinter::Text& text : paper.pages[page])
                    QVERIFY2(inside.contains(text.box), qPrintable(text.text));
            }
            QCOMPARE(rows, list.rows);
        }
    }

    void layoutAfterCreation()
    {
        Overview o;
        QVERIFY(o.header && o.grid);
        QCOMPARE(o.window->objectName(), QString(kOverviewWindow));
        QCOMPARE(o.window->windowTitle(), QString("定时查看－"));
        QCOMPARE(o.window->size(), QSize(800, 622));  // a row of bulk tools below the list's own buttons
        QCOMPARE(o.window->minimumSize(), o.window->maximumSize());
        QCOMPARE(columnWidths(*o.grid), kColumnWidths);
        QStringList sections;
        for (int i = 0; i < o.header->count(); ++i) {
            QCOMPARE(o.header->sectionSize(i), kColumnWidths[i]);
            sections << o.header->model()->headerData(i, Qt::Horizontal).toString();
        }
        QCOMPARE(sections, QStringList({"序号", "播放内容", "定时时间", "星期", "分区"}));
        QCOMPARE(o.grid->rowHeight(50), 18);
        QCOMPARE(o.grid->font().pixelSize(), 13);
        QCOMPARE(o.grid->item(98, 1)->text(), QString("指定曲目 01 - 02 - 03"));
        QCOMPARE(o.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(o.button(kOverviewClearButton)->text(), QString("清除定时"));
        QCOMPARE(o.button(kOverviewEditButton)->text(), QString("编辑定时"));
        QCOMPARE(o.button(kOverviewBackButton)->text(), QString("返回"));
    }

    // Any section change sets every column from its section, also columns whose section stayed.
    void resizedSectionSetsAllColumns()
    {
        Overview o;
        o.grid->setColumnWidth(3, 7);
        o.header->resizeSection(1, 300);
        QCOMPARE(columnWidths(*o.grid), QList<int>({40, 300, 240, 110, 110}));

        // Dragging the border between the first two sections 20 pixels to the right.
        const int border = o.header->sectionViewportPosition(0) + o.header->sectionSize(0) - 1;
        QTest::mousePress(o.header->viewport(), Qt::LeftButton, {}, QPoint(border, 12));
        const QPointF to(border + 20, 12);
        QMouseEvent move(QEvent::MouseMove, to, o.header->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(o.header->viewport(), &move);
        QTest::mouseRelease(o.header->viewport(), Qt::LeftButton, {}, to.toPoint());
        QCOMPARE(o.header->sectionSize(0), 60);
        QCOMPARE(columnWidths(*o.grid), QList<int>({60, 300, 240, 110, 110}));
    }

    // Every heading begins exactly where its column begins, whatever frame the style draws, after a
    // section was dragged, and with the list scrolled sideways (as on a small screen at 2x).
    void headingsStandOverTheirColumns_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("Fusion") << "Fusion";
        QTest::newRow("Windows") << "Windows";
    }
    void headingsStandOverTheirColumns()
    {
        QFETCH(QString, style);
        QApplication::setStyle(style);
        Overview o;
        QVERIFY(QTest::qWaitForWindowExposed(o.window));
        const auto misplaced = [&] {
            QStringList wrong;
            for (int i = 0; i < o.header->count(); ++i) {
                const int heading = o.header->viewport()
                                        ->mapTo(o.window, QPoint(o.header->sectionViewportPosition(i), 0))
                                        .x();
                const int column =
                    o.grid->viewport()->mapTo(o.window, QPoint(o.grid->columnViewportPosition(i), 0)).x();
                if (heading != column)
                    wrong << QString("%1: heading at %2, column at %3").arg(i).arg(heading).arg(column);
            }
            return wrong.join("; ");
        };
        QCOMPARE(misplaced(), QString());
        o.header->resizeSection(2, 300);
        o.grid->horizontalScrollBar()->setValue(o.grid->horizontalScrollBar()->maximum());
        QCOMPARE(misplaced(), QString());
        QApplication::setStyle("Fusion");
    }

    void currentRowIsZeroUntilACellIsSelected()
    {
        Overview o;
        QCOMPARE(o.window->currentRow(), 0);
        o.selectCell(57, 3);
        QCOMPARE(o.window->currentRow(), 57);
    }

    void clearAsksAndReportsOnlyOnYes()
    {
        Overview o;
        QSignalSpy cleared(o.window, &TForm2::clearTimingConfirmed);
        o.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::Yes;
        o.button(kOverviewClearButton)->click();
        QCOMPARE(cleared.count(), 0);
        QCOMPARE(o.dialogs.messages.size(), 1);
        QCOMPARE(o.dialogs.messages[0].kind, Dialogs::Kind::Confirmation);
        QCOMPARE(o.dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(o.dialogs.messages[0].text, QString("确认清除本条定时的设置？"));

        o.selectCell(4, 1);
        o.button(kOverviewClearButton)->click();
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared[0][0].value<QList<int>>(), QList<int>{4});
        QVERIFY(o.window->isVisible());
    }

    void editReportsRowThenCloses()
    {
        Overview o;
        QSignalSpy edit(o.window, &TForm2::editTimingRequested);
        QSignalSpy closed(o.window, &TForm2::closed);
        bool openWhileEditing = false;
        connect(o.window, &TForm2::editTimingRequested, [&] { openWhileEditing = o.window->isVisible(); });
        o.button(kOverviewEditButton)->click();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit[0][0].toInt(), 0);
        QVERIFY(openWhileEditing);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!o.window->isVisible());
        QTRY_VERIFY(o.window.isNull());  // discarded once closed
    }

    void everyWayOfClosingReportsOnce_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("返回") << true;
        QTest::newRow("close box") << false;
    }
    void everyWayOfClosingReportsOnce()
    {
        QFETCH(bool, byButton);
        Overview o;
        QSignalSpy closed(o.window, &TForm2::closed);
        if (byButton)
            o.button(kOverviewBackButton)->click();
        else
            o.window->close();
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(o.window.isNull());
    }

    // The main window is disabled while the list is open; the list itself must stay usable.
    void staysUsableWhileTheMainWindowIsDisabled()
    {
        QWidget mainWindow;
        mainWindow.show();
        ScriptedDialogs dialogs;
        QPointer<TForm2> window = new TForm2(dialogs, &mainWindow);
        window->show();
        mainWindow.setEnabled(false);
        QVERIFY(window->isEnabled());
        QCOMPARE(window->windowHandle()->transientParent(), mainWindow.windowHandle());
        delete window;
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
