#include "richtext/documentfile.h"
#include "richtext/layoutbreaks.h"
#include "support/checked.h"
#include "support/layoutshape.h"
#include "support/testwindow.h"
#include "ui/controls.h"
#include "ui/documentbox.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// The advisors' panels, driven by their handlers' buttons: which document a
// topic shows, the states of reading and choosing, the pagers, and the
// personal reasons that must never be lost.
class AdvisorsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyTopicShowsItsOwnDocument_data();
    void everyTopicShowsItsOwnDocument();
    void unloadableDocumentLeavesTheBox_data();
    void unloadableDocumentLeavesTheBox();
    void reasonsToSmoke();
    void pagers_data();
    void pagers();
    void factsStartAtRandomAgainAfterBack();
    void whyPeopleSmoke();
    void wordOfAMegabyteGetsBreaks_data();
    void wordOfAMegabyteGetsBreaks();
    void personalReasonsKeepTheirFormatAcrossARestart();
    void failedSaveOfPersonalReasonsStaysWithTheText();
    void personalReasonsPrintOnTheReportsPrinter();
    void closingStoresChangedPersonalReasons_data();
    void closingStoresChangedPersonalReasons();
    void personalReasonsNotShownWholeAreKept_data();
    void personalReasonsNotShownWholeAreKept();
    void unreadablePersonalReasonsLeaveNoEarlierTextInTheBox();
};

