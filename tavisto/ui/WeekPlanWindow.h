#pragma once
// The week plan: the week the player runs for one program, painted, and its findings listed
// below. A window of its own beside the editor: it shows a copy of the timing set, changes
// nothing, and is given the set again after every change.

#include "TimingSet.h"
#include "WeekCheck.h"
#include "WeekPlanPrint.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QSlider;
class QTreeWidget;

namespace tavisto {

class Dialogs;
class WeekPicture;

class WeekPlanWindow : public QWidget {
    Q_OBJECT
public:
    // It stays above `mainWindow`, when one is given, without belonging to it.
    WeekPlanWindow(Dialogs& dialogs, QWidget* mainWindow);

    // The set shown, its file name as printed, and whether it holds edits not saved yet. The
    // program previewed, the zoom, the scrolling and the selected finding stay as they were.
    void setSchedule(const TimingSet& timings, const QString& fileName, bool unsaved);
    // The program shown, 1..4, as if chosen in the list.
    void showProgram(int program);
    // What Ctrl+P prints: the week shown and its findings, none of them picked.
    WeekPrintout printout() const;

signals:
    // The editor is to show this timing.
    void timingChosen(const tavisto::TimingRef& timing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes

private:
    void redraw();
    void openView();
    void viewChanged();  // the zoom's readout follows, and the view is kept for the next opening
    void fillFindings(const std::vector<std::string>& selected);
    int pickedFinding() const;  // the selected finding's index, or -1
    void highlightFinding();
    void printPlan();  // Ctrl+P

    Dialogs& dialogs_;
    TimingSet timings_;
    QString fileName_;
    bool unsaved_ = false;
    std::optional<int> chosenProgram_;  // none: the program the player runs
    WeekPlan plan_;
    std::vector<Finding> findings_;
    QComboBox* program_;
    QSlider* zoom_;
    QLabel* zoomText_;
    bool viewOpened_ = false;
    WeekPicture* picture_;
    QTreeWidget* findingList_;
};

}  // namespace tavisto
