#pragma once

#include <QString>

struct Environment;
struct SaveQuestion;

// Asks the user where to save a file. A name typed without a suffix gets the
// one given ("csv", "pdf"). Empty when the user cancelled.
QString askWhereToSave(const Environment &environment, const SaveQuestion &question, const char *suffix);
