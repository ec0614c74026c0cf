#include "TForm4.h"

#include "ControlNames.h"
#include "JpegPicture.h"
#include "WindowSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace tavisto {

namespace {

const char* const kMemoLines[] = {
    "一共有4套标准程序，每套标准程序均有MP3和外设两种定时，分别包含100个定时。标准程序MP3定时顺序播放3个曲目"
    "。",
    "另外有1套独立的随机定时程序，包含10个定时。随机定时播放一个曲目范围，可选顺序或随机两种播放方式。",
    "4套标准程序只能选其中一套运行。选中的标准程序中的MP3定时、外设定时，与独立的随机定时一起参与下一定时的决"
    "策。",
};

QTextEdit* createMemo(QWidget* window)
{
    auto* memo = new QTextEdit(window);
    memo->setObjectName(QLatin1String(kDiagramMemo));
    memo->setGeometry(0, 0, 665, 49);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, window->palette().color(QPalette::Window));
    memo->setPalette(palette);
    memo->document()->setDocumentMargin(0);

    // Three lines must fit the 49 pixels the layout gives them; the CJK fonts' natural line
    // spacing is a little too generous for that.
    QTextBlockFormat spacing;
    spacing.setLineHeight(16, QTextBlockFormat::FixedHeight);
    spacing.setLeftMargin(2);
    QTextCursor cursor(memo->document());
    for (const char* line : kMemoLines) {
        if (line != kMemoLines[0])
            cursor.insertBlock();
        cursor.setBlockFormat(spacing);
        cursor.insertText(QString::fromUtf8(line));
    }
    return memo;
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setUpSecondaryWindow(*this, kDiagramWindow,
                         QStringLiteral("程序1、2、3、4（包括MP3、外设）与随机定时播放关系图"),
                         QSize(656, 573));

    createMemo(this);

    // A picture that fails to decode leaves the area empty.
    auto* image = new QLabel(this);
    image->setObjectName(QLatin1String(kDiagramPicture));
    image->setGeometry(8, 56, 641, 513);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap::fromImage(loadJpegResource(QStringLiteral(":/relation-diagram.jpg"))));

    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QLatin1String(kDiagramCloseButton));
    close->setGeometry(584, 528, 49, 25);
    close->raise();
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TForm4::keyPressEvent(QKeyEvent* event)
{
    if (!closeOnEscape(*this, *event))
        QWidget::keyPressEvent(event);
}

}  // namespace tavisto
