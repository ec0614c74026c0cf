#pragma once
// The modal boxes as the user sees them.

#include "Dialogs.h"

namespace tavisto {

// Qt's own widget dialogs, never the desktop's native ones.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, Kind kind, const QString& text, Buttons buttons, const QString& title,
                   const QString& details, const QString& more) override;
    std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& preset) override;
    std::optional<QString> fileDialog(QWidget* parent, const FileRequest& request) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
};

}  // namespace tavisto
