#pragma once
// Stands in for the modal boxes: records what the windows asked and answers as told.
#include "Dialogs.h"

#include <QList>
#include <QPrinter>
#include <QString>

namespace quennet::testing {

class ScriptedDialogs : public quennet::Dialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
    };
    QList<Shown> messages;
    QList<QString> questions;
    QList<int> checkLists;  // program index of each opened check list
    int abouts = 0;
    int printRequests = 0;
    bool answer = true;
    QString printTo;            // the print dialog prints into this PDF file; empty: it is cancelled
    QString proposedPrintFile;  // the file the last print dialog proposed for printing to a file

    void message(QWidget*, const QString& text, Icon icon) override { messages.append({text, icon}); }
    bool confirm(QWidget*, const QString& text) override
    {
        questions.append(text);
        return answer;
    }
    void showCheckList(QWidget*, quennet::DataFile&, int programIndex) override
    {
        checkLists.append(programIndex);
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
};

}  // namespace quennet::testing
