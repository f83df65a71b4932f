#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: EncourageTexts::tr("..."), or QT_TRANSLATE_NOOP("EncourageTexts", "...")
// for a table translated later through EncourageTexts::tr().
class EncourageTexts
{
    Q_DECLARE_TR_FUNCTIONS(EncourageTexts)
};
