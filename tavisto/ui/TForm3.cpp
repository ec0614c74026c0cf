#include "TForm3.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "Fonts.h"
#include "WindowSetup.h"

#include <QLabel>
#include <QPushButton>

namespace tavisto {

namespace {

// The layout gives 13-pixel label heights; the CJK fonts need a little more, so a label grows
// to its text instead of cutting it off.
QLabel* addLabel(QWidget* window, const char* name, const QString& text, const QRect& geometry,
                 const QFont& font, const QColor& colour = {})
{
    auto* label = new QLabel(text, window);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    label->setGeometry(QRect(geometry.topLeft(), geometry.size().expandedTo(label->sizeHint())));
    return label;
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setUpSecondaryWindow(*this, kAboutWindow, QStringLiteral("关于"), QSize(279, 177));
    QPalette cream = palette();
    // The text colours go with the cream background, whatever the desktop's palette.
    cream.setColor(QPalette::Window, QColor(255, 251, 240));
    cream.setColor(QPalette::WindowText, Qt::black);
    setPalette(cream);
    setAutoFillBackground(true);

    const QFont font = windowFont();
    addLabel(this, kAboutNameLabel, QStringLiteral("RA3vorerizid软件"), QRect(16, 16, 250, 20), kaiFont(20),
             Qt::blue);
    addLabel(this, kAboutModelLabel, QStringLiteral("适用机型：RX-5"), QRect(72, 40, 100, 13), songFont(13),
             Qt::red);
    addLabel(this, kAboutVersionLabel, QStringLiteral("版本 1.0"), QRect(216, 56, 42, 13), font);
    addLabel(this, kAboutPurposeLabel, QStringLiteral("MP3自动播放机定时编辑程序"), QRect(80, 80, 183, 13),
             font);
    addLabel(this, kAboutFileTypeLabel, QStringLiteral("定时文件 .mtf"), QRect(16, 96, 83, 13), font);
    addLabel(this, kAboutReleaseLabel, QStringLiteral("发行版本 1.0"), QRect(176, 96, 87, 13), font);
    addLabel(this, kAboutCopyrightLabel, QStringLiteral("版权所有 © 2026 本程序开发者"),
             QRect(16, 120, 233, 13), font);
    addLabel(this, kAboutLicenceLabel, QStringLiteral("MIT许可自由软件"), QRect(16, 136, 86, 13), font);

    auto* image = new QLabel(this);
    image->setObjectName(QLatin1String(kAboutIcon));
    image->setPixmap(appIconPixmap());
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setGeometry(16, 40, 33, 33);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QLatin1String(kAboutOkButton));
    Button1->setGeometry(120, 144, 41, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::Button1Click()
{
    emit okPressed();
    close();
}

}  // namespace tavisto
