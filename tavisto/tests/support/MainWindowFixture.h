#pragma once
// A shown main window with scripted dialogs, and the gestures the tests drive it with.

#include "ControlNames.h"
#include "FileChecks.h"
#include "ScriptedDialogs.h"
#include "TForm1.h"
#include "TForm1Probe.h"
#include "TextConversions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace tavisto {

struct MainWindowFixture {
    ScriptedDialogs dialogs;
    TForm1 window{dialogs};

    MainWindowFixture()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("main window did not become active");
    }

    template<typename Widget = QWidget>
    Widget* get(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    QString text(const char* name) const
    {
        if (auto* label = window.findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        return edit(name)->text();
    }
    bool checked(const char* name) const { return get<QAbstractButton>(name)->isChecked(); }
    bool shown(const char* name) const { return get(name)->isVisibleTo(&window); }

    // A click moves the focus first, as the mouse does.
    void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }

    // Types into a field and leaves it with Tab, as a user does.
    void type(const char* name, const QString& text)
    {
        QLineEdit* field = edit(name);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    // Puts the focus into a field and types, without leaving it.
    void typeAndStay(const char* name, const QString& text)
    {
        QLineEdit* field = edit(name);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    const EditorState& state() { return TForm1Probe(window).state(); }
    TForm2* overview() { return TForm1Probe(window).overview(); }
    const std::uint8_t* programSlot(int program, TimingType type, int slot)
    {
        return state().Timings.Buffer.programSlot(program, type, slot);
    }
    // Changes the timing set in memory, as if it had been read so from a file.
    template<typename Change>
    void changeTimings(Change change)
    {
        TimingSet timings = state().Timings;
        change(timings);
        TForm1Probe(window).showTimings(timings);
    }
    // 指定序号 with the number typed into its box.
    void jumpTo(int slot)
    {
        dialogs.inputAnswers.enqueue(QString::number(slot));
        click(kJumpButton);
    }
    QString panel(int i) const { return text(i == 0 ? kEffectPanel : kEditingPanel); }
    // The shown windows of that name (TForm3, TForm4...).
    static QList<QWidget*> shownWindows(const char* name)
    {
        QList<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                shown << window;
        return shown;
    }
};

// The main window with `bytes` opened from SCHOOL.mtf in a scratch folder.
struct OpenedFileFixture : MainWindowFixture {
    QTemporaryDir dir;
    QString path = dir.filePath("SCHOOL.mtf");

    explicit OpenedFileFixture(const QByteArray& bytes)
    {
        writeFileBytes(path, bytes);
        dialogs.fileAnswers.enqueue(path);
        click(kOpenFileButton);
    }
};

}  // namespace tavisto
