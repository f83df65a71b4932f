#pragma once

#include <QCoreApplication>

// Every text this folder's logic shows, translated under one context that
// lupdate finds: ProfileTexts::tr("..."), or QT_TRANSLATE_NOOP("ProfileTexts", "...")
// for a table translated later through ProfileTexts::tr().
class ProfileTexts
{
    Q_DECLARE_TR_FUNCTIONS(ProfileTexts)
};