namespace {

enum Tab { Doctor = 1, Professor = 2, Coach = 3 };

void showTab(TestProgram &program, int tab)
{
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
}

// A small RTF document whose text names it.
void writeDocument(TestProgram &program, const QString &relative, const QString &word)
{
    QVERIFY(program.writeFile(relative.toUtf8().constData(), "{\\rtf1\\ansi Document " + word.toUtf8() + "\\par}"));
}

QString boxText(const TestProgram &program, const char *box)
{
    return program.find<DocumentBox>(box)->toPlainText().trimmed();
}

QColor colourOf(const TestProgram &program, const char *label)
{
    return controls::textColour(program.label(label));
}

void writeLines(TestProgram &program, const char *relative, int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "line " + QByteArray::number(i) + "\r\n";
    QVERIFY(program.writeFile(relative, bytes));
}

// One byte over the limit, written in a moment: the rest is a hole.
void writeOversized(TestProgram &program, const char *relative)
{
    QVERIFY(program.writeFile(relative, "{\\rtf1 My reasons\\par}"));
    QVERIFY(QFile::resize(program.path(relative), richtext::maxDocumentBytes + 1));
}

// The box of personal reasons, once the file is read: until then it takes nothing typed.
DocumentBox *personalBox(TestProgram &program)
{
    showTab(program, Coach);
    if (!program.click("cmdpersonal"))
        return nullptr;
    auto *box = program.find<DocumentBox>("txtpersonal");
    return QTest::qWaitFor([box] { return !box->isReadOnly(); }) ? box : nullptr;
}

// The documents of the build's data folder, where the program looks for them.
void copyShippedDocuments(TestProgram &program)
{
    const QDir shipped(QStringLiteral(CLEARWIND_BUILD_DIR "/data"));
    QDirIterator files(shipped.path(), {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString copy = program.path("data/") + shipped.relativeFilePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QVERIFY(QFile::copy(file, copy));
    }
}

// A shipped document's title: its first line.
QString shippedTitle(const QString &relative)
{
    QTextDocument document;
    richtext::loadFile(QStringLiteral(CLEARWIND_BUILD_DIR "/") + relative, &document);
    return document.begin().text().trimmed();
}

} // namespace

void AdvisorsTest::everyTopicShowsItsOwnDocument_data()
{
    QTest::addColumn<int>("tab");
    // The panel's controls: its button, box, OK and Back, and the list whose lines are the topics.
    QTest::addColumn<QStringList>("panel");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("topics");
    QTest::addColumn<QStringList>("documents");
    const auto addRow = [](const char *name, Tab tab, const QStringList &panel, const QString &prompt,
                           std::initializer_list<std::pair<const char *, const char *>> rows) {
        QStringList topics;
        QStringList documents;
        for (const auto &[topic, document] : rows) {
            topics << QString::fromUtf8(topic);
            documents << QStringLiteral("data/") + QLatin1String(document);
        }
        QTest::newRow(name) << int(tab) << panel << prompt << topics << documents;
    };
    addRow("withdrawal symptoms", Doctor, {"cmdifeel", "txtsup", "cmdokdoc", "cmdbackfeel", ""},
           "What withdrawal symptom are you experiencing?",
           {{"cmdfeeltired", "doc/withdraw/tired.rtf"},
            {"cmdfeelConstipation", "doc/withdraw/constipation.rtf"},
            {"cmdfeelchest", "doc/withdraw/chest.rtf"},
            {"cmdtimeper", "doc/withdraw/timeperception.rtf"},
            {"cmdfeeldizzy", "doc/withdraw/dizzy.rtf"},
            {"cmdfeelthroat", "doc/withdraw/sorethroat.rtf"},
            {"cmdnausea", "doc/withdraw/nausea.rtf"},
            {"cmdfeelIrritability", "doc/withdraw/tension.rtf"},
            {"cmdfeelSleeplessness", "doc/withdraw/sleeping.rtf"},
            {"cmdfeelconcentration", "doc/withdraw/concentration.rtf"},
            {"cmdfeelheadaches", "doc/withdraw/headache.rtf"},
            {"cmdfeelothers", "doc/withdraw/others.rtf"}});
    // The weight questions leave the speech line as it is.
    addRow("weight questions", Doctor, {"cmdweight", "txtweight", "cmdok8", "cmdweightback", ""}, QString(),
           {{"cmdminweight", "doc/weight/about.rtf"},
            {"cmdwhygain", "doc/weight/whygain.rtf"},
            {"cmdnothingworks", "doc/weight/fightit.rtf"}});
    addRow("troubles", Coach, {"cmdtroublewith", "txtcoachtrouble", "cmdokcoach", "cmdtroubleback", ""},
           "How do you feel?",
           {{"Command4", "coach/withdraw/carvings.rtf"},
            {"Command7", "coach/withdraw/irritable.rtf"},
            {"Command11", "coach/withdraw/alone.rtf"},
            {"Command15", "coach/withdraw/down.rtf"},
            {"Command19", "coach/withdraw/restless.rtf"},
            {"Command18", "coach/withdraw/stress.rtf"},
            {"Command22", "coach/withdraw/uncomfortable.rtf"},
            {"Command23", "coach/withdraw/depressed.rtf"}});
    // A reason is chosen in the list; the coach says the same to every one.
    addRow("reasons to smoke", Coach, {"Command1", "txtanswer", "cmdok7", "cmdbackreasons", "lst1"}, QString(),
           {{"I just can't quit!", "coach/wantsmoke/cantquit.rtf"},
            {"I think it's better to quit by gradual reduction", "coach/wantsmoke/gradualwithdraw.rtf"},
            {"Quitting Smoking is giving up a part of my life.", "coach/wantsmoke/partlife.rtf"},
            {"I will switch to safer cigarettes.", "coach/wantsmoke/saferway.rtf"},
            {"I think it's to late. I think i am already sick.", "coach/wantsmoke/alreadysick.rtf"},
            {"I will just smoke a lot less.", "coach/wantsmoke/nopoint.rtf"},
            {"Smoking is the only wat i can deal with stress.", "coach/wantsmoke/stress.rtf"},
            {"How else would I deal with a (new) situation?", "coach/wantsmoke/dealelse.rtf"},
            {"It's the only way I can feel good.", "coach/wantsmoke/addict.rtf"},
            {"I Smoke because I don't care if I destroy myself.", "coach/wantsmoke/selfdestruct.rtf"},
            {"I Smoke Because I just like to smoke.", "coach/wantsmoke/ilike.rtf"},
            {"I am a nicotine junkie.", "coach/wantsmoke/junky.rtf"},
            {"Cigarettes are my (only) friend.", "coach/wantsmoke/friend.rtf"},
            {"Other people around me also smoke.", "coach/wantsmoke/otherpeople.rtf"}});
}

// Each topic shows its own shipped document, told by its title, and the
// titles differ, so two topics that showed each other's document would be
// seen. Where the advisor answers each topic, he says something of his own.
void AdvisorsTest::everyTopicShowsItsOwnDocument()
{
    QFETCH(int, tab);
    QFETCH(QStringList, panel);
    QFETCH(QString, prompt);
    QFETCH(QStringList, topics);
    QFETCH(QStringList, documents);
    const QByteArray open = panel[0].toLatin1(), box = panel[1].toLatin1(), ok = panel[2].toLatin1(),
                     back = panel[3].toLatin1(), list = panel[4].toLatin1();
    const char *speech = tab == Doctor ? "lbldocsay" : "lblcoachsay";
    TestProgram program;
    CHECKED(copyShippedDocuments(program));
    QVERIFY(program.startOnTab(tab));
    QVERIFY(program.click(open));

    QStringList shown;
    QStringList expected;
    QSet<QString> titles;
    QSet<QString> sentences;
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const QString title = shippedTitle(documents[i]);
        QVERIFY2(!title.isEmpty(), qPrintable(documents[i]));
        expected << topics[i] + u' ' + title;
        titles.insert(title);
        const QString before = program.text(speech);
        if (list.isEmpty()) {
            QVERIFY(program.click(topics[i].toLatin1()));
        } else {
            auto *lines = program.find<QListWidget>(list);
            lines->setCurrentItem(lines->findItems(topics[i], Qt::MatchExactly).value(0));
            QVERIFY(program.click("cmdshowanwser"));
        }
        shown << topics[i] + u' ' + boxText(program, box).section(u'\n', 0, 0).trimmed();
        QVERIFY(program.find(box)->isVisible());
        QVERIFY(program.shown(ok));
        QVERIFY(!program.shown(back));
        if (!prompt.isEmpty()) {
            QVERIFY2(program.text(speech) != before, qPrintable(topics[i]));
            QCOMPARE(colourOf(program, speech), look::colour(controls::colours::blue));
            sentences.insert(program.text(speech));
        }

        // Another tab and back: still reading.
        showTab(program, 0);
        showTab(program, tab);
        QVERIFY(program.find(box)->isVisible());

        QVERIFY(program.click(ok));
        QVERIFY(!program.shown(box));
        QVERIFY(!program.shown(ok));
        QVERIFY(program.shown(back));
        if (!prompt.isEmpty()) {
            QCOMPARE(program.text(speech), prompt);
            QCOMPARE(colourOf(program, speech), look::colour(controls::colours::black));
        }
    }
    QCOMPARE(shown, expected);
    QCOMPARE(titles.size(), topics.size());
    if (!prompt.isEmpty())
        QCOMPARE(sentences.size(), topics.size());
}

