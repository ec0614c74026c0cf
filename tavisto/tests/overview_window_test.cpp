// The overview window on its own: layout after creation, section dragging, the current row,
// and what its three buttons and its close box report.

#include "ControlNames.h"
#include "Fonts.h"
#include "ListPrint.h"
#include "ScriptedDialogs.h"
#include "TForm2.h"

#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
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
                            "1-2-3-4-5-6-日", "1-2- - - - - "});
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
    // Ctrl+P asks the print dialog; printed to a file, the list becomes a PDF of as many pages as
    // the layout gives. Every page shows the title, the file and date line and the column titles;
    // every row is on exactly one page, whole, in order, and inside the page.
    void ctrlPPrintsTheListOnWholePages()
    {
        PrintedList list{"定时查看－程序（2）－外设定时",
                         "TWTIMING.mtf    2026-12-08",
                         {"序号", "播放内容", "定时时间", "星期", "分区"},
                         {40, 240, 240, 110, 110},
                         {}};
        for (int row = 1; row <= 99; ++row)
            list.rows << QStringList{QString::number(row), QString("外设工作 %1").arg(row),
                                     "从 06:30 到 07:15", "1-2-3-4-5- - ", "1- -3- - - - "};
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        QFont font = songFont(12);
        font.setPointSizeF(10);
        const QList<PrintedPage> pages = layOutPages(list, page, font, &printer);
        QVERIFY(pages.size() >= 2);

        Overview o;  // 99 rows as well
        QVERIFY(QTest::qWaitForWindowActive(o.window));
        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        o.dialogs.printAnswers.enqueue(pdf);
        QTest::keyClick(o.grid, Qt::Key_P, Qt::ControlModifier);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression("/Type /Page\\b")), pages.size());
        QVERIFY(o.dialogs.messages.isEmpty());

        QList<QStringList> rows;
        for (const PrintedPage& printedPage : pages) {
            QStringList heading;
            for (int i = 0; i < 7; ++i)
                heading << printedPage.texts[i].text;
            QCOMPARE(heading, QStringList({list.title, list.subtitle}) + list.columns);
            for (int i = 7; i < printedPage.texts.size(); i += 5) {
                QStringList cells;
                for (int column = 0; column < 5; ++column) {
                    const PrintedPage::Text& cell = printedPage.texts[i + column];
                    QVERIFY(QRectF(QPointF(), page).contains(cell.box));
                    QCOMPARE(cell.box.top(), printedPage.texts[i].box.top());
                    cells << cell.text;
                }
                rows << cells;
            }
        }
        QCOMPARE(rows, list.rows);
    }

    void layoutAfterCreation()
    {
        Overview o;
        QVERIFY(o.header && o.grid);
        QCOMPARE(o.window->objectName(), QString(kOverviewWindow));
        QCOMPARE(o.window->windowTitle(), QString("定时查看－"));
        QCOMPARE(o.window->size(), QSize(800, 589));
        QCOMPARE(o.window->minimumSize(), o.window->maximumSize());
        QCOMPARE(columnWidths(*o.grid), kColumnWidths);
        QStringList sections;
        for (int i = 0; i < o.header->count(); ++i) {
            QCOMPARE(o.header->sectionSize(i), kColumnWidths[i] + 2);
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
        QCOMPARE(columnWidths(*o.grid), QList<int>({40, 298, 240, 110, 110}));

        // Dragging the border between the first two sections 20 pixels to the right.
        const int border = o.header->sectionViewportPosition(0) + o.header->sectionSize(0) - 1;
        QTest::mousePress(o.header->viewport(), Qt::LeftButton, {}, QPoint(border, 12));
        const QPointF to(border + 20, 12);
        QMouseEvent move(QEvent::MouseMove, to, o.header->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(o.header->viewport(), &move);
        QTest::mouseRelease(o.header->viewport(), Qt::LeftButton, {}, to.toPoint());
        QCOMPARE(o.header->sectionSize(0), 62);
        QCOMPARE(columnWidths(*o.grid), QList<int>({60, 298, 240, 110, 110}));
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
        QCOMPARE(cleared[0][0].toInt(), 4);
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
