#pragma once

#include <QColor>
#include <QString>
#include <QTextCharFormat>

class QTextBlock;
class QTextDocument;

namespace richtext {

// The formatting of a run of text as it is written, with everything the
// document leaves to its defaults filled in.
struct RunFormat
{
    QString family;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QTextCharFormat::VerticalAlignment position = QTextCharFormat::AlignNormal;
    QColor foreground;
    QColor background;
    QString link;
};

// Fills in a run's formatting from the document's default font. Markdown
// headings carry a size step and their level rather than a size: they get
// a real, larger size and bold.
class RunFormatter
{
public:
    explicit RunFormatter(const QTextDocument &document);

    RunFormat operator()(const QTextCharFormat &format, const QTextBlock &block) const;
    int baseHalfPoints() const;

private:
    const QString m_defaultFamily;
    const qreal m_basePointSize;
};

} // namespace richtext
