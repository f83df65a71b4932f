#pragma once

#include <QString>

struct Environment;

// The folder of the user's own files in the installed layout, made ready at
// start-up: created with mode 0700 when it is missing, and on its first use
// given a copy of the files an earlier per-user install kept.
struct UserFolderReport
{
    // Why nothing can be saved in the folder; empty when all is well.
    QString problem;
    // The earlier folder whose files were copied; empty when none were.
    QString copiedFrom;
};

UserFolderReport prepareUserFolder(const Environment &environment, const QString &earlierFolder);
