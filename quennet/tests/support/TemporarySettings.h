#pragma once
// The program's settings in a folder of their own for as long as a test holds this, never in the
// user's: every test starts from no settings at all.

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quennet::testing {

struct TemporarySettings {
    QTemporaryDir folder;

    TemporarySettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path()); }
    ~TemporarySettings()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
};

}  // namespace quennet::testing
