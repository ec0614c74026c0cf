#pragma once
// Qt's own widget message boxes, never the desktop's native ones, and the program's windows.
#include "Dialogs.h"

namespace quennet {

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, Icon icon, const QString& informative,
                 const QString& more) override;
    bool confirm(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
    void showCheckList(QWidget* parent, DataFile& file, int programIndex,
                       const std::function<void()>& showWeekPlan) override;
    void showAbout(QWidget* parent) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
};

}  // namespace quennet