void AdvisorsTest::unloadableDocumentLeavesTheBox_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("presentDocument");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("oversized");
    QTest::newRow("first symptom") << int(Doctor) << QStringList{"cmdifeel", "cmdfeelchest"} << QString() << "txtsup"
                                   << "" << false;
    QTest::newRow("symptom after another")
        << int(Doctor) << QStringList{"cmdifeel", "cmdfeeltired", "cmdokdoc", "cmdfeelchest"}
        << "data/doc/withdraw/tired.rtf"
        << "txtsup"
        << "Document tired" << false;
    QTest::newRow("symptom over the size limit")
        << int(Doctor) << QStringList{"cmdifeel", "cmdfeeltired", "cmdokdoc", "cmdfeelchest"}
        << "data/doc/withdraw/tired.rtf"
        << "txtsup"
        << "Document tired" << true;
    QTest::newRow("first trouble") << int(Coach) << QStringList{"cmdtroublewith", "Command4"} << QString()
                                   << "txtcoachtrouble"
                                   << "smoking sucks!" << false;
    // Ok empties the weight box, so a missing document never shows the last one.
    QTest::newRow("weight after another")
        << int(Doctor) << QStringList{"cmdweight", "cmdwhygain", "cmdok8", "cmdminweight"}
        << "data/doc/weight/whygain.rtf"
        << "txtweight"
        << "" << false;
}

