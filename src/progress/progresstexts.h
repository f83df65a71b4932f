#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: ProgressTexts::tr("..."), or QT_TRANSLATE_NOOP("ProgressTexts", "...")
// for a table translated later through ProgressTexts::tr().
class ProgressTexts
{
    Q_DECLARE_TR_FUNCTIONS(ProgressTexts)
};
