// Commands on whole programs, on the shown timing, and the choice of the program the player runs.
#include "TForm1.h"

#include "AppTexts.h"
#include "ui_TForm1.h"

namespace tavisto {

namespace {

// The program a copy list names, or 0 when it names none.
int programIn(const QComboBox* list)
{
    bool ok = false;
    const int program = list->currentText().toInt(&ok);
    return ok && program >= 1 && program <= kProgramCount ? program : 0;
}

}  // namespace

bool TForm1::confirm(const QString& text, Dialogs::Buttons buttons)
{
    return dialogs_.message(this, Dialogs::Kind::Confirmation, text, buttons) == Dialogs::Answer::Yes;
}

void TForm1::Button2Click()
{
    // A copy of the edited program carries the edit in progress.
    if (!storeShownTiming())
        return;
    const int from = programIn(ui->ComboBox1);
    const int to = programIn(ui->ComboBox2);
    if (from == 0 || to == 0) {
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("复制源或目标设置错误！"),
                         Dialogs::Buttons::Ok);
        return;
    }
    if (from == to) {
        dialogs_.message(this, Dialogs::Kind::Warning, QStringLiteral("复制源和目标相等，无法复制。"),
                         Dialogs::Buttons::Ok);
        return;
    }
    if (confirm(QStringLiteral("确认覆盖程序（%1）的定时信息？").arg(ui->ComboBox2->currentText()))) {
        TimingSet copied = state_.Timings;
        copied.Buffer.copyProgram(from, to);
        applyStep(QStringLiteral("复制程序%1到程序%2").arg(from).arg(to), copied);
    }
    state_.Document.Modified = 1;
}

void TForm1::Button7Click()
{
    if (!confirm(QStringLiteral("确认清除程序（%1）的所有定时信息？").arg(programLabel(state_.EditObject))))
        return;
    TimingSet cleared = state_.Timings;
    if (state_.randomProgram())
        cleared.Buffer.clearRandomTable();
    else
        cleared.Buffer.clearProgram(state_.EditObject);
    // What the edit area holds is not stored first: it goes with the rest of the program.
    applyStep(QStringLiteral("清除程序（%1）").arg(programLabel(state_.EditObject)), cleared);
    loadShownTiming();
    state_.Document.Modified = 1;
}

void TForm1::Button1Click()
{
    if (!confirm(QStringLiteral("确认清除本条定时的设置？")))
        return;
    ClearCP(state_.CP);
    TransCPtoCtrl();
    EffectCheck();
    state_.Document.Modified = 1;
    // Stored at once, so that the clearing is a step of its own that Ctrl+Z takes back.
    storeShownTiming();
}

void TForm1::ComboBox3Change(int index)
{
    TimingSet chosen = state_.Timings;
    chosen.RunProgram = static_cast<std::uint8_t>(index + 1);
    applyStep(QStringLiteral("运行设定：程序%1").arg(chosen.RunProgram), chosen);
    dialogs_.message(this, Dialogs::Kind::Information,
                     QStringLiteral("机器实际运行程序%1").arg(state_.Timings.RunProgram),
                     Dialogs::Buttons::Ok, kApplicationTitle);
    state_.Document.Modified = 1;
}

}  // namespace tavisto
