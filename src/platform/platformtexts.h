#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: PlatformTexts::tr("..."), or QT_TRANSLATE_NOOP("PlatformTexts", "...")
// for a table translated later through PlatformTexts::tr().
class PlatformTexts
{
    Q_DECLARE_TR_FUNCTIONS(PlatformTexts)
};
