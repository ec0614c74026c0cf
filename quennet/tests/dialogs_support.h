#pragma once
// Stands in for the modal boxes: records what the windows asked and answers as told.
#include "Dialogs.h"

#include <QList>
#include <QString>

namespace testing {

class ScriptedDialogs : public quennet::Dialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
    };
    QList<Shown> messages;
    QList<QString> questions;
    QList<int> checkLists; // program index of each opened check list
    int abouts = 0;
    bool answer = true;

    void Message(QWidget*, const QString& text, Icon icon) override { messages.append({text, icon}); }
    bool Confirm(QWidget*, const QString& text) override
    {
        questions.append(text);
        return answer;
    }
    void ShowCheckList(QWidget*, quennet::DataFile&, int programIndex) override { checkLists.append(programIndex); }
    void ShowAbout(QWidget*) override { ++abouts; }
};

} // namespace testing
