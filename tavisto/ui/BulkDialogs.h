#pragma once
// The small dialogs of the overview's bulk tools: the times of a series, the days and zones of
// copies, the minutes of a shift, and the days and zones set on a selection. Each is window-modal
// over the overview, keeps what was typed for the next opening, and sends accepted() on OK.

#include "BulkEdits.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tavisto {

class Dialogs;

// 批量添加: the selected timing is the model of copies at each of the times typed.
class SeriesDialog : public QDialog {
    Q_OBJECT
public:
    explicit SeriesDialog(QWidget* parent);
    QString times() const;

private:
    QPlainTextEdit* times_;
};

// 复制到…: the days and zones of the copies, preset from the model.
class CopyDialog : public QDialog {
    Q_OBJECT
public:
    explicit CopyDialog(QWidget* parent);
    void preset(std::uint8_t days, std::uint8_t zones);
    std::uint8_t days() const;
    std::uint8_t zones() const;

private:
    std::array<QCheckBox*, 7> days_;
    std::array<QCheckBox*, 6> zones_;
};

// 平移时间: a signed number of minutes; OK takes only a number.
class ShiftDialog : public QDialog {
    Q_OBJECT
public:
    ShiftDialog(Dialogs& dialogs, QWidget* parent);
    int minutes() const;
    void accept() override;

private:
    Dialogs& dialogs_;
    QLineEdit* minutes_;
};

// 星期与分区: each box on adds its day or zone, off removes it, partly keeps it as each timing has it.
class DaysZonesDialog : public QDialog {
    Q_OBJECT
public:
    explicit DaysZonesDialog(QWidget* parent);
    // `all`: the bits every selected timing has; `any`: the bits some have.
    void preset(std::uint8_t allDays, std::uint8_t anyDays, std::uint8_t allZones, std::uint8_t anyZones);
    BitChange days() const;
    BitChange zones() const;

private:
    std::array<QCheckBox*, 7> days_;
    std::array<QCheckBox*, 6> zones_;
};

}  // namespace tavisto
