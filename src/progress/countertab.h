#pragma once

#include "progress/report.h"
#include "progress/stars.h"
#include "progress/statistics.h"
#include "ui/charactertab.h"

#include <QDate>

#include <array>
#include <optional>

struct SharedState;
struct SmokeFreeTime;
class ClickableLabel;
class Picture;
class QFrame;

// Tab 0: the companion, the smoke-free counter with its statistics and star
// row, and the list of stars.
class CounterTab : public CharacterTab
{
    Q_OBJECT
public:
    static constexpr int starCount = 10;

    CounterTab(SharedState &state, QWidget *parent = nullptr);

    // The counter's panels are built when the counter is first shown: until
    // the counter view starts, the tab lies under the first screen.
    void showCounter();
    void showTime(const SmokeFreeTime &time);
    QString stopDateText() const;
    void setStopDateText(const QString &text);
    // The stop date as read from its text when the text was set.
    std::optional<QDate> stopDate() const { return m_stopDate; }
    void setStoppedAt(const QString &sentence);
    // A sentence left empty (money that cannot be read) keeps the old one.
    void showStatistics(const statistics::Sentences &sentences);
    // Stars are only ever added: an earned star stays until the program ends.
    void showStars(const stars::Earned &earned);
    // What the progress report is made of, as the counter shows it now.
    report::Captions reportCaptions();

public slots:
    void imgsmiley_Click();
    void Label8_Click();
    void cmdstarsback_Click();

protected:
    void buildPanels() override;

private:
    QFrame *buildCounter();
    QFrame *buildStars();

    SharedState &m_state;
    QFrame *m_frmcounter = nullptr;
    QFrame *m_frmstars = nullptr;
    QLabel *m_lbldays = nullptr;
    QLabel *m_lblhours = nullptr;
    QLabel *m_lblminutes = nullptr;
    QLabel *m_lblseconds = nullptr;
    QLabel *m_lblstoppedat = nullptr;
    QLabel *m_lblstopdate = nullptr;
    QString m_stopDateText = QString(25, u'-');
    std::optional<QDate> m_stopDate;
    QLabel *m_lblcigcount = nullptr;
    QLabel *m_lblminsaved = nullptr;
    QLabel *m_lblmoneysaved = nullptr;
    QLabel *m_lbllifeext = nullptr;
    std::array<Picture *, starCount> m_starRow{};
    std::array<Picture *, starCount> m_starList{};
};
