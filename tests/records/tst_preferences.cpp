#include "records/preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The preferences file is the user's as much as ours: it reads as the files
// QSettings wrote read, and a write changes the values that change, nothing
// else.
class PreferencesTest : public QObject
{
    Q_OBJECT
private slots:
    void readsAs_data();
    void readsAs();
    void writeKeepsEveryOtherByte_data();
    void writeKeepsEveryOtherByte();
    void unreadableFileIsNeverWritten_data();
    void unreadableFileIsNeverWritten();
};

void PreferencesTest::readsAs_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("remind");
    QTest::addColumn<QDate>("lastShown");
    QTest::newRow("as earlier versions wrote it")
        << QByteArray("[reminder]\r\nbeforeUsualHour=true\r\nlastShown=2026-03-14\r\n") << true << QDate(2026, 3, 14);
    QTest::newRow("mark, blanks, lone CR, any case, a comment after the value")
        << QByteArray("\xEF\xBB\xBF [ reminder ]\r\tbeforeUsualHour =\tTrue \rlastShown = 2026-03-14 ; seen\r") << true
        << QDate(2026, 3, 14);
    QTest::newRow("nonsense passed over")
        << QByteArray("[reminder]\nbeforeUsualHour=yes\nlastShown=2026-02-30\n") << false << QDate();
    QTest::newRow("a year not of four digits") << QByteArray("[reminder]\nlastShown=-026-03-14\n") << false << QDate();
    QTest::newRow("of a key twice the last, in a section twice")
        << QByteArray("[reminder]\nbeforeUsualHour=true\nlastShown=2026-03-14\n[reminder]\nbeforeUsualHour=false\n"
                      "lastShown=2026-03-01")
        << false << QDate(2026, 3, 1);
    QTest::newRow("the last counts, nonsense too")
        << QByteArray("[reminder]\nbeforeUsualHour=true\nbeforeUsualHour=maybe\n") << false << QDate();
    QTest::newRow("comments, keys of other sections and of none")
        << QByteArray("beforeUsualHour=true\n[reminder]\n;beforeUsualHour=true\n#lastShown=2026-03-14\n[other]\n"
                      "beforeUsualHour=true\n")
        << false << QDate();
}

void PreferencesTest::readsAs()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, remind);
    QFETCH(QDate, lastShown);
    QCOMPARE(preferencesFrom(bytes), (Preferences{remind, lastShown}));
}

void PreferencesTest::writeKeepsEveryOtherByte_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("remind");
    QTest::addColumn<QDate>("lastShown");
    QTest::addColumn<QByteArray>("after"); // empty: no file when there was none
    const QDate day(2026, 3, 14);
    QByteArray binary; // 3 KB of every byte there is
    for (int i = 0; i < 3072; ++i)
        binary += char(i % 256);
    QTest::newRow("mark, comments, CR LF, a key twice, a backslash path")
        << true
        << QByteArray("\xEF\xBB\xBF; mine\r\n[reminder]\r\nbeforeUsualHour = false\r\n# the last counts\r\n"
                      "beforeUsualHour=false ; off\r\n\r\n[paths]\r\npath=C:\\Users\\me\r\n")
        << true << day
        << QByteArray("\xEF\xBB\xBF; mine\r\n[reminder]\r\nbeforeUsualHour = false\r\n# the last counts\r\n"
                      "beforeUsualHour=true ; off\r\nlastShown=2026-03-14\r\n\r\n[paths]\r\npath=C:\\Users\\me\r\n");
    QTest::newRow("binary with a section appended")
        << true << binary + "\n[reminder]\nbeforeUsualHour=false\n"
        << true << QDate() << binary + "\n[reminder]\nbeforeUsualHour=true\n";
    QTest::newRow("empty") << true << QByteArray() << true << QDate()
                           << QByteArray("[reminder]\r\nbeforeUsualHour=true\r\n");
    QTest::newRow("none") << false << QByteArray() << true << QDate()
                          << QByteArray("[reminder]\r\nbeforeUsualHour=true\r\n");
    QTest::newRow("none, the defaults") << false << QByteArray() << false << QDate() << QByteArray();
    QTest::newRow("other sections only, LF, no last line end")
        << true << QByteArray("[window]\nwidth=3") << true << QDate()
        << QByteArray("[window]\nwidth=3\n\n[reminder]\nbeforeUsualHour=true\n");
    QTest::newRow("lone CR") << true << QByteArray("[reminder]\rlastShown=2026-03-01\r[other]\rx=1") << true << day
                             << QByteArray("[reminder]\rlastShown=2026-03-14\rbeforeUsualHour=true\r[other]\rx=1");
    QTest::newRow("as the user wrote it, unchanged")
        << true << QByteArray("[reminder]\nbeforeUsualHour = TRUE ; on\n") << true << QDate()
        << QByteArray("[reminder]\nbeforeUsualHour = TRUE ; on\n");
    QTest::newRow("never shown again") << true << QByteArray("[reminder]\nlastShown=2026-03-01\n") << false << QDate()
                                       << QByteArray("[reminder]\nlastShown=\n");
}

void PreferencesTest::writeKeepsEveryOtherByte()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(bool, remind);
    QFETCH(QDate, lastShown);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const PreferencesFile file(folder.filePath(QStringLiteral("settings/preferences.ini")), folder.path());
    if (exists) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("settings")));
        QFile written(file.path());
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(before) == before.size());
    }
    const Preferences preferences{remind, lastShown};
    const textfiles::WriteResult written = file.write(preferences);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(contents(file.path()), after);
    QCOMPARE(QFile::exists(file.path()), exists || !after.isEmpty());
    QCOMPARE(file.read().preferences, preferences);
}

void PreferencesTest::unreadableFileIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: a folder
    QTest::addColumn<QString>("problem");
    QTest::newRow("a folder") << QByteArray() << QStringLiteral("it is not a file of preferences");
    QTest::newRow("too large") << QByteArray("[reminder]\n").leftJustified(PreferencesFile::readLimitBytes + 1, ';')
                               << QStringLiteral("it is larger than 64 KB, too large to be a file of preferences");
}

void PreferencesTest::unreadableFileIsNeverWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    const PreferencesFile file(folder.filePath(QStringLiteral("preferences.ini")), folder.path());
    if (bytes.isEmpty()) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("preferences.ini")));
    } else {
        QFile written(file.path());
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
    }
    const StoredPreferences stored = file.read();
    QCOMPARE(stored.problem, problem);
    QCOMPARE(stored.preferences, Preferences());
    const textfiles::WriteResult written = file.write({true, QDate(2026, 3, 14)});
    QVERIFY(!written.ok);
    QCOMPARE(written.error, problem);
    QCOMPARE(contents(file.path()), bytes);
}

QTEST_GUILESS_MAIN(PreferencesTest)
#include "tst_preferences.moc"
