#include "platform/randomsource.h"
#include "platform/regionalformats.h"
#include "platform/textfiles.h"
#include "platform/translation.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class PlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void datesReadBackAsWritten_data();
    void datesReadBackAsWritten();
    void isoFormsAreAlwaysAccepted_data();
    void isoFormsAreAlwaysAccepted();
    void garbageIsNotADate_data();
    void garbageIsNotADate();
    void twoDigitYearsReadAsNearestPastYear_data();
    void twoDigitYearsReadAsNearestPastYear();
    void generalNumberForm_data();
    void generalNumberForm();

    void lineEndings_data();
    void lineEndings();
    void decoding_data();
    void decoding();
    void readingStopsAtItsLimits();
    void missingFileIsNotOpened();
    void wholeFileOrWhyNot_data();
    void wholeFileOrWhyNot();

    void atomicWriteReplacesWholeFile();
    void atomicWriteCreatesMissingFolder();
    void failedWriteKeepsOldFileAndSaysWhy_data();
    void failedWriteKeepsOldFileAndSaysWhy();
    void failedRenameIsAFailedWrite();
    void writesNeverLeadOutOfTheUserFolder_data();
    void writesNeverLeadOutOfTheUserFolder();

    void randomPickStaysInRange();
    void languageSpeaksForQtToo_data();
    void languageSpeaksForQtToo();
};

void PlatformTest::datesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"en_US", "de_DE", "en_GB", "ja_JP", "fr_FR", "ko_KR", "fa_IR", "ar_EG"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PlatformTest::datesReadBackAsWritten()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    // Far enough from today that a two-digit year would read back in the wrong century.
    for (const QDate date : {QDate(2026, 3, 14), QDate(1999, 12, 31), QDate(2031, 1, 2), QDate(2026, 10, 25)}) {
        const QString text = regional::dateToText(date);
        QCOMPARE(regional::dateFromText(text), std::optional<QDate>(date));
    }
    for (const QTime time : {QTime(21, 5, 33), QTime(0, 0, 0), QTime(23, 59, 59), QTime(12, 0, 1), QTime(9, 5, 7)}) {
        const QString text = regional::timeToText(time);
        QVERIFY2(!text.contains(QLatin1String("UTC")) && !text.contains(QLatin1String("GMT")), qPrintable(text));
        QCOMPARE(regional::timeFromText(text), std::optional<QTime>(time));
    }
}

// The regional forms are cached per thread, as the profile is read on a
// thread beside the counter. No test calls them from several threads at once:
// on this machine's few cores such a test caught the shared cache only now
// and then (a wrong date, or a hang), and ThreadSanitizer is not among the
// sanitizers the test command builds with.
void PlatformTest::isoFormsAreAlwaysAccepted_data()
{
    datesReadBackAsWritten_data();
}

void PlatformTest::isoFormsAreAlwaysAccepted()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(regional::dateFromText(QStringLiteral("2026-03-14")), std::optional<QDate>(QDate(2026, 3, 14)));
    QCOMPARE(regional::timeFromText(QStringLiteral("21:05:33")), std::optional<QTime>(QTime(21, 5, 33)));
}

void PlatformTest::garbageIsNotADate_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral("   ");
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("day 32") << QStringLiteral("2026-01-32");
    QTest::newRow("nul") << QString(QChar(0));
    QTest::newRow("long") << QString(5000, u'1');
}

void PlatformTest::garbageIsNotADate()
{
    QFETCH(QString, text);
    for (const char *name : {"en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        QVERIFY(!regional::dateFromText(text));
        QVERIFY(!regional::timeFromText(text));
    }
}

void PlatformTest::twoDigitYearsReadAsNearestPastYear_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("this year") << "en_US"
                               << "3/3/26" << QDate(2026, 3, 3);
    QTest::newRow("next year is a century ago") << "en_US"
                                                << "3/3/27" << QDate(1927, 3, 3);
    QTest::newRow("last century") << "de_DE"
                                  << "31.12.99" << QDate(1999, 12, 31);
    QTest::newRow("four digits stay") << "en_US"
                                      << "3/3/2031" << QDate(2031, 3, 3);
    QTest::newRow("no such day") << "en_US"
                                 << "2/30/26" << QDate();
}

