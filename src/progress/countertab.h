#pragma once

#include "progress/report.h"
#include "progress/stars.h"
#include "progress/statistics.h"
#include "ui/charactertab.h"

#include <QDate>

#include <array>
#include <optional>

struct SmokeFreeTime;
class ClickableLabel;
class Picture;
class QFrame;
class QGridLayout;
class QHBoxLayout;

// Tab 0: the companion, the smoke-free counter with its statistics and star
// row, and the list of stars.
class CounterTab : public CharacterTab
{
    Q_OBJECT
public:
    static constexpr int starCount = 10;

    explicit CounterTab(QWidget *parent = nullptr);

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
    report::Captions reportCaptions(const QString &userName);
    // The sentence of the money saved, as it stands.
    QString moneySentence() const;

public slots:
    void sayDeaths();
    void openStars();
    void closeStars();

signals:
    // "Craving now...": help to ride out a craving.
    void cravingNowRequested();

protected:
    void buildPanels() override;

private:
    QFrame *buildCounter();
    QLabel *buildHeading(QFrame *frame);
    QGridLayout *buildNumbers(QFrame *frame);
    void buildStatistics(QFrame *frame);
    QHBoxLayout *buildStarRow(QFrame *frame);
    QFrame *buildStars();

    // The smoke-free time as last shown.
    SmokeFreeTime m_shown;
    QFrame *m_counterPanel = nullptr;
    QFrame *m_starsPanel = nullptr;
    QLabel *m_days = nullptr;
    QLabel *m_hours = nullptr;
    QLabel *m_minutes = nullptr;
    QLabel *m_seconds = nullptr;
    QLabel *m_stoppedAt = nullptr;
    QLabel *m_stopDateLabel = nullptr;
    QString m_stopDateText = QString(25, u'-');
    std::optional<QDate> m_stopDate;
    QLabel *m_notSmoked = nullptr;
    QLabel *m_minutesSaved = nullptr;
    QLabel *m_moneySaved = nullptr;
    QLabel *m_lifeGained = nullptr;
    std::array<Picture *, starCount> m_starRow{};
    std::array<Picture *, starCount> m_starList{};
};
