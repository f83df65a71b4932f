// Writes one of the program's files through the program's own writer, again
// and again, alternating between two versions, until it is killed.
//   crashwriter profile|settings|personal FILE
// First it writes both versions beside the file as FILE.a and FILE.b, with the
// same writer, so the harness knows every byte a whole file may hold. Then it
// says "writing" once the file exists, and goes on writing it.

#include "profile/profilefile.h"
#include "profile/settingsfile.h"
#include "richtext/documentfile.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <functional>

namespace {

using Writer = std::function<textfiles::WriteResult(const QString &path, bool second)>;

QStringList profileLines(bool second)
{
    const QDateTime moment(QDate(2026, 3, second ? 14 : 3), QTime(second ? 21 : 8, 5, 33));
    return ProfileFile::lines(second ? QStringLiteral("Bernadette-Marie") : QStringLiteral("Ann"),
                              second ? QStringLiteral("40") : QStringLiteral("5"), QStringLiteral("euro"),
                              second ? QStringLiteral("12.75") : QStringLiteral("1.5"), moment,
                              second ? QStringLiteral("YES") : QStringLiteral("NO"));
}

// The second version is many times longer, so a write takes long enough to
// be killed halfway, and a cut-off file could not pass for the first.
void fillReasons(QTextDocument &document, bool second)
{
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int reason = 1; reason <= (second ? 400 : 3); ++reason) {
        cursor.insertText(QStringLiteral("Reason %1: ").arg(reason), bold);
        cursor.insertText(QStringLiteral("I want to climb the stairs without stopping for breath."), QTextCharFormat());
        cursor.insertBlock();
    }
}

Writer writerNamed(const QString &name)
{
    if (name == QLatin1String("profile"))
        return [](const QString &path, bool second) { return ProfileFile(path).write(profileLines(second)); };
    if (name == QLatin1String("settings"))
        return [](const QString &path, bool second) {
            ProgramSettings settings;
            settings.Password = second ? QStringLiteral("a much longer secret") : QStringLiteral("noword");
            settings.AutoStart = second ? 1 : 0;
            return SettingsFile(path).write(settings);
        };
    if (name == QLatin1String("personal"))
        return [](const QString &path, bool second) {
            QTextDocument document;
            fillReasons(document, second);
            return richtext::saveFile(path, document);
        };
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const Writer write = argc == 3 ? writerNamed(QString::fromLocal8Bit(argv[1])) : Writer();
    if (!write) {
        std::fputs("usage: crashwriter profile|settings|personal FILE\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (!write(path + QStringLiteral(".a"), false).ok || !write(path + QStringLiteral(".b"), true).ok ||
        !write(path, false).ok)
        return 1;
    std::puts("writing");
    std::fflush(stdout);
    for (bool second = true;; second = !second) {
        if (!write(path, second).ok)
            return 1;
    }
}
