#pragma once

#include "platform/environment.h"

class QWidget;

// The desktop's dialog that asks where to save a file. A name typed without
// a suffix gets the question's suffix from the dialog itself, so the
// question whether to replace a file that is there already covers the name
// that is written. Empty when the user cancelled.
QString askWithSaveFileDialog(const SaveQuestion &question, QWidget *parent);
