#pragma once
// What the user chose to see, kept between runs in the program's own settings file and never in a
// schedule: the week plan's zoom and scrolling, the folder last printed to.

#include <QString>
#include <QVariant>

namespace tavisto {

// The value kept under `key`, or an invalid one.
QVariant setting(const QString& key);
void keepSetting(const QString& key, const QVariant& value);

}  // namespace tavisto
