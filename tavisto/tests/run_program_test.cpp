// The program itself, started as a user starts it.
#include "FileChecks.h"
#include "FullSet.h"
#include "ScheduleTable.h"
#include "TimingFileFormat.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavisto;

namespace {

// Whether the process ignores the signal, as /proc tells.
bool ignores(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QString mask = status.open(QIODevice::ReadOnly)
        ? QRegularExpression("SigIgn:\\s*(\\w+)").match(status.readAll()).captured(1)
        : QString();
    return (mask.toULongLong(nullptr, 16) >> (signal - 1)) & 1;
}

// Whether the process holds a lock on the file, as /proc/locks tells: looking takes no lock that
// could be in the way of the process taking its own.
bool locks(qint64 pid, const QString& path)
{
    QFile table(QStringLiteral("/proc/locks"));
    struct stat file { };
    ::stat(qPrintable(path), &file);
    const QString inode = QStringLiteral(":%1 ").arg(file.st_ino);
    if (!table.open(QIODevice::ReadOnly))
        return false;
    for (const QString& line : QString::fromLatin1(table.readAll()).split('\n'))
        if (line.contains(QStringLiteral(" %1 ").arg(pid)) && line.contains(inode))
            return true;
    return false;
}

struct Run {
    int status = -1;
    QStringList out;  // lines of standard output
    QString err;
};

// Runs the program as from a terminal without any display, in the language of `locale`; its output
// goes to `outputFile` or to the descriptor `output` if given.
Run run(const QStringList& arguments, const QString& outputFile = {}, const QString& locale = "C.UTF-8",
        int output = -1)
{
    QProcess program;
    if (!outputFile.isEmpty())
        program.setStandardOutputFile(outputFile);
    if (output >= 0)
        program.setChildProcessModifier([output] { ::dup2(output, STDOUT_FILENO); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAVISTO_BINARY), arguments);
    Run result;
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = program.exitCode();
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    result.out = out.isEmpty() ? QStringList() : out.chopped(out.endsWith('\n') ? 1 : 0).split('\n');
    result.err = QString::fromLocal8Bit(program.readAllStandardError());
    return result;
}

// A set with music timings (one of them with foreign bytes), a peripheral and a random timing.
QByteArray exampleFile()
{
    QByteArray bytes = freshFile();
    bytes[0] = 2;
    bytes[18559] = 0;
    bytes.replace(2048, 8, QByteArray("\x01\x07\x30\x01\x0C\x03\x1F\x03", 8));
    bytes.replace(2048 + 4 * 8, 8, QByteArray("\x05\xAB\x5F\xC8\x00\x00\xFF\xFF", 8));
    bytes.replace(2048 + 5 * 8, 8, QByteArray("\x00\x11\x11\x11\x11\x11\x11\x11", 8));  // empty: Serial 0
    bytes.replace(2048 + 99 * 8, 8,
                  QByteArray("\x64\x12\x00\x01\x01\x01\x01\x01", 8));  // slot 100: never listed
    bytes.replace(12288 + 14 * 8, 8, QByteArray("\x0F\x06\x30\x07\x15\x09\x1F\x05", 8));
    bytes.replace(18432, 10, QByteArray("\x01\x08\x00\x09\x45\x01\x40\x01\x05\x14", 10));
    return bytes;
}

}  // namespace

