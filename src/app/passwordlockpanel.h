#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

// The lock over the first screen while a password is set.
class PasswordLockPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PasswordLockPanel(QWidget *parent = nullptr);

    // The password the lock opens for. Its entry takes a password of any
    // length the settings file can hold; one that no keyboard can type gets a
    // note that names the file to correct.
    void setPassword(const QString &password, const QString &settingsFile);

public slots:
    void checkPassword();

signals:
    // The right password was entered, and the lock is gone.
    void unlocked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_password;
    QLabel *m_prompt;
    QLineEdit *m_passwordEntry;
    QLabel *m_untypeableNote;
};
