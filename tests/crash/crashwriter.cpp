// Writes one of the program's files through the program's own writer, again
// and again, alternating between two versions, until it is killed.
//   crashwriter profile|settings|personal|cravings FILE [full]
// First it writes both versions beside the file as FILE.a and FILE.b, with the
// same writer, so the harness knows every byte a whole file may hold. Then it
// says "writing" once the file exists, and goes on writing it.
// With "full", it fills the disk instead once the file exists, writes the
// second version once, and ends with 0 when the writer said that it failed.

#include "advisors/personalreasonsfile.h"
#include "cravinglog/cravings.h"
#include "profile/profilefile.h"
#include "profile/settingsfile.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QFileInfo>
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

// Cravings are only ever added: the first version is a log of a few years,
// the second the same with one more craving logged. Each write starts from
// the first, put back through the atomic writer unless the file holds it
// already, so a kill there or in the logging itself must leave one of the two.
QByteArray cravingLog()
{
    QByteArray bytes = journey::cravingsHeader();
    const QDateTime first(QDate(2024, 1, 1), QTime(7, 30));
    for (int row = 0; row < 5000; ++row)
        bytes += journey::cravingRecord({first.addSecs(row * 3917), 1 + row % 5, journey::Trigger::Coffee,
                                         row % 3 ? QString() : QStringLiteral("after the second cup, \"as usual\""),
                                         journey::Outcome::Passed});
    return bytes;
}

textfiles::WriteResult writeCravings(const QString &path, bool second)
{
    static const journey::Craving added{QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)), 4, journey::Trigger::Stress,
                                        QStringLiteral("it passed"), journey::Outcome::Passed};
    static const QByteArray log = cravingLog();
    QFile current(path);
    if (second && current.open(QIODevice::ReadOnly) && current.readAll() == log)
        return journey::CravingFile(path).append(added);
    const textfiles::WriteResult reset = textfiles::writeAtomically(path, log);
    if (!second || !reset.ok)
        return reset;
    return journey::CravingFile(path).append(added);
}

Writer writerNamed(const QString &name)
{
    if (name == QLatin1String("profile"))
        return [](const QString &path, bool second) { return ProfileFile(path).write(profileLines(second)); };
    if (name == QLatin1String("settings"))
        return [](const QString &path, bool second) {
            ProgramSettings settings;
            settings.password = second ? QStringLiteral("a much longer secret") : QStringLiteral("noword");
            settings.autoStart = second ? 1 : 0;
            return SettingsFile(path).write(settings);
        };
    if (name == QLatin1String("personal"))
        return [](const QString &path, bool second) {
            QTextDocument document;
            fillReasons(document, second);
            // As the keeper stores them: the bytes made from the document
            // beforehand, the old file replaced whole.
            return PersonalReasonsFile::store({path, QString(), richtext::write(document), QString()});
        };
    if (name == QLatin1String("cravings"))
        return writeCravings;
    return {};
}

// Fills the file system the folder lies on, to its last byte.
void fillDisk(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    for (const qsizetype size : {qsizetype(65536), qsizetype(1)}) {
        const QByteArray block(size, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.unsetError();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const bool fullDisk = argc == 4 && QByteArray(argv[3]) == "full";
    const Writer write = argc == 3 || fullDisk ? writerNamed(QString::fromLocal8Bit(argv[1])) : Writer();
    if (!write) {
        std::fputs("usage: crashwriter profile|settings|personal|cravings FILE [full]\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (!write(path + QStringLiteral(".a"), false).ok || !write(path + QStringLiteral(".b"), true).ok ||
        !write(path, false).ok)
        return 1;
    if (fullDisk) {
        fillDisk(QFileInfo(path).absolutePath());
        const textfiles::WriteResult written = write(path, true);
        std::printf("%s\n", written.ok ? "written" : qPrintable("refused: " + written.error));
        return written.ok ? 3 : 0;
    }
    std::puts("writing");
    std::fflush(stdout);
    for (bool second = true;; second = !second) {
        if (!write(path, second).ok)
            return 1;
    }
}
