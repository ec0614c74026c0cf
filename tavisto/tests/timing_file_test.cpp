// The .mtf file: its byte layout, what a save keeps, short files, exclusive holding, failures.

#include "CurrentTiming.h"
#include "TimingFile.h"
#include "support/FileChecks.h"

#include <QtTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavisto;

namespace {

// File offset of buffer byte i: table t = i / 800 starts block t + 1 of 2048 bytes; random table at 18432.
int fileOffsetOf(int i)
{
    return i < 6400 ? (i / 800 + 1) * 2048 + i % 800 : 18432 + i - 6400;
}

QString firstDifference(const QByteArray& actual, const QByteArray& expected)
{
    if (actual.size() != expected.size())
        return QString("size %1, not %2").arg(actual.size()).arg(expected.size());
    for (int k = 0; k < actual.size(); ++k)
        if (actual[k] != expected[k])
            return QString("offset %1: %2, not %3").arg(k).arg(quint8(actual[k])).arg(quint8(expected[k]));
    return {};
}

// Exit status of body run in a child process, -1 when it did not exit.
template<typename Body>
int inChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

class TimingFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(name); }
private slots:
    // A new set saved at once: 0xFF tables but slot 1 of program 1's music table, both settings 1,
    // zeros in every unused byte, also when an existing longer file is replaced.
    void newSetMakesTheFullImage()
    {
        TimingSet set;
        set.Buffer.fill(0xFF);
        CP cp;
        cp.Serial = 1;
        SaveCPtoBuf(set.Buffer, SlotSelection{}, 0, cp);
        for (const QString& file : {path("new.mtf"), path("replaced.mtf")}) {
            if (file.endsWith("replaced.mtf"))
                writeFileBytes(file, QByteArray(30000, 0x77));
            TimingFile timingFile;
            QVERIFY(timingFile.create(file.toStdString()));
            QVERIFY(timingFile.write(set));
            QCOMPARE(firstDifference(fileBytes(file), freshFile()), QString());
            TimingSet back;
            back.Buffer.fill(0x12);
            back.RunProgram = back.RandomEnabled = 9;
            QVERIFY(timingFile.read(back));
            QVERIFY(back.Buffer.bytes() == set.Buffer.bytes());
            QCOMPARE(int(back.RunProgram) * 10 + back.RandomEnabled, 11);
        }
    }

    void shortFileReadsRestAsNewSet_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 100, 2048 + 52, 18432 + 55, 18559, 18560, 20000})
            QTest::addRow("%d bytes", size) << size;
    }

    // Every field is read from its offset. Beyond the end of a short file everything reads as in a new set,
    // and nothing of the previous set survives. Writing back an unedited set changes no byte of a full file,
    // the bytes the layout does not use included, nor its permission bits.
    void shortFileReadsRestAsNewSet()
    {
        QFETCH(int, size);
        const QString file = path("short.mtf");
        writeFileBytes(file, patternFile(size));
        QVERIFY(::chmod(qPrintable(file), 0640) == 0);
        TimingSet set;
        set.Buffer.fill(0x5C);
        set.RunProgram = 4;
        set.RandomEnabled = 0;
        TimingFile timingFile;
        QVERIFY(timingFile.open(file.toStdString()));
        QVERIFY(timingFile.read(set));
        QCOMPARE(int(set.RunProgram), size > 0 ? quint8(patternByte(0)) : 1);
        QCOMPARE(int(set.RandomEnabled), size > 18559 ? quint8(patternByte(18559)) : 1);
        for (int i = 0; i < 6500; ++i) {
            const int offset = fileOffsetOf(i);
            QVERIFY2(set.Buffer.bytes()[i] == (offset < size ? quint8(patternByte(offset)) : 0xFF),
                     qPrintable(QString::number(i)));
        }
        if (size >= 18560) {
            QVERIFY(timingFile.write(set));
            QCOMPARE(firstDifference(fileBytes(file), patternFile(size)), QString());
            struct stat st { };
            QVERIFY(::stat(qPrintable(file), &st) == 0 && (st.st_mode & 07777) == 0640);
        }
    }

    // While a TimingFile holds a file, another process can neither open nor replace it. Taking a path
    // for a new set holds a file that is there, but changes nothing before the save.
    void heldFileIsRefusedToOthers()
    {
        const QString file = path("held.mtf");
        const std::string name = file.toStdString();
        writeFileBytes(file, patternFile(18560));
        auto otherProcess = [&name] {
            TimingFile other;
            return (other.open(name) ? 1 : 0) | (other.create(name) ? 2 : 0);
        };
        {
            TimingFile holder;
            QVERIFY(holder.open(name));
            QCOMPARE(inChild(otherProcess), 0);
            QVERIFY(holder.create(name));
            QCOMPARE(inChild(otherProcess), 0);
            QCOMPARE(firstDifference(fileBytes(file), patternFile(18560)), QString());
            QVERIFY(holder.write(TimingSet{}));  // the replacement is held in its turn
            QCOMPARE(inChild(otherProcess), 0);
        }
        QCOMPARE(inChild(otherProcess), 3);  // released on close
    }

    void openFailures()
    {
        TimingFile timingFile;
        QVERIFY(!timingFile.open(path("missing.mtf").toStdString()));
        QVERIFY(!QFile::exists(path("missing.mtf")));
        QVERIFY(!timingFile.create(path("no/such/dir.mtf").toStdString()));
        QVERIFY(!timingFile.open(dir_.path().toStdString()));
        // A FIFO named by mistake is refused at once: neither waited on nor replaced by a save.
        const std::string fifo = path("fifo.mtf").toStdString();
        QVERIFY(::mkfifo(fifo.c_str(), 0644) == 0);
        QVERIFY(!timingFile.open(fifo));
        QVERIFY(!timingFile.create(fifo));

        // Permission bits do not stop root: try as an ordinary user in a child process.
        const QString file = path("readonly.mtf");
        writeFileBytes(file, patternFile(18560));
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chmod(qPrintable(dir_.path()), 0755) == 0
                    && ::chown(qPrintable(file), 65534, 65534) == 0);
        auto asUser = [root](auto body) {
            return inChild(
                [&] { return root && (::setgid(65534) != 0 || ::setuid(65534) != 0) ? 2 : body(); });
        };
        auto openFile = [name = file.toStdString()] { return TimingFile().open(name) ? 1 : 0; };
        QCOMPARE(asUser(openFile), 1);  // writable: opens
        QVERIFY(::chmod(qPrintable(file), 0444) == 0);
        QCOMPARE(asUser(openFile), 0);
        // A save makes its file in the folder: where the user may not write, nothing can be created.
        QVERIFY(QDir(dir_.path()).mkdir("locked") && ::chmod(qPrintable(path("locked")), 0555) == 0);
        QCOMPARE(asUser([name = path("locked/new.mtf").toStdString()] {
                     return TimingFile().create(name) ? 1 : 0;
                 }),
                 0);
    }

    // A full device, simulated by a file size limit: the write fails and says so, and whatever was at
    // the path is left as it was, still held: an opened file, a file a new set was to replace, or no file
    // at all. No scrap is left in the folder.
    void failedWriteLeavesTheFileAsItWas()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath("full.mtf");
        const QByteArray before = patternFile(20000);
        for (QString how : {"opened", "replaced", "new"}) {
            for (int limit : {1, 2500, 18559}) {
                QFile::remove(file);
                if (how != "new")
                    writeFileBytes(file, before);
                TimingFile timingFile;
                QVERIFY(how == "opened" ? timingFile.open(file.toStdString())
                                        : timingFile.create(file.toStdString()));
                QVERIFY2(!withFileSizeLimit(limit, [&] { return timingFile.write(TimingSet{}); }),
                         qPrintable(how));
                QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                         how == "new" ? QStringList() : QStringList{"full.mtf"});
                QCOMPARE(firstDifference(fileBytes(file), how == "new" ? QByteArray() : before), QString());
                QCOMPARE(inChild([&] { return TimingFile().open(file.toStdString()) ? 1 : 0; }), 0);
            }
        }
    }

    // A save replaces the file at its path: saved through a symbolic link, the file it leads to is
    // replaced and the link stays; a file that another program put at the path of our deleted one, and
    // holds, is not replaced. (A deleted or renamed file gets the edits: see the file commands.)
    void saveReplacesTheFileAtItsPath()
    {
        const QString file = path("replace.mtf");
        writeFileBytes(file, patternFile(20000));
        QVERIFY(QFile::link(file, path("link.mtf")));
        {
            TimingFile linked;
            QVERIFY(linked.open(path("link.mtf").toStdString()));
            QVERIFY(linked.write(TimingSet::fresh()));
        }
        QVERIFY(QFileInfo(path("link.mtf")).isSymLink());
        QCOMPARE(fileBytes(file).mid(2048, 8), QByteArray(8, '\xFF'));

        TimingFile timingFile;
        QVERIFY(timingFile.open(file.toStdString()));
        QVERIFY(QFile::remove(file));
        writeFileBytes(file, patternFile(100));
        lockElsewhere(file);
        QVERIFY(!timingFile.write(TimingSet::fresh()));
        QCOMPARE(fileBytes(file), patternFile(100));
    }
};

QTEST_APPLESS_MAIN(TimingFileTest)
#include "timing_file_test.moc"