class RunProgramTest : public QObject {
    Q_OBJECT

private slots:
    // A file named on the command line (as a file manager passes it) is opened as the open
    // dialog would: it is held, locked against every other program. A save beyond the file size
    // limit fails and is reported instead of ending the program.
    void opensTheFileItIsGiven()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("given.mtf");
        writeFileBytes(file, freshFile());
        QVERIFY(HeldElsewhere(file).holds());
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(TAVISTO_BINARY),
                      {QStringLiteral("given.mtf")});  // relative to where it starts
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(locks(program.processId(), file), 10000);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(ignores(program.processId(), SIGXFSZ));
        program.kill();
        program.waitForFinished();
    }

    // --print writes every used timing in the overview's words, table by table, and the settings;
    // what no timing file holds goes to standard error, and the exit status is then 2.
    void printsTheSchedule()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("print.mtf");
        writeFileBytes(file, exampleFile());
        const Run printed = run({QStringLiteral("--print"), file});
        QCOMPARE(printed.status, 2);
        QCOMPARE(
            printed.err,
            QString("tavisto: %1: program 1 music timing 05 has the time AB:5F, which is not a valid time\n"
                    "tavisto: %1: program 1 music timing 05 has track 200, above 99\n")
                .arg(file));
        const QStringList expected{
            "定时查看－程序（1）－音乐定时",
            "01\t指定曲目 01 - 12 - 03\t07:30\t1-2-3-4-5- - \t1-2- - - - - ",
            "05\t指定曲目 200 - 00 - 00\tAB:5F\t1-2-3-4-5-6-日\t1-2-3-4-5-6- ",
            "定时查看－程序（2）－外设定时",
            "15\t外设工作\t从 06:30 到 07:15\t1-2-3-4-5- - \t1- -3- - - - ",
            "定时查看－程序（随机定时）－关闭",
            "01\t曲目范围从 05 到 20 顺序播放\t从 08:00 到 09:45\t - - - - - -日\t1- - - - - - ",
            "运行设定：程序2",
            "随机播放：关闭",
        };
        QCOMPARE(printed.out, expected);

        // A file another program holds is read all the same; a short text prints the settings only,
        // and is not taken for a timing file.
        const HeldElsewhere editor(file);
        QCOMPARE(run({QStringLiteral("--print"), file}).out, printed.out);
        writeFileBytes(dir.filePath("passwd"), "root:x:0:0:root:/root:/bin/bash\n");
        const Run text = run({QStringLiteral("--print"), dir.filePath("passwd")});
        QCOMPARE(text.out, (QStringList{"运行设定：程序114", "随机播放：开启"}));
        QCOMPARE(text.status, 2);
        QCOMPARE(text.err,
                 QString("tavisto: %1: only 32 bytes long, a timing file has 18560\n"
                         "tavisto: %1: run program 114 is not 1 to 4\n")
                     .arg(dir.filePath("passwd")));
        writeFileBytes(dir.filePath("fresh.mtf"), freshFile());
        const Run fresh = run({QStringLiteral("--print"), dir.filePath("fresh.mtf")});
        QCOMPARE(fresh.status, 0);
        QCOMPARE(fresh.err, QString());
    }

    // --week lists the run program's week, --check its findings; the exit status tells whether
    // the file is fit for the player, and what no timing file holds is told as --print tells it.
    // Both read a held file and change nothing.
    void printsTheWeekAndItsFindings()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("week.mtf");
        writeFileBytes(file, exampleFile());
        const HeldElsewhere editor(file);
        const Run week = run({QStringLiteral("--week"), file});
        QCOMPARE(week.status, 2);
        QCOMPARE(week.err, run({QStringLiteral("--print"), file}).err);
        QCOMPARE(week.out.size(), 5);
        QCOMPARE(week.out.first(), QStringLiteral("星期一\t06:30\t07:15\t1,3\t外设\t程序2 外设定时 15"));
        // --check: 0 for notes only, 2 for what makes the file unfit for the player or odd.
        const QString notes[] = {"提示\t星期日\t\t1\t随机程序 01\t随机程序已关闭，这些随机定时不会播放",
                                 "提示\t\t\t\t程序1\t有 2 条定时，播放机运行程序2，这些定时保留但不播放"};
        QByteArray plain = exampleFile();
        plain.replace(2048 + 4 * 8, 8, QByteArray(8, '\xFF'));
        const struct {
            QByteArray bytes;
            int status;
            QStringList out;
            QString err;
        } checks[] = {
            {exampleFile(), 2, {notes[0], notes[1]}, week.err},
            {plain,
             0,
             {notes[0], "提示\t\t\t\t程序1\t有 1 条定时，播放机运行程序2，这些定时保留但不播放"},
             {}},
            {freshFile(), 2, {"不播放\t\t\t\t程序1\t播放机运行程序1，但它没有会播放的定时"}, {}},
        };
        for (const auto& c : checks) {
            writeFileBytes(file, c.bytes);
            const Run check = run({QStringLiteral("--check"), file});
            QCOMPARE(check.status, c.status);
            QCOMPARE(check.out, c.out);
            QCOMPARE(check.err, c.err);
        }
        writeFileBytes(file, exampleFile());
        const Run other =
            run({QStringLiteral("--check"), file, QStringLiteral("--program"), QStringLiteral("1")});
        QCOMPARE(other.status, 2);
        QCOMPARE(other.out.first(),
                 QStringLiteral("无效\t星期一至星期日\t\t1,2,3,4,5,6\t程序1 音乐定时 05\t开始时间无效"));
        QCOMPARE(fileBytes(file), exampleFile());

        for (const QStringList& wrong : {QStringList{"--check", file, "--program", "5"},
                                         QStringList{"--check", dir.filePath("missing.mtf")},
                                         QStringList{"--week", file, "--print", file}}) {
            const Run failed = run(wrong);
            QCOMPARE(failed.status, 1);
            QVERIFY(failed.out.isEmpty());
            QVERIFY2(failed.err.startsWith("tavisto: "), qPrintable(failed.err));
        }
    }

    // An empty, cut short or foreign file is never passed as sound: what --print finds in it is
    // told on standard error, with exit status 2.
    void damagedFileIsNeverClean_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("bytes");
        for (const char* option : {"--week", "--check"}) {
            QTest::addRow("%s empty", option) << option << QByteArray();
            QTest::addRow("%s cut short", option) << option << freshFile().left(4096);
            QTest::addRow("%s text", option) << option << QByteArray("root:x:0:0:root:/root:/bin/bash\n");
        }
    }
    void damagedFileIsNeverClean()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath("odd.mtf");
        writeFileBytes(file, bytes);
        const Run looked = run({option, file});
        QCOMPARE(looked.status, 2);
        QCOMPARE(looked.err, run({QStringLiteral("--print"), file}).err);
    }

    // Output that cannot be written, to a full device or to a pipe whose reader has gone, is a
    // failure that says why; it never ends the program unannounced.
    void unwritableOutput_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("device");  // none: a pipe nobody reads
        QTest::addColumn<QString>("reason");
        QTest::newRow("--print to a full device") << "--print"
                                                  << "/dev/full"
                                                  << "No space left on device";
        for (const char* option : {"--print", "--week", "--check"})
            QTest::addRow("%s to a closed pipe", option) << option << QString() << "Broken pipe";
    }
    void unwritableOutput()
    {
        QFETCH(QString, option);
        QFETCH(QString, device);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFileBytes(dir.filePath("out.mtf"), exampleFile());
        int ends[2] = {-1, -1};
        QVERIFY(::pipe2(ends, O_CLOEXEC) == 0);
        ::close(ends[0]);
        const Run failed =
            run({option, dir.filePath("out.mtf")}, device, "C.UTF-8", device.isEmpty() ? ends[1] : -1);
        ::close(ends[1]);
        QCOMPARE(failed.status, 1);
        QCOMPARE(failed.err, QStringLiteral("tavisto: cannot write the output: %1\n").arg(reason));
    }

    // --help and --version answer and end; what cannot be done says why on standard error and
    // exits with 1, printing nothing.
    void commandLine()
    {
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        for (const char* option : {"--help", "--version", "--print <FILE>", "--week <FILE>", "--check <FILE>",
                                   "--program <N>", "[FILE]"})
            QVERIFY2(help.out.join('\n').contains(QLatin1String(option)), option);
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringList{"tavisto 1.0"});

        const Run unknown = run({QStringLiteral("--colour")});
        QCOMPARE(unknown.status, 1);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(unknown.err.contains("Unknown option 'colour'"), qPrintable(unknown.err));

        QTemporaryDir dir;
        for (const QString& path : {dir.filePath("missing.mtf"), dir.path(), QStringLiteral("/dev/null")}) {
            const Run failed = run({QStringLiteral("--print"), path});
            QCOMPARE(failed.status, 1);
            QVERIFY(failed.out.isEmpty());
            QCOMPARE(failed.err,
                     QStringLiteral("tavisto: cannot read %1: %2\n")
                         .arg(path,
                              path.endsWith("missing.mtf") ? QStringLiteral("No such file or directory")
                                                           : QStringLiteral("not a regular file")));
        }
    }

    // --export then --import gives the very bytes of the file, its unused ones and those beyond the
    // layout included, also through what a spreadsheet saved; --import takes the file as a save
    // does, all or nothing, and makes a new set of a file not there; --diff tells by its status.
    void exportsImportsAndDiffs()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("full.mtf");
        FileImage image(20000);
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = std::uint8_t(patternByte(int(i)));
        encodeTimingFile(fullTimingSet(), image);
        const QByteArray bytes(reinterpret_cast<const char*>(image.data()), int(image.size()));
        writeFileBytes(file, bytes);
        const QString table = dir.filePath("full.csv");
        // 2: the full set holds a Serial no editor writes, and --export tells it as --print does.
        QCOMPARE(run({"--export", file}, table).status, 2);
        QCOMPARE(fileBytes(table), QByteArray::fromStdString(exportTable(fullTimingSet())));
        for (const QString& csv : {table, QStringLiteral(TAVISTO_TEST_DATA "/full-set-calc-gb18030.csv")}) {
            const Run imported = run({"--import", csv, file});
            QCOMPARE(imported.status, 0);
            QCOMPARE(imported.err, QString());
            QCOMPARE(fileBytes(file), bytes);
        }
        const Run program = run({"--export", file, "--program", "2"});
        QCOMPARE(program.out.size(), 1 + 2 * 99);
        for (const QString& line : program.out.mid(1))
            QVERIFY2(line.startsWith("2,"), qPrintable(line));

        const QString made = dir.filePath("made.mtf");
        QCOMPARE(run({"--import", table, made}).status, 0);
        QCOMPARE(fileBytes(made).size(), 18560);
        const Run same = run({"--diff", file, file});
        QCOMPARE(same.status, 0);
        QVERIFY(same.out.isEmpty());
        const Run diff = run({"--diff", file, made});
        QCOMPARE(diff.status, 2);
        QVERIFY(diff.out.contains("- 运行设定\t程序3"));
        QVERIFY(diff.out.contains("+ 运行设定\t程序1"));

        writeFileBytes(dir.filePath("bad.csv"),
                       "程序,类型,序号,开始\n1,音乐,1,25:00\n1,音乐,2,8:00\n1,音乐,2,9:00\n");
        // Every fault told, in the language of the locale.
        const Run refused = run({"--import", dir.filePath("bad.csv"), file});
        QCOMPARE(refused.status, 1);
        QCOMPARE(refused.err,
                 QString("tavisto: %1, line 2, column 开始, value \"25:00\": not a time from 0:00 to 23:59\n"
                         "tavisto: %1, line 4, column 序号, value \"2\": the same slot as line 3\n"
                         "tavisto: nothing was imported into %2\n")
                     .arg(dir.filePath("bad.csv"), file));
        const Run chinese = run({"--import", dir.filePath("bad.csv"), file}, {}, "zh_CN.UTF-8");
        QCOMPARE(chinese.err,
                 QString("tavisto: %1，第 2 行，“开始”列，“25:00”：不是 0:00 到 23:59 之间的时间\n"
                         "tavisto: %1，第 4 行，“序号”列，“2”：与第 3 行的序号相同\n"
                         "tavisto: 没有向 %2 导入任何定时\n")
                     .arg(dir.filePath("bad.csv"), file));
        QCOMPARE(fileBytes(file), bytes);
        writeFileBytes(dir.filePath("passwd"), "root:x:0:0:root:/root:/bin/bash\n");
        {
            const HeldElsewhere editor(file);
            for (const QStringList& wrong :
                 {QStringList{"--import", table, file},
                  QStringList{"--import", table, dir.filePath("passwd")},
                  QStringList{"--import", dir.filePath("missing.csv"), made}, QStringList{"--import", table},
                  QStringList{"--diff", file, dir.filePath("missing.mtf")}, QStringList{"--diff", file},
                  QStringList{"--export", file, made}, QStringList{"--diff", file, made, "--program", "1"}}) {
                const Run failed = run(wrong);
                QVERIFY2(failed.status == 1, qPrintable(wrong.join(' ')));
                QVERIFY2(failed.err.startsWith("tavisto: "), qPrintable(failed.err));
            }
        }
        QCOMPARE(fileBytes(file), bytes);
        QCOMPARE(fileBytes(dir.filePath("passwd")), QByteArray("root:x:0:0:root:/root:/bin/bash\n"));
    }

    // The program's own words on the command line and Qt's are in one language: Chinese under a
    // Chinese locale (no two English words in a row), English under any other (no Chinese character).
    void speaksOneLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("zh_CN") << "zh_CN.UTF-8" << true;
        QTest::newRow("en_US") << "en_US.UTF-8" << false;
    }
    void speaksOneLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(bool, chinese);
        QTemporaryDir dir;
        const QString help = run({"--help"}, {}, locale).out.join('\n');
        QStringList errors;
        for (const QStringList& wrong :
             {QStringList{"--print", dir.path()}, QStringList{"--colour"},
              QStringList{"--week", "a.mtf", "b.mtf"}, QStringList{"--diff", "a.mtf"}}) {
            const Run failed = run(wrong, {}, locale);
            QVERIFY2(failed.err.startsWith("tavisto: "), qPrintable(failed.err));
            errors << failed.err;
        }
        const QRegularExpression english("[A-Za-z]{2,} [A-Za-z]{2,}");
        const QRegularExpression han("\\p{Han}");
        for (const QString& text : QStringList{help} + errors) {
            QVERIFY2(text.contains(han) == chinese, qPrintable(text));
            QVERIFY2(!chinese || !text.contains(english), qPrintable(text));
        }
        QCOMPARE(run({"--version"}, {}, locale).out, QStringList{"tavisto 1.0"});
    }
    // The school week of the walkthrough, imported as `./project.sh examples` does: it holds its one
    // deliberate clash, and its export gives the example back byte for byte.
    void exampleSchoolWeek()
    {
        QTemporaryDir dir;
        const QString example = QStringLiteral(TAVISTO_EXAMPLES "/tavisto-school-week.csv");
        const QString file = dir.filePath("school.mtf");
        QCOMPARE(run({"--import", example, file}).status, 0);
        const Run check = run({"--check", file});
        QCOMPARE(check.status, 2);
        QCOMPARE(check.out,
                 QStringList{"冲突\t星期一至星期五\t12:00\t2\t程序1 音乐定时 09 / 程序1 音乐定时 16\t"
                             "音乐定时在同一分钟开始"});
        const QString table = dir.filePath("back.csv");
        QCOMPARE(run({"--export", file}, table).status, 0);
        QCOMPARE(fileBytes(table), fileBytes(example));
    }
};

QTEST_GUILESS_MAIN(RunProgramTest)
#include "run_program_test.moc"
