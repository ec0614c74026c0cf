#pragma once
// The week plan: the week the player runs for one program, painted, and its findings listed
// below. It reads a copy of the timing set and changes nothing.

#include "TimingSet.h"
#include "WeekCheck.h"

#include <QDialog>

class QComboBox;
class QSlider;
class QTreeWidget;

namespace tavisto {

class Dialogs;
class WeekPicture;

class WeekPlanWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the program the player runs; `fileName` is named on the printout.
    WeekPlanWindow(Dialogs& dialogs, const TimingSet& timings, const QString& fileName, QWidget* parent);

    // The program shown, 1..4.
    void showProgram(int program);

signals:
    // The editor is to show this timing; the window closes right after this signal.
    void timingRequested(const tavisto::TimingRef& timing);

private:
    void fillFindings();
    void highlightFinding();
    void requestTiming(const TimingRef& timing);
    void printPlan();  // Ctrl+P

    Dialogs& dialogs_;
    TimingSet timings_;
    QString fileName_;
    WeekPlan plan_;
    std::vector<Finding> findings_;
    QComboBox* program_;
    QSlider* zoom_;
    WeekPicture* picture_;
    QTreeWidget* findingList_;
};

}  // namespace tavisto
