#pragma once

#include <QString>

namespace journey {

// The first lines of the user's personal reasons, for a glance in the moment
// of a craving: at most three, each at most 160 characters, blank lines and
// the coach's invitation to write them left out. Nothing when there are none
// to show: no file, one larger than a page or two (the coach's tab shows
// that), or one that cannot be read. WITHIN: the folder of the user's files.
QString firstReasonLines(const QString &path, const QString &within);

} // namespace journey
