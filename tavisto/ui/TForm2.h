#pragma once
// The overview window: every timing of one table, one row each, under a header whose
// sections size the grid's columns.

#include "ListPrint.h"
#include "OverviewText.h"

#include <QWidget>

class QHeaderView;
class QPushButton;
class QTableWidget;

namespace tavisto {

class Dialogs;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // A window of its own, so that disabling the main window leaves it usable; it stays
    // above `mainWindow` when one is given.
    explicit TForm2(Dialogs& dialogs, QWidget* mainWindow = nullptr);

    void setRowCount(int rows);
    // `used`: the row shows a used slot, which a printout lists; empty slots are left out.
    void setRow(int row, const OverviewRow& cells, bool used);
    // Row of the selected cell; 0 while none is selected.
    int currentRow() const;
    // The file and the table listed ("程序1-音乐定时"), named on printed pages.
    void setSource(const QString& fileName, const QString& table);
    // What Ctrl+P prints: the used timings as the list shows them, under the window's title, their
    // number, the file name and today's date.
    PrintedList printout() const;

signals:
    // The user confirmed clearing the timing in `row`.
    void clearTimingConfirmed(int row);
    // The editor is to show the timing in `row`; the window closes right after this signal.
    void editTimingRequested(int row);
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
    void printList();  // Ctrl+P

    Dialogs& dialogs_;
    QString fileName_;
    QString table_;
    QList<bool> usedRows_;
    QWidget* Panel1;
    QHeaderView* HeaderControl1;
    QTableWidget* StringGrid1;
    QPushButton* buttons_[4];
};

}  // namespace tavisto
