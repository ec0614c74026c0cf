// The data file operations on a temporary drive folder, checked byte by byte.
#include "DataFile.h"
#include "DataFileLayout.h"
#include "FailingFiles.h"
#include "FileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <grp.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quennet;
using namespace quennet::testing;

namespace {
constexpr uid_t kUser = 65534;   // who edits in a child process, when the tests run as root
constexpr gid_t kShared = 4321;  // a group the user is in

// The exit status of body run in a child process, -1 when it did not exit.
template<typename Body>
int inChild(Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Owner, group and mode as "65534:4321 660".
QString permissionsOf(const QString& path)
{
    struct stat status { };
    if (::lstat(path.toLocal8Bit().constData(), &status) != 0)
        return "missing";
    return QString("%1:%2 %3").arg(status.st_uid).arg(status.st_gid).arg(status.st_mode & 07777, 0, 8);
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
}  // namespace

class DataFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    FailingFiles files_;
    std::unique_ptr<DataFile> file_;

    // One step of the history that writes entry at position.
    FileError store(int program, int position, const TimingEntry& entry)
    {
        ScheduleStep step;
        step.entries.push_back({program, position, {}, entry});
        return file_->apply(step);
    }
    QList<int> positionsOf(int programIndex)
    {
        QList<int> positions;
        const auto entries = file_->ListTimings(programIndex);
        for (const TimingEntry& entry : entries.value())
            positions << entry.EntryNo;
        return positions;
    }
    // A refused file: the reason, nothing was changed, nothing is held.
    void verifyRefused(FileError::Kind kind, const QString& systemReason = {})
    {
        const QFileInfo before(path_);
        const DataFile::OpenResult result = file_->OpenDataFile(1);
        QCOMPARE(result.outcome, DataFile::OpenOutcome::Refused);
        QVERIFY(!file_->holdsFile());
        QCOMPARE(result.error.kind, kind);
        QCOMPARE(QString::fromStdString(result.error.systemReason), systemReason);
        QCOMPARE(QFileInfo(path_).lastModified(), before.lastModified());
        QVERIFY(!QFile::exists(path_ + ".bak"));
    }

private slots:
    void init()
    {
        files_ = FailingFiles();
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        file_ = std::make_unique<DataFile>(drive_.path().toStdString(), files_);
        path_ = QString::fromStdString(file_->filePath());
    }

    // A missing file is created; one with an invalid header is replaced after a backup of it. The
    // new file is held from its creation on.
    void fileIsCreated_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("program index 4") << emptyFile(4).replace(600, 1, "x");
        QTest::newRow("no marker") << emptyFile(1).replace(100, 1, "z");
        QTest::newRow("shorter than a header") << emptyFile(0).left(511);
        QTest::newRow("longer than a file") << emptyFile(0).replace(100, 1, QByteArray(1, '\0')) + "tail";
    }
    void fileIsCreated()
    {
        QFETCH(QByteArray, old);
        if (!old.isEmpty()) {
            writeDataFile(drive_.path(), old);
            writeAll(path_ + ".bak", "an older backup");
        }
        const DataFile::OpenResult result = file_->OpenDataFile(3);
        QVERIFY(result.opened());
        QCOMPARE(result.programIndex, 3);
        QCOMPARE(result.outcome,
                 old.isEmpty() ? DataFile::OpenOutcome::Created : DataFile::OpenOutcome::Replaced);
        const QByteArray makerLine = QStringEncoder("GBK")(QString("Quennet 定时数据文件"));
        QCOMPARE(readAll(path_), emptyFile(3).replace(0, makerLine.size(), makerLine));
        QCOMPARE(readAll(path_ + ".bak"), old);
        QCOMPARE(QDir(drive_.path() + "/dsdata").entryList(QDir::Files | QDir::Hidden).size(),
                 old.isEmpty() ? 1 : 2);
        QCOMPARE(file_->CountTimings(3)->timings, 0);
        QVERIFY(!HeldElsewhere(path_).holds());
    }