void AdvisorsTest::unloadableDocumentLeavesTheBox()
{
    QFETCH(int, tab);
    QFETCH(QStringList, clicks);
    QFETCH(QString, presentDocument);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    QFETCH(bool, oversized);
    TestProgram program;
    if (!presentDocument.isEmpty())
        CHECKED(writeDocument(program, presentDocument, QFileInfo(presentDocument).baseName()));
    if (oversized)
        CHECKED(writeOversized(program, "data/doc/withdraw/chest.rtf"));
    QVERIFY(program.startOnTab(tab));
    for (const QString &click : clicks)
        QVERIFY(program.click(click.toLatin1()));
    QCOMPARE(boxText(program, box.toLatin1()), expected);
    QVERIFY(program.find(box.toLatin1())->isVisible());
}

void AdvisorsTest::reasonsToSmoke()
{
    TestProgram program;
    CHECKED(writeDocument(program, "data/coach/wantsmoke/nopoint.rtf", "nopoint"));
    QVERIFY(program.startOnTab(Coach));
    QVERIFY(program.click("Command1"));
    auto *list = program.find<QListWidget>("lst1");
    QCOMPARE(list->count(), 14);

    QVERIFY(program.click("cmdshowanwser"));
    QCOMPARE(boxText(program, "txtanswer"), QStringLiteral("You did not select anything."));
    QVERIFY(program.shown("cmdok7"));
    QVERIFY(!program.shown("cmdshowanwser"));
    QVERIFY(!program.shown("cmdbackreasons"));
    QCOMPARE(program.text("lblcoachsay"), QStringLiteral("Remeber, there is NO good reason to start smoking again. "
                                                         "It's the nicotin addiction trying to mess with your mind."));
    QCOMPARE(colourOf(program, "lblcoachsay"), look::colour(controls::colours::black));

    QVERIFY(program.click("cmdok7"));
    list->setCurrentRow(5);
    QCOMPARE(list->item(5)->text(), QStringLiteral("I will just smoke a lot less."));
    QVERIFY(program.click("cmdshowanwser"));
    QCOMPARE(boxText(program, "txtanswer"), QStringLiteral("Document nopoint"));
    QVERIFY(program.click("cmdok7"));
    QCOMPARE(list->selectedItems().value(0), list->item(5));

    QVERIFY(program.click("cmdbackreasons"));
    QVERIFY(!program.shown("cmdok7"));
    QVERIFY(program.click("Command1"));
    QVERIFY(list->selectedItems().isEmpty());
}

void AdvisorsTest::pagers_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<QString>("runningCaption");
    const QString things = QStringLiteral("data/coach/things.txt");
    const QString health = QStringLiteral("data/prof/healthproblems.txt");
    const QStringList threeFromTheLast{"line 3", "line 1", "line 2", "line 3"};
    QTest::newRow("things") << int(Coach) << "cmdthings"
                            << "cmdthingsnext" << things << 3 << 0.7 << threeFromTheLast << "Next  >>>"
                            << "Next >>>";
    QTest::newRow("health facts") << int(Professor) << "cmdf1"
                                  << "cmdfact" << health << 3 << 0.7 << threeFromTheLast << "Next...."
                                  << "Next...";
    QTest::newRow("appearance") << int(Professor) << "cmdf2"
                                << "cmdfact"
                                << "data/prof/appearance.txt" << 1 << 0.5 << QStringList{"line 1", "line 1"}
                                << "Next...."
                                << "Next...";
    QTest::newRow("stop tips") << int(Professor) << "cmdf5"
                               << "cmdfact"
                               << "data/prof/ways.txt" << 2 << 0.0 << QStringList{"line 1", "line 2", "line 1"}
                               << "Next...."
                               << "Next...";
}

