#include "profile/profilefile.h"
#include "profile/settingsfile.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class ProfileFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void profileRoundTrip_data();
    void profileRoundTrip();
    void profileFileLayout();
    void badProfileLines_data();
    void badProfileLines();
    void badProfileFiles_data();
    void badProfileFiles();

    void settingsReading_data();
    void settingsReading();
    void settingsFileEndsAfterTheDigit();
};

namespace {

QString writeTemp(const QTemporaryDir &folder, const QByteArray &bytes)
{
    const QString path = folder.filePath(QStringLiteral("file.dat"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

} // namespace

void ProfileFilesTest::profileRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("readLocale"); // a profile written under one locale, read under another
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("money");
    const char *locales[] = {"en_US", "de_DE", "en_GB", "ja_JP"};
    const char *switches[][2] = {{"en_US", "de_DE"}, {"de_DE", "en_US"}, {"en_US", "en_GB"},
                                 {"en_GB", "en_US"}, {"en_GB", "de_DE"}, {"de_DE", "en_GB"}};
    for (const auto &[written, read] : switches)
        QTest::addRow("%s, read under %s", written, read)
            << QString::fromLatin1(written) << QString::fromLatin1(read) << QStringLiteral("Ann") << "5.50";
    const QString names[] = {QStringLiteral("Ann"), QStringLiteral("O'Hara, J."), QStringLiteral("\"Quoted\""),
                             QString::fromUtf8("\xf0\x9f\x98\x80 Zo\xc3\xab"),
                             QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d")};
    for (const char *locale : locales) {
        for (const QString &name : names)
            QTest::addRow("%s %s", locale, qPrintable(name))
                << QString::fromLatin1(locale) << QString::fromLatin1(locale) << name << "5.50";
    }
}

void ProfileFilesTest::profileRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QString, readLocale);
    QFETCH(QString, name);
    QFETCH(QString, money);
    QLocale::setDefault(QLocale(locale));
    QTemporaryDir folder;
    const ProfileFile file(folder.filePath(QStringLiteral("data.dat")));
    // Day and month both below 13: read in the other order, it is another day.
    const QDateTime moment(QDate(2026, 3, 4), QTime(21, 5, 33));
    QVERIFY(file.write(ProfileFile::lines(name, QStringLiteral("20"), QStringLiteral("euro"), money, moment,
                                          QStringLiteral("YES")))
                .ok);

    QLocale::setDefault(QLocale(readLocale));
    QuitProfile read;
    file.read(read, moment.date());
    QCOMPARE(read.userName, name);
    QCOMPARE(read.cigarettesPerDay, qint16(20));
    QCOMPARE(read.currencyName, QStringLiteral("euro"));
    QCOMPARE(read.moneyPerDay, money);
    QCOMPARE(read.stopDate, moment.date());
    QCOMPARE(read.stopTime, moment.time());
    QCOMPARE(read.quitStarted, QStringLiteral("YES"));
    QVERIFY(read.isQuitRunning());
}

void ProfileFilesTest::profileFileLayout()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QTemporaryDir folder;
    const ProfileFile file(folder.filePath(QStringLiteral("data.dat")));
    QVERIFY(file.write(ProfileFile::lines(QStringLiteral("Ann"), QStringLiteral("20"), QStringLiteral("dollar"),
                                          QStringLiteral("0.0"), QDateTime(QDate(2026, 3, 14), QTime(23, 59, 59)),
                                          QStringLiteral("NO")))
                .ok);
    QFile raw(file.path());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    // The stop moment in ISO 8601, whatever the locale: the year in four
    // digits, and the day and month in an order no locale reads the other way.
    QCOMPARE(raw.readAll(), QByteArray("Ann\r\n20\r\ndollar\r\n0.0\r\n2026-03-14\r\n23:59:59\r\nNO\r\n"));
}

void ProfileFilesTest::badProfileLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cigarettes");
    QTest::addColumn<QDate>("stopDate");
    QTest::addColumn<QString>("marker");
    const QDate kept(2020, 1, 1);
    QTest::newRow("letters for cigarettes")
        << QByteArray("A\r\nabc\r\neuro\r\n5\r\n2026-03-14\r\n10:00:00\r\nYES\r\n") << 7 << QDate(2026, 3, 14) << "YES";
    QTest::newRow("cigarettes beyond 16 bits")
        << QByteArray("A\r\n70000\r\neuro\r\n5\r\n2026-03-14\r\n10:00:00\r\nNO\r\n") << 7 << QDate(2026, 3, 14) << "NO";
    QTest::newRow("negative cigarettes") << QByteArray("A\r\n-5\r\neuro\r\n5\r\n2026-03-14\r\n10:00:00\r\nYES\r\n") << 7
                                         << QDate(2026, 3, 14) << "YES";
    QTest::newRow("not a date") << QByteArray("A\r\n20\r\neuro\r\n5\r\nsoon\r\n10:00:00\r\nYES\r\n") << 20 << kept
                                << "YES";
    QTest::newRow("three lines") << QByteArray("A\r\n20\r\neuro\r\n") << 20 << kept << "";
    QTest::newRow("lone CR endings") << QByteArray("A\r20\reuro\r5\r2026-03-14\r10:00:00\rNO") << 20
                                     << QDate(2026, 3, 14) << "NO";
    QTest::newRow("NUL bytes") << QByteArray("A\0B\r\n2\x00"
                                             "0\r\n",
                                             11)
                               << 7 << kept << "";
}