    // Gaps and slots whose number is not their position are no timings; a table cut short ends
    // the count. A slot is loaded without its last three bytes, an empty one as the default.
    void readingSkipsGapsAndForeignSlots()
    {
        QByteArray bytes = timingsFile(1, 10);
        putEntry(bytes, 1, 5, deletedEntry());
        putEntry(bytes, 1, 8, musicEntry(7));  // EntryNo 7 at position 8
        putEntry(bytes, 1, 100, musicEntry(100));
        TimingEntry stored = musicEntry(2);
        stored.Reserved13[0] = 0x77;  // bytes 13..15 are never loaded
        putEntry(bytes, 0, 2, stored);
        putEntry(bytes, 0, 4, musicEntry(3));
        writeDataFile(drive_.path(), bytes);

        QCOMPARE(file_->CountTimings(1)->timings, 8);
        QCOMPARE(file_->CountTimings(1)->lastPosition, 10);
        QCOMPARE(positionsOf(1), QList<int>({1, 2, 3, 4, 6, 7, 9, 10}));

        TimingEntry buffer;
        buffer.Reserved13[2] = 0x44;
        TimingEntry expected = musicEntry(2);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(bytesOf(file_->LoadTiming(0, 2, buffer).value()), bytesOf(expected));
        expected = DataFile::defaultEntry(4);
        expected.Reserved13[2] = 0x44;
        QCOMPARE(bytesOf(file_->LoadTiming(0, 4, buffer).value()), bytesOf(expected));
        QCOMPARE(file_->LoadTiming(0, 4, buffer)->EntryNo, 0);
        QCOMPARE(bytesOf(file_->LoadTiming(0, 0, buffer).value()).left(13).toHex(' '),
                 QByteArray("01 00 00 00 0f 00 00 00 3e 00 00 00 00"));

        writeAll(path_, bytes.left(entryOffset(1, 4)));  // the table ends after position 3
        QCOMPARE(file_->CountTimings(1)->timings, 3);
    }

    // From the open command to the close command the file is one editor's alone: held by another
    // copy it is refused and nothing touches it. Readers share it with one another.
    void fileIsHeldFromOpenToClose()
    {
        const QByteArray bytes = timingsFile(1, 1);
        writeDataFile(drive_.path(), bytes);
        {
            HeldElsewhere other(path_);
            QVERIFY(other.holds());
            verifyRefused(FileError::Kind::Busy);
            QVERIFY(!file_->SaveProgramIndex(1).reached);
            QVERIFY(file_->CreateDataFile(1).failed());
            QVERIFY(store(1, 2, musicEntry(2)).failed());
            QVERIFY(!file_->ListTimings(1) && !file_->CountTimings(1) && !file_->LoadTiming(1, 1, {}));
            QCOMPARE(readAll(path_), bytes);
        }

        QCOMPARE(file_->OpenDataFile(0).programIndex, 1);
        QVERIFY(!HeldElsewhere(path_).holds());
        QVERIFY(!DataFile(drive_.path().toStdString()).OpenDataFile(0).opened());
        QVERIFY(!store(1, 2, musicEntry(2)).failed());  // the held file serves every operation
        QCOMPARE(positionsOf(1), QList<int>({1, 2}));
        QVERIFY(file_->SaveProgramIndex(3).saved());
        QVERIFY(!file_->holdsFile() && HeldElsewhere(path_).holds());
        QCOMPARE(readAll(path_)[101], char(3));

        {
            FileError error;
            const auto reader = systemFileAccess().open(path_.toStdString(), FileAccess::Mode::Read, error);
            QVERIFY(reader && file_->CountTimings(0));
            QVERIFY(!file_->OpenDataFile(0).opened());
        }

        // Deleted by another program while held: no write counts as done, and 关闭文件 says so.
        QVERIFY(file_->OpenDataFile(0).opened());
        QVERIFY(QFile::remove(path_));
        QCOMPARE(store(1, 3, musicEntry(3)).kind, FileError::Kind::Gone);
        QCOMPARE(file_->SaveProgramIndex(0).error.kind, FileError::Kind::Gone);
    }

