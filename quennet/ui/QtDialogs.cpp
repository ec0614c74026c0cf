#include "QtDialogs.h"

#include "AboutBox.h"
#include "AppTexts.h"
#include "TimingCheckList.h"
#include "WeekPlanWindow.h"

#include <QMessageBox>
#include <QPrintDialog>

namespace quennet {

void QtDialogs::message(QWidget* parent, const QString& text, Icon icon, const QString& informative)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, kProgramName, text,
                    QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, kProgramName, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<TimingRef> QtDialogs::showCheckList(QWidget* parent, DataFile& file, int programIndex)
{
    return TimingCheckList::run(file, *this, programIndex, parent);
}

std::optional<TimingRef> QtDialogs::showWeekPlan(QWidget* parent, const DataFile::Listing& listing,
                                                 const QString& filePath)
{
    return WeekPlanWindow::run(listing, filePath, *this, parent);
}

void QtDialogs::showAbout(QWidget* parent)
{
    AboutBox about(parent);
    about.exec();
}

bool QtDialogs::printDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace quennet
