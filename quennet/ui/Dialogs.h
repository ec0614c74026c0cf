#pragma once
// The modal boxes the windows open; tests put a scripted implementation in their place.
#include <QString>

class QWidget;

namespace quennet {

class DataFile;

class Dialogs {
public:
    enum class Icon { None, Warning, Question };

    virtual ~Dialogs() = default;

    // A box titled with the program's name and one OK button.
    virtual void Message(QWidget* parent, const QString& text, Icon icon) = 0;
    // A Yes/No question; true on Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    virtual void ShowCheckList(QWidget* parent, DataFile& file, int programIndex) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
};

// Qt's own message boxes and the program's windows.
class WidgetDialogs : public Dialogs {
public:
    void Message(QWidget* parent, const QString& text, Icon icon) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    void ShowCheckList(QWidget* parent, DataFile& file, int programIndex) override;
    void ShowAbout(QWidget* parent) override;
};

} // namespace quennet
