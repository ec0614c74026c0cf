// The real program on its command line, with neither a display nor a platform plugin.
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScheduleTable.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <unistd.h>

using namespace quennet;
using namespace quennet::testing;

// The table --export writes of program 2's one timing below, with its header.
const QString kTableHeader =
    "\uFEFF程序,序号,类型,开始,结束,曲目1,曲目2,曲目3,随机从,随机到,电台,星期,分区\r\n";
const QString kTableRow = "2,1,音乐,07:30,,1,2,3,10,20,,一,12\r\n";

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString drive_;  // the default drive C: below home_
    QByteArray out_;
    QByteArray err_;

    QProcessEnvironment environment(const QString& locale = "C.UTF-8") const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_DATA_HOME", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("HOME", home_.path());
        environment.insert("LANG", locale);
        return environment;
    }
    // Standard output goes to outputFile when one is given, or else to outputPipe when one is.
    int run(const QStringList& arguments, const QString& outputFile = {}, const QString& locale = "C.UTF-8",
            int outputPipe = -1)
    {
        QProcess process;
        process.setProcessEnvironment(environment(locale));
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        // Signals as a shell leaves them, whatever this process ignores.
        process.setChildProcessModifier([outputPipe] {
            std::signal(SIGPIPE, SIG_DFL);
            if (outputPipe >= 0)
                ::dup2(outputPipe, STDOUT_FILENO);
        });
        process.start(QStringLiteral(QUENNET_BINARY), arguments);
        if (!process.waitForFinished(20000))
            qFatal("quennet did not finish");
        out_ = process.readAllStandardOutput();
        err_ = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void init()
    {
        QVERIFY(QDir(home_.path()).removeRecursively() && QDir().mkpath(home_.path()));
        drive_ = home_.path() + "/.local/share/quennet/drive_c";
    }

    // Each kind, the check list's numbering over gaps, foreign bytes shown as the list shows them,
    // and a program without timings left out; all while another program holds the file. With
    // --drive-c the same from the player's card, its names in the player's spelling.
    void printListsEveryProgram()
    {
        QByteArray bytes = emptyFile(2);
        putEntry(bytes, 0, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x3E, 0x05));
        putEntry(bytes, 0, 2, timingEntry(2, 6, 0, 5, 2, 3, 6, 30, 0x3E, 0x05, 1));
        putEntry(bytes, 0, 3, deletedEntry());
        putEntry(bytes, 0, 4, timingEntry(4, 12, 0, 229, 2, 3, 12, 5, 0x3E, 0x05));
        putEntry(bytes, 0, 5, musicEntry(7));  // not its own position: not a timing
        putEntry(bytes, 0, 6, timingEntry(6, 30, 99, 150, 2, 3, 255, 0, 0xFF, 0xF0, 1));
        putEntry(bytes, 0, 100, musicEntry(100));
        putEntry(bytes, 2, 9, timingEntry(9, 23, 59, 97, 2, 3, 0, 0, 0x41, 0x05));
        const QString path = writeDataFile(drive_, bytes);

        HeldElsewhere editor(path);
        QVERIFY(editor.holds());
        QCOMPARE(run({"--print"}), 0);
        const QStringList expected = {
            " 定时程序第 1 套,定时信息检查",
            "1\t07:30\t音乐\t曲目01-02-03,随机10-20\t12345\t13",
            "2\t06:00-06:30\tFM收音\t电台05\t12345\t13",
            "3\t12:00-12:05\t外设\t(外部设备)\t12345\t13",
            "4\t30:99-255:00\tFM收音\t电台150\t日123456\t",
            " 定时程序第 3 套,定时信息检查",
            "1\t23:59\t录音\t曲目97-02-03,随机00-00\t日6\t13",
            "",
        };
        QCOMPARE(QString::fromUtf8(out_).split('\n'), expected);
        QCOMPARE(err_, QByteArray());
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(QDir(drive_ + "/dsdata").entryList(QDir::Files), QStringList({"userds.kqd"}));

        const QString card = home_.path() + "/card";
        QVERIFY(QDir().mkpath(card + "/DSDATA") && QFile::rename(path, card + "/DSDATA/UserDS.KQD"));
        QCOMPARE(run({"--print", "--drive-c", card}), 0);
        QCOMPARE(QString::fromUtf8(out_).split('\n'), expected);
        // A copy of any name, named on the command line, is read as the drive's file is.
        const QString copy = home_.path() + "/周一备份.bin";
        QVERIFY(QFile::copy(card + "/DSDATA/UserDS.KQD", copy));
        QCOMPARE(run({"--print", copy, "--drive-c", home_.path() + "/none-needed"}), 1);  // still a mistake
        QCOMPARE(run({"--print", copy}), 0);
        QCOMPARE(QString::fromUtf8(out_).split('\n'), expected);

        // A listing that does not arrive whole is no success: not on a full disk, not when its
        // reader went away (which must not end the program unheard).
        QCOMPARE(run({"--print", "--drive-c", card}, "/dev/full"), 1);
        QCOMPARE(err_, "quennet: cannot write the timings: " + reasonOf(ENOSPC).toUtf8() + "\n");
        int pipe[2];
        QVERIFY(::pipe(pipe) == 0);
        ::close(pipe[0]);
        QCOMPARE(run({"--print", "--drive-c", card}, {}, "C.UTF-8", pipe[1]), 1);
        ::close(pipe[1]);
        QCOMPARE(err_, "quennet: cannot write the timings: " + reasonOf(EPIPE).toUtf8() + "\n");
    }

    // A file cut short: what it holds is listed, its length and a whole file's are said on
    // standard error, and the status is 2, so that no script takes the missing programs for empty.
    void cutShortFileIsReported_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("file");  // the copy named on the command line; empty: the drive's
        const QString print =
            " 定时程序第 2 套,定时信息检查\n1\t07:30\t音乐\t曲目01-02-03,随机10-20\t1\t12\n";
        const QString week = "星期一\t07:30\t\t1,2\t音乐 01-02-03 随机10-20\t程序2 第 01 条\n";
        for (const QString& file : {QString(), QString("userds-copy.kqd")}) {
            const QString copy = file.isEmpty() ? QString() : " of a copy";
            QTest::newRow(qPrintable("print" + copy)) << QStringList{"--print"} << print << file;
            QTest::newRow(qPrintable("week" + copy)) << QStringList{"--week"} << week << file;
            QTest::newRow(qPrintable("check" + copy)) << QStringList{"--check"} << QString() << file;
            QTest::newRow(qPrintable("check of a lost program" + copy))
                << QStringList{"--check", "--program", "4"} << QString() << file;
            QTest::newRow(qPrintable("export" + copy))
                << QStringList{"--export"} << kTableHeader + kTableRow << file;
        }
    }
    void cutShortFileIsReported()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(QString, file);
        QByteArray bytes = emptyFile(1);
        putEntry(bytes, 1, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x03));
        putEntry(bytes, 3, 1, timingEntry(1, 6, 0, 1, 2, 3, 10, 20, 0x01, 0x01));
        QString path = home_.path() + "/" + file;
        if (file.isEmpty()) {
            path = writeDataFile(drive_, bytes.left(8804));
        } else {
            writeAll(path, bytes.left(8804));
            arguments << path;
        }
        QCOMPARE(run(arguments), 2);
        QCOMPARE(QString::fromUtf8(out_), output);
        QCOMPARE(QString::fromUtf8(err_),
                 "quennet: " + path + " is incomplete: 8804 bytes instead of 16896\n");
        QCOMPARE(readAll(path), bytes.left(8804));
    }

    // A file that cannot be read: the path and the reason on standard error, nothing created; a
    // file given as the drive is refused before any window.
    void printFailsOnUnreadableFiles()
    {
        QCOMPARE(run({"--print"}), 1);
        QCOMPARE(out_, QByteArray());
        const QString missing = drive_ + "/dsdata/userds.kqd";
        QCOMPARE(QString::fromUtf8(err_).trimmed(),
                 "quennet: cannot read " + missing + ": " + reasonOf(ENOENT));
        QVERIFY(!QFileInfo::exists(drive_));

        const QByteArray invalid = emptyFile(7);
        writeDataFile(drive_, invalid);
        QCOMPARE(run({"--print"}), 1);
        QCOMPARE(out_, QByteArray());
        QCOMPARE(QString::fromUtf8(err_).trimmed(),
                 "quennet: cannot read " + missing + ": not a timing data file");
        QCOMPARE(readAll(missing), invalid);

        QCOMPARE(run({"--check"}), 1);
        QCOMPARE(out_, QByteArray());
        QCOMPARE(QString::fromUtf8(err_).trimmed(),
                 "quennet: cannot read " + missing + ": not a timing data file");

        QCOMPARE(run({"--print", "--drive-c", home_.path() + "/none"}), 1);
        QVERIFY(err_.contains((home_.path() + "/none").toUtf8()) && out_.isEmpty());
        QCOMPARE(run({"--drive-c", missing}), 1);
        QCOMPARE(err_, QString("quennet: " + missing + " is not a folder\n").toUtf8());

        // A file named on the command line gets the same rules: a link is no data file to trust.
        writeDataFile(drive_, emptyFile(0));
        const QString link = home_.path() + "/link.kqd";
        QVERIFY(QFile::link(missing, link));
        for (const char* report : {"--print", "--week", "--check"}) {
            QCOMPARE(run({report, link}, {}, "zh_CN.UTF-8"), 1);
            QCOMPARE(QString::fromUtf8(err_), "quennet: 无法读取 " + link + "：这不是普通文件\n");
        }
        QCOMPARE(run({"--print", link, "extra"}), 1);
        QCOMPARE(err_, QByteArray("quennet: unexpected argument 'extra'\n"));
    }

    // The run program's week and check, or another program's; status 2 only for a clash or a
    // timing that never plays; read while another program holds the file, which stays unchanged.
    void weekAndCheckOfAProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("week of the run program")
            << QStringList{"--week"} << 0
            << "星期一\t07:30\t\t1,2\t音乐 01-02-03 随机10-20\t程序2 第 01 条\n";
        QTest::newRow("check: a note only")
            << QStringList{"--check"} << 0
            << "提示\t\t\t\t程序4\t有 2 条定时，播放机运行程序2，这些定时保留但不播放\n";
        QTest::newRow("check of a program with a clash")
            << QStringList{"--check", "--program", "4"} << 2
            << "冲突\t星期日\t06:00\t1\t程序4 第 01 条 / 程序4 第 02 条\t音乐定时在同一分钟开始\n"
               "提示\t\t\t\t程序4\t有 2 条定时，播放机运行程序2，这些定时保留但不播放\n";
        QTest::newRow("export of every program") << QStringList{"--export"} << 0
                                                 << kTableHeader + kTableRow
                + "4,1,音乐,06:00,,1,2,3,10,20,,日,1\r\n4,2,音乐,06:00,,7,2,3,10,20,,日,1\r\n";
        QTest::newRow("export of a program")
            << QStringList{"--export", "--program", "2"} << 0 << kTableHeader + kTableRow;
        QTest::newRow("export of an empty program")
            << QStringList{"--export", "--program", "3"} << 0 << kTableHeader;
        QTest::newRow("no such program") << QStringList{"--week", "--program", "5"} << 1 << QString();
        QTest::newRow("a program without a report") << QStringList{"--program", "2"} << 1 << QString();
    }
    void weekAndCheckOfAProgram()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QByteArray bytes = emptyFile(1);
        putEntry(bytes, 1, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x03));
        putEntry(bytes, 3, 1, timingEntry(1, 6, 0, 1, 2, 3, 10, 20, 0x01, 0x01));
        putEntry(bytes, 3, 2, timingEntry(2, 6, 0, 7, 2, 3, 10, 20, 0x01, 0x01));
        const QString path = writeDataFile(drive_, bytes);
        HeldElsewhere editor(path);
        QCOMPARE(run(arguments), status);
        QCOMPARE(QString::fromUtf8(out_), output);
        QCOMPARE(err_.isEmpty(), status != 1);
        QCOMPARE(readAll(path), bytes);
    }

    // An import goes through the file session the window uses, or changes nothing: every bad row is
    // reported, and so is a file that cannot be written; a file that is not there becomes a new set.
    void importThroughTheSession_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("file");  // "drive" for the drive's; "new" for one not made yet
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errors");
        const QByteArray good = "程序,序号,类型,开始,结束,星期,分区\n2,5,外设,8:00 AM,下午 1:30,一二,1\n";
        const QByteArray bad = "程序,类型,开始,结束\n1,外设,25:00,13:00\n1,闹钟,8:00,\n";
        QTest::newRow("into the drive's file") << good << "drive"
                                               << "" << 0 << "";
        QTest::newRow("into a copy") << good << "copy.kqd"
                                     << "" << 0 << "";
        QTest::newRow("into a new set") << good << "new"
                                        << "" << 0 << "";
        const QString refused =
            "quennet: %table, line 2, column 开始, value \"25:00\": not a time from 0:00 to 23:59\n"
            "quennet: %table, line 3, column 类型, value \"闹钟\": the kind must be 音乐, 录音, 收音 or "
            "外设\n"
            "quennet: nothing was imported: %file is unchanged\n";
        QTest::newRow("refused") << bad << "copy.kqd"
                                 << "" << 1 << refused;
        QTest::newRow("refused, no new set") << bad << "new"
                                             << "" << 1 << refused;
        QTest::newRow("held by another program")
            << good << "drive"
            << "held" << 1 << "quennet: cannot read %file: another program is using this file\n";
        QTest::newRow("a link") << good << "copy.kqd"
                                << "link" << 1 << "quennet: cannot read %file: not a regular file\n";
        QTest::newRow("cut short") << good << "copy.kqd"
                                   << "short" << 1
                                   << "quennet: %file is incomplete: 9000 bytes instead of 16896\n";
        QTest::newRow("no table") << QByteArray() << "drive"
                                  << "" << 1 << "quennet: cannot read %table: " + reasonOf(ENOENT) + "\n";
    }
    void importThroughTheSession()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, file);
        QFETCH(QString, trouble);
        QFETCH(int, status);
        QFETCH(QString, errors);
        QByteArray before = emptyFile(1);
        putEntry(before, 1, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x03));
        const QString tablePath = home_.path() + "/plan.csv";
        if (!table.isEmpty())
            writeAll(tablePath, table);
        QStringList arguments{"--import", tablePath};
        QString path = writeDataFile(drive_, before);
        if (file != "drive") {
            path = home_.path() + "/" + file;
            arguments << path;
            if (file == "new") {
                const std::vector<std::uint8_t> empty = DataFile::emptyImage(0);
                before = QByteArray(reinterpret_cast<const char*>(empty.data()), kDataFileSize);
            } else {
                writeAll(path, trouble == "short" ? before.left(9000) : before);
            }
            if (trouble == "link")
                QVERIFY(QFile::rename(path, path + ".real") && QFile::link(path + ".real", path));
        }
        std::optional<HeldElsewhere> editor;
        if (trouble == "held")
            editor.emplace(path);
        QCOMPARE(run(arguments), status);
        QCOMPARE(QString::fromUtf8(err_),
                 QString(errors).replace("%table", tablePath).replace("%file", path));
        QCOMPARE(out_, QByteArray());
        const TableImport imported = importTable({before.begin(), before.end()}, table.toStdString());
        if (status == 0)
            QCOMPARE(readAll(path),
                     QByteArray(reinterpret_cast<const char*>(imported.image.data()), kDataFileSize));
        else if (file == "new")
            QVERIFY(!QFileInfo::exists(path));
        else if (trouble != "link")
            QCOMPARE(readAll(path), trouble == "short" ? before.left(9000) : before);
        QVERIFY(QDir(QFileInfo(path).path()).entryList({".*.??????"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // Two data files of any name: 0 when the player would do the same, 2 and the lines when not,
    // 1 when one cannot be read.
    void diffOfTwoFiles()
    {
        QByteArray a = emptyFile(0);
        putEntry(a, 0, 1, timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x03));
        QByteArray b = a;
        putEntry(b, 0, 1, deletedEntry());
        putEntry(b, 0, 2, timingEntry(2, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x03));
        const QString pathA = home_.path() + "/a.kqd";
        const QString pathB = home_.path() + "/卡上的.kqd";
        writeAll(pathA, a);
        writeAll(pathB, b);
        QCOMPARE(run({"--diff", pathA, pathB}), 0);
        QCOMPARE(out_, QByteArray());
        putEntry(b, 0, 2, timingEntry(2, 7, 35, 1, 2, 3, 10, 20, 0x02, 0x03));
        b[101] = 3;
        writeAll(pathB, b);
        QCOMPARE(run({"--diff", pathA, pathB}), 2);
        QCOMPARE(QString::fromUtf8(out_),
                 QString("- 程序1\t星期一\t07:30\t\t1,2\t音乐 01-02-03 随机10-20\n"
                         "+ 程序1\t星期一\t07:35\t\t1,2\t音乐 01-02-03 随机10-20\n"
                         "- 运行程序\t程序1\n+ 运行程序\t程序4\n"));
        QCOMPARE(readAll(pathB), b);
        QCOMPARE(run({"--diff", pathA, home_.path() + "/none.kqd"}), 1);
        QCOMPARE(out_, QByteArray());
        QCOMPARE(run({"--diff", pathA}), 1);
        QCOMPARE(err_, QByteArray("quennet: --diff compares two data files\n"));
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
        QCOMPARE(run({"--help"}, {}, locale), 0);
        QStringList texts{QString::fromUtf8(out_)};
        writeDataFile(drive_, emptyFile(7));
        QFile::resize(drive_ + "/dsdata/userds.kqd", 100);
        for (const QStringList& wrong : {QStringList{"extra"}, QStringList{"--bogus"}, QStringList{"--print"},
                                         QStringList{"--drive-c", home_.path() + "/none"}}) {
            QCOMPARE(run(wrong, {}, locale), 1);
            QVERIFY2(err_.startsWith("quennet: "), err_.constData());
            texts << QString::fromUtf8(err_);
        }
        const QRegularExpression english("[A-Za-z]{2,} [A-Za-z]{2,}");
        const QRegularExpression han("\\p{Han}");
        for (const QString& text : texts) {
            QVERIFY2(text.contains(han) == chinese, qPrintable(text));
            QVERIFY2(!chinese || !text.contains(english), qPrintable(text));
        }
        QCOMPARE(run({"--version"}, {}, locale), 0);
        QCOMPARE(out_, QByteArray("quennet 1.0\n"));
    }

    void helpVersionAndMistakes()
    {
        QCOMPARE(run({"--help"}), 0);
        QVERIFY(out_.contains("--print") && out_.contains("--week") && out_.contains("--check")
                && out_.contains("--program <n>") && out_.contains("--drive-c <folder>")
                && out_.contains("--version"));
        QCOMPARE(run({"--help-all"}), 0);
        QVERIFY(out_.contains("--print"));  // no display needed for it either
        QCOMPARE(run({"--version"}), 0);
        QCOMPARE(out_, QByteArray("quennet 1.0\n"));
        QCOMPARE(run({"--bogus"}), 1);
        QVERIFY(out_.isEmpty());
        QVERIFY(err_.contains("bogus"));
        QCOMPARE(run({"schedule.kqd"}), 1);  // no file is opened from here
        QVERIFY(err_.contains("schedule.kqd"));

        // Qt's own options are no mistake, with a window or without.
        QCOMPARE(run({"-style", "fusion", "-reverse", "--version"}), 0);
        QCOMPARE(out_, QByteArray("quennet 1.0\n"));
        QProcess window;
        window.setProcessEnvironment(environment());
        window.start(QStringLiteral(QUENNET_BINARY), {"-platform", "offscreen", "-style=fusion"});
        QVERIFY(window.waitForStarted() && !window.waitForFinished(1500));  // the window is up
        // A write beyond the file-size limit must fail and be reported, not end the program.
        const QByteArray status = readAll(QString("/proc/%1/status").arg(window.processId()));
        const QByteArray ignored = status.mid(status.indexOf("SigIgn:") + 7, 17).trimmed();
        QVERIFY2((ignored.toULongLong(nullptr, 16) >> (SIGXFSZ - 1)) & 1, ignored.constData());
        window.kill();
        window.waitForFinished();
    }
    // The school week of the walkthrough, imported as `./project.sh examples` does: it holds its one
    // deliberate clash, and its export gives the example back byte for byte.
    void exampleSchoolWeek()
    {
        const QString example = QStringLiteral(QUENNET_EXAMPLES "/quennet-school-week.csv");
        const QString file = home_.path() + "/userds.kqd";
        QCOMPARE(run({"--import", example, file}), 0);
        QCOMPARE(run({"--check", file}), 2);
        QCOMPARE(QString::fromUtf8(out_),
                 QString("冲突\t星期一至星期五\t12:00\t2\t程序1 第 09 条 / 程序1 第 16 条\t"
                         "音乐定时在同一分钟开始\n"));
        const QString table = home_.path() + "/back.csv";
        QCOMPARE(run({"--export", file}, table), 0);
        QCOMPARE(readAll(table), readAll(example));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
