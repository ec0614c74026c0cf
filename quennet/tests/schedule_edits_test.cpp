// The bulk edits of a program and the history that undoes and redoes every step, without a window:
// the edits on a table in memory, the history on a data file checked byte by byte.
#include "BulkEdits.h"
#include "DataFile.h"
#include "DataFileLayout.h"
#include "FailingFiles.h"
#include "FileFixtures.h"
#include "SeriesTimes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace quennet;
using namespace quennet::testing;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

int at(int hour, int minute)
{
    return hour * 60 + minute;
}

// Program 1: a music bell at 08:00 (1), a peripheral span 07:55-08:05 (2), a gap (3), a radio
// span past midnight 23:30-00:30 (4), a music bell at 12:00 (5), and `filled` more music timings
// from position 6 on.
ProgramTable schoolTable(int filled = 0)
{
    ProgramTable table;
    table.entries[0] = timingEntry(1, 8, 0, 1, 2, 3, 10, 20, 0x3E, 0x05);
    table.entries[1] = timingEntry(2, 7, 55, kPeripheralTrack, 0, 0, 8, 5, 0x3E, 0x0F);
    table.entries[2] = deletedEntry();
    table.entries[3] = timingEntry(4, 23, 30, 7, 0, 0, 0, 30, 0x7F, 0x01, 1);
    table.entries[4] = timingEntry(5, 12, 0, 4, 0, 0, 0, 0, 0x3E, 0x0F);
    for (int n = 6; n < 6 + filled; ++n)
        table.entries[std::size_t(n - 1)] = musicEntry(n);
    return table;
}

// "position HH:MM" or "position HH:MM-HH:MM" for each change, the end of spans only.
QStringList described(const BulkEdit& edit)
{
    QStringList lines;
    for (const EntryChange& change : edit.changes) {
        const TimingEntry& entry = change.after;
        QString line = QString::asprintf("%d %02d:%02d", change.position, entry.Hour, entry.Minute);
        if (kindOf(entry) != TimingKind::Music)
            line += QString::asprintf("-%02d:%02d", entry.RangeFromOrEndHour, entry.RangeToOrEndMinute);
        lines << line;
    }
    return lines;
}

QByteArray schoolFile()
{
    QByteArray bytes = timingsFile(0, 3);
    const ProgramTable table = schoolTable();
    for (int position = 1; position <= 5; ++position)
        putEntry(bytes, 1, position, table.at(position));
    bytes.replace(0, 7, "maker's");
    return bytes;
}

}  // namespace

class ScheduleEditsTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    FailingFiles files_;
    std::unique_ptr<DataFile> file_;

    ProgramTable table(int program)
    {
        ProgramTable read;
        [&] { QVERIFY(!file_->readProgram(program, read).failed()); }();
        return read;
    }

    // The step of each kind, on the school's file as it is now.
    ScheduleStep stepOfKind(const QString& kind)
    {
        const ProgramTable school = table(1);
        ScheduleStep step;
        step.name = kind.toStdString();
        if (kind == "store")
            step.entries = {{1, 3, school.at(3), musicEntry(3)}};
        else if (kind == "series")
            step.entries = addSeries(school, 1, 2, {at(6, 0), at(9, 0)}).changes;
        else if (kind == "copy")
            step.entries = copyTimings(school, 1, {1, 4}, 0x41, 0x02).changes;
        else if (kind == "shift")
            step.entries = shiftTimings(school, 1, {1, 2}, 40).changes;
        else if (kind == "days and zones")
            step.entries = setDaysAndZones(school, 1, {1, 2, 4}, {0x01, 0x3E}, {0x02, 0x01}).changes;
        else if (kind == "delete")
            step.entries = deleteTimings(school, 1, {2, 5}).changes;
        else if (kind == "replace")
            step.entries = replaceEntries(school, 1, {musicEntry(2), musicEntry(7)});
        else if (kind == "clear all") {
            [&] { QVERIFY(!file_->readImage(step.fileBefore).failed()); }();
            step.fileAfter = DataFile::emptyImage(2);
        }
        return step;
    }