void AdvisorsTest::pagers()
{
    QFETCH(int, tab);
    QFETCH(QString, open);
    QFETCH(QString, next);
    QFETCH(QString, file);
    QFETCH(int, lines);
    QFETCH(double, draw);
    QFETCH(QStringList, pages);
    QFETCH(QString, firstCaption);
    QFETCH(QString, runningCaption);
    const char *box = tab == Coach ? "txtthings" : "txtfacts";
    TestProgram program;
    if (!file.isEmpty())
        CHECKED(writeLines(program, file.toLatin1(), lines));
    QVERIFY(program.startOnTab(tab));
    QCOMPARE(program.find<QPushButton>(next.toLatin1())->text(), firstCaption);
    program.clock.set(QDateTime(QDate(2026, 3, 14), QTime(8, 30, 15)));
    program.random.draws = {draw};

    QVERIFY(program.click(open.toLatin1()));
    QCOMPARE(program.random.seeds.last(), quint32(8 * 3600 + 30 * 60 + 15));
    QCOMPARE(program.find<QPushButton>(next.toLatin1())->text(), runningCaption);
    QStringList shown{boxText(program, box)};
    while (shown.size() < pages.size()) {
        QVERIFY(program.click(next.toLatin1()));
        shown << boxText(program, box);
    }
    QCOMPARE(shown, pages);
}

void AdvisorsTest::factsStartAtRandomAgainAfterBack()
{
    TestProgram program;
    CHECKED(writeLines(program, "data/prof/healthproblems.txt", 5));
    QVERIFY(program.startOnTab(Professor));
    program.random.draws = {0.2, 0.8};
    QVERIFY(program.click("cmdf1"));
    QCOMPARE(boxText(program, "txtfacts"), QStringLiteral("line 2"));
    QVERIFY(program.click("cmdfact"));
    QCOMPARE(boxText(program, "txtfacts"), QStringLiteral("line 3"));
    QVERIFY(program.click("cmdbacktoprof"));
    QCOMPARE(program.find<QPushButton>("cmdfact")->text(), QStringLiteral("Next...."));
    QVERIFY(program.click("cmdf1"));
    QCOMPARE(boxText(program, "txtfacts"), QStringLiteral("line 5"));
}

