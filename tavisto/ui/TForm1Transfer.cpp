// The store and load steps between the controls, CP and the TimingBuffer, and the checks of the fields.
#include "TForm1.h"

#include "Effectiveness.h"
#include "TextConversions.h"
#include "ui_TForm1.h"

namespace tavisto {

namespace {

const QString kFieldError = QStringLiteral("输入的字符错误或数值范围超出限制，重新输入点“Yes”，清空点“No”");

std::string textOf(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

int numberIn(const QLineEdit* edit)
{
    return edit->text().toInt();
}  // 0 while a field holds no number

}  // namespace

std::optional<TForm1::FieldRange> TForm1::rangeOf(QObject* object) const
{
    const FieldRange ranges[] = {{ui->Edit2, 0, 23}, {ui->Edit5, 0, 59}, {ui->Edit6, 0, 23},
                                 {ui->Edit7, 0, 59}, {ui->Edit4, 0, 99}, {ui->Edit8, 0, 99},
                                 {ui->Edit9, 0, 99}};
    for (const FieldRange& range : ranges)
        if (range.edit == object)
            return range;
    return std::nullopt;
}

void TForm1::LoadBuftoCP(std::uint8_t slot)
{
    tavisto::LoadBuftoCP(state_.Timings.Buffer, state_.selection(), slot, state_.CP);
}

void TForm1::SaveCPtoBuf(std::uint8_t slot)
{
    tavisto::SaveCPtoBuf(state_.Timings.Buffer, state_.selection(), slot, state_.CP);
}

QLineEdit* TForm1::TransCtrltoCP()
{
    struct TimeField {
        QLineEdit* edit;
        std::uint8_t tavisto::CP::*field;
    };
    tavisto::CP cp = state_.CP;
    cp.Serial = state_.SlotNo;
    for (const TimeField& time :
         {TimeField{ui->Edit2, &CP::StartHour}, TimeField{ui->Edit5, &CP::StartMinute},
          TimeField{ui->Edit6, &CP::EndHour}, TimeField{ui->Edit7, &CP::EndMinute}}) {
        const std::optional<std::uint8_t> bcd = MyStrToBcd(textOf(time.edit));
        if (!bcd)
            return time.edit;
        cp.*time.field = *bcd;
    }
    for (const TimeField& track : {TimeField{ui->Edit4, &CP::Track1}, TimeField{ui->Edit8, &CP::Track2},
                                   TimeField{ui->Edit9, &CP::Track3}}) {
        const std::optional<std::uint8_t> number = trackTextToByte(textOf(track.edit));
        if (!number)
            return track.edit;
        cp.*track.field = *number;
    }
    cp.FirstTrack = cp.Track1;
    cp.LastTrack = cp.Track3;
    cp.Weekdays = 0;
    const auto weekdays = weekdayBoxes();
    for (std::size_t bit = 0; bit < weekdays.size(); ++bit)
        if (weekdays[bit]->isChecked())
            cp.Weekdays |= static_cast<std::uint8_t>(1u << bit);
    cp.Zones = 0;
    const auto zones = zoneBoxes();
    for (std::size_t bit = 0; bit < zones.size(); ++bit)
        if (zones[bit]->isChecked())
            cp.Zones |= static_cast<std::uint8_t>(1u << bit);
    state_.CP = cp;
    return nullptr;
}

void TForm1::TransCPtoCtrl()
{
    const tavisto::CP& cp = state_.CP;
    ui->Edit2->setText(QString::fromStdString(MyBcdToStr(cp.StartHour)));
    ui->Edit5->setText(QString::fromStdString(MyBcdToStr(cp.StartMinute)));
    ui->Edit6->setText(QString::fromStdString(MyBcdToStr(cp.EndHour)));
    ui->Edit7->setText(QString::fromStdString(MyBcdToStr(cp.EndMinute)));
    if (state_.randomProgram()) {
        ui->Edit4->setText(QString::fromStdString(MyIntToStr(cp.FirstTrack)));
        ui->Edit9->setText(QString::fromStdString(MyIntToStr(cp.LastTrack)));
    } else {
        ui->Edit4->setText(QString::fromStdString(MyIntToStr(cp.Track1)));
        ui->Edit8->setText(QString::fromStdString(MyIntToStr(cp.Track2)));
        ui->Edit9->setText(QString::fromStdString(MyIntToStr(cp.Track3)));
    }
    const auto weekdays = weekdayBoxes();
    for (std::size_t bit = 0; bit < weekdays.size(); ++bit)
        weekdays[bit]->setChecked(cp.Weekdays & (1u << bit));
    const auto zones = zoneBoxes();
    for (std::size_t bit = 0; bit < zones.size(); ++bit)
        zones[bit]->setChecked(cp.Zones & (1u << bit));
    (cp.PlayMode == 1 ? ui->RadioButton9 : ui->RadioButton8)->setChecked(true);
}

bool TForm1::storeShownTiming()
{
    if (!finishFieldEdit())
        return false;
    if (QLineEdit* field = TransCtrltoCP()) {
        // Only a field the user chose to re-enter can get here: nothing is stored and the command stops.
        const std::optional<FieldRange> range = rangeOf(field);
        EditCheck(field, range->lo, range->hi);
        field->setFocus();
        return false;
    }
    const TimingSet before = state_.Timings;
    SaveCPtoBuf(0);
    recordStore(before);
    return true;
}

void TForm1::loadShownTiming()
{
    LoadBuftoCP(0);
    TransCPtoCtrl();
    EffectCheck();
}

bool TForm1::finishFieldEdit()
{
    const std::optional<FieldRange> field = rangeOf(focusWidget());
    return !field || !field->edit->isVisible() || EditExit(field->edit, false);
}

bool TForm1::EditExit(QLineEdit* edit, bool focusLeft)
{
    const std::optional<FieldRange> range = rangeOf(edit);
    // A cursor merely sitting in the field is no edit: before a command only typed text counts.
    if (focusLeft || edit->isModified())
        state_.Document.Modified = 1;
    inFieldExit_ = true;
    const bool accepted = EditCheck(edit, range->lo, range->hi);
    inFieldExit_ = false;
    edit->setModified(false);
    if (accepted)
        EffectCheck();
    return accepted;
}

bool TForm1::EditCheck(QLineEdit* edit, int lo, int hi)
{
    if (NumberChecK(textOf(edit), lo, hi) >= 0)
        return true;
    if (dialogs_.message(this, Dialogs::Kind::Error, kFieldError, Dialogs::Buttons::YesNo)
        == Dialogs::Answer::Yes) {
        edit->setFocus();
        return false;
    }
    edit->setText(QStringLiteral("00"));
    state_.Document.Modified = 1;
    return true;
}

void TForm1::EffectCheck()
{
    EffectInputs inputs;
    for (const QCheckBox* box : weekdayBoxes())
        inputs.anyWeekday = inputs.anyWeekday || box->isChecked();
    // The texts as they stand: after a load all four read as two digits.
    inputs.startIsEnd = ui->Edit2->text() == ui->Edit6->text() && ui->Edit5->text() == ui->Edit7->text();
    inputs.track1 = numberIn(ui->Edit4);  // the first track of the range in the random program
    inputs.track2 = numberIn(ui->Edit8);
    inputs.track3 = numberIn(ui->Edit9);  // the last track of the range in the random program
    const TimingKind kind = state_.randomProgram() ? TimingKind::Random
        : state_.Type == TimingType::Music         ? TimingKind::Music
                                                   : TimingKind::Peripheral;
    const bool effective = whyIneffective(kind, inputs) == Ineffective::None;
    statusPanels_[0]->setText(effective ? QStringLiteral("此定时有效") : QStringLiteral("此定时无效"));
}

}  // namespace tavisto