private slots:
    void init()
    {
        files_ = FailingFiles();
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        path_ = writeDataFile(drive_.path(), schoolFile() + "tail");
        file_ = std::make_unique<DataFile>(drive_.path().toStdString(), files_);
        QVERIFY(file_->OpenDataFile(0).opened());
    }

    // Undo puts back every byte a step changed, the file's length too, and redo does the step again.
    void everyStepIsUndoneToTheByte_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"store", "series", "copy", "shift", "days and zones", "delete", "replace", "clear all"})
            QTest::newRow(kind) << kind;
    }
    void everyStepIsUndoneToTheByte()
    {
        QFETCH(QString, kind);
        const QByteArray before = readAll(path_);
        QVERIFY(!file_->apply(stepOfKind(kind)).failed());
        const QByteArray after = readAll(path_);
        QVERIFY(after != before);
        QCOMPARE(QString::fromStdString(file_->history().nextUndo().name), kind);
        for (int round = 0; round < 2; ++round) {
            QVERIFY(!file_->undo().failed());
            QCOMPARE(readAll(path_), before);
            QVERIFY(!file_->history().canUndo() && file_->history().canRedo());
            QVERIFY(!file_->redo().failed());
            QCOMPARE(readAll(path_), after);
        }
        // A new step drops what was undone.
        QVERIFY(!file_->undo().failed());
        QVERIFY(!file_->apply(stepOfKind("store")).failed());
        QVERIFY(!file_->history().canRedo());
        QCOMPARE(QString::fromStdString(file_->history().nextUndo().name), QString("store"));
    }

    // A write that fails leaves the file as it was before the step, undo or redo, writing back what
    // it had put on the card, and the history where it was; once the card works again, it goes on.
    void failedWritesChangeNothing_data()
    {
        QTest::addColumn<int>("failingWrites");
        QTest::addColumn<bool>("torn");
        QTest::newRow("card fails") << -1 << false;
        QTest::newRow("one write torn") << 1 << true;
    }
    void failedWritesChangeNothing()
    {
        QFETCH(int, failingWrites);
        QFETCH(bool, torn);
        const QByteArray original = readAll(path_);
        const auto breakCard = [&] {
            files_.writeFault = reasonOf(EIO);
            files_.failingWrites = failingWrites;
            files_.tornWrites = torn;
        };

        breakCard();
        const FileError refused = file_->apply(stepOfKind("series"));
        QCOMPARE(QString::fromStdString(refused.systemReason), reasonOf(EIO));
        QCOMPARE(readAll(path_), original);
        QVERIFY(!file_->history().canUndo());

        files_ = FailingFiles();
        QVERIFY(!file_->apply(stepOfKind("series")).failed());
        const QByteArray shifted = readAll(path_);
        breakCard();
        QCOMPARE(QString::fromStdString(file_->undo().systemReason), reasonOf(EIO));
        QCOMPARE(readAll(path_), shifted);
        QVERIFY(file_->history().canUndo() && !file_->history().canRedo());

        files_ = FailingFiles();
        QVERIFY(!file_->undo().failed());
        QCOMPARE(readAll(path_), original);
        breakCard();
        QVERIFY(file_->redo().failed());
        QCOMPARE(readAll(path_), original);
        QVERIFY(!file_->history().canUndo() && file_->history().canRedo());
    }

    // The history belongs to the open file: a new opening and the close command start it afresh.
    void historyEndsWithTheFile()
    {
        QVERIFY(!file_->apply(stepOfKind("store")).failed());
        QVERIFY(file_->OpenDataFile(0).opened());
        QVERIFY(!file_->history().canUndo());
        QVERIFY(!file_->apply(stepOfKind("delete")).failed());
        QVERIFY(file_->SaveProgramIndex(0).saved());
        QVERIFY(!file_->history().canUndo());
    }

    // Times as typed: single times and ranges in any mix of separators, each time once and in order;
    // the first part that is no time stops the reading and is named.
    void seriesTimesAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<int>>("starts");
        QTest::addColumn<QString>("badPart");
        QTest::newRow("blanks, commas, lines")
            << "7:50 8:40,9:30\n10:20 ,\t11:05"
            << std::vector<int>{at(7, 50), at(8, 40), at(9, 30), at(10, 20), at(11, 5)} << "";
        QTest::newRow("full-width") << "07：50，08：40、09:30"
                                    << std::vector<int>{at(7, 50), at(8, 40), at(9, 30)} << "";
        QTest::newRow("range short of its end")
            << "08:00-10:00/45" << std::vector<int>{at(8, 0), at(8, 45), at(9, 30)} << "";
        QTest::newRow("range onto its end")
            << "08:00-09:30/45" << std::vector<int>{at(8, 0), at(8, 45), at(9, 30)} << "";
        QTest::newRow("twice and out of order")
            << "9:00 08:00-08:30/30 8:30" << std::vector<int>{at(8, 0), at(8, 30), at(9, 0)} << "";
        QTest::newRow("midnight's edges") << "0:00 23:59" << std::vector<int>{0, at(23, 59)} << "";
        QTest::newRow("hour 24") << "8:00 24:00" << std::vector<int>{at(8, 0)} << "24:00";
        QTest::newRow("one minute digit") << "8:5" << std::vector<int>{} << "8:5";
        QTest::newRow("range backwards") << "12:00-08:00/45" << std::vector<int>{} << "12:00-08:00/45";
        QTest::newRow("step 0") << "08:00-09:00/0" << std::vector<int>{} << "08:00-09:00/0";
        QTest::newRow("range without step") << "08:00-09:00" << std::vector<int>{} << "08:00-09:00";
        QTest::newRow("nothing") << " \n " << std::vector<int>{} << "";
    }
    void seriesTimesAreRead()
    {
        QFETCH(QString, text);
        QFETCH(std::vector<int>, starts);
        QFETCH(QString, badPart);
        const SeriesTimes times = parseSeriesTimes(text.toStdString());
        QCOMPARE(QString::fromStdString(times.badPart), badPart);
        if (badPart.isEmpty())
            QCOMPARE(times.starts, starts);
    }

    // Copies go in time order into the lowest free positions, gaps first; a span keeps its length,
    // across midnight too; the model's own time is no copy. Without room nothing is added.
    void seriesCopiesTheModel_data()
    {
        QTest::addColumn<int>("filled");
        QTest::addColumn<int>("model");
        QTest::addColumn<std::vector<int>>("starts");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("gap first, time order") << 0 << 1 << std::vector<int>{at(9, 30), at(7, 0), at(8, 45)}
                                               << QStringList{"3 07:00", "6 08:45", "7 09:30"} << "";
        QTest::newRow("model's own time")
            << 0 << 1 << std::vector<int>{at(8, 0), at(9, 0)} << QStringList{"3 09:00"} << "";
        QTest::newRow("span across midnight")
            << 0 << 2 << std::vector<int>{at(23, 58)} << QStringList{"3 23:58-00:08"} << "";
        QTest::newRow("span from before midnight")
            << 0 << 4 << std::vector<int>{at(6, 0)} << QStringList{"3 06:00-07:00"} << "";
        QTest::newRow("room for all")
            << 93 << 1 << std::vector<int>{at(9, 0), at(10, 0)} << QStringList{"3 09:00", "99 10:00"} << "";
        QTest::newRow("no room") << 93 << 1 << std::vector<int>{at(9, 0), at(10, 0), at(11, 0)}
                                 << QStringList{} << "2 free, 3 needed";
    }
    void seriesCopiesTheModel()
    {
        QFETCH(int, filled);
        QFETCH(int, model);
        QFETCH(std::vector<int>, starts);
        QFETCH(QStringList, written);
        QFETCH(QString, refusal);
        const ProgramTable table = schoolTable(filled);
        const BulkEdit edit = addSeries(table, 1, model, starts);
        QCOMPARE(described(edit), written);
        QCOMPARE(edit.refused()
                     ? QString("%1 free, %2 needed").arg(edit.refusal.free).arg(edit.refusal.needed)
                     : QString(),
                 refusal);
        for (const EntryChange& change : edit.changes) {
            TimingEntry expected = table.at(model);
            expected.EntryNo = std::uint8_t(change.position);
            expected.Hour = change.after.Hour;
            expected.Minute = change.after.Minute;
            expected.RangeFromOrEndHour = change.after.RangeFromOrEndHour;
            expected.RangeToOrEndMinute = change.after.RangeToOrEndMinute;
            QCOMPARE(bytesOf(change.after), bytesOf(expected));
            QCOMPARE(bytesOf(change.before), bytesOf(table.at(change.position)));
            QCOMPARE(change.program, 1);
        }
    }

    // Copies keep all but their days and zones, in the order of the selection's positions.
    void copiesGoToOtherDays_data()
    {
        QTest::addColumn<int>("filled");
        QTest::addColumn<std::vector<int>>("selection");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<bool>("refused");
        QTest::newRow("position order")
            << 0 << std::vector<int>{5, 1, 4} << QStringList{"3 08:00", "6 23:30-00:30", "7 12:00"} << false;
        QTest::newRow("no room") << 93 << std::vector<int>{1, 5, 2} << QStringList{} << true;
    }
    void copiesGoToOtherDays()
    {
        QFETCH(int, filled);
        QFETCH(std::vector<int>, selection);
        QFETCH(QStringList, written);
        QFETCH(bool, refused);
        const BulkEdit edit = copyTimings(schoolTable(filled), 1, selection, 0x40, 0x08);
        QCOMPARE(described(edit), written);
        QCOMPARE(edit.refused(), refused);
        for (const EntryChange& change : edit.changes)
            QVERIFY(change.after.DayBits == 0x40 && change.after.ZoneBits == 0x08);
    }

    // Starts and ends move together; an end may cross midnight either way, a start may not leave
    // the day, and then the whole shift is refused, naming every timing that would.
    void shiftMovesStartsAndEnds_data()
    {
        QTest::addColumn<std::vector<int>>("selection");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<std::vector<int>>("refused");
        QTest::newRow("later") << std::vector<int>{1, 2} << 10 << QStringList{"1 08:10", "2 08:05-08:15"}
                               << std::vector<int>{};
        QTest::newRow("end back before midnight")
            << std::vector<int>{4} << -45 << QStringList{"4 22:45-23:45"} << std::vector<int>{};
        QTest::newRow("end past midnight")
            << std::vector<int>{2, 4} << 29 << QStringList{"2 08:24-08:34", "4 23:59-00:59"}
            << std::vector<int>{};
        QTest::newRow("start past midnight")
            << std::vector<int>{5, 4, 1} << 30 << QStringList{} << std::vector<int>{4};
        QTest::newRow("start before midnight")
            << std::vector<int>{1, 2} << -481 << QStringList{} << std::vector<int>{1, 2};
        QTest::newRow("to 00:00") << std::vector<int>{2} << -475 << QStringList{"2 00:00-00:10"}
                                  << std::vector<int>{};
    }
    void shiftMovesStartsAndEnds()
    {
        QFETCH(std::vector<int>, selection);
        QFETCH(int, minutes);
        QFETCH(QStringList, written);
        QFETCH(std::vector<int>, refused);
        const BulkEdit edit = shiftTimings(schoolTable(), 1, selection, minutes);
        QCOMPARE(described(edit), written);
        QCOMPARE(edit.refusal.positions, refused);
        QCOMPARE(edit.refusal.kind, refused.empty() ? Refusal::Kind::None : Refusal::Kind::LeavesDay);
    }

    // Days and zones are set and cleared bit by bit, the rest kept as each timing has it; a timing
    // that would not change is not written.
    void daysAndZonesAreSet()
    {
        // Saturday on, Monday off; zone 4 on.
        const BulkEdit edit = setDaysAndZones(schoolTable(), 1, {1, 4, 5}, {0x40, 0x02}, {0x08, 0});
        QCOMPARE(int(edit.changes.size()), 3);
        QCOMPARE(edit.changes[0].after.DayBits, std::uint8_t(0x7C));
        QCOMPARE(edit.changes[0].after.ZoneBits, std::uint8_t(0x0D));
        QCOMPARE(edit.changes[1].after.DayBits, std::uint8_t(0x7D));
        QCOMPARE(edit.changes[1].after.ZoneBits, std::uint8_t(0x09));
        QCOMPARE(edit.changes[2].after.DayBits, std::uint8_t(0x7C));

        QVERIFY(setDaysAndZones(schoolTable(), 1, {2}, {0x3E, 0}, {0x0F, 0}).changes.empty());
    }
};

QTEST_GUILESS_MAIN(ScheduleEditsTest)
#include "schedule_edits_test.moc"