void AdvisorsTest::whyPeopleSmoke()
{
    TestProgram program;
    CHECKED(writeDocument(program, "data/prof/whypeoplesmoke.rtf", "why"));
    QVERIFY(program.startOnTab(Professor));
    QVERIFY(program.click("cmdf4"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("Why people smoke?"));
    QCOMPARE(boxText(program, "txtfacts"), QStringLiteral("Document why"));
    QVERIFY(!program.shown("cmdfact"));
    for (const char *shown : {"cmdbacktoprof", "imgbook", "txtfacts"})
        QVERIFY2(program.shown(shown), shown);
    for (const char *question : {"cmdf1", "cmdf2", "cmdf4", "cmdf5"})
        QVERIFY2(!program.shown(question), question);

    QVERIFY(program.click("cmdbacktoprof"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("What else would like like to know about smoking?"));
    for (const char *question : {"cmdf1", "cmdf2", "cmdf4", "cmdf5"})
        QVERIFY2(program.shown(question), question);
    for (const char *hidden : {"cmdbacktoprof", "imgbook", "txtfacts", "cmdfact"})
        QVERIFY2(!program.shown(hidden), hidden);
}

// One word of a megabyte, by every way text reaches a box, gets the breaks
// that keep its layout linear; without them the box lays it out for minutes.
void AdvisorsTest::wordOfAMegabyteGetsBreaks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("box");
    QTest::newRow("document") << int(Doctor) << "data/doc/withdraw/nausea.rtf" << QStringList{"cmdifeel", "cmdnausea"}
                              << "txtsup";
    QTest::newRow("line of a pager") << int(Coach) << "data/coach/things.txt" << QStringList{"cmdthings"}
                                     << "txtthings";
    QTest::newRow("pasted") << int(Coach) << QString() << QStringList{"cmdpersonal"} << "txtpersonal";
}

void AdvisorsTest::wordOfAMegabyteGetsBreaks()
{
    QFETCH(int, tab);
    QFETCH(QString, file);
    QFETCH(QStringList, clicks);
    QFETCH(QString, box);
    const QByteArray word = QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(40330);
    TestProgram program;
    if (file.endsWith(QLatin1String(".rtf")))
        QVERIFY(program.writeFile(file.toLatin1(), "{\\rtf1\\ansi " + word + "\\par}"));
    else if (!file.isEmpty())
        QVERIFY(program.writeFile(file.toLatin1(), word + "\r\n"));
    QVERIFY(program.startOnTab(tab));
    for (const QString &click : clicks)
        QVERIFY(program.click(click.toLatin1()));
    auto *shown = program.find<DocumentBox>(box.toLatin1());
    if (file.isEmpty()) {
        QTRY_VERIFY(!shown->isReadOnly());
        QGuiApplication::clipboard()->setText(QString::fromLatin1(word));
        shown->paste();
    }
    shown->viewport()->repaint();

    QVERIFY(shown->toPlainText().size() > 200000);
    const LayoutShape shape = layoutShape(*shown->document());
    QVERIFY(shape.longestParagraph <= richtext::maxParagraphLength);
    QVERIFY(shape.longestUnbrokenStretch <= richtext::maxUnbrokenRun + 1);
}

void AdvisorsTest::personalReasonsKeepTheirFormatAcrossARestart()
{
    TestProgram program;
    QVERIFY(program.startOnTab(0));
    DocumentBox *box = personalBox(program);
    QCOMPARE(box->toPlainText(), QStringLiteral("Enter your personal reason not to smoke here."));
    box->selectAll();
    QTest::keyClicks(box, "For ");
    QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(box, "Lena");
    QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(box, " and me");
    QVERIFY(program.click("cmdpersonalback"));
    QTRY_VERIFY(!program.shown("frmpersonal"));
    QVERIFY(program.messages.shown.isEmpty());

    program.start();
    QVERIFY(program.click("cmdno"));
    box = personalBox(program);
    QCOMPARE(box->toPlainText(), QStringLiteral("For Lena and me"));
    // Undo cannot take the stored reasons back to the box's first invitation.
    QVERIFY(!box->document()->isUndoAvailable());
    QTextCursor cursor(box->document());
    const auto formatAt = [&](int position) {
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    // The box starts in bold, so Ctrl+B turned bold off for the name.
    QVERIFY(formatAt(0).fontWeight() >= QFont::Bold);
    QVERIFY(formatAt(4).fontWeight() < QFont::Bold);
    QVERIFY(formatAt(4).fontItalic());
    QVERIFY(!formatAt(9).fontItalic());
    QVERIFY(!formatAt(0).fontItalic());
}

void AdvisorsTest::failedSaveOfPersonalReasonsStaysWithTheText()
{
    TestProgram program;
    // A file where the folder should be: nothing can be written there.
    QVERIFY(program.writeFile("data/coach", QByteArray()));
    QVERIFY(program.startOnTab(0));
    DocumentBox *box = personalBox(program);
    box->selectAll();
    QTest::keyClicks(box, "My children");
    QVERIFY(program.click("cmdpersonalback"));
    // Written beside the window: meanwhile Back cannot ask a second time.
    QVERIFY(!program.find<QPushButton>("cmdpersonalback")->isEnabled());
    QTRY_COMPARE(
        program.messages.texts(),
        QStringList{QStringLiteral("Your personal reasons could not be saved in %1: its folder %2 could not be "
                                   "created")
                        .arg(QDir::toNativeSeparators(program.path("data/coach/personal.rtf")),
                             QDir::toNativeSeparators(program.path("data/coach")))});
    QVERIFY(program.shown("frmpersonal"));
    QVERIFY(program.find<QPushButton>("cmdpersonalback")->isEnabled());
    QCOMPARE(box->toPlainText(), QStringLiteral("My children"));
}

void AdvisorsTest::personalReasonsPrintOnTheReportsPrinter()
{
    TestProgram program;
    QVERIFY(program.startOnTab(0));
    personalBox(program);
    // The tests' printer refuses every job.
    QVERIFY(program.click("Command2"));
    QCOMPARE(program.messages.texts(), QStringList{"Error printing"});
}

void AdvisorsTest::closingStoresChangedPersonalReasons_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("stored") << true << QList<bool>{} << true;
    QTest::newRow("not stored, stay") << false << QList<bool>{false} << false;
    QTest::newRow("not stored, close anyway") << false << QList<bool>{true} << true;
}

void AdvisorsTest::closingStoresChangedPersonalReasons()
{
    QFETCH(bool, writable);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, closes);
    TestProgram program;
    if (!writable)
        QVERIFY(program.writeFile("data/coach", QByteArray()));
    QVERIFY(program.startOnTab(0));
    QTest::keyClicks(personalBox(program), "To breathe freely");
    program.messages.answers = answers;

    QCloseEvent close;
    QCoreApplication::sendEvent(&program.window(), &close);
    QCOMPARE(close.isAccepted(), closes);
    QVERIFY(program.messages.answers.isEmpty());
    if (writable)
        QVERIFY(program.readFile("data/coach/personal.rtf").contains("To breathe freely"));
}