void PlatformTest::twoDigitYearsReadAsNearestPastYear()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(regional::storedDateFromText(text, 2026).value_or(QDate()), date);
}

void PlatformTest::generalNumberForm_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << "en_US" << 14.35 << "14.35";
    QTest::newRow("one decimal") << "en_US" << 12.5 << "12.5";
    QTest::newRow("whole") << "en_US" << 12.0 << "12";
    QTest::newRow("zero") << "en_US" << 0.0 << "0";
    QTest::newRow("negative zero") << "en_US" << -0.0 << "0";
    QTest::newRow("no thousands separator") << "en_US" << 1234567.0 << "1234567";
    QTest::newRow("no exponent") << "en_US" << 1e15 << "1000000000000000";
    QTest::newRow("small") << "en_US" << 0.0125563 << "0.0125563";
    QTest::newRow("decimal comma") << "de_DE" << 14.35 << "14,35";
    QTest::newRow("decimal comma, no separator") << "de_DE" << 1234.5 << "1234,5";
    QTest::newRow("negative") << "en_GB" << -3.25 << "-3.25";
}

void PlatformTest::generalNumberForm()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(regional::numberToText(value), text);
}

void PlatformTest::lineEndings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line, no ending") << "a" << QStringList{"a"};
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank lines are empty items") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two endings") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("commas and quotes are kept") << "\"x\", y\r\n" << QStringList{"\"x\", y"};
    QTest::newRow("blanks are kept") << "  a  \r\n" << QStringList{"  a  "};
}

void PlatformTest::lineEndings()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    qsizetype count = -1;
    QCOMPARE(textfiles::splitLines(text, 100, &count), lines);
    QCOMPARE(count, lines.size());
}

void PlatformTest::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("plain") << "plain";
    QTest::newRow("utf-8") << QByteArray("Ren\xc3\xa9") << QString::fromUtf8("Ren\xc3\xa9");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbfok") << "ok";
    QTest::newRow("windows-1252") << QByteArray("Ren\xe9 \x80") << QString::fromUtf8("Ren\xc3\xa9 \xe2\x82\xac");
    QTest::newRow("emoji") << QByteArray("\xf0\x9f\x98\x80") << QString::fromUtf8("\xf0\x9f\x98\x80");
}

void PlatformTest::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(textfiles::decode(bytes), text);
}

void PlatformTest::readingStopsAtItsLimits()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray line(99, 'x');
    for (int i = 0; i < 20000; ++i)
        file.write(line + "\r\n");
    file.close();

    const textfiles::LineFile read = textfiles::readLines(path, {10000, 7});
    QVERIFY(read.opened);
    QCOMPARE(read.lines.size(), 7);
    QCOMPARE(read.lineCount, 99); // 10000 bytes hold 99 whole lines of 101 bytes; the cut one is dropped
    QCOMPARE(read.lines.first(), QString::fromLatin1(line));

    // A limit that falls inside a character must not turn UTF-8 into windows-1252.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QString(3000, u'ß').toUtf8());
    file.close();
    QCOMPARE(textfiles::readLines(path, {1001, 7}).lines, QStringList{QString(500, u'ß')});
}

void PlatformTest::missingFileIsNotOpened()
{
    const textfiles::LineFile read = textfiles::readLines(QStringLiteral("/nonexistent/folder/file.txt"));
    QVERIFY(!read.opened && read.problem.isEmpty());
    QCOMPARE(read.lineCount, 0);
    // A file where its folder should be leaves no file either: missing, never unreadable.
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("journey"));
    QVERIFY(QFile(notAFolder).open(QIODevice::WriteOnly));
    const textfiles::LineFile under = textfiles::readLines(notAFolder + QStringLiteral("/plans.csv"));
    QVERIFY2(!under.opened && under.problem.isEmpty(), qPrintable(under.problem));
}

