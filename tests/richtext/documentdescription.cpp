#include "documentdescription.h"

#include "richtext/rtfreader.h"

#include <QHash>
#include <QTextBlock>
#include <QTextList>

namespace {

QString colorName(const QTextFormat &format, int property)
{
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QString() : brush.color().name();
}

// What a run of text looks like, in the terms the reader and writer keep,
// where it differs from the document's default font.
QString runAttributes(const QTextCharFormat &format, const QFont &defaultFont)
{
    QStringList attributes;
    const std::pair<bool, const char *> flags[] = {
        {format.fontWeight() >= QFont::DemiBold, "b"},
        {format.fontItalic(), "i"},
        {format.fontUnderline(), "u"},
        {format.fontStrikeOut(), "s"},
        {format.verticalAlignment() == QTextCharFormat::AlignSuperScript, "sup"},
        {format.verticalAlignment() == QTextCharFormat::AlignSubScript, "sub"},
    };
    for (const auto &[on, name] : flags) {
        if (on)
            attributes << QLatin1String(name);
    }
    if (format.fontPointSize() > 0 && format.fontPointSize() != defaultFont.pointSizeF())
        attributes << QString::number(format.fontPointSize()) + QLatin1String("pt");
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && families.first() != defaultFont.family())
        attributes << u'\'' + families.first() + u'\'';
    if (const QString color = colorName(format, QTextFormat::ForegroundBrush); !color.isEmpty())
        attributes << QLatin1String("fg=") + color;
    if (const QString color = colorName(format, QTextFormat::BackgroundBrush); !color.isEmpty())
        attributes << QLatin1String("bg=") + color;
    if (format.isAnchor())
        attributes << QLatin1String("->") + format.anchorHref();
    return attributes.join(u' ');
}

QString listStyleName(QTextListFormat::Style style)
{
    static const QHash<QTextListFormat::Style, QString> names = {
        {QTextListFormat::ListDisc, QStringLiteral("disc")},
        {QTextListFormat::ListCircle, QStringLiteral("circle")},
        {QTextListFormat::ListSquare, QStringLiteral("square")},
        {QTextListFormat::ListDecimal, QStringLiteral("decimal")},
        {QTextListFormat::ListLowerAlpha, QStringLiteral("alpha")},
        {QTextListFormat::ListUpperAlpha, QStringLiteral("ALPHA")},
        {QTextListFormat::ListLowerRoman, QStringLiteral("roman")},
        {QTextListFormat::ListUpperRoman, QStringLiteral("ROMAN")},
    };
    return names.value(style, QStringLiteral("?"));
}

QString blockAttributes(const QTextBlock &block, QHash<const QTextList *, int> &lists)
{
    const QTextBlockFormat format = block.blockFormat();
    QStringList attributes;
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment == Qt::AlignHCenter)
        attributes << QStringLiteral("center");
    else if (alignment == Qt::AlignRight)
        attributes << QStringLiteral("right");
    else if (alignment == Qt::AlignJustify)
        attributes << QStringLiteral("justify");
    const std::pair<qreal, const char *> lengths[] = {
        {format.leftMargin(), "li"}, {format.rightMargin(), "ri"},  {format.textIndent(), "fi"},
        {format.topMargin(), "sb"},  {format.bottomMargin(), "sa"},
    };
    for (const auto &[pixels, name] : lengths) {
        if (qRound(pixels))
            attributes << QLatin1String(name) + u'=' + QString::number(qRound(pixels));
    }
    if (format.headingLevel())
        attributes << QLatin1String("h=") + QString::number(format.headingLevel());
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        attributes << QStringLiteral("break-before");
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter)
        attributes << QStringLiteral("break-after");
    if (const QTextList *list = block.textList()) {
        const int number = lists.contains(list) ? lists.value(list) : int(lists.size() + 1);
        lists.insert(list, number);
        attributes << listStyleName(list->format().style()) + QString::number(list->format().indent()) + u'#' +
                          QString::number(number);
    }
    return attributes.join(u' ');
}

} // namespace

std::unique_ptr<QTextDocument> newDocument(const QString &family)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(family, 12));
    return document;
}

std::unique_ptr<QTextDocument> readRtf(const QByteArray &bytes, const QString &family)
{
    auto document = newDocument(family);
    richtext::read(bytes, document.get());
    return document;
}

std::unique_ptr<QTextDocument> fromHtml(const QString &html)
{
    auto document = newDocument();
    document->setHtml(html);
    return document;
}

QString describe(const QTextDocument &document)
{
    QStringList lines;
    QHash<const QTextList *, int> lists;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = blockAttributes(block, lists);
        if (!line.isEmpty())
            line += QLatin1String(": ");
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString attributes = runAttributes(it.fragment().charFormat(), document.defaultFont());
            if (attributes != previous && !attributes.isEmpty())
                line += u'[' + attributes + u']';
            previous = attributes;
            line += it.fragment().text();
        }
        lines << line;
    }
    return lines.join(u'\n');
}
