#pragma once
// The main window: one timing of one table at a time, the file commands and the program commands.

#include "Dialogs.h"
#include "EditorState.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace Ui {
class TForm1;
}

namespace tavisto {

class TForm2;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    EditorState& editor() { return state_; }
    const EditorState& editor() const { return state_; }
    QString statusPanelText(int panel) const;
    TForm2* overview() const;

    // Start-up and edit modes
    void RedrawEdit();
    void CheckBGM();
    void CheckType();
    void CheckMode();

    // Control transfer: the store step and the load step
    bool StoreShownTiming();
    void LoadShownTiming();
    void TransCPtoCtrl();

    // Field validation and effectiveness
    bool EditCheck(QLineEdit* edit, int lo, int hi);
    void EffectCheck();

    // Navigation and status bar
    void Button3Click();
    void Button6Click();
    void Button10Click();
    void ReStateBar();

    // File commands
    void Button8Click();
    void Button5Click();
    void Button4Click();
    bool SaveEnquire();

    // Overview list
    void Button11Click();
    void CreatList();
    void ReListCell(int row);

    // Program copy, clear and run selection
    void Button2Click();
    void Button7Click();
    void Button1Click();
    void ComboBox3Change(int index);

    // About and relation diagram
    void Button9Click();
    void Button12Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // the close request
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FieldRange {
        QLineEdit* edit;
        int lo, hi;
    };
    void FormCreate();
    void connectHandlers();
    void applyModeLayout();
    void checkModeButtons();
    std::array<QCheckBox*, 7> weekdayBoxes() const;
    std::array<QCheckBox*, 6> zoneBoxes() const;
    std::optional<FieldRange> rangeOf(QObject* object) const;
    bool EditExit(QLineEdit* edit);
    bool FinishFieldEdit();
    QLineEdit* TransCtrltoCP();
    void ShowSlotNo();
    void LoadBuftoCP(std::uint8_t slot);
    void SaveCPtoBuf(std::uint8_t slot);

    bool SaveBuftoFile();
    bool LoadFiletoBuf();
    bool SaveNewSet();
    void ShowFileState();
    bool confirm(const QString& text);

    std::unique_ptr<Ui::TForm1> ui;
    Dialogs& dialogs_;
    EditorState state_;
    QLabel* statusPanels_[2] = {};
    QPointer<TForm2> overview_;
    QString lastOpenPath_;
    QString lastSavePath_;
    bool inFieldExit_ = false;
    bool swallowNextPress_ = false;
};

}  // namespace tavisto
