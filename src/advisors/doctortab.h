#pragma once

#include "ui/charactertab.h"

class BodyMonitorPanel;
class DiseasePanel;
class TopicPanel;
class QFrame;

// Tab 1: the doctor, with the withdrawal symptoms, the body weight, the
// disease risks and the body monitor.
class DoctorTab : public CharacterTab
{
    Q_OBJECT
public:
    explicit DoctorTab(QWidget *parent = nullptr);

    // The doctor's own remarks appear only while his main panel is shown.
    bool isMainPanelShown() const;
    DiseasePanel *diseasePanel() const { return m_frmdesstats; }
    BodyMonitorPanel *bodyMonitor() const { return m_frmbodyfunctions; }

public slots:
    void Image9_Click();
    void cmdifeel_Click();
    void cmdbackfeel_Click();
    void cmdweight_Click();
    void cmdweightback_Click();
    void cmddesstats_Click();
    void cmddeseaseback_Click();
    void cmdbodyfunctions_Click();
    void cmddocback_Click();

signals:
    void diseaseStatsRunning(bool running);
    void bodyMonitorRunning(bool running);

private:
    QFrame *m_frmmaindoc;
    TopicPanel *m_frmfeel;
    TopicPanel *m_frmweight;
    DiseasePanel *m_frmdesstats;
    BodyMonitorPanel *m_frmbodyfunctions;
};
