#include "encourage/tips.h"
#include "fuzzinput.h"
#include "platform/randomsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile input(data, size);
    TipList tips;
    tips.load(FuzzFile::path());
    SeededRandom random;
    random.seed(static_cast<quint32>(size));
    for (int i = 0; i < 8; ++i) {
        const auto tip = tips.draw(random, QStringLiteral("fallback"));
        if (tip && tip->size() > TipList::maxTipLength)
            __builtin_trap();
    }
    return 0;
}
