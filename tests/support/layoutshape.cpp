#include "support/layoutshape.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

LayoutShape layoutShape(const QTextDocument &document)
{
    LayoutShape shape;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        shape.longestParagraph = qMax(shape.longestParagraph, text.size());
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        for (qsizetype previous = 0, next = 0; (next = finder.toNextBoundary()) >= 0; previous = next)
            shape.longestUnbrokenStretch = qMax(shape.longestUnbrokenStretch, next - previous);
    }
    return shape;
}
