#include "platform/printer.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/textfiles.h"
#include "platform/platformtexts.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace printing {

namespace {
// Wide enough for a hand to hold the sheet; the text a comfortable size.
const QMarginsF pageMargins(20, 20, 20, 20);
constexpr qreal textPointSize = 12;
} // namespace

void preparePages(QPagedPaintDevice &device)
{
    device.setPageMargins(pageMargins, QPageLayout::Millimeter);
}

bool paintPages(const QTextDocument &document, QPagedPaintDevice &device)
{
    const std::unique_ptr<QTextDocument> pages(document.clone());
    QFont font = document.defaultFont();
    font.setPointSizeF(textPointSize);
    pages->setDefaultFont(font);
    pages->setDocumentMargin(0);
    pages->documentLayout()->setPaintDevice(&device);
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    pages->setPageSize(page);

    // Paper is white whatever the look on screen: text of no colour of its own is black.
    QAbstractTextDocumentLayout::PaintContext paper;
    paper.palette.setColor(QPalette::Text, Qt::black);
    paper.palette.setColor(QPalette::Link, Qt::blue);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int index = 0; index < pages->pageCount(); ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -index * page.height());
        paper.clip = QRectF(QPointF(0, index * page.height()), page);
        painter.setClipRect(paper.clip);
        pages->documentLayout()->draw(&painter, paper);
        painter.restore();
    }
    return painter.end();
}

PrintResult saveAsPdf(const QTextDocument &document, const QString &path)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Clearwind"));
        writer.setTitle(QStringLiteral("Clearwind"));
        preparePages(writer);
        if (!paintPages(document, writer))
            return {false, PlatformTexts::tr("The pages could not be laid out.")};
    }
    const textfiles::WriteResult written = textfiles::writeAtomically(path, bytes);
    return {written.ok, written.error};
}

bool printOrSay(const Environment &environment, const QTextDocument &document, QObject *window)
{
    const PrintResult printed = environment.printer->print(document);
    if (printed.ok)
        return true;
    environment.messages->show({PlatformTexts::tr("Error printing"), MessageService::Icon::None,
                                QString(), printed.error, window});
    return false;
}

} // namespace printing
