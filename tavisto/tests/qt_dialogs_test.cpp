// The real message, input and file boxes: what the user sees in them and what each answer
// returns. A timer finds the open box and answers it as a user would.

#include "AppSetup.h"
#include "QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace tavisto;

namespace {

// Runs `act` on the next modal box that opens (other than `below`), once.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget*)> act, QWidget* below = nullptr)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, act, below] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || box == below)
                return;
            timer_.stop();
            act(box);
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data()
    {
        QTest::addColumn<Dialogs::Kind>("kind");
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<QStringList>("buttonTexts");
        QTest::addColumn<Dialogs::Answer>("escapeAnswer");
        QTest::addColumn<Dialogs::Answer>("enterAnswer");
        QTest::addColumn<QString>("more");
        QTest::newRow("confirmation")
            << Dialogs::Kind::Confirmation << Dialogs::Buttons::YesNo << QString() << "Confirm"
            << QStringList{"&No", "&Yes"} << Dialogs::Answer::No << Dialogs::Answer::Yes << QString();
        QTest::newRow("No by default")
            << Dialogs::Kind::Confirmation << Dialogs::Buttons::YesNoDefaultNo << QString() << "Confirm"
            << QStringList{"&No", "&Yes"} << Dialogs::Answer::No << Dialogs::Answer::No << QString();
        QTest::newRow("three answers") << Dialogs::Kind::Confirmation << Dialogs::Buttons::YesNoCancel
                                       << QString() << "Confirm" << QStringList{"&No", "&Yes", "Cancel"}
                                       << Dialogs::Answer::Cancel << Dialogs::Answer::Yes << QString();
        QTest::newRow("error") << Dialogs::Kind::Error << Dialogs::Buttons::Ok << QString() << "Error"
                               << QStringList{"OK"} << Dialogs::Answer::Ok << Dialogs::Answer::Ok
                               << QString();
        QTest::newRow("warning") << Dialogs::Kind::Warning << Dialogs::Buttons::Ok << QString() << "Warning"
                                 << QStringList{"OK"} << Dialogs::Answer::Ok << Dialogs::Answer::Ok
                                 << "第 2 行，“开始”列\n第 3 行，“分区”列";
        QTest::newRow("titled information")
            << Dialogs::Kind::Information << Dialogs::Buttons::Ok << "MP3自动播放机"
            << "MP3自动播放机" << QStringList{"OK"} << Dialogs::Answer::Ok << Dialogs::Answer::Ok
            << QString();
    }
    void messageBox()
    {
        QFETCH(Dialogs::Kind, kind);
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QFETCH(QStringList, buttonTexts);
        QFETCH(Dialogs::Answer, escapeAnswer);
        QFETCH(Dialogs::Answer, enterAnswer);
        QFETCH(QString, more);

        QtDialogs dialogs;
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            QMessageBox* seen = nullptr;
            QString seenTitle, seenText, seenDetails, seenMore;
            QStringList seenButtons;
            WhenModal answer([&](QWidget* widget) {
                seen = qobject_cast<QMessageBox*>(widget);
                if (!seen)
                    return widget->close();
                seenTitle = seen->windowTitle();
                seenText = seen->text();
                seenDetails = seen->informativeText();
                seenMore = seen->detailedText();
                seenButtons = ::buttonTexts(seen);
                QTest::keyClick(seen, key);
                return true;
            });
            const Dialogs::Answer result = dialogs.message(nullptr, kind, "确认清除本条定时的设置？", buttons,
                                                           title, "/media/card/a.mtf", more);
            QVERIFY(seen);
            QCOMPARE(seenTitle, shownTitle);
            QCOMPARE(seenText, QString("确认清除本条定时的设置？"));
            QCOMPARE(seenDetails, QString("/media/card/a.mtf"));
            QCOMPARE(seenMore, more);
            // A long list is shown on asking, with a button of its own.
            QCOMPARE(seenButtons.size(), buttonTexts.size() + (more.isEmpty() ? 0 : 1));
            for (const QString& text : buttonTexts)
                QVERIFY(seenButtons.contains(text));
            QCOMPARE(result, key == Qt::Key_Escape ? escapeAnswer : enterAnswer);
        }
    }

    void inputBox()
    {
        QtDialogs dialogs;
        QString caption, prompt, selected;
        int maxLength = 0;
        WhenModal typeAndAccept([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            QVERIFY(dialog);
            auto* edit = dialog->findChild<QLineEdit*>();
            caption = dialog->windowTitle();
            prompt = dialog->labelText();
            selected = edit->selectedText();
            maxLength = edit->maxLength();
            edit->insert("程序二");  // typing replaces the selected preset
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(dialogs.inputBox(nullptr, "输入", "名称：", "程序一"), std::optional<QString>("程序二"));
        QCOMPARE(caption, QString("输入"));
        QCOMPARE(prompt, QString("名称："));
        QCOMPARE(selected, QString("程序一"));
        QCOMPARE(maxLength, 255);

        WhenModal cancel([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QCOMPARE(dialogs.inputBox(nullptr, "输入", "名称：", "程序一"), std::nullopt);
    }

    void saveDialogAddsSuffixAndAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath("old.mtf"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        QtDialogs dialogs;
        Dialogs::FileRequest request{
            "保存定时文件", {"定时文件 (*.mtf)", "All files (*)"}, "mtf", dir.filePath("new"), true};

        QFileDialog* seen = nullptr;
        QString title, filter, name;
        bool native = true;
        WhenModal accept([&](QWidget* widget) {
            seen = qobject_cast<QFileDialog*>(widget);
            QVERIFY(seen);
            title = seen->windowTitle();
            filter = seen->selectedNameFilter();
            native = seen->testOption(QFileDialog::DontUseNativeDialog) == false;
            name = seen->findChild<QLineEdit*>("fileNameEdit")->text();
            static_cast<QDialog*>(seen)->accept();  // as the Save button does
        });
        QCOMPARE(dialogs.fileDialog(nullptr, request), std::optional<QString>(dir.filePath("new.mtf")));
        QVERIFY(!native);
        QCOMPARE(title, QString("保存定时文件"));
        QCOMPARE(filter, QString("定时文件 (*.mtf)"));
        QCOMPARE(name, QString("new"));

        // Naming an existing file asks first; No returns to the dialog, which is then cancelled.
        request.initialPath = dir.filePath("old.mtf");
        QString question;
        WhenModal refuse([&](QWidget* widget) {
            auto* fileDialog = qobject_cast<QFileDialog*>(widget);
            QVERIFY(fileDialog);
            auto* replace = new WhenModal(
                [&, fileDialog](QWidget* box) {
                    question = qobject_cast<QMessageBox*>(box)->text();
                    QTest::keyClick(box, Qt::Key_Escape);
                    QTimer::singleShot(0, fileDialog, &QDialog::reject);
                },
                fileDialog);
            connect(fileDialog, &QObject::destroyed, [replace] { delete replace; });
            static_cast<QDialog*>(fileDialog)->accept();
        });
        QCOMPARE(dialogs.fileDialog(nullptr, request), std::nullopt);
        QVERIFY2(question.contains("old.mtf") && question.contains("已"), qPrintable(question));
    }

    // The program's name for the desktop, and Qt's texts (file dialog, context menus) in the user's
    // language.
    void applicationSetUp()
    {
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("MP3自动播放机"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.mp3timing.Tavisto"));
        QCOMPARE(QLocale::system().name(), QString("zh_CN"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QString("打开(&O)"));
    }

    // Cancelled, the open dialog returns nothing and the system's print dialog, in the user's
    // language, prints nothing.
    void dialogsCancelled()
    {
        QtDialogs dialogs;
        QString title;
        auto cancel = [&](QWidget* widget) {
            title = widget->windowTitle();
            qobject_cast<QDialog*>(widget)->reject();
        };
        {
            WhenModal whenModal(cancel);
            QCOMPARE(dialogs.fileDialog(nullptr, {"打开定时文件", {"定时文件 (*.mtf)"}, "mtf", {}, false}),
                     std::nullopt);
        }
        WhenModal whenModal(cancel);
        QPrinter printer;
        QVERIFY(!dialogs.printDialog(nullptr, printer));
        QCOMPARE(title, QString("打印"));
    }
};

// Under a Chinese locale: Qt's own texts are Chinese, the captions of our boxes stay as they are.
int main(int argc, char* argv[])
{
    qputenv("LANG", "zh_CN.UTF-8");
    qputenv("LC_ALL", "zh_CN.UTF-8");
    QApplication app(argc, argv);
    setUpApplication();
    QtDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "qt_dialogs_test.moc"
