// The data file operations on a temporary drive folder, checked byte by byte.
#include "DataFile.h"
#include "DataFileLayout.h"
#include "LockedFile.h"
#include "file_support.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace quennet;
using namespace testing;

class DataFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    std::unique_ptr<DataFile> file_;

    QString Message(const char* text) const { return path_ + QString::fromUtf8(text); }
    void PrepareFolder() { QVERIFY(QDir().mkpath(drive_.path() + "/dsdata")); }

private slots:
    void init()
    {
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        file_ = std::make_unique<DataFile>(drive_.path().toStdString());
        path_ = QString::fromStdString(file_->FilePath());
    }

    void missingFileIsCreated()
    {
        EditorState state;
        state.ProgramIndex = 2;
        QCOMPARE(QString::fromStdString(file_->OpenDataFile(state)),
                 Message(" 定时文件创建成功,可以开始输入定时!"));

        const QByteArray bytes = ReadAll(path_);
        QCOMPARE(bytes.size(), 16896);
        const int lineEnd = bytes.indexOf('\0');
        QVERIFY(lineEnd > 0 && lineEnd <= 100);
        QStringDecoder gbk("GBK");
        QVERIFY(gbk.isValid());
        const QString makerLine = gbk(bytes.left(lineEnd));
        QVERIFY(!gbk.hasError());
        QCOMPARE(makerLine, QString::fromUtf8("Quennet 定时数据文件"));
        QCOMPARE(bytes.mid(lineEnd, 100 - lineEnd), QByteArray(100 - lineEnd, '\0'));
        QCOMPARE(bytes[100], char(0x5A));
        QCOMPARE(bytes[101], char(2));
        QCOMPARE(bytes.mid(102), QByteArray(16896 - 102, '\0'));

        QCOMPARE(state.TimingCount, 0);
        QCOMPARE(path_, drive_.path() + "/dsdata/userds.kqd");
    }

    void invalidHeaderIsReplacedAndKept_data()
    {
        QTest::addColumn<QByteArray>("old");
        QByteArray programFour = EmptyFile(0);
        programFour[101] = 4;
        programFour[600] = 'x';
        QByteArray noMarker = EmptyFile(1);
        noMarker[100] = 'z';
        QTest::newRow("program index 4") << programFour;
        QTest::newRow("no marker") << noMarker;
        QTest::newRow("shorter than a header") << EmptyFile(0).left(511);
    }
    void invalidHeaderIsReplacedAndKept()
    {
        QFETCH(QByteArray, old);
        PrepareFolder();
        WriteAll(path_, old);
        WriteAll(path_ + ".bak", "an older backup");

        EditorState state;
        state.ProgramIndex = 3;
        QCOMPARE(QString::fromStdString(file_->OpenDataFile(state)),
                 Message(" 定时文件创建成功,可以开始输入定时!"));
        QCOMPARE(ReadAll(path_), EmptyFile(3).replace(0, 20, ReadAll(path_).left(20)));
        QCOMPARE(ReadAll(path_ + ".bak"), old);
    }

    void fileIsLeftAloneWhenNoBackupCanBeKept()
    {
        PrepareFolder();
        QByteArray old = EmptyFile(0);
        old[101] = 9;
        WriteAll(path_, old);
        QVERIFY(QDir().mkpath(path_ + ".bak")); // a folder where the backup should go

        EditorState state;
        QCOMPARE(QString::fromStdString(file_->OpenDataFile(state)),
                 Message(" 定时文件创建失败002,不能输入定时!"));
        QCOMPARE(ReadAll(path_), old);
    }

    void countAndListSkipGapsAndForeignSlots()
    {
        PrepareFolder();
        QByteArray bytes = EmptyFile(0);
        for (int n = 1; n <= 10; ++n)
            PutEntry(bytes, 1, n, MusicEntry(n));
        PutEntry(bytes, 1, 5, DeletedEntry());
        PutEntry(bytes, 1, 8, MusicEntry(7)); // EntryNo 7 at position 8
        PutEntry(bytes, 1, 100, MusicEntry(100));
        PutEntry(bytes, 0, 1, MusicEntry(1));
        WriteAll(path_, bytes);

        EditorState state;
        state.ProgramIndex = 1;
        file_->CountTimings(state);
        QCOMPARE(state.TimingCount, 8);
        QCOMPARE(state.ShownNo, 10);

        QList<int> positions;
        for (const TimingEntry& entry : file_->ListTimings(1))
            positions << entry.EntryNo;
        QCOMPARE(positions, QList<int>({1, 2, 3, 4, 6, 7, 9, 10}));

        WriteAll(path_, bytes.left(EntryOffset(1, 4))); // the table ends after position 3
        file_->CountTimings(state);
        QCOMPARE(state.TimingCount, 3);
    }

    void loadTimingGivesSlotOrDefault()
    {
        PrepareFolder();
        QByteArray bytes = EmptyFile(0);
        TimingEntry stored = MusicEntry(2);
        stored.Reserved13[0] = 0x77; // bytes 13..15 are never loaded
        PutEntry(bytes, 0, 2, stored);
        PutEntry(bytes, 0, 4, MusicEntry(3));
        WriteAll(path_, bytes);

        EditorState state;
        state.EntryBuffer.Reserved13[2] = 0x44;
        file_->LoadTiming(state, 2);
        TimingEntry expected = MusicEntry(2);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(Bytes(state.EntryBuffer), Bytes(expected));

        file_->LoadTiming(state, 4);
        expected = DataFile::DefaultEntry(4);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(Bytes(state.EntryBuffer), Bytes(expected));
        QCOMPARE(state.EntryBuffer.EntryNo, 0);

        file_->LoadTiming(state, 0);
        QCOMPARE(Bytes(state.EntryBuffer).left(13).toHex(' '), QByteArray("01 00 00 00 0f 00 00 00 3e 00 00 00 00"));

    }

    void fileHeldByAnotherProcessIsUntouched()
    {
        PrepareFolder();
        QByteArray bytes = EmptyFile(1);
        PutEntry(bytes, 1, 1, MusicEntry(1));
        WriteAll(path_, bytes);

        int held[2], release[2];
        QVERIFY(pipe(held) == 0 && pipe(release) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            auto lock = LockedFile::Open(path_.toStdString(), LockedFile::Mode::Read);
            char signal = lock ? '1' : '0';
            (void)!write(held[1], &signal, 1);
            (void)!read(release[0], &signal, 1);
            _exit(0);
        }
        char signal = 0;
        QCOMPARE(read(held[0], &signal, 1), ssize_t(1));
        QCOMPARE(signal, '1');

        EditorState state;
        state.ProgramIndex = 1;
        const std::string opened = file_->OpenDataFile(state);
        QCOMPARE(file_->SaveProgramIndex(1), std::string("o err"));
        QVERIFY(!file_->CreateDataFile(1));
        QVERIFY(!file_->StoreTiming(state, 2));
        const std::size_t listed = file_->ListTimings(1).size();

        (void)!write(release[1], "x", 1);
        int status = 0;
        waitpid(child, &status, 0);
        for (int fd : {held[0], held[1], release[0], release[1]})
            close(fd);

        QCOMPARE(QString::fromStdString(opened), Message(" 定时文件创建失败001,不能输入定时!"));
        QCOMPARE(state.TimingCount, 0);
        QCOMPARE(listed, std::size_t(0));
        QCOMPARE(ReadAll(path_), bytes);
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "data_file_test.moc"
