#pragma once
// The program's main window: picks a program, walks through its timings, and edits,
// adds, deletes and clears them directly in the data file.
#include "EditorState.h"
#include "TimingFields.h"

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quennet {

class DataFile;
class Dialogs;
class UpDown;

class TimingEditor : public QDialog {
    Q_OBJECT
public:
    TimingEditor(DataFile& file, Dialogs& dialogs, QWidget* parent = nullptr);

    const EditorState& State() const { return state_; }
    int TimingKind() const { return timingKind_; }
    bool FileClosed() const { return fileClosed_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // One number field: its edit, its spin and the checks applied when it is taken.
    struct NumberField {
        QLineEdit* edit;
        UpDown* spin;
        int TimingFields::*value;
        int low;
        int high;
        bool rangeChecked;
    };

    void BuildLayout();
    NumberField AddNumberField(int TimingFields::*value, const char* editId, QRect editRect,
                               const char* spinId, QRect spinRect, int high, bool rangeChecked);
    QLabel* AddLabel(const QString& text, QRect rect, const char* id = nullptr);
    QPushButton* AddButton(const QString& text, QRect rect, const char* id);

    bool TakeFields();
    bool TakeNumber(const NumberField& field);
    void ShowFields();
    void ShowTiming();
    void SetIndicator(bool trailingBlank);
    // Loads and shows the timing at `position`, which becomes the shown one.
    void ShowPosition(int position, bool trailingBlank);
    // Packs the fields for `position` and stores them there; a failed write is reported.
    bool StoreFieldsAt(int position);
    void ApplyKind(int kind);
    void SetFileButtonsEnabled(bool enabled);
    // Positions of the program's timings; a failed read is reported and gives nothing.
    std::optional<std::vector<int>> ValidPositions();
    void ReportFailure(const char* message);
    void CountProgram();
    void ShowLastTiming();

    void OpenButtonClick();
    void ProgramClick(int programIndex);
    void TypeSelected(int kind);
    void TypeEdited(const QString& text);
    void SpinScrolled(const NumberField& field, int position);
    void AddClick();
    void ModifyClick();
    void DeleteClick();
    void ClearAllClick();
    void FirstClick();
    void LastClick();
    void PreviousClick();
    void NextClick();
    void OkClick();
    void ShowSystemMenu(const QPoint& globalPos);

    DataFile& file_;
    Dialogs& dialogs_;

    EditorState state_;
    int timingKind_ = MusicKind;
    bool fileClosed_ = true;
    TimingFields fields_;
    QString indicator_;

    QPushButton* openButton_ = nullptr;
    QButtonGroup* programs_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QLineEdit* indicatorEdit_ = nullptr;
    QLabel* trackLabel_ = nullptr;
    std::vector<NumberField> numbers_; // in the order they are taken
    std::array<QCheckBox*, 7> dayBoxes_{};
    std::array<QCheckBox*, 4> zoneBoxes_{};
    std::vector<QWidget*> endTimeGroup_;
    std::vector<QWidget*> trackGroup_;
    std::vector<QWidget*> firstTrackGroup_;
    std::vector<QPushButton*> fileButtons_;
    QMenu* systemMenu_ = nullptr;
};

} // namespace quennet
