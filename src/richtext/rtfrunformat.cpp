#include "richtext/rtfrunformat.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <array>

namespace richtext {

namespace {

// Sizes of the steps -2 to 3, as Markdown headings and HTML font sizes give them.
constexpr std::array<qreal, 6> sizeSteps = {0.8, 0.9, 1.0, 1.15, 1.3, 1.6};
constexpr int lowestStep = -2;
// A level 1 heading is three steps up, level 4 is the normal size.
constexpr int headingSteps = 4;

QColor brushColor(const QTextFormat &format, int property)
{
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

QString firstFamily(const QTextCharFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? format.stringProperty(QTextFormat::FontFamily) : families.first();
}

qreal pointSizeOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() > 0 ? font.pixelSize() * 0.75 : 12.0;
}

int halfPoints(qreal points)
{
    return std::clamp(qRound(points * 2), 1, 3276);
}

} // namespace

RunFormatter::RunFormatter(const QTextDocument &document)
    : m_defaultFamily(document.defaultFont().family()), m_basePointSize(pointSizeOf(document.defaultFont()))
{}

int RunFormatter::baseHalfPoints() const
{
    return halfPoints(m_basePointSize);
}

RunFormat RunFormatter::operator()(const QTextCharFormat &format, const QTextBlock &block) const
{
    const int heading = block.blockFormat().headingLevel();
    RunFormat run;
    run.family = firstFamily(format);
    if (run.family.isEmpty())
        run.family = m_defaultFamily;
    qreal points = format.fontPointSize();
    if (points <= 0) {
        const int step = format.hasProperty(QTextFormat::FontSizeAdjustment)
                             ? format.intProperty(QTextFormat::FontSizeAdjustment)
                             : (heading > 0 ? headingSteps - heading : 0);
        points = m_basePointSize * sizeSteps[std::clamp<int>(step - lowestStep, 0, int(sizeSteps.size()) - 1)];
    }
    run.halfPoints = halfPoints(points);
    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : (heading > 0 ? QFont::Bold : QFont::Normal);
    run.bold = weight >= QFont::DemiBold;
    run.italic = format.fontItalic();
    run.underline = format.fontUnderline();
    run.strike = format.fontStrikeOut();
    run.position = format.verticalAlignment();
    run.foreground = brushColor(format, QTextFormat::ForegroundBrush);
    run.background = brushColor(format, QTextFormat::BackgroundBrush);
    if (format.isAnchor())
        run.link = format.anchorHref();
    return run;
}

} // namespace richtext
