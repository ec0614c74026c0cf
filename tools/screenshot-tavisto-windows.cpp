// Shows Tavisto's overview, About and relation-diagram windows and saves a picture of each.
// Run under an X server (xvfb-run -a -s "-screen 0 1024x768x24"), QT_QPA_PLATFORM=xcb.
// Usage: screenshot-tavisto-windows OUTPUT_DIRECTORY

#include "OverviewText.h"
#include "Dialogs.h"
#include "TForm2.h"
#include "TForm3.h"
#include "TForm4.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

using namespace tavisto;

namespace {

bool save(QWidget& window, const QString& path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(200);  // let fonts and the first paint settle
    return window.grab().save(path);
}

std::uint8_t bcd(int value) { return std::uint8_t((value / 10) << 4 | value % 10); }

// A music table with a morning, a noon and an evening timing on most days.
void fillMusicTable(TForm2& overview)
{
    const SlotSelection music{1, TimingType::Music, 1};
    overview.setRowCount(overviewRowCount(music));
    for (int row = 0; row < overviewRowCount(music); ++row) {
        CP cp;
        ClearCP(cp);
        if (row < 12) {
            cp.Serial = std::uint8_t(row + 1);
            cp.StartHour = bcd(7 + row);
            cp.StartMinute = bcd(row % 2 ? 30 : 0);
            cp.Track1 = std::uint8_t(row + 1);
            cp.Track2 = std::uint8_t(row + 12);
            cp.Track3 = std::uint8_t(3 * row + 3);
            cp.Weekdays = row % 3 ? 0x1F : 0x7F;
            cp.Zones = row % 2 ? 0x03 : 0x3F;
        }
        overview.setRow(row, overviewRow(music, row + 1, cp));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    QtDialogs dialogs;
    auto* overview = new TForm2(dialogs);
    overview->setWindowTitle(QStringLiteral("定时查看－程序（1）－音乐定时"));
    fillMusicTable(*overview);
    auto* about = new TForm3;
    auto* diagram = new TForm4;
    const bool saved = save(*overview, out.filePath("tavisto-overview.png")) &&
                       save(*about, out.filePath("tavisto-about.png")) &&
                       save(*diagram, out.filePath("tavisto-diagram.png"));
    delete overview;
    delete about;
    delete diagram;
    return saved ? 0 : 1;
}
