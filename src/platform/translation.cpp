#include "platform/translation.h"

#include "platform/logging.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <utility>

static void loadTranslationResources()
{
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(clearwind_platform_translations);
}

namespace translation {

namespace {

const QString english = QStringLiteral("en");
const QString folder = QStringLiteral(":/translations");

QString programTranslation(const QString &language)
{
    return folder + QStringLiteral("/clearwind_") + language + QStringLiteral(".qm");
}

// "de" of "de-DE", "de_AT" or "de".
QString languageOf(const QString &name)
{
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

// The translators this module installed, so that a language chosen again
// replaces them rather than lies under them. A translator goes with the
// application that owns it; its pointer then turns null.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

bool load(const QString &file, const QString &folderOf = QString())
{
    // The application owns it from here on.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folderOf) && QCoreApplication::installTranslator(translator)) {
        installed().append(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

QStringList languages()
{
    loadTranslationResources();
    QStringList found{english};
    QDirIterator files(folder, {QStringLiteral("clearwind_*.qm")});
    while (files.hasNext()) {
        const QString language = files.next().section(u'_', -1).section(u'.', 0, 0);
        if (!found.contains(language))
            found << language;
    }
    return found;
}

bool speaks(const QString &name)
{
    return languages().contains(languageOf(name));
}

QString choose(const QString &asked)
{
    const QStringList spoken = languages();
    if (spoken.contains(languageOf(asked)))
        return languageOf(asked);
    for (const QString &wanted : QLocale::system().uiLanguages()) {
        if (spoken.contains(languageOf(wanted)))
            return languageOf(wanted);
    }
    return english;
}

bool install(const QString &language)
{
    loadTranslationResources();
    for (const QPointer<QTranslator> &earlier : std::exchange(installed(), {})) {
        if (!earlier)
            continue;
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    const bool own = load(programTranslation(language));
    // Qt's own is a nicety: without it the standard buttons stay English.
    if (language != english &&
        !load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qCInfo(logClearwind, "Qt's own texts for %s are not installed", qPrintable(language));
    return own;
}

} // namespace translation
