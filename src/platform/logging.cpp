#include "platform/logging.h"

Q_LOGGING_CATEGORY(logClearwind, "clearwind", QtInfoMsg)
