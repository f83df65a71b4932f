#include "support/checked.h"
#include "support/testwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

// Every sub-panel opens with its button and closes with its Back button, in
// place, and a tab keeps whichever panel was left open.
class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void subPanelsOpenAndClose_data();
    void subPanelsOpenAndClose();
    void tabKeepsItsOpenPanel();
    void picturesPutTheGreetingBack_data();
    void picturesPutTheGreetingBack();
    void passwordEntryFollowsItsBox();
    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void openedDocumentTakesTheKeyboard_data();
    void openedDocumentTakesTheKeyboard();
    void screenReaderNamesWhatItMeets_data();
    void screenReaderNamesWhatItMeets();
};

namespace {

void startCounter(TestProgram &program)
{
    QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    QVERIFY(program.click("cmdno"));
}

} // namespace

void NavigationTest::subPanelsOpenAndClose_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("mainPanel");
    QTest::addColumn<QString>("subPanel");
    QTest::addColumn<QString>("speechLabel");
    QTest::addColumn<QString>("openSpeech");
    QTest::addColumn<QString>("backSpeech");
    const QString doctor = QStringLiteral("Hello. I am your doctor. I can give you information about your health.");
    const QString virtualDoctor =
        QStringLiteral("Hello. I am your virtual doctor. I can give you information about your health.");
    const QString coach = QStringLiteral("Hi. I am your coach. I will try to help you mentally and emotionally.");
    QTest::newRow("withdrawal symptoms") << 1 << "cmdifeel"
                                         << "cmdbackfeel"
                                         << "frmmaindoc"
                                         << "frmfeel"
                                         << "lbldocsay"
                                         << "What physical withdrawal symptoms are you experiencing?" << virtualDoctor;
    QTest::newRow("body weight") << 1 << "cmdweight"
                                 << "cmdweightback"
                                 << "frmmaindoc"
                                 << "frmweight"
                                 << "lbldocsay"
                                 << "Remember, the health benefits of quitting smoking are far greater than any risks "
                                    "from the small weight gain."
                                 << doctor;
    QTest::newRow("disease stats") << 1 << "cmddesstats"
                                   << "cmddeseaseback"
                                   << "frmmaindoc"
                                   << "frmdesstats"
                                   << "lbldocsay"
                                   << "This shows how much percent your chance has been reduced of getting these "
                                      "diseases. It's not personal, but average for any smoker with your stop time."
                                   << virtualDoctor;
    QTest::newRow("body monitor") << 1 << "cmdbodyfunctions"
                                  << "cmddocback"
                                  << "frmmaindoc"
                                  << "frmbodyfunctions"
                                  << "lbldocsay"
                                  << "" << doctor;
    QTest::newRow("troubles") << 3 << "cmdtroublewith"
                              << "cmdtroubleback"
                              << "frmcoachmain"
                              << "frmtrouble"
                              << "lblcoachsay"
                              << "Let me know what the problem is..." << coach;
    QTest::newRow("things") << 3 << "cmdthings"
                            << "cmdbackthings"
                            << "frmcoachmain"
                            << "frmthings"
                            << "lblcoachsay"
                            << "Here are some things you can do to forget about smoking. Click on 'next' to see more."
                            << coach;
    QTest::newRow("personal reasons") << 3 << "cmdpersonal"
                                      << "cmdpersonalback"
                                      << "frmcoachmain"
                                      << "frmpersonal"
                                      << "lblcoachsay"
                                      << "Edit you personal reasons here..." << coach;
    QTest::newRow("reasons to smoke") << 3 << "Command1"
                                      << "cmdbackreasons"
                                      << "frmcoachmain"
                                      << "frmwantsmoke"
                                      << "lblcoachsay"
                                      << "If you think you have found a good reason to smoke select it from the list, "
                                         "then click on 'My answer'."
                                      << coach;
    QTest::newRow("stars") << 0 << "Label8"
                           << "cmdstarsback"
                           << "frmcounter"
                           << "frmstars"
                           << "lblmaincomp"
                           << ""
                           << "";
}

void NavigationTest::subPanelsOpenAndClose()
{
    QFETCH(int, tab);
    QFETCH(QString, open);
    QFETCH(QString, back);
    QFETCH(QString, mainPanel);
    QFETCH(QString, subPanel);
    QFETCH(QString, speechLabel);
    QFETCH(QString, openSpeech);
    QFETCH(QString, backSpeech);
    TestProgram program;
    CHECKED(startCounter(program));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    const QString speechBefore = program.text(speechLabel.toLatin1());

    if (open == QLatin1String("Label8"))
        QMetaObject::invokeMethod(program.find(open.toLatin1()), "clicked");
    else
        QVERIFY(program.click(open.toLatin1()));
    QWidget *opened = program.find(subPanel.toLatin1());
    QVERIFY(opened->isVisible());
    // The keyboard goes on in the panel now in front.
    QVERIFY(opened->isAncestorOf(program.window().focusWidget()));
    QCOMPARE(program.text(speechLabel.toLatin1()), openSpeech.isEmpty() ? speechBefore : openSpeech);
    // The stars lie over the counter; every other sub-panel replaces its main panel.
    QCOMPARE(program.shown(mainPanel.toLatin1()), open == QLatin1String("Label8"));

    QVERIFY(program.click(back.toLatin1()));
    QVERIFY(!program.shown(subPanel.toLatin1()));
    QVERIFY(program.find(mainPanel.toLatin1())->isVisible());
    QVERIFY(program.find(mainPanel.toLatin1())->isAncestorOf(program.window().focusWidget()));
    QCOMPARE(program.text(speechLabel.toLatin1()), backSpeech.isEmpty() ? speechBefore : backSpeech);
}