void PlatformTest::wholeFileOrWhyNot_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("measured"); // -1: as the device says
    QTest::addColumn<QString>("error");
    const QByteArray sixteen(16, 'x');
    QTest::newRow("at the limit") << sixteen << qint64(-1) << "";
    QTest::newRow("over the limit") << sixteen + 'y' << qint64(-1) << "it is larger than 1.53e-05 MB";
    QTest::newRow("grown past the limit since it was measured")
        << sixteen + 'y' << qint64(10) << "it is larger than 1.53e-05 MB";
    // A read that ends early is not the end of the file: a log written back from it would lose its end.
    QTest::newRow("ended short of its size") << sixteen.left(12) << qint64(13) << "it ended after 12 of its 13 bytes";
}

void PlatformTest::wholeFileOrWhyNot()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, measured);
    QFETCH(QString, error);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    const textfiles::WholeFile whole = textfiles::readWhole(device, 16, measured);
    QCOMPARE(whole.error, error);
    QCOMPARE(whole.tooLarge, error.startsWith(QLatin1String("it is larger")));
    QCOMPARE(whole.bytes, error.isEmpty() ? bytes : QByteArray());
}

void PlatformTest::atomicWriteReplacesWholeFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file.dat"));
    QVERIFY(textfiles::writeAtomically(path, QByteArray(1000, 'a')).ok);
    QVERIFY(textfiles::writeAtomically(path, "short").ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("short"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"file.dat"});
}

void PlatformTest::atomicWriteCreatesMissingFolder()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data/settings/data.dat"));
    QVERIFY(textfiles::writeAtomically(path, "x").ok);
    QVERIFY(QFile::exists(path));
}

void PlatformTest::failedWriteKeepsOldFileAndSaysWhy_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("removed");
    // A file where the folder should be: nothing can be made below it.
    QTest::newRow("a file in the folder's place") << "data/settings/x.dat"
                                                  << "";
    // A folder where the file should be: it cannot be opened, nor removed.
    QTest::newRow("a folder in the file's place") << "folder"
                                                  << "folder";
}

void PlatformTest::failedWriteKeepsOldFileAndSaysWhy()
{
    QFETCH(QString, written);
    QFETCH(QString, removed);
    QTemporaryDir folder;
    const QString blocker = folder.filePath(QStringLiteral("data"));
    QVERIFY(textfiles::writeAtomically(blocker, "old").ok);
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("folder/inside")));
    const textfiles::WriteResult result = textfiles::writeAtomically(folder.filePath(written), "new");
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
    if (!removed.isEmpty()) {
        const textfiles::RemoveResult gone = textfiles::remove(folder.filePath(removed));
        QVERIFY(!gone.ok && !gone.error.isEmpty());
    }
}

void PlatformTest::failedRenameIsAFailedWrite()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.dat"));
    QVERIFY(textfiles::writeAtomically(path, "old").ok);
    // Between writing and renaming, a folder takes the file's place: the rename cannot replace it.
    textfiles::testing::setBeforeCommit([](const QString &target) {
        QFile::remove(target);
        QDir().mkpath(target + QStringLiteral("/in the way"));
    });
    const textfiles::WriteResult result = textfiles::writeAtomically(path, "new");
    textfiles::testing::setBeforeCommit({});
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void PlatformTest::writesNeverLeadOutOfTheUserFolder_data()
{
    QTest::addColumn<QString>("link");        // made below the temporary folder
    QTest::addColumn<QString>("target");      // where it leads, below the same
    QTest::addColumn<QString>("written");     // the file written, below the user's folder "user"
    QTest::addColumn<bool>("within");         // whether the write is one of the user's files
    QTest::addColumn<QString>("refusedLink"); // empty when the write goes through
    QTest::newRow("a file led to another user's") << "user/cravings.csv"
                                                  << "other/.profile"
                                                  << "cravings.csv" << true << "user/cravings.csv";
    QTest::newRow("a link to a file not there yet") << "user/cravings.csv"
                                                    << "other/new"
                                                    << "cravings.csv" << true << "user/cravings.csv";
    QTest::newRow("a folder led elsewhere") << "user/journey"
                                            << "other"
                                            << "journey/cravings.csv" << true << "user/journey";
    // The sibling's name begins with the user folder's: "user-old" does not lie in "user".
    QTest::newRow("a sibling of a name alike") << "user/cravings.csv"
                                               << "user-old/cravings.csv"
                                               << "cravings.csv" << true << "user/cravings.csv";
    QTest::newRow("a link within the folder") << "user/cravings.csv"
                                              << "user/kept.csv"
                                              << "cravings.csv" << true << "";
    QTest::newRow("the whole folder a link") << "user"
                                             << "synced"
                                             << "journey/cravings.csv" << true << "";
    QTest::newRow("a file the user chose to save") << "user/cravings.csv"
                                                   << "other/.profile"
                                                   << "cravings.csv" << false << "";
}

