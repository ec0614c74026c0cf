#pragma once
// The small windows of the check list's tools: each collects what its action needs, and 确定 closes
// it only once the list has done the action.
#include "BulkEdits.h"
#include "TimingEntry.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

namespace quennet {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    // `action` runs at 确定; the window closes when it says the action was done.
    void onOk(std::function<bool()> action) { action_ = std::move(action); }

protected:
    ToolDialog(QWidget* parent, const char* name, const QString& title, const char* okName);
    // A row of boxes captioned by `captions`, named by `names`.
    template<std::size_t N>
    std::array<QCheckBox*, N> addBoxes(const QString& label, const std::array<const char*, N>& names,
                                       const std::array<const char*, N>& captions);

    QVBoxLayout* fields_;

private:
    std::function<bool()> action_;
};

// 批量添加: copies of the model at a list of times.
class SeriesDialog : public ToolDialog {
    Q_OBJECT
public:
    SeriesDialog(QWidget* parent, const QString& model);
    QString times() const;

private:
    QPlainTextEdit* times_;
};

// 复制到…: copies of the selection on the days and zones ticked, at first those of the model.
class CopyDialog : public ToolDialog {
    Q_OBJECT
public:
    CopyDialog(QWidget* parent, const TimingEntry& model);
    std::uint8_t dayBits() const;
    std::uint8_t zoneBits() const;

private:
    std::array<QCheckBox*, 7> days_;  // Monday first
    std::array<QCheckBox*, 4> zones_;
};

// 平移时间: a signed number of minutes.
class ShiftDialog : public ToolDialog {
    Q_OBJECT
public:
    explicit ShiftDialog(QWidget* parent);
    QString minutes() const;

private:
    QLineEdit* minutes_;
};

// 星期与分区: each day and zone on, off, or as each timing has it (a box that starts partly ticked).
class DaysZonesDialog : public ToolDialog {
    Q_OBJECT
public:
    DaysZonesDialog(QWidget* parent, const std::vector<TimingEntry>& selection);
    BitChange days() const;
    BitChange zones() const;

private:
    std::array<QCheckBox*, 7> days_;  // Monday first
    std::array<QCheckBox*, 4> zones_;
};

}  // namespace quennet
