#include "ToolDialogs.h"

#include "ControlNames.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quennet {

namespace {
constexpr std::array<const char*, 7> kDayCaptions{"一", "二", "三", "四", "五", "六", "日"};
constexpr std::array<const char*, 4> kZoneCaptions{"1", "2", "3", "4"};

// Box i of the Monday-first row stands for DayBits bit (i + 1) % 7: Sunday is bit 0.
std::uint8_t dayBit(std::size_t box)
{
    return std::uint8_t(1U << ((box + 1) % 7));
}

std::uint8_t zoneBit(std::size_t box)
{
    return std::uint8_t(1U << box);
}

template<std::size_t N>
std::uint8_t checkedBits(const std::array<QCheckBox*, N>& boxes, std::uint8_t (*bit)(std::size_t),
                         Qt::CheckState state)
{
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (boxes[i]->checkState() == state)
            bits |= bit(i);
    }
    return bits;
}

// Each box ticked when every timing has its bit, empty when none has, partly ticked otherwise;
// only a partly ticked box offers the third state.
template<std::size_t N>
void showShared(const std::array<QCheckBox*, N>& boxes, std::uint8_t (*bit)(std::size_t),
                const std::vector<std::uint8_t>& bitsOfEach)
{
    for (std::size_t i = 0; i < N; ++i) {
        std::size_t having = 0;
        for (std::uint8_t bits : bitsOfEach)
            having += (bits & bit(i)) ? 1 : 0;
        const bool mixed = having != 0 && having != bitsOfEach.size();
        boxes[i]->setTristate(mixed);
        boxes[i]->setCheckState(mixed ? Qt::PartiallyChecked : (having != 0 ? Qt::Checked : Qt::Unchecked));
    }
}
}  // namespace

ToolDialog::ToolDialog(QWidget* parent, const char* name, const QString& title, const char* okName)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      fields_(new QVBoxLayout)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QString::fromLatin1(okName));
    ok->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (action_ && action_())
            accept();
    });
}

template<std::size_t N>
std::array<QCheckBox*, N> ToolDialog::addBoxes(const QString& label, const std::array<const char*, N>& names,
                                               const std::array<const char*, N>& captions)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, this));
    std::array<QCheckBox*, N> boxes{};
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = new QCheckBox(QString::fromUtf8(captions[i]), this);
        boxes[i]->setObjectName(QString::fromLatin1(names[i]));
        row->addWidget(boxes[i]);
    }
    row->addStretch();
    fields_->addLayout(row);
    return boxes;
}

SeriesDialog::SeriesDialog(QWidget* parent, const QString& model)
    : ToolDialog(parent, kSeriesDialog, QStringLiteral("批量添加"), kSeriesOk),
      times_(new QPlainTextEdit(this))
{
    fields_->addWidget(new QLabel(QStringLiteral("样板：%1").arg(model), this));
    fields_->addWidget(new QLabel(QStringLiteral("在这些时间各添加一条（以空格、逗号或换行分隔，\n"
                                                 "08:00-12:00/45 表示从 08:00 到 12:00 每 45 分钟一条）："),
                                  this));
    times_->setObjectName(QString::fromLatin1(kSeriesTimes));
    times_->setTabChangesFocus(true);
    fields_->addWidget(times_);
    times_->setFocus();
}

QString SeriesDialog::times() const
{
    return times_->toPlainText();
}

CopyDialog::CopyDialog(QWidget* parent, const TimingEntry& model)
    : ToolDialog(parent, kCopyDialog, QStringLiteral("复制到"), kCopyOk)
{
    fields_->addWidget(new QLabel(QStringLiteral("复制所选定时，副本的星期和分区为："), this));
    days_ = addBoxes(QStringLiteral("星期:"), kCopyDays, kDayCaptions);
    zones_ = addBoxes(QStringLiteral("分区:"), kCopyZones, kZoneCaptions);
    showShared(days_, dayBit, {model.DayBits});
    showShared(zones_, zoneBit, {model.ZoneBits});
}

std::uint8_t CopyDialog::dayBits() const
{
    return checkedBits(days_, dayBit, Qt::Checked);
}

std::uint8_t CopyDialog::zoneBits() const
{
    return checkedBits(zones_, zoneBit, Qt::Checked);
}

ShiftDialog::ShiftDialog(QWidget* parent)
    : ToolDialog(parent, kShiftDialog, QStringLiteral("平移时间"), kShiftOk), minutes_(new QLineEdit(this))
{
    fields_->addWidget(
        new QLabel(QStringLiteral("所选定时的开始和结束时间一起平移（分钟，-5 提前，+10 推后）："), this));
    minutes_->setObjectName(QString::fromLatin1(kShiftMinutes));
    fields_->addWidget(minutes_);
}

QString ShiftDialog::minutes() const
{
    return minutes_->text();
}

DaysZonesDialog::DaysZonesDialog(QWidget* parent, const std::vector<TimingEntry>& selection)
    : ToolDialog(parent, kDaysZonesDialog, QStringLiteral("星期与分区"), kDaysZonesOk)
{
    fields_->addWidget(new QLabel(QStringLiteral("勾选：加上；不勾：去掉；半勾：每条定时保持原样。"), this));
    days_ = addBoxes(QStringLiteral("星期:"), kDZDays, kDayCaptions);
    zones_ = addBoxes(QStringLiteral("分区:"), kDZZones, kZoneCaptions);
    std::vector<std::uint8_t> dayBits;
    std::vector<std::uint8_t> zoneBits;
    for (const TimingEntry& entry : selection) {
        dayBits.push_back(entry.DayBits);
        zoneBits.push_back(entry.ZoneBits);
    }
    showShared(days_, dayBit, dayBits);
    showShared(zones_, zoneBit, zoneBits);
}

BitChange DaysZonesDialog::days() const
{
    return {checkedBits(days_, dayBit, Qt::Checked), checkedBits(days_, dayBit, Qt::Unchecked)};
}

BitChange DaysZonesDialog::zones() const
{
    return {checkedBits(zones_, zoneBit, Qt::Checked), checkedBits(zones_, zoneBit, Qt::Unchecked)};
}

}  // namespace quennet