void PlatformTest::writesNeverLeadOutOfTheUserFolder()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QString, written);
    QFETCH(bool, within);
    QFETCH(QString, refusedLink);
    QTemporaryDir folder;
    const QDir root(folder.path());
    QVERIFY(textfiles::writeAtomically(root.filePath(QStringLiteral("other/.profile")), "before").ok);
    QVERIFY(root.mkpath(QStringLiteral("synced")));
    if (link != QLatin1String("user"))
        QVERIFY(textfiles::writeAtomically(root.filePath(QStringLiteral("user/kept.csv")), "before").ok);
    QVERIFY(QFile::link(root.filePath(target), root.filePath(link)));

    const QString user = root.filePath(QStringLiteral("user"));
    const QString path = user + u'/' + written;
    const textfiles::WriteResult result =
        textfiles::writeAtomically(path, "after", {.within = within ? user : QString()});
    QCOMPARE(result.ok, refusedLink.isEmpty());
    if (within)
        QCOMPARE(textfiles::linkLeadingOut(user, path), refusedLink.isEmpty() ? QString() : root.filePath(refusedLink));
    if (!result.ok) {
        // The reason names where the link leads.
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(root.filePath(target))), qPrintable(result.error));
        QCOMPARE(QDir(root.filePath(QStringLiteral("other"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{".profile"});
        QFile profile(root.filePath(QStringLiteral("other/.profile")));
        QVERIFY(profile.open(QIODevice::ReadOnly));
        QCOMPARE(profile.readAll(), QByteArray("before"));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("after"));
}

void PlatformTest::randomPickStaysInRange()
{
    class Fixed : public RandomSource
    {
    public:
        explicit Fixed(double value) : m_value(value) {}
        void seed(quint32) override {}
        double next() override { return m_value; }

    private:
        double m_value;
    };
    for (const double r : {0.0, 0.5, 0.999999, 0.99999999999}) {
        Fixed fixed(r);
        for (const int count : {1, 3, 6, 100, 32767}) {
            const int index = fixed.pick(count);
            QVERIFY(index >= 0 && index < count);
        }
    }
    Fixed fixed(0.7);
    QCOMPARE(fixed.pick(0), 0);
}

// The program's own words and Qt's standard buttons, in the language chosen:
// a German program with English buttons, or the reverse, is what this catches.
void PlatformTest::languageSpeaksForQtToo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("qts");
    QTest::newRow("German") << "de" << QString::fromUtf8("Zähler") << "Abbrechen";
    QTest::newRow("English after German") << "en"
                                          << "Counter"
                                          << "Cancel";
}

void PlatformTest::languageSpeaksForQtToo()
{
    QFETCH(QString, language);
    QFETCH(QString, own);
    QFETCH(QString, qts);
    QVERIFY(translation::install(QStringLiteral("de")));
    QVERIFY(translation::install(language));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Counter"), own);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qts);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
