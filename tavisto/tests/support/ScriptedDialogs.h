#pragma once
// Dialogs that answer from a script and record what the window asked.

#include "Dialogs.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <functional>

namespace tavisto {

class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        Kind kind;
        QString title;
        QString text;
        Buttons buttons;
        QString details;
        QString more;
    };
    struct Input {
        QString caption, prompt, preset;
    };

    QList<Message> messages;
    QList<Input> inputs;
    QList<FileRequest> files;
    QStringList proposedPrintFiles;  // the file each print dialog proposed for printing to a file

    QQueue<Answer> answers;                       // for message boxes; OK/Yes... when empty
    QQueue<std::optional<QString>> inputAnswers;  // nothing = Cancel
    QQueue<std::optional<QString>> fileAnswers;   // nothing = Cancel
    QQueue<std::optional<QString>> printAnswers;  // a PDF file to print to; nothing = Cancel
    std::function<void()> duringMessage;          // runs while a box is "open"

    Answer message(QWidget*, Kind kind, const QString& text, Buttons buttons, const QString& title,
                   const QString& details, const QString& more) override
    {
        messages.append({kind, title, text, buttons, details, more});
        if (duringMessage)
            duringMessage();
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> inputBox(QWidget*, const QString& caption, const QString& prompt,
                                    const QString& preset) override
    {
        inputs.append({caption, prompt, preset});
        return inputAnswers.isEmpty() ? std::optional<QString>() : inputAnswers.dequeue();
    }
    std::optional<QString> fileDialog(QWidget*, const FileRequest& request) override
    {
        files.append(request);
        return fileAnswers.isEmpty() ? std::optional<QString>() : fileAnswers.dequeue();
    }

    bool printDialog(QWidget*, QPrinter& printer) override
    {
        proposedPrintFiles << printer.outputFileName();
        const std::optional<QString> file = printAnswers.isEmpty() ? std::nullopt : printAnswers.dequeue();
        if (file) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(*file);
        }
        return file.has_value();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Message& m : messages)
            result << m.text;
        return result;
    }
};

}  // namespace tavisto
