#include "platform/translation.h"

#include <QCoreApplication>
#include <QTranslator>

static void loadTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

bool translation::install()
{
    loadTranslationResources();
    // The application owns it from here on.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/translations/clearwind_en.qm")) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
