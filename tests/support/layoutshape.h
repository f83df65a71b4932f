#pragma once

#include <QtGlobal>

class QTextDocument;

// What the time to lay out a document depends on, measured by Unicode's own
// line-breaking rules rather than by the program's.
struct LayoutShape
{
    qsizetype longestParagraph = 0;
    // The most characters in a row with nowhere to break a line.
    qsizetype longestUnbrokenStretch = 0;
};

LayoutShape layoutShape(const QTextDocument &document);
