// The data file operations on a temporary drive folder, checked byte by byte.
#include "DataFile.h"
#include "DataFileLayout.h"
#include "LockedFile.h"
#include "file_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
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
    QString Open(int programIndex = 0)
    {
        return QString::fromStdString(file_->OpenDataFile(programIndex).message);
    }
    QList<int> Positions(int programIndex)
    {
        QList<int> positions;
        const auto entries = file_->ListTimings(programIndex);
        for (const TimingEntry& entry : entries.value())
            positions << entry.EntryNo;
        return positions;
    }
    // A refused file: the message names it and the reason, nothing was changed, nothing is held.
    void VerifyRefused(const QString& reason)
    {
        const QFileInfo before(path_);
        const DataFile::OpenResult result = file_->OpenDataFile(1);
        QVERIFY(!result.opened);
        QVERIFY(!file_->holdsFile());
        QCOMPARE(QString::fromStdString(result.message),
                 path_ + " 定时文件无法打开(" + reason + "),文件没有任何改动!");
        QCOMPARE(QFileInfo(path_).lastModified(), before.lastModified());
        QVERIFY(!QFile::exists(path_ + ".bak"));
    }

private slots:
    void init()
    {
        LockedFile::failReads(0);
        LockedFile::failWrites(0);
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        file_ = std::make_unique<DataFile>(drive_.path().toStdString());
        path_ = QString::fromStdString(file_->filePath());
    }

    void missingFileIsCreated()
    {
        const DataFile::OpenResult result = file_->OpenDataFile(2);
        QVERIFY(result.opened);
        QCOMPARE(result.programIndex, 2);
        QCOMPARE(QString::fromStdString(result.message), Message(" 定时文件创建成功,可以开始输入定时!"));

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

        QCOMPARE(file_->CountTimings(2)->timings, 0);
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
        QByteArray longer = EmptyFile(0) + "tail";
        longer[100] = 0;
        QTest::newRow("program index 4") << programFour;
        QTest::newRow("no marker") << noMarker;
        QTest::newRow("shorter than a header") << EmptyFile(0).left(511);
        QTest::newRow("longer than a file") << longer;
    }
    void invalidHeaderIsReplacedAndKept()
    {
        QFETCH(QByteArray, old);
        PrepareFolder();
        WriteAll(path_, old);
        WriteAll(path_ + ".bak", "an older backup");

        QCOMPARE(Open(3), Message(" 定时文件创建成功,可以开始输入定时!"));
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

        QCOMPARE(Open(), Message(" 定时文件创建失败002,不能输入定时!"));
        QCOMPARE(ReadAll(path_), old);
        QVERIFY(!file_->holdsFile());
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

        QCOMPARE(file_->CountTimings(1)->timings, 8);
        QCOMPARE(file_->CountTimings(1)->lastPosition, 10);
        QCOMPARE(Positions(1), QList<int>({1, 2, 3, 4, 6, 7, 9, 10}));

        WriteAll(path_, bytes.left(EntryOffset(1, 4))); // the table ends after position 3
        QCOMPARE(file_->CountTimings(1)->timings, 3);
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

        TimingEntry buffer;
        buffer.Reserved13[2] = 0x44;
        TimingEntry expected = MusicEntry(2);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(Bytes(file_->LoadTiming(0, 2, buffer).value()), Bytes(expected));

        expected = DataFile::DefaultEntry(4);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(Bytes(file_->LoadTiming(0, 4, buffer).value()), Bytes(expected));
        QCOMPARE(file_->LoadTiming(0, 4, buffer)->EntryNo, 0);

        QCOMPARE(Bytes(file_->LoadTiming(0, 0, buffer).value()).left(13).toHex(' '),
                 QByteArray("01 00 00 00 0f 00 00 00 3e 00 00 00 00"));
    }

    // Another copy of the program holds the file: it is refused, and nothing touches it.
    void fileHeldByAnotherProcessIsUntouched()
    {
        PrepareFolder();
        QByteArray bytes = EmptyFile(1);
        PutEntry(bytes, 1, 1, MusicEntry(1));
        WriteAll(path_, bytes);

        HeldElsewhere other(path_);
        QVERIFY(other.holds());
        VerifyRefused("另一个程序正在使用这个文件");
        QCOMPARE(file_->SaveProgramIndex(1), std::string("o err"));
        QVERIFY(!file_->CreateDataFile(1));
        QVERIFY(!file_->StoreTiming(1, 2, MusicEntry(2)));
        QVERIFY(!file_->ListTimings(1));
        QVERIFY(!file_->CountTimings(1));
        QVERIFY(!file_->LoadTiming(1, 1, TimingEntry{}));
        QCOMPARE(ReadAll(path_), bytes);
    }

    // From the open command to the close command the file is ours alone.
    void openFileIsHeldUntilClosed()
    {
        QVERIFY(file_->OpenDataFile(0).opened);
        QVERIFY(!LockableElsewhere(path_));
        DataFile second(drive_.path().toStdString());
        QVERIFY(!second.OpenDataFile(0).opened);

        QVERIFY(file_->StoreTiming(0, 1, MusicEntry(1))); // the held file serves every operation
        QCOMPARE(Positions(0), QList<int>({1}));
        QCOMPARE(file_->SaveProgramIndex(3), std::string("  保存成功! "));
        QVERIFY(!file_->holdsFile());
        QVERIFY(LockableElsewhere(path_));
        QCOMPARE(ReadAll(path_)[101], char(3));
        QVERIFY(file_->OpenDataFile(0).opened);
        QCOMPARE(file_->OpenDataFile(0).programIndex, 3);
    }

    // Whatever stands at the path and is not a regular file is refused at once.
    void specialFilesAreRefusedWithoutWaiting()
    {
        PrepareFolder();
        QVERIFY(mkfifo(path_.toLocal8Bit().constData(), 0644) == 0);
        VerifyRefused("这不是普通文件");
        QVERIFY(!file_->CountTimings(0)); // would block for ever on the pipe
        QVERIFY(QFile::remove(path_));

        QVERIFY(QFile::link("/dev/null", path_));
        VerifyRefused("这不是普通文件");
        QVERIFY(QFile::remove(path_));

        QVERIFY(QDir().mkpath(path_));
        VerifyRefused(QString::fromLocal8Bit(std::strerror(EISDIR)));
    }

    // A failing device is reported, never taken for an empty or an invalid file.
    void failedReadsAreReported()
    {
        PrepareFolder();
        QByteArray bytes = EmptyFile(0);
        PutEntry(bytes, 0, 1, MusicEntry(1));
        WriteAll(path_, bytes);

        LockedFile::failReads(EIO);
        VerifyRefused(QString::fromLocal8Bit(std::strerror(EIO)));
        QVERIFY(!file_->CountTimings(0));
        QVERIFY(!file_->LoadTiming(0, 1, TimingEntry{}));
        QVERIFY(!file_->ListTimings(0));

        LockedFile::failReads(0);
        QVERIFY(file_->OpenDataFile(0).opened);
        LockedFile::failReads(EIO);
        QVERIFY(!file_->ListTimings(0));
        QCOMPARE(QString::fromStdString(file_->SaveProgramIndex(2)),
                 path_ + " 定时文件保存失败(" + QString::fromLocal8Bit(std::strerror(EIO)) + ")!");
        LockedFile::failReads(0);
        QCOMPARE(ReadAll(path_), bytes);
    }

    // The close command says so when the header cannot be read whole or written.
    void failedCloseIsReported()
    {
        PrepareFolder();
        WriteAll(path_, EmptyFile(0));
        QVERIFY(file_->OpenDataFile(0).opened);
        LockedFile::failWrites(ENOSPC);
        QCOMPARE(QString::fromStdString(file_->SaveProgramIndex(2)),
                 path_ + " 定时文件保存失败(" + QString::fromLocal8Bit(std::strerror(ENOSPC)) + ")!");
        QVERIFY(!file_->StoreTiming(0, 1, MusicEntry(1)));
        LockedFile::failWrites(0);

        QVERIFY(file_->OpenDataFile(0).opened);
        QVERIFY(::truncate(path_.toLocal8Bit().constData(), 300) == 0);
        QCOMPARE(QString::fromStdString(file_->SaveProgramIndex(2)), path_ + " 定时文件保存失败(文件不完整)!");
        QCOMPARE(ReadAll(path_), EmptyFile(0).left(300));
    }

    // The player's own spelling of the names reaches the file that is there.
    void namesAreFoundWhateverTheirCase()
    {
        QVERIFY(QDir().mkpath(drive_.path() + "/DSdata"));
        const QString mixed = drive_.path() + "/DSdata/UserDS.KQD";
        QByteArray bytes = EmptyFile(2);
        PutEntry(bytes, 2, 1, MusicEntry(1));
        WriteAll(mixed, bytes);

        const DataFile::OpenResult result = file_->OpenDataFile(0);
        QCOMPARE(QString::fromStdString(result.message), mixed + " 定时文件打开成功,可以开始输入定时!");
        QCOMPARE(result.programIndex, 2);
        QCOMPARE(QString::fromStdString(file_->filePath()), mixed);
        QCOMPARE(QDir(drive_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"DSdata"}));
        QCOMPARE(file_->SaveProgramIndex(2), std::string("  保存成功! "));
        QCOMPARE(ReadAll(mixed), bytes);

        // An exact lower-case spelling wins; a missing name is made in lower case.
        WriteAll(drive_.path() + "/DSdata/userds.kqd", EmptyFile(1));
        QCOMPARE(QString::fromStdString(file_->filePath()), drive_.path() + "/DSdata/userds.kqd");
        PrepareFolder();
        QCOMPARE(QString::fromStdString(file_->filePath()), path_);
        QVERIFY(QDir(drive_.path()).removeRecursively());
        QVERIFY(file_->OpenDataFile(0).opened);
        QVERIFY(QFile::exists(drive_.path() + "/dsdata/userds.kqd"));
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "data_file_test.moc"
