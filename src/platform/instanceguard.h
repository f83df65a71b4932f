#pragma once

#include <QObject>
#include <QString>

#include <memory>

class InstanceChannelListener;
class QLockFile;

// Tells whether another copy of the program, working on the same folder of
// the user's files, is already running, and carries a request from a copy
// started later to the one that runs.
class InstanceGuard : public QObject
{
    Q_OBJECT
public:
    // What a copy started later may ask of the running copy: the dialog to
    // log a craving, or the window that helps ride one out.
    enum class Request { LogCraving, CravingNow };

    // True when this process is the only running copy; it then stays the
    // owner until it ends, and hears the requests of copies started later.
    virtual bool acquire() = 0;
    // From a copy that is not the only one: hands the request to the running
    // copy. True when that copy took it; false when it does not answer.
    virtual bool pass(Request request) = 0;

signals:
    // In the running copy: a copy started later asked for this.
    void requested(InstanceGuard::Request request);
};

// A lock file named after the folder of the user's files it guards, so copies
// over different folders may run side by side. It lies in the user's runtime
// folder, which only the user may enter; where someone else holds the place
// of that folder, it lies in the guarded folder itself. A lock left behind by
// a killed process is recognised as stale and taken over. Requests go through
// a socket beside the lock (platform/instancechannel.h).
class LockFileInstanceGuard : public InstanceGuard
{
    Q_OBJECT
public:
    // LOCK_FOLDER, when given, takes the place of the runtime folder.
    explicit LockFileInstanceGuard(const QString &guardedFolder, const QString &lockFolder = QString());
    ~LockFileInstanceGuard() override;

    bool acquire() override;
    bool pass(Request request) override;
    QString lockFilePath() const { return m_path; }
    QString socketPath() const { return m_socketPath; }

private:
    bool take(const QByteArray &line);

    QString m_path;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    // Made once the lock is ours; it goes before the lock does.
    std::unique_ptr<InstanceChannelListener> m_listener;
};
