#include "support/fakes.h"

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const Message &message : shown)
        result.append(message.text);
    return result;
}