void ProfileFilesTest::badProfileLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, cigarettes);
    QFETCH(QDate, stopDate);
    QFETCH(QString, marker);
    QTemporaryDir folder;
    QuitProfile profile;
    profile.cigarettesPerDay = 7;
    profile.stopDate = QDate(2020, 1, 1);
    ProfileFile(writeTemp(folder, bytes)).read(profile, QDate(2026, 3, 14));
    QCOMPARE(int(profile.cigarettesPerDay), cigarettes);
    QCOMPARE(profile.stopDate, stopDate);
    QCOMPARE(profile.quitStarted, marker);
    // Only the exact "NO" means the quit has not started.
    QCOMPARE(profile.isQuitRunning(), marker != QLatin1String("NO"));
}

void ProfileFilesTest::badProfileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(64 * 1024, '\0');
    QRandomGenerator generator(42);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    QByteArray manyLines;
    for (int i = 0; i < 10000; ++i)
        manyLines += "line " + QByteArray::number(i) + "\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << random;
    QTest::newRow("50 MB without a line break") << QByteArray(50 * 1024 * 1024, 'x');
    QTest::newRow("10000 lines") << manyLines;
}

void ProfileFilesTest::badProfileFiles()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QuitProfile profile;
    ProfileFile(writeTemp(folder, bytes)).read(profile, QDate(2026, 3, 14));
    // Whatever came in, the fields stay small: only what the seven lines need is read.
    QVERIFY(profile.userName.size() <= 64 * 1024);
    QVERIFY(profile.moneyPerDay.size() <= 64 * 1024);
}

void ProfileFilesTest::settingsReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("autoStart");
    QTest::newRow("password a") << QByteArray("a\r\n0") << true << "a" << 0;
    QTest::newRow("marker and autostart") << QByteArray("noword\r\n1") << true << "noword" << 1;
    QTest::newRow("missing file") << QByteArray() << false << "noword" << 0;
    QTest::newRow("empty file") << QByteArray() << true << "noword" << 0;
    QTest::newRow("empty password line") << QByteArray("\r\n0") << true << "" << 0;
    QTest::newRow("autostart not a number") << QByteArray("pw\r\nyes") << true << "pw" << 0;
    QTest::newRow("one line only") << QByteArray("Secret") << true << "Secret" << 0;
    QTest::newRow("lone CR") << QByteArray("Abc\r1") << true << "Abc" << 1;
    // Whatever line 1 holds is the password: a hand-edited file never switches the lock off.
    QTest::newRow("25 characters") << QByteArray("1234567890123456789012345\r\n1") << true
                                   << "1234567890123456789012345" << 1;
    QTest::newRow("tab inside") << QByteArray("my\tpass\r\n1") << true << "my\tpass" << 1;
    QTest::newRow("binary") << QByteArray("\x01\x02\xff\xfe\r\n1", 7) << true << "\x01\x02\u00ff\u00fe" << 1;
    QTest::newRow("first line over the read limit")
        << QByteArray(10 * 1024 * 1024, 'p') << true << QString(4096, u'p') << 0;
}

void ProfileFilesTest::settingsReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    QFETCH(QString, password);
    QFETCH(int, autoStart);
    QTemporaryDir folder;
    const QString path = present ? writeTemp(folder, bytes) : folder.filePath(QStringLiteral("none.dat"));
    ProgramSettings settings;
    SettingsFile(path).read(settings);
    QCOMPARE(settings.password, password);
    QCOMPARE(int(settings.autoStart), autoStart);
    QCOMPARE(settings.hasPassword(), password != QLatin1String("noword"));
}

void ProfileFilesTest::settingsFileEndsAfterTheDigit()
{
    ProgramSettings settings;
    settings.password = QStringLiteral("a");
    QCOMPARE(SettingsFile::format(settings), QByteArray("a\r\n0"));
    settings.password = QStringLiteral("noword");
    settings.autoStart = 1;
    QCOMPARE(SettingsFile::format(settings), QByteArray("noword\r\n1"));
}

QTEST_GUILESS_MAIN(ProfileFilesTest)
#include "tst_profilefiles.moc"
