// The About window and the relation-diagram window: their texts, fonts and picture, and how
// each of them closes; every window's texts under a dark palette.

#include "DarkPalette.h"
#include "MainWindowFixture.h"
#include "TForm3.h"
#include "TForm4.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>
#include <cmath>

using namespace tavisto;

namespace {

// Contrast ratio of two colours, as the accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
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

class AboutAndDiagramTest : public QObject {
    Q_OBJECT
private slots:
    void aboutWindowLooks()
    {
        TForm3 about;
        QCOMPARE(about.windowTitle(), QString("关于"));
        QCOMPARE(about.size(), QSize(279, 177));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(about.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 251, 240));

        auto* title = about.findChild<QLabel*>(kAboutNameLabel);
        QCOMPARE(title->text(), QString("RA3vorerizid软件"));
        QCOMPARE(title->font().pixelSize(), 20);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::blue));
        auto* model = about.findChild<QLabel*>(kAboutModelLabel);
        QCOMPARE(model->text(), QString("适用机型：RX-5"));
        QCOMPARE(model->font().pixelSize(), 13);
        QCOMPARE(model->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(about.findChild<QLabel*>(kAboutVersionLabel)->text(), QString("版本 1.0"));
        QCOMPARE(about.findChild<QLabel*>(kAboutIcon)->pixmap().size(), QSize(32, 32));
        QCOMPARE(about.findChild<QPushButton*>(kAboutOkButton)->text(), QString("确定"));

        // Every line is shown whole and inside the window.
        for (const char* name :
             {kAboutNameLabel, kAboutVersionLabel, kAboutPurposeLabel, kAboutReleaseLabel,
              kAboutCopyrightLabel, kAboutLicenceLabel, kAboutFileTypeLabel, kAboutModelLabel}) {
            auto* label = about.findChild<QLabel*>(name);
            QVERIFY2(label && !label->text().isEmpty(), name);
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->text()));
            QVERIFY2(!label->geometry().intersects(about.findChild<QWidget*>(kAboutOkButton)->geometry()),
                     qPrintable(label->text()));
        }
        // The maker's last line gives the licence, in the place the layout gives it.
        auto* licence = about.findChild<QLabel*>(kAboutLicenceLabel);
        QCOMPARE(licence->text(), QString("MIT许可自由软件"));
        QCOMPARE(licence->pos(), QPoint(16, 136));
    }

    // With two About windows open, "确定" closes the one it was pressed in.
    void okReportsAndClosesItsOwnWindow()
    {
        QPointer<TForm3> first = new TForm3, second = new TForm3;
        first->show();
        second->show();
        QSignalSpy pressed(second.data(), &TForm3::okPressed);
        bool openWhenReported = false;
        connect(second, &TForm3::okPressed, [&] { openWhenReported = second->isVisible(); });
        second->findChild<QPushButton*>(kAboutOkButton)->click();
        QCOMPARE(pressed.count(), 1);
        QVERIFY(openWhenReported);
        QTRY_VERIFY(second.isNull());
        QVERIFY(first->isVisible());
        delete first;
    }

    void diagramWindowLooks()
    {
        TForm4 diagram;
        QCOMPARE(diagram.windowTitle(), QString("程序1、2、3、4（包括MP3、外设）与随机定时播放关系图"));
        QCOMPARE(diagram.size(), QSize(656, 573));
        QCOMPARE(diagram.minimumSize(), diagram.maximumSize());
        QVERIFY(diagram.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(diagram.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto* memo = diagram.findChild<QTextEdit*>(kDiagramMemo);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toPlainText().split('\n'),
                 QStringList({"一共有4套标准程序，每套标准程序均有MP3和外设两种定时，分别包含100个定时。标准"
                              "程序MP3定时顺序播放3个曲目。",
                              "另外有1套独立的随机定时程序，包含10个定时。随机定时播放一个曲目范围，可选顺序"
                              "或随机两种播放方式。",
                              "4套标准程序只能选其中一套运行。选中的标准程序中的MP3定时、外设定时，与独立的随"
                              "机定时一起参与下一定时的决策。"}));
        // Without scroll bars, text below the memo's edge could never be read.
        diagram.show();
        QVERIFY2(memo->document()->size().height() <= memo->viewport()->height(),
                 qPrintable(QString::number(memo->document()->size().height())));

        auto* image = diagram.findChild<QLabel*>(kDiagramPicture);
        QCOMPARE(image->pixmap().size(), QSize(639, 512));
        // The whole picture is seen: nothing of it cut off by its label or the window.
        QVERIFY(image->contentsRect().width() >= 639 && image->contentsRect().height() >= 512);
        QVERIFY(diagram.rect().contains(image->geometry()));
        // "关闭" lies over the picture's corner and must stay clickable above it.
        auto* close = diagram.findChild<QPushButton*>(kDiagramCloseButton);
        QCOMPARE(close->text(), QString("关闭"));
        QVERIFY(image->geometry().contains(close->geometry()));
        QCOMPARE(diagram.childAt(close->geometry().center()), close);
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
            for (QWidget* window : QList<QWidget*>{&f.window, f.overview(), &about, &diagram}) {
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    const double ratio =
                        contrast(label->palette().color(QPalette::WindowText), backgroundOf(label));
                    QVERIFY2(label->text().isEmpty() || ratio >= 3.0,
                             qPrintable(window->objectName() + "/" + label->objectName() + ": "
                                        + QString::number(ratio)));
                }
            }
            f.overview()->close();
        }
        QApplication::setPalette(saved);
    }

    void diagramClosesWithButtonCloseBoxAndEscape()
    {
        QPointer<TForm4> byButton = new TForm4, byCloseBox = new TForm4, byEscape = new TForm4;
        for (TForm4* diagram : {byButton.data(), byCloseBox.data(), byEscape.data()})
            diagram->show();
        byButton->findChild<QPushButton*>(kDiagramCloseButton)->click();
        byCloseBox->close();
        QTest::keyClick(byEscape->findChild<QWidget*>(kDiagramMemo), Qt::Key_Escape);
        QTRY_VERIFY(byButton.isNull() && byCloseBox.isNull() && byEscape.isNull());
    }
};

QTEST_MAIN(AboutAndDiagramTest)
#include "about_and_diagram_test.moc"
