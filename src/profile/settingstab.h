#pragma once

#include "ui/charactertab.h"

struct Environment;
struct ProgramSettings;
class QCheckBox;
class QLineEdit;
class QFrame;
class QLabel;
class QLayout;

// The mechanic's tab: the password, starting at logon, the report, help and
// the web page.
class SettingsTab : public CharacterTab
{
    Q_OBJECT
public:
    SettingsTab(const Environment &environment, ProgramSettings &settings, QWidget *parent = nullptr);

    // Reads the settings file into the settings and shows them on the tab.
    void loadSettings();

signals:
    void exportRequested();
    void helpRequested();
    void homePageRequested();

private:
    QFrame *buildSettingsPanel();
    QLayout *buildPasswordRow(QWidget *panel);
    QLayout *buildActionRow(QWidget *panel);
    QLayout *buildWebRow(QWidget *panel);
    void buildSaveButtons();

    void showPasswordEntry();
    void saveSettings();
    void greet();
    // A refused password: the message, the label red, the focus in the entry.
    void refusePassword(const QString &message);
    void reportFailure(const QString &message);

    const Environment &m_environment;
    ProgramSettings &m_settings;
    QCheckBox *m_usePassword = nullptr;
    QLabel *m_newPasswordLabel = nullptr;
    QLineEdit *m_newPassword = nullptr;
    QCheckBox *m_startAtLogon = nullptr;
};
