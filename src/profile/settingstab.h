#pragma once

#include "ui/charactertab.h"

struct Environment;
struct ProgramSettings;
class ClickableLabel;
class QCheckBox;
class QLineEdit;
class PictureButton;
class QPushButton;

// The mechanic's tab: the password, starting at logon, the report, help and
// the web page.
class SettingsTab : public CharacterTab
{
    Q_OBJECT
public:
    SettingsTab(const Environment &environment, ProgramSettings &settings, QWidget *parent = nullptr);

    QPushButton *exportButton() const { return m_exportButton; }
    QPushButton *helpButton() const { return m_helpButton; }
    ClickableLabel *webLabel() const { return m_webLink; }
    PictureButton *webPicture() const { return m_banner; }

public slots:
    // The settings loader: reads the settings file, then shows it on the tab.
    void cmdloadset_Click();
    void chkpassword_Click();
    void cmdsaveset_Click();
    void imgmechanic_Click();

private:
    // A refused password: the message, the label red, the focus in the entry.
    void refusePassword(const QString &message);
    void reportFailure(const QString &message);

    const Environment &m_environment;
    ProgramSettings &m_settings;
    QCheckBox *m_usePassword;
    QLabel *m_newPasswordLabel;
    QLineEdit *m_newPassword;
    QCheckBox *m_startAtLogon;
    QPushButton *m_exportButton;
    QPushButton *m_helpButton;
    ClickableLabel *m_webLink;
    PictureButton *m_banner;
};
