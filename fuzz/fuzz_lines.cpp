#include "platform/regionalformats.h"
#include "platform/textfiles.h"
#include "profile/questionnaire.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = textfiles::decode(bytes);
    qsizetype count = 0;
    const QStringList lines = textfiles::splitLines(text, 100, &count);
    if (lines.size() > 100 || count < lines.size())
        __builtin_trap();
    for (const QString &line : lines) {
        regional::dateFromText(line);
        regional::timeFromText(line);
        regional::shortFromText(line);
        questionnaire::isMoneyAmount(line);
    }
    return 0;
}
