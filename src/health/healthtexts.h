#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: HealthTexts::tr("..."), or QT_TRANSLATE_NOOP("HealthTexts", "...")
// for a table translated later through HealthTexts::tr().
class HealthTexts
{
    Q_DECLARE_TR_FUNCTIONS(HealthTexts)
};
