#pragma once
// Printouts as the tests look at them: a printer that keeps the texts each page shows, and their
// boxes, instead of printing them; and a text as a PDF file's document information holds it.

#include <QPaintEngine>
#include <QPrinter>
#include <QTextItem>

namespace quennet::testing {

class RecordingPrinter : public QPrinter, private QPaintEngine {
public:
    struct Text {
        QRectF box;
        QString text;
    };
    QList<QList<Text>> pages{QList<Text>()};

    bool newPage() override
    {
        pages.append(QList<Text>());
        return true;
    }
    QPaintEngine* paintEngine() const override { return const_cast<RecordingPrinter*>(this); }
    QStringList texts(int page) const
    {
        QStringList result;
        for (const Text& text : pages[page])
            result << text.text;
        return result;
    }

private:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        pages.last().append(
            {QRectF(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent()),
             item.text()});
    }
    Type type() const override { return User; }
};

// A text string of a PDF file's document information: UTF-16 with its byte order mark, in parentheses.
inline QByteArray pdfString(const QString& text)
{
    QByteArray bytes("(\xFE\xFF");
    for (QChar c : text)
        for (char byte : {char(c.unicode() >> 8), char(c.unicode() & 0xFF)})
            bytes += (byte == '(' || byte == ')' || byte == '\\' ? "\\" : "") + QByteArray(1, byte);
    return bytes + ')';
}

}  // namespace quennet::testing
