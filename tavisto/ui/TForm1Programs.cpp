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
        state_.Timings.Buffer.copyProgram(from, to);
        loadShownTiming();
    }
    state_.Document.Modified = 1;
}

void TForm1::Button7Click()
{
    if (!confirm(QStringLiteral("确认清除程序（%1）的所有定时信息？").arg(programLabel(state_.EditObject))))
        return;
    if (state_.randomProgram())
        state_.Timings.Buffer.clearRandomTable();
    else
        state_.Timings.Buffer.clearProgram(state_.EditObject);
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
}

void TForm1::ComboBox3Change(int index)
{
    state_.Timings.RunProgram = static_cast<std::uint8_t>(index + 1);
    dialogs_.message(this, Dialogs::Kind::Information,
                     QStringLiteral("机器实际运行程序%1").arg(state_.Timings.RunProgram),
                     Dialogs::Buttons::Ok, kApplicationTitle);
    state_.Document.Modified = 1;
}

}  // namespace tavisto
