#include "Dialogs.h"

#include "AboutBox.h"
#include "AppText.h"
#include "TimingCheckList.h"

#include <QMessageBox>

namespace quennet {

void WidgetDialogs::Message(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    ProgramName(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool WidgetDialogs::Confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, ProgramName(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void WidgetDialogs::ShowCheckList(QWidget* parent, DataFile& file, int programIndex)
{
    TimingCheckList list(file, programIndex, parent);
    list.exec();
}

void WidgetDialogs::ShowAbout(QWidget* parent)
{
    AboutBox about(parent);
    about.exec();
}

} // namespace quennet
