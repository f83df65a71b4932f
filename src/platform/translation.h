#pragma once

#include <QString>
#include <QStringList>

// The program's texts are English in the source. Each other language it
// speaks is a translation compiled into the program (translations/, one .ts
// file a language); its English translation adds what the source cannot say
// alone, the plural forms ("1 day", "2 days").
namespace translation {

// The languages the program speaks: "en", then those it has a translation
// for, by their ISO 639 codes ("de").
QStringList languages();

// Whether the program speaks the language NAME names, in any of the forms a
// locale gives it: "de", "de-AT", "de_AT", "DE".
bool speaks(const QString &name);

// The language to speak: ASKED when the program speaks it (clearwind --lang),
// or else the first of the user's languages that it speaks, as the locale
// names them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or else English.
QString choose(const QString &asked = QString());

// Installs the program's translation for the language into the running
// application, and Qt's own, which speaks for the standard buttons of its
// dialogs. False when the program's could not be loaded.
bool install(const QString &language = QStringLiteral("en"));

} // namespace translation
