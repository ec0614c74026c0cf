#pragma once
// The modal boxes the windows ask for. Tests replace them with scripted answers.

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace tavisto {

class Dialogs {
public:
    enum class Kind { Confirmation, Error, Warning, Information };
    enum class Buttons { Ok, YesNo, YesNoDefaultNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest {
        QString title;
        QStringList nameFilters;  // "Description (*.ext)"
        QString defaultSuffix;
        QString initialPath;
        bool save = false;  // a save dialog asks before replacing an existing file
    };

    virtual ~Dialogs() = default;

    // Yes or OK is the default button, but in YesNoDefaultNo; Escape answers Cancel (Yes/No/Cancel),
    // No (Yes/No) or OK. An empty title stands for the kind's standard one: "Confirm", "Error",
    // "Warning". `details` is the box's informative text below `text`; `more`, when given, is
    // shown on asking (a long list: what two schedules differ in, every fault of an import).
    virtual Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons,
                           const QString& title = {}, const QString& details = {},
                           const QString& more = {}) = 0;
    // Nothing when the user cancels.
    virtual std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& preset) = 0;
    virtual std::optional<QString> fileDialog(QWidget* parent, const FileRequest& request) = 0;
    // The print dialog, which sets up `printer`; false when the user cancels.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
};

}  // namespace tavisto
