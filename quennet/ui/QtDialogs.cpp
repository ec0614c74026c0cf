#include "QtDialogs.h"

#include "AboutBox.h"
#include "AppTexts.h"
#include "TimingCheckList.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace quennet {

void QtDialogs::message(QWidget* parent, const QString& text, Icon icon, const QString& informative,
                        const QString& more)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, kProgramName, text,
                    QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    box.setDetailedText(more);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& text)
{
    return ask(parent, kProgramName, text);
}

bool QtDialogs::ask(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showCheckList(QWidget* parent, DataFile& file, int programIndex,
                              const std::function<void()>& showWeekPlan)
{
    TimingCheckList list(file, *this, programIndex, parent);
    QObject::connect(&list, &TimingCheckList::weekPlanRequested, &list, showWeekPlan);
    list.exec();
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

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposed, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

}  // namespace quennet
