#pragma once

#include "records/smokefreetime.h"
#include "ui/charactertab.h"

#include <array>

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
    // The documents the doctor shows, relative to the program folder.
    static QStringList documents();

    enum Symptom {
        Tired,
        Constipation,
        Chest,
        TimePerception,
        Dizzy,
        SoreThroat,
        BadTaste,
        Tensions,
        Sleeping,
        Concentration,
        Headaches,
        Others,
        SymptomCount
    };
    enum WeightQuestion { AboutWeight, WhyGain, WhatToDo, WeightQuestionCount };

public slots:
    void Image9_Click();
    void cmdifeel_Click();
    void cmdbackfeel_Click();
    void cmdokdoc_Click();
    void cmdfeeltired_Click();
    void cmdfeelConstipation_Click();
    void cmdfeelchest_Click();
    void cmdtimeper_Click();
    void cmdfeeldizzy_Click();
    void cmdfeelthroat_Click();
    void cmdnausea_Click();
    void cmdfeelIrritability_Click();
    void cmdfeelSleeplessness_Click();
    void cmdfeelconcentration_Click();
    void cmdfeelheadaches_Click();
    void cmdfeelothers_Click();
    void cmdweight_Click();
    void cmdweightback_Click();
    void cmdminweight_Click();
    void cmdwhygain_Click();
    void cmdnothingworks_Click();
    void cmdok8_Click();
    void cmddesstats_Click();
    void cmddeseaseback_Click();
    void cmdbodyfunctions_Click();
    void cmddocback_Click();

signals:
    void diseaseStatsRunning(bool running);
    void bodyMonitorRunning(bool running);

protected:
    void buildPanels() override;

private:
    QFrame *buildMainPanel();
    TopicPanel *buildSymptomPanel();
    TopicPanel *buildWeightPanel();
    void ShowDoctorDocument();
    void showSymptom(Symptom symptom);
    void showWeightDocument(WeightQuestion question);
    void setWeightQuestionsShown(bool shown);

    const Environment &m_environment;
    QFrame *m_mainPanel = nullptr;
    TopicPanel *m_symptoms = nullptr;
    TopicPanel *m_weight = nullptr;
    std::array<QPushButton *, WeightQuestionCount> m_weightQuestions{};
    DiseasePanel *m_diseaseRisks = nullptr;
    BodyMonitorPanel *m_bodyMonitor = nullptr;
};
