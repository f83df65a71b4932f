#pragma once

#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageservice.h"
#include "platform/printer.h"
#include "platform/randomsource.h"
#include "platform/tray.h"

#include <QList>
#include <QStringList>

// A clock that shows whatever moment the test sets.
class FakeClock : public Clock
{
public:
    explicit FakeClock(QDateTime moment = QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33))) : m_now(moment) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &moment) { m_now = moment; }
    void advance(int seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

// Draws the values a test lines up, in order; when they run out, 0.
class ScriptedRandom : public RandomSource
{
public:
    void seed(quint32 value) override { seeds.append(value); }
    double next() override { return draws.isEmpty() ? 0.0 : draws.takeFirst(); }

    QList<double> draws;
    QList<quint32> seeds;
};

// Records the message boxes that would have been shown; OK is pressed at
// once, and questions get the answers the test lines up (then No).
class MessageRecorder : public MessageService
{
public:
    using MessageService::show;
    void show(const Message &message) override { shown.append(message); }
    bool ask(const QString &text, const QString &title) override
    {
        shown.append({text, Icon::None, title, QString(), nullptr});
        return !answers.isEmpty() && answers.takeFirst();
    }
    QStringList texts() const;

    QList<Message> shown;
    QList<bool> answers;
};

// Another copy runs or not, as the test says; a test plays a later copy's
// request by emitting requested().
class FakeInstanceGuard : public InstanceGuard
{
public:
    bool acquire() override { return onlyCopy; }
    bool pass(Request) override { return false; }
    bool onlyCopy = true;
};

// Neither prints nor opens pages, so no test reaches a real printer or
// browser unless it puts one in.
class NoDevices : public Printer, public Browser
{
public:
    PrintResult print(const QTextDocument &) override { return {false, QStringLiteral("No printer in tests.")}; }
    void open(const QString &, const QString &, QObject *, FailureHandler whenFailed) override
    {
        whenFailed(Failure::NotFound);
    }
};

// A tray that keeps what it was told to show.
class RecordingTray : public Tray
{
public:
    void show() override { shown = true; }
    void setToolTip(const QString &text) override { toolTip = text; }
    void notify(const QString &, const QString &text) override { notes.append(text); }

    bool shown = false;
    QString toolTip;
    QStringList notes;
};
