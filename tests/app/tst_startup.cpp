#include "support/testwindow.h"

#include <QTest>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void firstScreen_data();
    void firstScreen();
};

void StartupTest::firstScreen_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QString>("panel");
    QTest::newRow("no profile") << QByteArray() << "frmdata";
}

void StartupTest::firstScreen()
{
    QFETCH(QByteArray, profile);
    QFETCH(QString, panel);
    TestProgram program;
    program.start();
    QVERIFY(program.shown(panel.toLatin1()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