namespace {

enum class ReasonsFile { Missing, TooLarge, Folder, WriteOnly, PictureAndTable };

// What a file or folder holds, as far as it can be seen from outside.
QString fingerprint(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QString();
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(256) : QByteArray();
    return QString::number(file.size()) + QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).join(u' ') +
           QString::fromLatin1(head);
}

} // namespace

void AdvisorsTest::personalReasonsNotShownWholeAreKept_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason"); // in the first message shown
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("closeWindow");
    const struct
    {
        const char *name;
        ReasonsFile kind;
        const char *reason;
    } files[] = {
        {"missing", ReasonsFile::Missing, ""},
        {"too large", ReasonsFile::TooLarge, "larger than 64 MB"},
        {"a folder", ReasonsFile::Folder, "a folder, not a file"},
        {"write-only", ReasonsFile::WriteOnly, "Permission denied"},
        {"picture and table", ReasonsFile::PictureAndTable, "tables"},
    };
    for (const auto &file : files) {
        const QByteArray name(file.name);
        const int kind = int(file.kind);
        QTest::newRow(name + ", unchanged") << kind << file.reason << QString() << QList<bool>{} << false;
        if (file.kind == ReasonsFile::Missing) {
            QTest::newRow(name + ", typed") << kind << file.reason << "Breathe" << QList<bool>{} << false;
            continue;
        }
        for (const bool yes : {true, false})
            QTest::newRow(name + (yes ? ", typed, yes" : ", typed, no"))
                << kind << file.reason << "Breathe" << QList<bool>{yes} << false;
    }
    // The file is not replaced, and the window closes all the same.
    QTest::newRow("a folder, typed, window closed") << int(ReasonsFile::Folder) << "a folder, not a file"
                                                    << "Breathe" << QList<bool>{false, true} << true;
}