void NavigationTest::tabKeepsItsOpenPanel()
{
    TestProgram program;
    CHECKED(startCounter(program));
    auto *tabs = program.find<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(1);
    QVERIFY(program.click("cmdifeel"));
    tabs->setCurrentIndex(3);
    QVERIFY(!program.find("frmfeel")->isVisible());
    tabs->setCurrentIndex(1);
    QVERIFY(program.find("frmfeel")->isVisible());
    QVERIFY(program.shown("frmfeel"));
    QVERIFY(!program.shown("frmmaindoc"));
}

void NavigationTest::picturesPutTheGreetingBack_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("speechLabel");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("doctor")
        << 1 << "cmdifeel"
        << "Image9"
        << "lbldocsay"
        << "Hello. I am your doctor. I can give you information about your health and help you with "
           "some problems.";
    QTest::newRow("professor") << 2 << ""
                               << "Image2"
                               << "lblprofsay"
                               << "Hello. I am your professor. I can teach you a lot of things about smoking.";
    QTest::newRow("coach") << 3 << "cmdthings"
                           << "Image15"
                           << "lblcoachsay"
                           << "Hi. I am your coach. I will try to help you mentally and emotionally.";
    QTest::newRow("mechanic") << 4 << ""
                              << "imgmechanic"
                              << "lblsetsay"
                              << "Hi. Here you can change the program settings.";
}

void NavigationTest::picturesPutTheGreetingBack()
{
    QFETCH(int, tab);
    QFETCH(QString, leave);
    QFETCH(QString, picture);
    QFETCH(QString, speechLabel);
    QFETCH(QString, greeting);
    TestProgram program;
    CHECKED(startCounter(program));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    if (!leave.isEmpty())
        QVERIFY(program.click(leave.toLatin1()));
    program.label(speechLabel.toLatin1())->setText(QStringLiteral("something else"));
    auto *image = program.find<QAbstractButton>(picture.toLatin1());
    QCOMPARE(image->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(image->focusPolicy(), Qt::StrongFocus);
    // The keyboard works as well as the mouse.
    image->setFocus();
    QTest::keyClick(image, Qt::Key_Return);
    QCOMPARE(program.text(speechLabel.toLatin1()), greeting);
}

void NavigationTest::passwordEntryFollowsItsBox()
{
    TestProgram program;
    CHECKED(startCounter(program));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(4);
    QVERIFY(!program.shown("txtpassword"));
    QVERIFY(program.click("chkpassword"));
    QVERIFY(program.shown("txtpassword"));
    QVERIFY(program.shown("lblpassword"));
    QVERIFY(program.click("chkpassword"));
    QVERIFY(!program.shown("txtpassword"));
    QVERIFY(!program.shown("lblpassword"));
}

// Whether a control stands after another for a reader: further down, or on
// the same row further right.
bool readsAfter(const QWidget *later, const QWidget *earlier, const QWidget *window)
{
    const QRect a(earlier->mapTo(window, QPoint(0, 0)), earlier->size());
    const QRect b(later->mapTo(window, QPoint(0, 0)), later->size());
    const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
    return sameRow ? b.left() >= a.left() : b.top() >= a.bottom();
}

void NavigationTest::tabFollowsTheReadingOrder_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("panel");
    const QByteArray running = "run";
    QTest::newRow("questionnaire") << QByteArray() << -1 << QStringList() << "frmdata";
    QTest::newRow("relapse question") << running << -1 << QStringList() << "frmmain";
    QTest::newRow("counter") << running << 0 << QStringList() << "SSTab1";
    QTest::newRow("doctor") << running << 1 << QStringList() << "SSTab1";
    QTest::newRow("symptoms") << running << 1 << QStringList{"cmdifeel"} << "SSTab1";
    QTest::newRow("weight") << running << 1 << QStringList{"cmdweight"} << "SSTab1";
    QTest::newRow("professor") << running << 2 << QStringList() << "SSTab1";
    QTest::newRow("coach") << running << 3 << QStringList() << "SSTab1";
    QTest::newRow("personal reasons") << running << 3 << QStringList{"cmdpersonal"} << "SSTab1";
    QTest::newRow("reasons to smoke") << running << 3 << QStringList{"Command1"} << "SSTab1";
    QTest::newRow("settings") << running << 4 << QStringList() << "SSTab1";
    QTest::newRow("journey") << running << 5 << QStringList() << "SSTab1";
}

