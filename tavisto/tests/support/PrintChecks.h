#pragma once
// Printouts as the tests look at them: a printer that keeps what each page shows instead of
// printing it, and a text as a PDF file holds it.

#include <QPaintEngine>
#include <QPrinter>
#include <QTextItem>

namespace tavisto {

// Keeps the texts painted and their boxes, page by page.
class RecordingPrinter : public QPrinter {
public:
    struct Text {
        QRectF box;
        QString text;
    };
    QList<QList<Text>> pages{{}};

    bool newPage() override
    {
        pages.append(QList<Text>());
        return true;
    }
    QPaintEngine* paintEngine() const override { return &engine_; }

    QStringList texts(int page) const
    {
        QStringList result;
        for (const Text& text : pages[page])
            result << text.text;
        return result;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingPrinter& printer) : printer_(printer) { }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override { }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawTextItem(const QPointF& at, const QTextItem& item) override
        {
            printer_.pages.last().append(
                {QRectF(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent()),
                 item.text()});
        }
        Type type() const override { return User; }

    private:
        RecordingPrinter& printer_;
    };
    mutable Engine engine_{*this};
};

// A text string of a PDF file's document information: UTF-16 with its byte order mark, in parentheses.
inline QByteArray pdfString(const QString& text)
{
    QByteArray bytes("(\xFE\xFF");
    for (QChar c : text)
        for (char byte : {char(c.unicode() >> 8), char(c.unicode() & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\')
                bytes += '\\';
            bytes += byte;
        }
    return bytes + ')';
}

}  // namespace tavisto
