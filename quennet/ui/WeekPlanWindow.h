#pragma once
// The week plan: the week of one program as the player runs it, painted, and below it every
// clash, every timing that never plays and the notes. A window of its own beside the editor: it
// changes nothing and is given the file's timings again after every change. A double-click on a
// mark or a finding names the timing for the editor to show.
#include "DataFile.h"
#include "WeekCheck.h"
#include "WeekPlanPrint.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace quennet {

class Dialogs;
class WeekPicture;

class WeekPlanWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own that `editor` (when given) holds and takes along when it goes.
    WeekPlanWindow(Dialogs& dialogs, QWidget* editor);

    // All four programs as read from the file at filePath, and whether they hold edits not saved
    // yet. The program previewed, the zoom, the scrolling and the selected finding stay as they were.
    void setSchedule(const DataFile::Listing& listing, const QString& filePath, bool unsaved);
    // The program shown, 0..3, as if chosen in the list.
    void showProgram(int program);
    // What Ctrl+P prints: the week shown and its findings, none of them picked.
    WeekPlanDocument document() const;

signals:
    // The editor is to show this timing.
    void timingChosen(const quennet::TimingRef& timing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes

private:
    void redraw();
    void openView();
    void viewChanged();  // the zoom's readout follows, and the view is kept for the next opening
    void fillFindings(const std::vector<std::string>& selected);
    int pickedFinding() const;  // the selected finding's index, or -1
    void findingSelected(QTreeWidgetItem* item);
    void printPlan();  // Ctrl+P

    Dialogs& dialogs_;
    DataFile::Listing listing_;
    QString filePath_;
    bool unsaved_ = false;
    std::optional<int> chosenProgram_;  // none: the program the player runs
    WeekReview review_;

    QComboBox* program_;
    QSlider* zoom_;
    QLabel* zoomText_;
    bool viewOpened_ = false;
    WeekPicture* picture_;
    QTreeWidget* findings_;
};

}  // namespace quennet
