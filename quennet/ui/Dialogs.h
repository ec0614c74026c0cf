#pragma once
// The modal boxes the windows open; tests put a scripted implementation in their place.
#include "DataFile.h"
#include "WeekPlan.h"

#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace quennet {

class Dialogs {
public:
    enum class Icon { None, Warning };

    virtual ~Dialogs() = default;

    // A box titled with the program's name and one OK button; `informative` goes below the text;
    // `more`, when given, is the text its details button shows.
    virtual void message(QWidget* parent, const QString& text, Icon icon, const QString& informative = {},
                         const QString& more = {}) = 0;
    // A Yes/No question titled with the program's name; true on Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // A Yes/No question under `title`, No the default; true on Yes.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // The check list; its 周计划 calls `showWeekPlan`.
    virtual void showCheckList(QWidget* parent, DataFile& file, int programIndex,
                               const std::function<void()>& showWeekPlan) = 0;
    virtual void showAbout(QWidget* parent) = 0;
    // The print dialog; true when the user chose to print (the printer is then set up).
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    // The file dialogs: the chosen path, empty when the user cancelled. Saving proposes `proposed`
    // and asks before it replaces a file; opening starts in `folder`. `filter` as Qt writes them.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                 const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
};

}  // namespace quennet
