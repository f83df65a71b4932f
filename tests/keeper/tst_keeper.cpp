#include "keeper/userfilekeeper.h"
#include <QTest>
class KeeperTest : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_GUILESS_MAIN(KeeperTest)
#include "tst_keeper.moc"
