#pragma once

#include <QString>
#include <QStringList>

// Where the program's files are, told by where the program stands.
//   Portable: a data/ folder beside the program (the build tree, a copied
//   folder, an earlier per-user install), or a program that does not stand
//   in a bin/ folder: everything is read and written there.
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
    // Where earlier per-user installs kept the user's files, in the order to
    // look in them: the user's own in ~/.local, whatever this program's
    // prefix, then one under this program's prefix. None when portable.
    QStringList earlierUserFolders;
    QString moduleFolder;
};

DataLayout findDataLayout(const QString &programFolder, const QString &xdgDataHome, const QString &home);
