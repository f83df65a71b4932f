#pragma once

#include <QString>

struct Environment;
struct SaveQuestion;

// Asks the user where to save a file. A name typed without a suffix gets the
// question's ("csv", "pdf"): the dialog adds it and asks before it replaces a
// file of that name. Should a dialog hand back the name without it, the
// suffix is added here, and a file of that name is only replaced when the
// user says so. Empty when the user cancelled.
QString askWhereToSave(const Environment &environment, const SaveQuestion &question);
