#pragma once
// Stands in for the modal boxes: records what the windows asked and answers as told.
#include "Dialogs.h"
#include "TimingCheckList.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

namespace quennet::testing {

class ScriptedDialogs : public quennet::Dialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
        QString informative;
        QString more;
    };
    QList<Shown> messages;
    QList<QString> questions;
    QList<QString> questionTitles;  // of the questions asked under a title of their own
    QList<int> checkLists;          // program index of each opened check list
    int abouts = 0;
    int printRequests = 0;
    bool answer = true;
    QString printTo;            // the print dialog prints into this PDF file; empty: it is cancelled
    QString proposedPrintFile;  // the file the last print dialog proposed for printing to a file
    bool openWindows = false;   // the check list opens for real, modally
    QString saveTo;             // what the save dialog chooses; empty: it is cancelled
    QString openFrom;           // what the open dialog chooses; empty: it is cancelled
    QStringList proposedFiles;  // what each save dialog proposed, and the folder of each open dialog

    void message(QWidget*, const QString& text, Icon icon, const QString& informative,
                 const QString& more) override
    {
        messages.append({text, icon, informative, more});
    }
    bool confirm(QWidget*, const QString& text) override
    {
        questions.append(text);
        return answer;
    }
    bool ask(QWidget*, const QString& title, const QString& text) override
    {
        questionTitles.append(title);
        return confirm(nullptr, text);
    }
    void showCheckList(QWidget* parent, quennet::DataFile& file, int programIndex,
                       const std::function<void()>& showWeekPlan) override
    {
        checkLists.append(programIndex);
        if (!openWindows)
            return;
        quennet::TimingCheckList list(file, *this, programIndex, parent);
        QObject::connect(&list, &quennet::TimingCheckList::weekPlanRequested, &list, showWeekPlan);
        list.exec();
    }
    void showAbout(QWidget*) override { ++abouts; }
    bool printDialog(QWidget*, QPrinter& printer) override
    {
        ++printRequests;
        proposedPrintFile = printer.outputFileName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    QString saveFileName(QWidget*, const QString&, const QString& proposed, const QString&) override
    {
        proposedFiles.append(proposed);
        return saveTo;
    }
    QString openFileName(QWidget*, const QString&, const QString& folder, const QString&) override
    {
        proposedFiles.append(folder);
        return openFrom;
    }
};

}  // namespace quennet::testing
