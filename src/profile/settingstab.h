#pragma once

#include "platform/textfiles.h"
#include "records/programsettings.h"
#include "ui/charactertab.h"

struct Environment;
class QCheckBox;
class QLineEdit;
class QFrame;
class QLabel;
class QLayout;
class QPushButton;

// The mechanic's tab: the password, starting at logon, the report, help and
// the web page.
class SettingsTab : public CharacterTab
{
    Q_OBJECT
public:
    explicit SettingsTab(const Environment &environment, QWidget *parent = nullptr);

public slots:
    // Shows SETTINGS, as stored, on the tab.
    void showSettings(const ProgramSettings &settings);
    // Says once that the settings file PATH is there but could not be read,
    // and why; the tab then shows the settings without a lock.
    void sayUnreadable(const QString &path, const QString &problem);
    // The outcome of the save asked for by saveRequested().
    void settingsSaved(const textfiles::WriteResult &result);

signals:
    // The user saved these settings; the logon entry is changed already.
    void saveRequested(const ProgramSettings &settings);
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
    // As last stored.
    ProgramSettings m_settings;
    // What the save under way asked for.
    ProgramSettings m_saving;
    QPushButton *m_saveButton = nullptr;
    QCheckBox *m_usePassword = nullptr;
    QLabel *m_newPasswordLabel = nullptr;
    QLineEdit *m_newPassword = nullptr;
    QCheckBox *m_startAtLogon = nullptr;
};
