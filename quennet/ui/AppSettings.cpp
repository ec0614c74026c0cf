#include "AppSettings.h"

#include <QSettings>

namespace quennet {

namespace {

// Named here rather than by the application, so that every run and test finds the same file.
QSettings settingsFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("mp3timing"),
                     QStringLiteral("Quennet"));
}

}  // namespace

QVariant setting(const QString& key)
{
    return settingsFile().value(key);
}

void keepSetting(const QString& key, const QVariant& value)
{
    settingsFile().setValue(key, value);
}

}  // namespace quennet
