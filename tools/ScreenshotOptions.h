#pragma once
// The command line both screenshot tools take:
//   <folder> [--style NAME] [--dark] [--scale FACTOR] [--suffix TEXT]
// --dark gives the windows a dark palette (in Fusion unless --style names another style), --scale
// sets QT_SCALE_FACTOR, and every picture's name ends in the suffix ("music-dark.png").
#include <QApplication>
#include <QPalette>
#include <QString>
#include <QTest>
#include <QWidget>

struct ScreenshotOptions {
    QString folder = QStringLiteral(".");
    QString style;
    bool dark = false;
    QString suffix;

    // Before the QApplication exists: it reads QT_SCALE_FACTOR when it starts.
    static ScreenshotOptions parse(int argc, char* argv[])
    {
        ScreenshotOptions options;
        for (int i = 1; i < argc; ++i) {
            const QString arg = QString::fromLocal8Bit(argv[i]);
            const QString value = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
            if (arg == QLatin1String("--style"))
                options.style = value, ++i;
            else if (arg == QLatin1String("--dark"))
                options.dark = true;
            else if (arg == QLatin1String("--scale"))
                qputenv("QT_SCALE_FACTOR", value.toLocal8Bit()), ++i;
            else if (arg == QLatin1String("--suffix"))
                options.suffix = value, ++i;
            else
                options.folder = arg;
        }
        return options;
    }

    // Once the application exists.
    void applyStyle(const QPalette& darkPalette) const
    {
        if (!style.isEmpty() || dark)
            QApplication::setStyle(style.isEmpty() ? QStringLiteral("Fusion") : style);
        if (dark)
            QApplication::setPalette(darkPalette);
    }

    QString picturePath(const QString& name) const
    {
        return folder + QLatin1Char('/') + name + suffix + QStringLiteral(".png");
    }

    // Shows the window and saves its picture under the name; false when it could not.
    bool shoot(QWidget& window, const char* name) const
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QTest::qWait(300);  // let fonts and the paint settle
        return window.grab().save(picturePath(QLatin1String(name)));
    }
};
