#pragma once

#include <QString>

// The rule of the XDG base directories for a folder such as XDG_DATA_HOME or
// XDG_CONFIG_HOME: the variable's value when it is an absolute path, and the
// default below the home folder otherwise, a relative value included.
namespace xdgbase {

QString folder(const QString &variableValue, const QString &home, const QString &defaultBelowHome);

} // namespace xdgbase
