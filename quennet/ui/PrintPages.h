#pragma once
// The page setup every printout shares: margins of at least 15 mm, the footer "第 N 页，共 M 页"
// on every page, the PDF's title, and the file proposed when printing to a file.

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
    // schedule's file name; printing to a file proposes printFileName() beside the schedule.
    static void prepare(QPrinter& printer, const QString& title, const QString& schedulePath,
                        const QString& table);
    // "<schedule's base name>-<table>.pdf" in the schedule's folder; a name without a folder (a set
    // never saved) is put in the home folder.
    static QString printFileName(const QString& schedulePath, const QString& table);

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
