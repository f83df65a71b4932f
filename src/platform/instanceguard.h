#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells whether another copy of the program, started from the same program
// folder by the same user, is already running.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    // True when this process is the only running copy; it then stays the
    // owner until it ends.
    virtual bool acquire() = 0;
};

// A lock file in the user's runtime folder, named after the program folder,
// so two different copies of the program folder may run side by side. A lock
// left behind by a killed process is recognised as stale and taken over.
class LockFileInstanceGuard : public InstanceGuard
{
public:
    explicit LockFileInstanceGuard(const QString &programFolder, const QString &lockFolder = QString());
    ~LockFileInstanceGuard() override;

    bool acquire() override;
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
