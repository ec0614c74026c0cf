#pragma once
// The page setup every printout shares: margins of at least 15 mm, the footer "第 N 页，共 M 页"
// on every page, the PDF's title, the file proposed when printing to a file, and how a printout
// names its schedule.

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace quennet {

class PrintPages {
public:
    // Before the print dialog: the document (the PDF's title) is named by `title` and the
    // schedule's file name; printing to a file proposes printFileName().
    static void prepare(QPrinter& printer, const QString& title, const QString& schedulePath,
                        const QString& table);
    // "<schedule's base name>-<table>.pdf" in the folder last printed to, else in the user's
    // documents folder: never beside the schedule, which may lie on the player's card.
    static QString printFileName(const QString& schedulePath, const QString& table);
    // After the print dialog said yes: the folder of a PDF printed to is the one proposed next.
    static void remember(const QPrinter& printer);
    // The schedule's name as a printout shows it, with "（含未保存的修改）" while the set holds edits
    // not saved, so that paper never passes for what the file holds.
    static QString sourceName(const QString& fileName, bool unsaved);

    // Takes the device as the print dialog left it and raises its margins to at least 15 mm;
    // the footer is written in `font`.
    PrintPages(QPagedPaintDevice& device, const QFont& font);

    // Where a page's own content goes, in the painter's coordinates: inside the margins, above the
    // footer.
    QRectF body() const { return body_; }
    QPaintDevice* device() const;

    // Paints `pageCount` pages (at least one), each by `paintPage` and with its footer. False when
    // the printer or the file cannot be written.
    bool print(int pageCount, const std::function<void(QPainter& painter, int page)>& paintPage);

private:
    QPagedPaintDevice& device_;
    QFont font_;
    QRectF body_;
    QRectF footer_;
};

}  // namespace quennet
