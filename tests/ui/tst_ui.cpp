#include "platform/savelocation.h"
#include "support/fakes.h"
#include "ui/documentbox.h"
#include "ui/savefiledialog.h"
#include "ui/topicpanel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The building blocks of the panels, where they meet the user on their own.
class UiTest : public QObject
{
    Q_OBJECT
private slots:
    void saveAsNeverReplacesUnasked_data();
    void saveAsNeverReplacesUnasked();
    void topicPanelSaysWhatTheUserDid_data();
    void topicPanelSaysWhatTheUserDid();
};

namespace {

const SaveQuestion question{QStringLiteral("Save as CSV"), QStringLiteral("Clearwind journey.csv"),
                            QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv")};

// Answers the dialogs as they come up: types the name into the file dialog
// and accepts it, then answers the question whether to replace the file;
// whatever stays open after that is cancelled.
class DialogDriver : public QObject
{
public:
    DialogDriver(QString name, bool replace) : m_name(std::move(name)), m_replace(replace)
    {
        connect(&m_poll, &QTimer::timeout, this, &DialogDriver::step);
        m_poll.start(10);
    }
    QString asked;

private:
    void step()
    {
        // The last window opened is the one that waits for an answer.
        QWidget *modal = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isModal())
                modal = qobject_cast<QMessageBox *>(window) ? window : modal ? modal : window;
        }
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked = box->text();
            box->button(m_replace ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (m_typed) {
                dialog->reject();
                return;
            }
            m_typed = true;
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(m_name);
            // Later: its question waits in a loop of its own.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    }

    QString m_name;
    bool m_replace;
    bool m_typed = false;
    QTimer m_poll;
};

} // namespace

void UiTest::saveAsNeverReplacesUnasked_data()
{
    QTest::addColumn<bool>("throughTheDialog"); // or a chooser that hands the name back as typed
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("the dialog, keep it") << true << false << false;
    QTest::newRow("the dialog, replace it") << true << true << true;
    QTest::newRow("a name handed back without its suffix, keep it") << false << false << false;
    QTest::newRow("a name handed back without its suffix, replace it") << false << true << true;
}

// "exist" typed where exist.csv is: the question covers the name written.
void UiTest::saveAsNeverReplacesUnasked()
{
    QFETCH(bool, throughTheDialog);
    QFETCH(bool, replace);
    QFETCH(bool, chosen);
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("exist.csv"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();

    Environment environment;
    MessageRecorder messages;
    messages.answers = {replace};
    environment.messages = &messages;
    DialogDriver driver(folder.filePath(QStringLiteral("exist")), replace);
    environment.chooseFileToSave = [&](const SaveQuestion &asked) {
        return throughTheDialog ? askWithSaveFileDialog(asked, nullptr) : folder.filePath(QStringLiteral("exist"));
    };
    const QString path = askWhereToSave(environment, question);

    QCOMPARE(path, chosen ? existing : QString());
    const QString asked = throughTheDialog ? driver.asked : messages.texts().value(0);
    QVERIFY2(asked.contains(QLatin1String("exist.csv already exists.")), qPrintable(asked));
    QCOMPARE(messages.shown.size(), throughTheDialog ? 0 : 1);
}

void UiTest::topicPanelSaysWhatTheUserDid_data()
{
    QTest::addColumn<QString>("shown"); // a sentence, or a document of that name
    QTest::addColumn<QString>("inTheBox");
    QTest::newRow("a sentence") << "You did not select anything."
                                << "You did not select anything.";
    QTest::newRow("a document") << "answer.rtf"
                                << "Breathe out slowly.";
    // A document that cannot be loaded leaves the box as it was.
    QTest::newRow("a document not there") << "missing.rtf"
                                          << "";
}

// Reading and choosing: what the host shows goes in by the panel's slots,
// and what the user does comes out as its signals.
void UiTest::topicPanelSaysWhatTheUserDid()
{
    QFETCH(QString, shown);
    QFETCH(QString, inTheBox);
    QTemporaryDir folder;
    QFile document(folder.filePath(QStringLiteral("answer.rtf")));
    QVERIFY(document.open(QIODevice::WriteOnly) && document.write("{\\rtf1 Breathe out slowly.\\par}") > 0);
    document.close();
    TopicPanel panel(nullptr, {"frmtopics", "txttopic", QString(), "cmdoktopic", "cmdbacktopic", "A topic"},
                     new QListWidget);
    panel.show();
    QSignalSpy read(&panel, &TopicPanel::readingDone);
    QSignalSpy back(&panel, &TopicPanel::backRequested);
    auto *box = panel.findChild<DocumentBox *>(QStringLiteral("txttopic"));
    auto *ok = panel.findChild<QPushButton *>(QStringLiteral("cmdoktopic"));
    auto *backButton = panel.findChild<QPushButton *>(QStringLiteral("cmdbacktopic"));

    if (shown.endsWith(QLatin1String(".rtf")))
        panel.showDocumentFile(folder.filePath(shown));
    else
        panel.showSentence(shown);
    QVERIFY(box->isVisible() && ok->isVisible() && !backButton->isVisible());
    QCOMPARE(box->toPlainText().trimmed(), inTheBox);
    ok->click();
    QCOMPARE(read.count(), 1);
    QVERIFY(!box->isVisible() && backButton->isVisible());
    backButton->click();
    QCOMPARE(back.count(), 1);
}

QTEST_MAIN(UiTest)
#include "tst_ui.moc"
