// What a user of a desktop program expects beyond the window's own commands: an idle cursor is
// no edit, the wheel leaves lists alone that have no focus, the keyboard shortcuts, and a dark
// palette. (Escape and the lasting About text are tested with their windows.)
#include "DarkPalette.h"
#include "MainWindowFixture.h"

#include "TForm3.h"
#include "TForm4.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <cmath>

using namespace tavisto;

namespace {

// Notches of the wheel rolled towards the user (down a list), over the middle of `widget`.
void wheel(QWidget* widget, int notches)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a label's text is drawn on: the nearest widget that fills its background.
QColor backgroundOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(QPalette::Window);
    return {};
}

}  // namespace

class DesktopBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }

    // Closing with the cursor sitting in a field asks nothing; typed text, or a real move of the
    // focus out of the field, counts as an edit.
    void idleCursorIsNoEdit()
    {
        writeFileBytes(path(), QByteArray(18560, '\xFF'));
        enum { Idle, Typed, Left };
        for (int how : {Idle, Typed, Left}) {
            MainWindowFixture f;
            f.dialogs.fileAnswers.enqueue(path());
            f.click(kOpenFileButton);
            QLineEdit* field = f.edit(kStartMinuteEdit);
            QTest::mouseClick(field, Qt::LeftButton);
            QVERIFY(field->hasFocus());
            if (how == Typed)
                QTest::keyClicks(field, "0");
            if (how == Left)
                QTest::keyClick(field, Qt::Key_Tab);
            f.dialogs.answers.enqueue(Dialogs::Answer::No);
            QVERIFY(f.window.close());
            QCOMPARE(f.dialogs.texts(),
                     how == Idle ? QStringList()
                                 : QStringList{QStringLiteral("是否保存对当前定时数据的修改？")});
        }
    }

    // A wheel over a list changes it only while the list has the keyboard focus.
    void wheelNeedsFocus()
    {
        MainWindowFixture f;
        f.click(kNewFileButton);
        for (const char* name : {kCopyFromList, kCopyToList, kRunProgramList}) {
            auto* list = f.get<QComboBox>(name);
            const int before = list->currentIndex();
            wheel(list, 1);
            QCOMPARE(list->currentIndex(), before);
            QCOMPARE(f.get(name)->focusPolicy(), Qt::StrongFocus);  // the wheel does not take the focus
        }
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.state().Timings.RunProgram, 1);

        auto* run = f.get<QComboBox>(kRunProgramList);
        run->setFocus(Qt::TabFocusReason);
        wheel(run, 1);
        QCOMPARE(run->currentIndex(), 1);
        QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("机器实际运行程序2")});
    }

    // Ctrl+N, Ctrl+O, Ctrl+S and F1 act as their buttons, and not while the buttons cannot be used.
    void shortcuts()
    {
        MainWindowFixture f;
        QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---新文件 "));
        f.dialogs.fileAnswers.enqueue(path());
        QTest::keyClick(&f.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.dialogs.files.last().title, QStringLiteral("创建新定时文件"));
        QCOMPARE(fileBytes(path()).size(), 18560);
        QTest::keyClick(&f.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.dialogs.files.last().title, QStringLiteral("打开现有定时文件"));
        QCOMPARE(f.dialogs.files.size(), 2);
        QTest::keyClick(&f.window, Qt::Key_F1);
        QTRY_VERIFY(shownWindow(kDiagramWindow));
        shownWindow(kDiagramWindow)->close();
        QTRY_VERIFY(!shownWindow(kDiagramWindow));

        f.click(kNewFileButton);
        f.click(kOverviewButton);  // the main window takes no input meanwhile
        for (auto key : {Qt::Key_N, Qt::Key_O, Qt::Key_S})
            QTest::keyClick(&f.window, key, Qt::ControlModifier);
        QTest::keyClick(&f.window, Qt::Key_F1);
        QCOMPARE(f.dialogs.files.size(), 2);
        QVERIFY(!shownWindow(kDiagramWindow));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---新文件 "));
        f.overview()->close();
    }

    // Under a dark palette every text keeps its contrast with what it is drawn on; the About
    // window's cream background takes dark text with it.
    void darkPaletteStaysReadable()
    {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(darkPalette());
        {
            MainWindowFixture f;
            f.click(kNewFileButton);
            f.click(kOverviewButton);
            TForm3 about;
            TForm4 diagram;
            for (QWidget* window : {static_cast<QWidget*>(&f.window), static_cast<QWidget*>(f.overview()),
                                    static_cast<QWidget*>(&about), static_cast<QWidget*>(&diagram)}) {
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    if (label->text().isEmpty())
                        continue;
                    const double ratio =
                        contrast(label->palette().color(QPalette::WindowText), backgroundOf(label));
                    QVERIFY2(ratio >= 3.0,
                             qPrintable(window->objectName() + "/" + label->objectName() + ": "
                                        + QString::number(ratio)));
                }
            }
            f.overview()->close();
        }
        QApplication::setPalette(saved);
    }

private:
    QString path() const { return dir.filePath(QStringLiteral("desk.mtf")); }
    static QWidget* shownWindow(const char* name)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                return window;
        return nullptr;
    }
    QTemporaryDir dir;
};

QTEST_MAIN(DesktopBehaviourTest)
#include "desktop_behaviour_test.moc"
