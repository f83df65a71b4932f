#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: WebTexts::tr("..."), or QT_TRANSLATE_NOOP("WebTexts", "...")
// for a table translated later through WebTexts::tr().
class WebTexts
{
    Q_DECLARE_TR_FUNCTIONS(WebTexts)
};
