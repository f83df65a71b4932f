#pragma once

#include <QStringList>

struct Environment;

// The folder of the user's own files in the installed layout, made ready at
// start-up: created when it is missing, kept for the user alone (mode 0700),
// and on its first use given a copy of the files an earlier per-user install
// kept. A folder of someone else's, or a link to one, is refused: the
// environment's folder then becomes one below which nothing lies and nothing
// can be made, whoever runs the program, so every read finds nothing, every
// save fails with its reason, and nothing goes to that other user.
// EARLIER_FOLDERS are looked in in their order; the files of the first that
// holds any are copied, and only while the user's folder holds none. What the
// user must know of it is said once, through the environment's messages.
void prepareUserFolder(Environment &environment, const QStringList &earlierFolders);