    // A folder at the file's name is refused with the system's reason (pipes and devices: see the
    // editor's test of failed opens).
    void folderIsRefused()
    {
        QVERIFY(QDir().mkpath(path_));
        verifyRefused(FileError::Kind::System, reasonOf(EISDIR));
    }

    // A failing device is reported, never taken for an empty or an invalid file; the close
    // command says so when the header cannot be read whole, and writes nothing then.
    void failingDeviceIsReported()
    {
        const QByteArray bytes = timingsFile(0, 1);
        writeDataFile(drive_.path(), bytes);

        files_.readFault = reasonOf(EIO);
        verifyRefused(FileError::Kind::System, reasonOf(EIO));
        QVERIFY(!file_->LoadTiming(0, 1, TimingEntry{}));
        files_.readFault.clear();
        QVERIFY(file_->OpenDataFile(0).opened());
        files_.readFault = reasonOf(EIO);
        QCOMPARE(QString::fromStdString(file_->SaveProgramIndex(2).error.systemReason), reasonOf(EIO));
        files_.readFault.clear();
        QCOMPARE(readAll(path_), bytes);

        QVERIFY(file_->OpenDataFile(0).opened());
        QVERIFY(::truncate(path_.toLocal8Bit().constData(), 300) == 0);
        QCOMPARE(file_->SaveProgramIndex(2).error.kind, FileError::Kind::TooShort);
        QCOMPARE(readAll(path_), bytes.left(300));
    }

