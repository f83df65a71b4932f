#pragma once

#include <QString>

// Where the program's files are, told by where the program stands.
//   Portable: a data/ folder beside the program (the build tree, a copied
//   folder, an earlier per-user install): everything is read and written
//   there.
//   Installed: the program in PREFIX/bin with PREFIX/share/clearwind beside
//   it: the files that come with the program are read from there and never
//   written; the user's own files live in $XDG_DATA_HOME/clearwind, or
//   ~/.local/share/clearwind when that is unset or not an absolute path.
// The program's own modules lie beside it when portable, and in
// PREFIX/lib/clearwind when installed.
struct DataLayout
{
    bool installed = false;
    QString shippedFolder;
    QString userFolder;
    // Where an earlier per-user install under the same prefix kept the
    // user's files; empty when portable.
    QString earlierUserFolder;
    QString moduleFolder;
};

DataLayout findDataLayout(const QString &programFolder, const QString &xdgDataHome, const QString &home);
