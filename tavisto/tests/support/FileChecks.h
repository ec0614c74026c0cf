#pragma once
// Files on disk as the tests look at them: their bytes, and whether another program could take them.

#include <QFile>
#include <QProcess>

namespace tavisto {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Whether another process could take the file's lock right now.
inline bool lockableByOthers(const QString& path)
{
    return QProcess::execute(QStringLiteral("flock"), {QStringLiteral("-n"), path, QStringLiteral("true")})
        == 0;
}

}  // namespace tavisto
