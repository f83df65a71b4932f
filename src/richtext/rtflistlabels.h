#pragma once

#include <QString>
#include <QTextListFormat>

#include <utility>

namespace richtext {

bool isNumbered(QTextListFormat::Style style);

// What stands before and after a list's numbers.
std::pair<QString, QString> numberAffixes(const QTextListFormat &format);

// The label of a list's item: its bullet, or its number as the list shows it.
QString itemLabel(const QTextListFormat &format, int number);

} // namespace richtext
