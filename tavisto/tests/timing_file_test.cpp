// The timing file on disk through the editor's file session: exclusive holding, and every way a
// file can be in the way of a save, each made real.

#include "TimingDocument.h"
#include "support/FileChecks.h"

#include <QtTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavisto;

namespace {

constexpr uid_t kUser = 65534;   // who edits, when the tests run as root: permission bits bind them
constexpr gid_t kShared = 4321;  // a group the user is in, but may not give files to unless owning them

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

// A step that sets a fault up: when it fails, the row would test something else.
void setUp(int status, const char* step)
{
    if (status != 0)
        qFatal("setting the fault up failed at %s: %s", step, std::strerror(errno));
}

bool root()
{
    return ::geteuid() == 0;
}

// Becomes the editing user (in the shared group), when running as root.
bool becomeUser()
{
    return !root() || (::setgroups(1, &kShared) == 0 && ::setgid(kUser) == 0 && ::setuid(kUser) == 0);
}

// What the saves write: a new set with run program 3.
TimingSet savedSet()
{
    TimingSet set = TimingSet::fresh();
    set.RunProgram = 3;
    return set;
}

bool isSaved(const QByteArray& bytes)
{
    return bytes.size() >= 18560 && bytes[0] == 3 && bytes.mid(2048, 800) == QByteArray(800, '\xFF');
}

struct Folder {
    QString dir;
    std::vector<int> held;  // files the test itself holds locked, as another Tavisto saving
    QString path(const char* name) const { return dir + QLatin1Char('/') + QLatin1String(name); }
    QByteArray bytes(const char* name) const { return fileBytes(path(name)); }
    void write(const char* name, const QByteArray& bytes) const { writeFileBytes(path(name), bytes); }
    void hold(const char* name)
    {
        write(name, "x");
        held.push_back(::open(qPrintable(path(name)), O_RDONLY | O_CLOEXEC));
        ::flock(held.back(), LOCK_EX);
    }
    QStringList hidden() const
    {
        return QDir(dir).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System);
    }
    struct stat status(const char* name) const
    {
        struct stat found { };
        ::stat(qPrintable(path(name)), &found);
        return found;
    }
};

// One way a file can be in the way: the folder as it is made, what happens between the open of a.mtf
// (or its choice for a new set) and its save (as the editing user), what the open and the save give,
// and what must hold afterwards.
struct Fault {
    const char* name;
    void (*prepare)(Folder&);
    void (*meddle)(const Folder&);
    FileError::Kind open, save;
    bool (*holds)(const Folder&);
    bool needsRoot = false;
    bool newSet = false;
};

using K = FileError::Kind;
void nothing(const Folder&)
{ }
void plainFile(Folder& f)
{
    f.write("a.mtf", freshFile());
}
void sizeLimit(const Folder&)
{
    rlimit small{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &small);
}

const Fault kFaults[] = {
    {"missing", [](Folder&) {}, nothing, K::System, K::None,
     [](const Folder& f) { return !QFile::exists(f.path("a.mtf")); }},
    {"a folder", [](Folder& f) { QDir(f.dir).mkdir("a.mtf"); }, nothing, K::NotRegular, K::None,
     [](const Folder& f) { return QFileInfo(f.path("a.mtf")).isDir(); }},
    {"/dev/null", [](Folder& f) { QFile::link("/dev/null", f.path("a.mtf")); }, nothing, K::NotRegular,
     K::None, [](const Folder&) { return fileBytes("/dev/null").isEmpty(); }},
    // The save goes to the file opened through the link, not to where the link leads now.
    {"link swapped after the open",
     [](Folder& f) {
         f.write("real.mtf", freshFile());
         f.write("victim", patternFile(20000));
         QFile::link(f.path("real.mtf"), f.path("a.mtf"));
     },
     [](const Folder& f) {
         QFile::remove(f.path("a.mtf"));
         QFile::link(f.path("victim"), f.path("a.mtf"));
     },
     K::None, K::None,
     [](const Folder& f) {
         return isSaved(f.bytes("real.mtf")) && f.bytes("victim") == patternFile(20000)
             && QFileInfo(f.path("a.mtf")).symLinkTarget() == f.path("victim");
     }},
    {"another file renamed over it", plainFile,
     [](const Folder& f) {
         f.write("other.mtf", patternFile(20000));
         setUp(::rename(qPrintable(f.path("other.mtf")), qPrintable(f.path("a.mtf"))), "rename");
     },
     K::None, K::Replaced, [](const Folder& f) { return f.bytes("a.mtf") == patternFile(20000); }},
    {"hard link",
     [](Folder& f) {
         plainFile(f);
         setUp(::link(qPrintable(f.path("a.mtf")), qPrintable(f.path("b.mtf"))), "link");
     },
     nothing, K::None, K::None,
     [](const Folder& f) {
         return isSaved(f.bytes("b.mtf")) && f.status("a.mtf").st_ino == f.status("b.mtf").st_ino;
     }},
    {"group-shared file of another owner",
     [](Folder& f) {
         plainFile(f);
         setUp(::chown(qPrintable(f.path("a.mtf")), 0, kShared), "chown");
         setUp(::chmod(qPrintable(f.path("a.mtf")), 0664), "chmod");
     },
     nothing, K::None, K::None,
     [](const Folder& f) {
         const struct stat s = f.status("a.mtf");
         return isSaved(f.bytes("a.mtf")) && s.st_uid == 0 && s.st_gid == kShared
             && (s.st_mode & 07777) == 0664;
     },
     true},
    // Once renamed, the save is done, even where the folder can no longer be read or flushed.
    {"folder 0300 after the open", plainFile, [](const Folder& f) { ::chmod(qPrintable(f.dir), 0300); },
     K::None, K::None, [](const Folder& f) { return isSaved(f.bytes("a.mtf")); }},
    // What killed saves left is removed; what a running save holds, and other names, stay.
    {"leftovers of killed saves",
     [](Folder& f) {
         plainFile(f);
         for (const char* name : {".a.mtf.Xk3pQ9", ".a.mtf.Xk3pQ", ".b.mtf.Xk3pQ9"})
             f.write(name, "x");
         f.hold(".a.mtf.InUse1");
     },
     [](const Folder& f) { f.write(".a.mtf.Yz8rT2", "x"); }, K::None, K::None,
     [](const Folder& f) {
         return isSaved(f.bytes("a.mtf"))
             && f.hidden() == QStringList{".a.mtf.InUse1", ".a.mtf.Xk3pQ", ".b.mtf.Xk3pQ9"};
     }},
    // A full device: the file stays as it was, and no scrap is left.
    {"file size limit", [](Folder& f) { f.write("a.mtf", patternFile(20000)); }, sizeLimit, K::None,
     K::System,
     [](const Folder& f) { return f.bytes("a.mtf") == patternFile(20000) && f.hidden().isEmpty(); }},
    // Written in place, a save that does not fit changes no byte and not the length.
    {"hard-linked short file over the size limit",
     [](Folder& f) {
         f.write("a.mtf", patternFile(300));
         setUp(::link(qPrintable(f.path("a.mtf")), qPrintable(f.path("b.mtf"))), "link");
     },
     sizeLimit, K::None, K::System,
     [](const Folder& f) {
         return f.bytes("a.mtf") == patternFile(300) && f.status("a.mtf").st_ino == f.status("b.mtf").st_ino;
     }},
    // A link at the chosen name is replaced by the saved file; where it led stays as it was.
    {"new set saved onto a link",
     [](Folder& f) {
         f.write("victim", patternFile(20000));
         QFile::link(f.path("victim"), f.path("a.mtf"));
     },
     nothing, K::None, K::None,
     [](const Folder& f) {
         return !QFileInfo(f.path("a.mtf")).isSymLink() && isSaved(f.bytes("a.mtf"))
             && f.bytes("victim") == patternFile(20000);
     },
     false, true},
};

}  // namespace

class TimingFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(name); }
private slots:
    void initTestCase() { QVERIFY(::chmod(qPrintable(dir_.path()), 0755) == 0); }

    // While a file is held, another process can neither open nor replace it. Taking a path for a new
    // set holds a file that is there, but changes nothing before the save.
    void heldFileIsRefusedToOthers()
    {
        const std::string name = path("held.mtf").toStdString();
        writeFileBytes(path("held.mtf"), patternFile(18560));
        auto otherProcess = [&name] {
            TimingDocument other;
            TimingSet set;
            return (other.open(name, set).kind == K::Busy ? 1 : 0)
                | (other.takePath(name).kind == K::Busy ? 2 : 0);
        };
        {
            TimingDocument holder;
            TimingSet set;
            QVERIFY(!holder.open(name, set));
            QCOMPARE(inChild(otherProcess), 3);
            QVERIFY(!holder.takePath(name));  // taken twice by the same session is no conflict
            QCOMPARE(fileBytes(path("held.mtf")), patternFile(18560));
            QVERIFY(!holder.save(set));
            QCOMPARE(inChild(otherProcess), 3);  // the replacement is held in its turn
        }
        QCOMPARE(inChild(otherProcess), 0);  // released on close
    }

    void fileFaults_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kFaults)); ++row)
            QTest::newRow(kFaults[row].name) << row;
    }

    void fileFaults()
    {
        QFETCH(int, row);
        const Fault& fault = kFaults[row];
        if (fault.needsRoot && !root())
            QSKIP("needs root to give the file to another owner");
        // Named by its row: a fault's name may be a path ("/dev/null"), which would put the
        // folder outside the scratch one.
        const QByteArray folderName = "fault-" + QByteArray::number(row);
        Folder folder{QDir(path(folderName.constData())).absolutePath(), {}};
        QVERIFY(QDir().mkpath(folder.dir));
        fault.prepare(folder);
        if (root()) {
            for (const QString& entry :
                 QDir(folder.dir)
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
                if (QFileInfo(folder.dir + '/' + entry).ownerId() != 0 || !fault.needsRoot)
                    setUp(::lchown(qPrintable(folder.dir + '/' + entry), kUser, kUser), "lchown");
            setUp(::chown(qPrintable(folder.dir), kUser, kUser), "chown");
        }
        const int failedStep = inChild([&] {
            if (!becomeUser())
                return 9;
            TimingDocument::startUp();
            TimingDocument document;
            TimingSet set;
            const std::string file = folder.path("a.mtf").toStdString();
            document.newFile(set);
            if ((fault.newSet ? document.takePath(file) : document.open(file, set)).kind != fault.open)
                return 1;
            if (fault.open == K::None) {
                fault.meddle(folder);
                if (document.save(savedSet()).kind != fault.save)
                    return 2;
            }
            return fault.holds(folder) ? 0 : 3;
        });
        for (int fd : folder.held)
            ::close(fd);
        ::chmod(qPrintable(folder.dir), 0755);
        QCOMPARE(failedStep, 0);  // 1: the open, 2: the save, 3: the files afterwards
    }
};

QTEST_APPLESS_MAIN(TimingFileTest)
#include "timing_file_test.moc"
