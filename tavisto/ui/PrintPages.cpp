#include "PrintPages.h"

#include "AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

namespace tavisto {

namespace {

// Many printers cannot reach closer to the edge of the sheet.
constexpr double kMarginMm = 15;

const QString kPrintFolderKey = QStringLiteral("print/folder");

}  // namespace

void PrintPages::prepare(QPrinter& printer, const QString& title, const QString& schedulePath,
                         const QString& table)
{
    printer.setDocName(QStringLiteral("%1 - %2").arg(title.trimmed(), QFileInfo(schedulePath).fileName()));
    // The name only fills the dialog's file field: a printer, where there is one, stays the choice.
    printer.setOutputFileName(printFileName(schedulePath, table));
    printer.setOutputFormat(QPrinter::NativeFormat);
}

QString PrintPages::printFileName(const QString& schedulePath, const QString& table)
{
    QString folder = setting(kPrintFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(
        QStringLiteral("%1-%2.pdf").arg(QFileInfo(schedulePath).completeBaseName(), table));
}

void PrintPages::remember(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        keepSetting(kPrintFolderKey, QFileInfo(printer.outputFileName()).absolutePath());
}

QString PrintPages::sourceName(const QString& fileName, bool unsaved)
{
    return unsaved ? fileName + QStringLiteral("（含未保存的修改）") : fileName;
}

PrintPages::PrintPages(QPagedPaintDevice& device, const QFont& font) : device_(device), font_(font)
{
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    device.setPageMargins(QMarginsF(qMax(margins.left(), kMarginMm), qMax(margins.top(), kMarginMm),
                                    qMax(margins.right(), kMarginMm), qMax(margins.bottom(), kMarginMm)),
                          QPageLayout::Millimeter);
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const double line = QFontMetricsF(font, &device).height();
    footer_ = QRectF(0, page.height() - line, page.width(), line);
    body_ = QRectF(0, 0, page.width(), page.height() - 2 * line);
}

QPaintDevice* PrintPages::device() const
{
    return &device_;
}

bool PrintPages::print(int pageCount, const std::function<void(QPainter& painter, int page)>& paintPage)
{
    QPainter painter;
    if (!painter.begin(&device_))
        return false;
    pageCount = qMax(pageCount, 1);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !device_.newPage())
            return false;
        painter.save();
        paintPage(painter, page);
        painter.restore();
        painter.setFont(font_);
        painter.drawText(footer_, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                         QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(pageCount));
    }
    return painter.end();
}

}  // namespace tavisto
