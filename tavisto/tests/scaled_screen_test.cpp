// At 200 % on a small screen: the overview window fits the screen, and its list and buttons stay
// within reach. The test's screen is 800 x 800 device pixels, 400 x 400 at scale factor 2.
#include "ControlNames.h"
#include "ScriptedDialogs.h"
#include "TForm2.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using namespace tavisto;

class ScaledScreenTest : public QObject {
    Q_OBJECT

private slots:
    void overviewFitsTheScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(available.height() < 589, "the screen should be smaller than the overview");
        QWidget mainWindow;  // tells the overview how large the window frames are
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        ScriptedDialogs dialogs;
        TForm2 overview(dialogs, &mainWindow);
        overview.setRowCount(99);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        QVERIFY(available.contains(overview.frameGeometry()));

        auto* grid = overview.findChild<QTableWidget*>(kOverviewGrid);
        const QRect inWindow = overview.rect();
        QVERIFY(inWindow.contains(QRect(grid->mapTo(&overview, QPoint()), grid->size())));
        QList<QRect> buttons;
        for (const char* name :
             {kOverviewClearButton, kOverviewEditButton, kWeekPlanButton, kOverviewBackButton, kUndoButton,
              kRedoButton, kSeriesButton, kCopyToButton, kShiftButton, kDaysZonesButton}) {
            auto* button = overview.findChild<QPushButton*>(name);
            const QRect area = button->geometry();
            QVERIFY2(inWindow.contains(area) && button->isVisible(), name);
            for (const QRect& other : buttons)
                QVERIFY2(!other.intersects(area), name);
            buttons << area;
        }

        // The whole list can be scrolled to, its column titles moving with it.
        auto* header = overview.findChild<QHeaderView*>(kOverviewHeader);
        QScrollBar* sideways = grid->horizontalScrollBar();
        QVERIFY(sideways->maximum() > 0);
        sideways->setValue(sideways->maximum());
        QCOMPARE(header->offset(), sideways->maximum());
        QVERIFY(grid->verticalScrollBar()->maximum() > 0);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ScaledScreenTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "scaled_screen_test.moc"
