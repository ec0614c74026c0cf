#pragma once
// The overview window: every timing of one table, one row each, under a header whose
// sections size the grid's columns.

#include "BulkEdits.h"
#include "ListPrint.h"
#include "OverviewText.h"

#include <QWidget>

class QHeaderView;
class QPushButton;
class QTableWidget;

namespace tavisto {

class Dialogs;
class SeriesDialog;
class CopyDialog;
class ShiftDialog;
class DaysZonesDialog;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // A window of its own, so that disabling the main window leaves it usable; it stays
    // above `mainWindow` when one is given.
    explicit TForm2(Dialogs& dialogs, QWidget* mainWindow = nullptr);

    void setRowCount(int rows);
    // `used`: the row's slot holds a timing, which a printout lists; the others are greyed and left out.
    void setRow(int row, const OverviewRow& cells, bool used);
    // The days and zones of the timing in `row`, for the presets of the bulk dialogs.
    void setRowBits(int row, std::uint8_t days, std::uint8_t zones);
    // Row of the selected cell; 0 while none is selected.
    int currentRow() const;
    // The selected rows, ascending; the current row while none is selected.
    QList<int> selectedRows() const;
    void selectRows(const QList<int>& rows);
    // The steps 撤销 and 重做 would take back or do again; empty when there is none.
    void setHistory(const QString& undoName, const QString& redoName);
    // The file and the table listed ("程序1-音乐定时"), named on printed pages.
    void setSource(const QString& fileName, const QString& table);
    // What Ctrl+P prints: the used timings as the list shows them, under the window's title, their
    // number, the file name and today's date.
    PrintedList printout() const;

signals:
    // The user confirmed clearing the timings in `rows`.
    void clearTimingConfirmed(const QList<int>& rows);
    void undoRequested();
    void redoRequested();
    // The bulk tools on the selected rows, with what their dialogs collected.
    void seriesRequested(const QString& times);
    void copyRequested(std::uint8_t days, std::uint8_t zones);
    void shiftRequested(int minutes);
    void daysZonesRequested(tavisto::BitChange days, tavisto::BitChange zones);
    // The editor is to show the timing in `row`; the window closes right after this signal.
    void editTimingRequested(int row);
    // 导出…, 导入… and 比较…: the table of the program as a CSV file, a CSV file read back, the
    // schedule compared with a file.
    void exportRequested();
    void importRequested();
    void compareRequested();
    // 周计划: the week plan is to be shown over this window.
    void weekPlanRequested();
    // Sent on every close: 返回, 编辑定时 or the title bar's close box.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes, as 返回 does

private:
    void FormCreate();
    void fitToScreen(QSize frame);
    void placeHeader();
    void Button1Click();  // 清除定时
    void Button2Click();  // 编辑定时
    void HeaderControl1SectionResize();
    void addBulkTools();
    void openSeries();
    void openCopy();
    void openShift();
    void openDaysZones();
    void printList();  // Ctrl+P

    Dialogs& dialogs_;
    QString fileName_;
    QString table_;
    QList<bool> usedRows_;
    struct RowBits {
        std::uint8_t days = 0, zones = 0;
    };
    QList<RowBits> rowBits_;
    QWidget* Panel1;
    QHeaderView* HeaderControl1;
    QTableWidget* StringGrid1;
    QList<QPushButton*> buttons_[2];  // the row of the list's commands, and the row of the bulk tools
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    SeriesDialog* series_ = nullptr;
    CopyDialog* copy_ = nullptr;
    ShiftDialog* shift_ = nullptr;
    DaysZonesDialog* daysZones_ = nullptr;
};

}  // namespace tavisto
