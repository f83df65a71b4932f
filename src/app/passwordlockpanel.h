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

    void setPassword(const QString &password) { m_password = password; }

public slots:
    void cmdpasscheck_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_password;
    QLabel *m_prompt;
    QLineEdit *m_passwordEntry;
};
