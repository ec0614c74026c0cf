// The program itself, started as a user starts it.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// Whether the process ignores the signal, as /proc tells.
bool ignores(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

bool lockableByOthers(const QString& path)
{
    return QProcess::execute(QStringLiteral("flock"), {QStringLiteral("-n"), path, QStringLiteral("true")})
        == 0;
}

}  // namespace

class RunProgramTest : public QObject {
    Q_OBJECT

private slots:
    // A save beyond the file size limit fails and is reported instead of ending the program.
    void fileSizeLimitDoesNotKill()
    {
        QProcess program;
        program.start(QStringLiteral(TAVISTO_BINARY), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(ignores(program.processId(), SIGXFSZ), 10000);
        program.kill();
        program.waitForFinished();
    }

    // A file named on the command line (as a file manager passes it) is opened as the open
    // dialog would: it is held, locked against every other program.
    void opensTheFileItIsGiven()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("given.mtf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(18560, '\xFF')) == 18560);
        file.close();
        QVERIFY(lockableByOthers(file.fileName()));
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(TAVISTO_BINARY),
                      {QStringLiteral("given.mtf")});  // relative to where it starts
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!lockableByOthers(file.fileName()), 10000);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(RunProgramTest)
#include "run_program_test.moc"
