#include "BulkDialogs.h"

#include "ControlNames.h"
#include "Dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace tavisto {

namespace {

const char* const kDayTexts[] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};
const char* const kZoneTexts[] = {"分区一", "分区二", "分区三", "分区四", "分区五", "分区六"};

QVBoxLayout* setUpDialog(QDialog& dialog, const char* name, const QString& title, const QString& text)
{
    dialog.setObjectName(QLatin1String(name));
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    return layout;
}

// 确定 (named `okName`) and 取消 under the dialog's content.
void addButtons(QDialog& dialog, QVBoxLayout* layout, const char* okName)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QLatin1String(okName));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

// A framed row of check boxes named `names`, captioned by `texts`.
template<std::size_t N>
std::array<QCheckBox*, N> addBoxes(QDialog& dialog, QVBoxLayout* layout, const QString& caption,
                                   const char* const (&names)[N], const char* const (&texts)[N])
{
    auto* group = new QGroupBox(caption, &dialog);
    auto* row = new QGridLayout(group);
    std::array<QCheckBox*, N> boxes{};
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = new QCheckBox(QString::fromUtf8(texts[i]), group);
        boxes[i]->setObjectName(QLatin1String(names[i]));
        row->addWidget(boxes[i], 0, static_cast<int>(i));
    }
    layout->addWidget(group);
    return boxes;
}

template<std::size_t N>
std::uint8_t bitsOf(const std::array<QCheckBox*, N>& boxes, Qt::CheckState state)
{
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i]->checkState() == state)
            bits |= static_cast<std::uint8_t>(1u << i);
    return bits;
}

// A box has its third state only where the timings differ: a click then goes from "keep" to on,
// off and back to "keep"; elsewhere it is on or off.
template<std::size_t N>
void checkBits(const std::array<QCheckBox*, N>& boxes, std::uint8_t all, std::uint8_t any)
{
    for (std::size_t i = 0; i < N; ++i) {
        const bool mixed = !(all & (1u << i)) && (any & (1u << i));
        boxes[i]->setTristate(mixed);
        boxes[i]->setCheckState(all & (1u << i) ? Qt::Checked : mixed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

}  // namespace

SeriesDialog::SeriesDialog(QWidget* parent) : QDialog(parent)
{
    QVBoxLayout* layout =
        setUpDialog(*this, kSeriesDialog, QStringLiteral("批量添加"),
                    QStringLiteral("以选中的定时为样板，在下列每个时间添加一条同样的定时"
                                   "（放入最前面的空位）。\n"
                                   "时间之间用空格、逗号或换行隔开；"
                                   "08:00-12:00/45 表示从 08:00 起每 45 分钟一次，到 12:00 为止。"));
    times_ = new QPlainTextEdit(this);
    times_->setObjectName(QLatin1String(kSeriesTimes));
    times_->setPlaceholderText(QStringLiteral("例如：7:55 8:40 9:35, 10:30\n14:00-16:00/50"));
    times_->setTabChangesFocus(true);
    layout->addWidget(times_);
    addButtons(*this, layout, kSeriesOk);
    resize(420, 260);
}

QString SeriesDialog::times() const
{
    return times_->toPlainText();
}

CopyDialog::CopyDialog(QWidget* parent) : QDialog(parent)
{
    QVBoxLayout* layout =
        setUpDialog(*this, kCopyDialog, QStringLiteral("复制到"),
                    QStringLiteral("把选中的定时复制到空位；复制出的定时用下面选择的星期和分区。"));
    days_ = addBoxes(*this, layout, QStringLiteral("星期选择"), kCopyDays, kDayTexts);
    zones_ = addBoxes(*this, layout, QStringLiteral("分区选择"), kCopyZones, kZoneTexts);
    addButtons(*this, layout, kCopyOk);
}

void CopyDialog::preset(std::uint8_t days, std::uint8_t zones)
{
    checkBits(days_, days, 0);
    checkBits(zones_, zones, 0);
}

std::uint8_t CopyDialog::days() const
{
    return bitsOf(days_, Qt::Checked);
}

std::uint8_t CopyDialog::zones() const
{
    return bitsOf(zones_, Qt::Checked);
}

ShiftDialog::ShiftDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    QVBoxLayout* layout = setUpDialog(*this, kShiftDialog, QStringLiteral("平移时间"),
                                      QStringLiteral("把选中的定时推后的分钟数（提前用负数，如 -5）："));
    minutes_ = new QLineEdit(this);
    minutes_->setObjectName(QLatin1String(kShiftMinutes));
    layout->addWidget(minutes_);
    addButtons(*this, layout, kShiftOk);
}

int ShiftDialog::minutes() const
{
    return minutes_->text().trimmed().toInt();
}

void ShiftDialog::accept()
{
    static const QRegularExpression kMinutes(QStringLiteral("^[+-]?[0-9]{1,4}$"));
    if (!kMinutes.match(minutes_->text().trimmed()).hasMatch()) {
        dialogs_.message(this, Dialogs::Kind::Warning, QStringLiteral("所输入的数值无效！"),
                         Dialogs::Buttons::Ok);
        minutes_->setFocus();
        minutes_->selectAll();
        return;
    }
    QDialog::accept();
}

DaysZonesDialog::DaysZonesDialog(QWidget* parent) : QDialog(parent)
{
    QVBoxLayout* layout = setUpDialog(*this, kDaysZonesDialog, QStringLiteral("星期与分区"),
                                      QStringLiteral("勾选：加上；不勾：去掉；半勾：每条定时保持原样。"));
    days_ = addBoxes(*this, layout, QStringLiteral("星期选择"), kDaysZonesDays, kDayTexts);
    zones_ = addBoxes(*this, layout, QStringLiteral("分区选择"), kDaysZonesZones, kZoneTexts);
    addButtons(*this, layout, kDaysZonesOk);
}

void DaysZonesDialog::preset(std::uint8_t allDays, std::uint8_t anyDays, std::uint8_t allZones,
                             std::uint8_t anyZones)
{
    checkBits(days_, allDays, anyDays);
    checkBits(zones_, allZones, anyZones);
}

BitChange DaysZonesDialog::days() const
{
    return {bitsOf(days_, Qt::Checked), bitsOf(days_, Qt::Unchecked)};
}

BitChange DaysZonesDialog::zones() const
{
    return {bitsOf(zones_, Qt::Checked), bitsOf(zones_, Qt::Unchecked)};
}

}  // namespace tavisto