    // No link in the folder is ever followed: one at the data file's name is refused and nothing is
    // written anywhere; one at the backup's name is replaced by the backup. The folder itself may
    // be a link, and it is the folder taken at 打开文件 that the file stays in.
    void linksAreNeverFollowed_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("data file to a private file") << "userds.kqd" << QByteArray("secret\n");
        QTest::newRow("data file to a data file") << "userds.kqd" << timingsFile(0, 3);
        QTest::newRow("backup to a private file") << "userds.kqd.bak" << QByteArray("secret\n");
        QTest::newRow("folder, moved while held") << QString() << QByteArray();
    }
    void linksAreNeverFollowed()
    {
        QFETCH(QString, link);
        QFETCH(QByteArray, target);
        QTemporaryDir elsewhere;
        const QString folder = drive_.path() + "/dsdata";
        const QString targetPath = elsewhere.path() + "/s.conf";
        if (link.isEmpty()) {
            QVERIFY(QDir().mkpath(elsewhere.path() + "/card")
                    && QFile::link(elsewhere.path() + "/card", folder));
            QCOMPARE(file_->OpenDataFile(1).outcome, DataFile::OpenOutcome::Created);
            QVERIFY(QFile::rename(elsewhere.path() + "/card", elsewhere.path() + "/moved"));
            QVERIFY(QDir().mkpath(elsewhere.path() + "/card"));
            QVERIFY(!file_->CreateDataFile(2).failed());
            QCOMPARE(readAll(elsewhere.path() + "/moved/userds.kqd")[101], char(2));
            QCOMPARE(entriesOf(elsewhere.path() + "/card"), QStringList());
            return;
        }
        writeAll(targetPath, target);
        QVERIFY(QFile::setPermissions(targetPath, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QDir().mkpath(folder) && QFile::link(targetPath, folder + "/" + link));
        const QByteArray damaged = emptyFile(4).replace(600, 1, "x");
        if (link.endsWith(".bak")) {
            writeDataFile(drive_.path(), damaged);
            QCOMPARE(file_->OpenDataFile(1).outcome, DataFile::OpenOutcome::Replaced);
            QVERIFY(!QFileInfo(path_ + ".bak").isSymLink());
            QCOMPARE(readAll(path_ + ".bak"), damaged);
        } else {
            const DataFile::OpenResult result = file_->OpenDataFile(1);
            QCOMPARE(result.outcome, DataFile::OpenOutcome::Refused);
            QCOMPARE(result.error.kind, FileError::Kind::NotRegular);
            QCOMPARE(file_->CreateDataFile(1).kind, FileError::Kind::NotRegular);
            QCOMPARE(entriesOf(folder), QStringList({link}));
        }
        QCOMPARE(readAll(targetPath), target);
        QCOMPARE(permissionsOf(targetPath), QString("%1:%2 600").arg(::getuid()).arg(::getgid()));
    }

    // The backup and the file put in the data file's place take its owner, group and mode; where
    // the user may not give them, nobody gets more access than the old file gave.
    void replacementsKeepPermissions_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("asUser");
        QTest::addColumn<QString>("after");
        QTest::newRow("another user's private file, root edits")
            << "65534:65534 600" << false << "65534:65534 600";
        QTest::newRow("a group's file, root edits") << "0:4321 660" << false << "0:4321 660";
        QTest::newRow("root's file shared with the user's group") << "0:4321 664" << true << "65534:4321 664";
        QTest::newRow("root's file writable by all") << "0:0 676" << true << "65534:65534 666";
    }
    void replacementsKeepPermissions()
    {
        QFETCH(QString, before);
        QFETCH(bool, asUser);
        QFETCH(QString, after);
        if (::geteuid() != 0)
            QSKIP("giving files to other users takes root");
        const QStringList parts = before.split(QRegularExpression("[: ]"));
        writeDataFile(drive_.path(), emptyFile(4).replace(600, 1, "x"));
        QVERIFY(::chmod(drive_.path().toLocal8Bit().constData(), 0755) == 0);
        QVERIFY(::chmod(QFileInfo(path_).path().toLocal8Bit().constData(), 0777) == 0);
        QVERIFY(::chown(path_.toLocal8Bit().constData(), parts[0].toUInt(), parts[1].toUInt()) == 0);
        QVERIFY(::chmod(path_.toLocal8Bit().constData(), parts[2].toUInt(nullptr, 8)) == 0);
        QCOMPARE(permissionsOf(path_), before);

        const auto edit = [&] {
            if (asUser && (::setgroups(1, &kShared) != 0 || ::setgid(kUser) != 0 || ::setuid(kUser) != 0))
                return 10;
            if (file_->OpenDataFile(1).outcome != DataFile::OpenOutcome::Replaced)
                return 11;
            return file_->CreateDataFile(2).failed() ? 12 : 0;  // 全部清空
        };
        QCOMPARE(asUser ? inChild(edit) : edit(), 0);
        QCOMPARE(permissionsOf(path_ + ".bak"), after);
        QCOMPARE(permissionsOf(path_), after);
        QCOMPARE(readAll(path_)[101], char(2));
    }

    // What a killed write left behind goes on 打开文件 and before each replacement; a temporary
    // file another program holds, and every other name, stays.
    void leftoversAreRemoved()
    {
        writeDataFile(drive_.path(), timingsFile(0, 1));
        const QString folder = QFileInfo(path_).path();
        for (const char* name : {".userds.kqd.Ab12Cd", ".userds.kqd.bak.Xy34Zw", ".userds.kqd.Held01",
                                 ".userds.kqd.Ab12Cd7", ".userds.kqd.bak", "userds.kqd.Ab12Cd"})
            writeAll(folder + "/" + name, emptyFile(0));
        HeldElsewhere writing(folder + "/.userds.kqd.Held01");
        QVERIFY(writing.holds());
        const QStringList kept = {".userds.kqd.Ab12Cd7", ".userds.kqd.Held01", ".userds.kqd.bak",
                                  "userds.kqd", "userds.kqd.Ab12Cd"};

        QCOMPARE(file_->OpenDataFile(0).outcome, DataFile::OpenOutcome::Opened);
        QCOMPARE(entriesOf(folder), kept);
        writeAll(folder + "/.userds.kqd.Late01", emptyFile(0));
        QVERIFY(!file_->CreateDataFile(0).failed());
        QCOMPARE(entriesOf(folder), kept);
    }

    // A card that fails at any step of 打开文件 or 关闭文件 is reported with the system's reason, and
    // the file is as it was: no backup, no half-made file.
    void failingStepsAreReported_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("old");  // empty: no file
        QTest::addColumn<int>("outcome");
        const QByteArray valid = timingsFile(1, 2);
        QTest::newRow("sync on closing") << "sync" << valid << int(DataFile::OpenOutcome::Opened);
        QTest::newRow("replacing a damaged file")
            << "replace" << emptyFile(4).replace(600, 1, "x") << int(DataFile::OpenOutcome::NotReplaced);
        QTest::newRow("making a missing file")
            << "create" << QByteArray() << int(DataFile::OpenOutcome::NotCreated);
        QTest::newRow("the folder") << "folder" << valid << int(DataFile::OpenOutcome::Refused);
    }
    void failingStepsAreReported()
    {
        QFETCH(QString, step);
        QFETCH(QByteArray, old);
        QFETCH(int, outcome);
        if (!old.isEmpty())
            writeDataFile(drive_.path(), old);
        const std::map<QString, QString*> faults = {{"sync", &files_.syncFault},
                                                    {"replace", &files_.replaceFault},
                                                    {"create", &files_.createFault},
                                                    {"folder", &files_.folderFault}};
        *faults.at(step) = reasonOf(EIO);

        const DataFile::OpenResult result = file_->OpenDataFile(1);
        QCOMPARE(int(result.outcome), outcome);
        const FileError error = result.opened() ? file_->SaveProgramIndex(1).error : result.error;
        QCOMPARE(QString::fromStdString(error.systemReason), reasonOf(EIO));
        QCOMPARE(QFile::exists(path_), !old.isEmpty());
        QCOMPARE(readAll(path_), old);
        QVERIFY(!QFile::exists(path_ + ".bak"));
    }

    // The player's own spelling of the names reaches the file that is there.
    void namesAreFoundWhateverTheirCase()
    {
        QVERIFY(QDir().mkpath(drive_.path() + "/DSdata"));
        const QString mixed = drive_.path() + "/DSdata/UserDS.KQD";
        const QByteArray bytes = timingsFile(2, 1);
        writeAll(mixed, bytes);

        const DataFile::OpenResult result = file_->OpenDataFile(0);
        QCOMPARE(result.outcome, DataFile::OpenOutcome::Opened);
        QCOMPARE(result.programIndex, 2);
        QCOMPARE(QString::fromStdString(file_->filePath()), mixed);
        QCOMPARE(QDir(drive_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"DSdata"}));
        QVERIFY(file_->SaveProgramIndex(2).saved());
        QCOMPARE(readAll(mixed), bytes);

        // An exact lower-case spelling wins; a missing name is made in lower case.
        writeAll(drive_.path() + "/DSdata/userds.kqd", emptyFile(1));
        QCOMPARE(QString::fromStdString(file_->filePath()), drive_.path() + "/DSdata/userds.kqd");
        QVERIFY(QDir().mkpath(drive_.path() + "/dsdata"));
        QCOMPARE(QString::fromStdString(file_->filePath()), path_);
        QVERIFY(QDir(drive_.path()).removeRecursively());
        QVERIFY(file_->OpenDataFile(0).opened());
        QVERIFY(QFile::exists(drive_.path() + "/dsdata/userds.kqd"));
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "data_file_test.moc"