void AdvisorsTest::personalReasonsNotShownWholeAreKept()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QFETCH(QString, typed);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, closeWindow);
    const auto file = ReasonsFile(kind);
    TestProgram program;
    const QString path = program.path("data/coach/personal.rtf");
    if (file == ReasonsFile::Folder)
        QVERIFY(program.writeFile("data/coach/personal.rtf/inside", "kept"));
    else if (file == ReasonsFile::PictureAndTable)
        QVERIFY(program.writeFile("data/coach/personal.rtf",
                                  R"({\rtf1 For my lungs{\*\shppict{\pict\pngblip 89504e47}})"
                                  R"(\par\trowd\cellx2000 Lena\cell\row})"));
    else if (file == ReasonsFile::TooLarge)
        CHECKED(writeOversized(program, "data/coach/personal.rtf"));
    if (file == ReasonsFile::WriteOnly) {
        QVERIFY(program.writeFile("data/coach/personal.rtf", "{\\rtf1 My reasons\\par}"));
        QFile::setPermissions(path, QFile::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("Whoever can read a write-only file cannot test it.");
    }
    const QString before = fingerprint(path);
    const bool unreadable = !reason.isEmpty() && file != ReasonsFile::PictureAndTable;
    const bool asked = !typed.isEmpty() && file != ReasonsFile::Missing;
    const bool replaced = !typed.isEmpty() && (!asked || answers.first());
    QVERIFY(program.startOnTab(0));

    DocumentBox *box = personalBox(program);
    QCOMPARE(program.messages.shown.size(), int(unreadable));
    QTest::keyClicks(box, typed);
    program.messages.answers = answers;
    if (closeWindow) {
        QCloseEvent close;
        QCoreApplication::sendEvent(&program.window(), &close);
        QVERIFY(close.isAccepted());
    } else {
        QVERIFY(program.click("cmdpersonalback"));
        QTRY_COMPARE(program.shown("frmpersonal"), !typed.isEmpty() && !replaced);
    }
    QVERIFY(program.messages.answers.isEmpty());

    // Every message names the file; a question names the copy it keeps.
    const QString texts = program.messages.texts().join(u'\n');
    QCOMPARE(texts.contains(QDir::toNativeSeparators(path)), unreadable || asked);
    QVERIFY2(texts.contains(reason) || !(unreadable || asked), qPrintable(texts));
    const QString copy = program.path("data/coach/personal-2026-03-14.rtf");
    QCOMPARE(texts.contains(QFileInfo(copy).fileName()), asked);
    QCOMPARE(fingerprint(copy), asked && replaced ? before : QString());
    QCOMPARE(fingerprint(path) == before, !replaced);
    QVERIFY(!replaced || program.readFile("data/coach/personal.rtf").contains(typed.toLatin1()));
    QVERIFY(box->toPlainText().contains(typed));
    if (!asked || !replaced)
        return;
    // The file now holds what the box shows: the next save neither asks
    // again nor keeps another copy.
    const qsizetype said = program.messages.shown.size();
    box->insertPlainText(QStringLiteral(" again"));
    QCloseEvent close;
    QCoreApplication::sendEvent(&program.window(), &close);
    QCOMPARE(program.messages.shown.size(), said);
    QCOMPARE(QDir(program.path("data/coach")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QFileInfo(copy).fileName(), QStringLiteral("personal.rtf")}));
    QVERIFY(program.readFile("data/coach/personal.rtf").contains("again"));
}

void AdvisorsTest::unreadablePersonalReasonsLeaveNoEarlierTextInTheBox()
{
    TestProgram program;
    QVERIFY(program.writeFile("data/coach/personal.rtf", "{\\rtf1 For Lena\\par}"));
    QVERIFY(program.startOnTab(0));
    DocumentBox *box = personalBox(program);
    QVERIFY(program.click("cmdpersonalback"));
    CHECKED(writeOversized(program, "data/coach/personal.rtf"));
    QVERIFY(program.click("cmdpersonal"));
    QTRY_COMPARE(box->toPlainText(), QStringLiteral("Enter your personal reason not to smoke here."));
    QVERIFY(!box->isChanged());
}

QTEST_MAIN(AdvisorsTest)
#include "tst_advisors.moc"
