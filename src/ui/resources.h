#pragma once

#include <QString>

// The program's own pictures, compiled into the program.
namespace pictures {
void load();
inline QString path(const char *name)
{
    return QStringLiteral(":/pictures/") + QLatin1String(name) + QStringLiteral(".svg");
}
} // namespace pictures
