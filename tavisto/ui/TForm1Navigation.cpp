// Moving between the timings of a table, and the status bar that tells what is being edited.
#include "TForm1.h"

#include "AppTexts.h"
#include "TextConversions.h"
#include "ui_TForm1.h"

#include <QLabel>

namespace tavisto {

void TForm1::showSlotNo()
{
    ui->Panel1->setText(QString::fromStdString(MyIntToStr(state_.SlotNo)));
    ReStateBar();
    loadShownTiming();
}

void TForm1::Button3Click()
{
    if (!storeShownTiming())
        return;
    if (state_.SlotNo > 1)
        --state_.SlotNo;
    showSlotNo();
}

void TForm1::Button6Click()
{
    if (!storeShownTiming())
        return;
    if (state_.SlotNo < lastSlot(state_.selection()))
        ++state_.SlotNo;
    showSlotNo();
}

void TForm1::Button10Click()
{
    if (!storeShownTiming())
        return;
    const QString answer = dialogs_
                               .inputBox(this, QStringLiteral("指定定时序号"),
                                         QStringLiteral("请输入01到99之间的序号："), QStringLiteral("01"))
                               .value_or(QStringLiteral("01"))
                               .left(9);
    const long long slot = NumberChecK(answer.toStdString(), 1, lastSlot(state_.selection()));
    if (slot < 0) {
        dialogs_.message(this, Dialogs::Kind::Warning, QStringLiteral("所输入的数值无效！"),
                         Dialogs::Buttons::Ok);
        return;
    }
    state_.SlotNo = static_cast<std::uint8_t>(slot);
    showSlotNo();
}

void TForm1::ReStateBar()
{
    if (!state_.Document.hasFile()) {
        statusPanels_[1]->setText(QStringLiteral("提示：新建一个定时文件，或打开现有的定时文件，进行编辑"));
        return;
    }
    QString text = QStringLiteral("正在编辑：程序（%1）").arg(programLabel(state_.EditObject));
    if (state_.randomProgram())
        text += state_.Timings.RandomEnabled == 1 ? QStringLiteral("  状态：开启")
                                                  : QStringLiteral("  状态：关闭");
    else
        text += state_.Type == TimingType::Music ? QStringLiteral("  <音乐定时>")
                                                 : QStringLiteral("  <外设定时>");
    statusPanels_[1]->setText(text + QStringLiteral("  定时序号：") + ui->Panel1->text());
}

}  // namespace tavisto
