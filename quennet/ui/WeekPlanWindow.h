#pragma once
// The week plan: the week of one program as the player runs it, painted, and below it every
// clash, every timing that never plays and the notes. A double-click on a mark or a finding
// closes it and names the timing for the editor to show.
#include "DataFile.h"
#include "WeekCheck.h"

#include <QDialog>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QScrollArea;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

namespace quennet {

class Dialogs;
class WeekPicture;

class WeekPlanWindow : public QDialog {
    Q_OBJECT
public:
    // listing: all four programs as read from the file at filePath.
    WeekPlanWindow(DataFile::Listing listing, const QString& filePath, Dialogs& dialogs,
                   QWidget* parent = nullptr);

    // Runs the window modally; the timing the user chose to edit, if any.
    static std::optional<TimingRef> run(DataFile::Listing listing, const QString& filePath, Dialogs& dialogs,
                                        QWidget* parent);

    std::optional<TimingRef> chosenTiming() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showProgram(int program);
    void fillFindings();
    // Zoom level `level` (see kZoomFactors), keeping `minute` at `viewportY` of the scroll area.
    void setZoom(int level, double minute, int viewportY);
    void fitPicture();
    void findingSelected(QTreeWidgetItem* item);
    void choose(const TimingRef& timing);
    void printPlan();  // Ctrl+P

    DataFile::Listing listing_;
    QString filePath_;
    Dialogs& dialogs_;
    WeekReview review_;
    std::optional<TimingRef> chosen_;

    QComboBox* program_;
    QSlider* zoom_;
    QLabel* zoomText_;
    QScrollArea* scroll_;
    WeekPicture* picture_;
    QTreeWidget* findings_;
};

}  // namespace quennet
