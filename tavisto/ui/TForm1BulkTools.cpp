// The overview's bulk tools on its selected rows: each one step of the history, or refused as a
// whole with a box that says why and lists the timings concerned.
#include "TForm1.h"

#include "OverviewText.h"
#include "SeriesTimes.h"
#include "TForm2.h"
#include "TextConversions.h"

namespace tavisto {

std::vector<int> TForm1::selectedSlots() const
{
    std::vector<int> chosen;
    if (overview_)
        for (int row : overview_->selectedRows())
            chosen.push_back(row + 1);
    return chosen;
}

// `name` may hold %1 for the number of timings written.
void TForm1::applyBulk(const QString& name, const BulkOutcome& outcome)
{
    if (outcome.set) {
        applyStep(name.contains(QLatin1String("%1")) ? name.arg(outcome.touched.size()) : name, *outcome.set);
        return;
    }
    QStringList concerned;
    for (int slot : outcome.touched) {
        tavisto::CP cp;
        tavisto::LoadBuftoCP(state_.Timings.Buffer, state_.selection(), static_cast<std::uint8_t>(slot), cp);
        const OverviewRow cells = overviewRow(state_.selection(), slot, cp);
        concerned << QString::fromStdString(cells[0] + "  " + cells[2] + "  " + cells[1]);
    }
    dialogs_.message(overview_ ? static_cast<QWidget*>(overview_) : this, Dialogs::Kind::Warning,
                     QString::fromStdString(outcome.refusal), Dialogs::Buttons::Ok, {},
                     concerned.join(QLatin1Char('\n')));
}

void TForm1::clearSelected(const QList<int>& rows)
{
    std::vector<int> chosen;
    for (int row : rows)
        chosen.push_back(row + 1);
    const BulkOutcome outcome = clearTimings(state_.Timings, state_.selection(), chosen);
    applyBulk(rows.size() == 1
                  ? QStringLiteral("清除定时 %1").arg(QString::fromStdString(MyIntToStr(rows.first() + 1)))
                  : QStringLiteral("清除 %1 条定时"),
              outcome);
    state_.Document.Modified = 1;
}

void TForm1::addSeries(const QString& times)
{
    const SeriesTimes series = parseSeriesTimes(times.toStdString());
    if (!series.unreadable.empty()) {
        applyBulk({}, {std::nullopt, "无法识别的时间：" + series.unreadable, {}});
        return;
    }
    const std::vector<int> chosen = selectedSlots();
    applyBulk(QStringLiteral("批量添加 %1 条定时"),
              tavisto::addSeries(state_.Timings, state_.selection(), chosen.empty() ? 0 : chosen.front(),
                                 series.minutes));
}

void TForm1::copySelected(std::uint8_t days, std::uint8_t zones)
{
    applyBulk(QStringLiteral("复制 %1 条定时"),
              copyTimings(state_.Timings, state_.selection(), selectedSlots(), days, zones));
}

void TForm1::shiftSelected(int minutes)
{
    applyBulk(QStringLiteral("平移 %1 条定时"),
              shiftTimings(state_.Timings, state_.selection(), selectedSlots(), minutes));
}

void TForm1::setDaysZones(BitChange days, BitChange zones)
{
    applyBulk(QStringLiteral("修改 %1 条定时的星期与分区"),
              setDaysAndZones(state_.Timings, state_.selection(), selectedSlots(), days, zones));
}

}  // namespace tavisto
