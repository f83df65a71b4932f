#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: RecordsTexts::tr("..."), or QT_TRANSLATE_NOOP("RecordsTexts", "...")
// for a table translated later through RecordsTexts::tr().
class RecordsTexts
{
    Q_DECLARE_TR_FUNCTIONS(RecordsTexts)
};