void NavigationTest::tabFollowsTheReadingOrder()
{
    QFETCH(QByteArray, profile);
    QFETCH(int, tab);
    QFETCH(QStringList, clicks);
    QFETCH(QString, panel);
    TestProgram program;
    if (!profile.isEmpty())
        QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    QApplication::setActiveWindow(&program.window());
    if (tab >= 0) {
        QVERIFY(program.click("cmdno"));
        program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    }
    for (const QString &click : clicks)
        QVERIFY(program.click(click.toLatin1()));
    const QWidget *front = program.find(panel.toLatin1());

    // Tab from the first control round to it again.
    QList<QWidget *> reached;
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first && front->isAncestorOf(first));
    for (QWidget *current = first; reached.size() < 60;) {
        reached << current;
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        if (current == first)
            break;
    }
    // A page that scrolls is read as it is laid out, not as the round left it scrolled.
    for (QScrollArea *area : program.window().findChildren<QScrollArea *>())
        area->verticalScrollBar()->setValue(0);
    // Read from the top: the round may have started in the middle.
    const auto top = std::min_element(reached.begin(), reached.end(), [&](QWidget *a, QWidget *b) {
        return a->mapTo(&program.window(), QPoint(0, 0)).y() < b->mapTo(&program.window(), QPoint(0, 0)).y();
    });
    std::rotate(reached.begin(), top, reached.end());
    for (int i = 1; i < reached.size(); ++i)
        QVERIFY2(readsAfter(reached[i], reached[i - 1], &program.window()),
                 qPrintable(reached[i - 1]->objectName() + " -> " + reached[i]->objectName()));
    // Every control a reader can see is on the way.
    for (QWidget *control : front->findChildren<QWidget *>()) {
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) &&
            !control->focusProxy())
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
    }
}

// Keyboard only: Enter on a topic opens its document with the focus in it,
// so the arrow keys scroll it and a screen reader reads it, and Tab goes on
// to the button that closes it.
void NavigationTest::openedDocumentTakesTheKeyboard_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("next");
    const struct
    {
        const char *row;
        int tab;
        const char *open, *topic, *box, *next;
    } rows[] = {
        {"doctor symptom", 1, "cmdifeel", "cmdfeeltired", "txtsup", "cmdokdoc"},
        {"weight question", 1, "cmdweight", "cmdminweight", "txtweight", "cmdok8"},
        {"coach trouble", 3, "cmdtroublewith", "Command4", "txtcoachtrouble", "cmdokcoach"},
        {"answer to a reason to smoke", 3, "Command1", "cmdshowanwser", "txtanswer", "cmdok7"},
        {"professor question", 2, "", "cmdf4", "txtfacts", "cmdbacktoprof"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.row) << row.tab << row.open << row.topic << row.box << row.next;
}

void NavigationTest::openedDocumentTakesTheKeyboard()
{
    QFETCH(int, tab);
    QFETCH(QString, open);
    QFETCH(QString, topic);
    QFETCH(QString, box);
    QFETCH(QString, next);
    TestProgram program;
    CHECKED(startCounter(program));
    QApplication::setActiveWindow(&program.window());
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    if (!open.isEmpty())
        QVERIFY(program.click(open.toLatin1()));

    QWidget *topicButton = program.find(topic.toLatin1());
    topicButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(topicButton, Qt::Key_Return);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY2(focused && focused->objectName() == box, qPrintable(focused ? focused->objectName() : "nothing"));
    QTest::keyClick(focused, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
}

// A screen reader announces the boxes and the list by a name of their own,
// and both windows as windows ("frame"), with their titles.
void NavigationTest::screenReaderNamesWhatItMeets_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    const int text = QAccessible::EditableText;
    for (const char *box :
         {"txtsup", "txtweight", "txtfacts", "txtcoachtrouble", "txtthings", "txtpersonal", "txtanswer", "txtexport"})
        QTest::newRow(box) << box << text;
    QTest::newRow("lst1") << "lst1" << int(QAccessible::List);
    QTest::newRow("tbljourney") << "tbljourney" << int(QAccessible::Table);
    QTest::newRow("Form1") << "Form1" << int(QAccessible::Window);
    QTest::newRow("frmexport") << "frmexport" << int(QAccessible::Window);
}

void NavigationTest::screenReaderNamesWhatItMeets()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    TestProgram program;
    CHECKED(startCounter(program));
    // The report window is made by the first report.
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(4);
    QVERIFY(program.click("cmdexport"));

    QWidget *widget = program.window().objectName() == control ? &program.window() : program.find(control.toLatin1());
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(found);
    QCOMPARE(int(found->role()), role);
    QVERIFY(!found->text(QAccessible::Name).trimmed().isEmpty());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
