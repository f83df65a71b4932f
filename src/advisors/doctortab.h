#pragma once

#include "records/smokefreetime.h"
#include "ui/charactertab.h"

struct Environment;
class BodyMonitorPanel;
class DiseasePanel;
class TopicPanel;
class QFrame;
class QPushButton;

// Tab 1: the doctor, with the withdrawal symptoms, the body weight, the
// disease risks and the body monitor.
class DoctorTab : public CharacterTab
{
    Q_OBJECT
public:
    DoctorTab(const Environment &environment, QWidget *parent = nullptr);

    // The doctor's own remarks appear only while his main panel is shown; it
    // is the panel his tab opens on.
    bool isMainPanelShown() const;
    // The two health views follow the smoke-free time while they are open,
    // which they can only be once the tab has been shown.
    void showDiseaseRisks(const SmokeFreeTime &shown);
    void showBodyMeters(const SmokeFreeTime &shown);
    // Where the documents the doctor shows are.
    static QStringList documents(const Environment &environment);

    void greet();
    void openSymptoms();
    void openWeightQuestions();
    void openDiseaseRisks();
    void openBodyMonitor();

signals:
    void diseaseStatsRunning(bool running);
    void bodyMonitorRunning(bool running);

protected:
    void buildPanels() override;

private:
    QFrame *buildMainPanel();
    TopicPanel *buildSymptomPanel();
    TopicPanel *buildWeightPanel();
    void closeSymptoms();
    void askForAnotherSymptom();
    void closeWeightQuestions();
    void closeDiseaseRisks();
    void closeBodyMonitor();

    const Environment &m_environment;
    QFrame *m_mainPanel = nullptr;
    TopicPanel *m_symptoms = nullptr;
    TopicPanel *m_weight = nullptr;
    DiseasePanel *m_diseaseRisks = nullptr;
    BodyMonitorPanel *m_bodyMonitor = nullptr;
};
