#include "progress/countertab.h"

#include "platform/regionalformats.h"
#include "progress/deaths.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"
#include "ui/layerstack.h"
#include "ui/numberlabel.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

CharacterTab::Character companion()
{
    return {QStringLiteral("imgsmiley"),   pictures::path("smiley"),         CounterTab::tr("Companion"),
            QStringLiteral("lblmaincomp"), CounterTab::tr("Companion says"), QString()};
}

struct CounterUnit
{
    const char *numberName;
    const char *unitName;
    const char *unit;
    const char *description;
    int green;
};

const CounterUnit counterUnits[] = {
    {"lbldays", "Label21", QT_TRANSLATE_NOOP("CounterTab", "Days"), QT_TRANSLATE_NOOP("CounterTab", "Smoke-free days"),
     128},
    {"lblhours", "Label16", QT_TRANSLATE_NOOP("CounterTab", "Hours"),
     QT_TRANSLATE_NOOP("CounterTab", "Smoke-free hours"), 192},
    {"lblminutes", "Label25", QT_TRANSLATE_NOOP("CounterTab", "Minutes"),
     QT_TRANSLATE_NOOP("CounterTab", "Smoke-free minutes"), 255},
    {"lblseconds", "Label9", QT_TRANSLATE_NOOP("CounterTab", "Seconds"),
     QT_TRANSLATE_NOOP("CounterTab", "Smoke-free seconds"), 255},
};

struct StarReason
{
    const char *captionName;
    const char *reason;
};

const StarReason starReasons[CounterTab::starCount] = {
    {"Label2", QT_TRANSLATE_NOOP("CounterTab", "For starting to stop smoking")},
    {"Label13", QT_TRANSLATE_NOOP("CounterTab", "For not smoking for 24 hours")},
    {"Label4", QT_TRANSLATE_NOOP("CounterTab", "For geting back your sense of taste and smell")},
    {"Label17", QT_TRANSLATE_NOOP("CounterTab", "For not smoking 100 cigarettes")},
    {"Label19", QT_TRANSLATE_NOOP("CounterTab", "For extending your life by 1 day")},
    {"Label6", QT_TRANSLATE_NOOP("CounterTab", "For not smoking for a week")},
    {"Label7", QT_TRANSLATE_NOOP("CounterTab", "For not smoking 500 cigarettes")},
    {"Label14", QT_TRANSLATE_NOOP("CounterTab", "For not smoking for a month")},
    {"Label18", QT_TRANSLATE_NOOP("CounterTab", "For not smoking 1000 cigarettes")},
    {"Label20", QT_TRANSLATE_NOOP("CounterTab", "For not smoking for a year")},
};

QLabel *statisticsLine(QWidget *parent, const char *name, look::Role colour)
{
    QLabel *line = controls::textLabel(parent, QString::fromLatin1(name), QStringLiteral("----"));
    controls::setTextColour(line, colour);
    return line;
}

} // namespace

CounterTab::CounterTab(QWidget *parent) : CharacterTab(companion(), parent)
{
    buildPanelsWhenAsked();
    // Beside the companion, in sight whichever panel shows.
    QPushButton *cravingNow = controls::button(this, QStringLiteral("cmdcravingnow"), tr("Craving now..."));
    cravingNow->setToolTip(tr("Help to ride out a craving (Ctrl+K)"));
    addToCharacterRow(cravingNow);
    connect(picture(), &PictureButton::clicked, this, &CounterTab::sayDeaths);
    connect(cravingNow, &QPushButton::clicked, this, &CounterTab::cravingNowRequested);
}

void CounterTab::buildPanels()
{
    m_counterPanel = buildCounter();
    m_starsPanel = buildStars();
    panels()->addLayer(m_counterPanel);
    panels()->addLayer(m_starsPanel);
}

QFrame *CounterTab::buildCounter()
{
    QFrame *frame = controls::panel(panels(), QStringLiteral("frmcounter"), false);
    QLabel *heading = buildHeading(frame);
    QGridLayout *numbers = buildNumbers(frame);
    buildStatistics(frame);
    QHBoxLayout *starRow = buildStarRow(frame);

    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(heading);
    layout->addLayout(numbers);
    layout->setAlignment(numbers, Qt::AlignHCenter);
    layout->addSpacing(10);
    for (QLabel *line : {m_stoppedAt, m_notSmoked, m_minutesSaved, m_moneySaved, m_lifeGained})
        layout->addWidget(line);
    layout->addStretch();
    layout->addLayout(starRow);
    return frame;
}

QLabel *CounterTab::buildHeading(QFrame *frame)
{
    QLabel *stoppedFor = controls::label(frame, QStringLiteral("lblmainsay"), tr("You have stopped smoking for :"));
    controls::setTextColour(stoppedFor, controls::colours::green(64));
    QFont heading = stoppedFor->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    heading.setBold(true);
    stoppedFor->setFont(heading);
    return stoppedFor;
}

// Days, hours, minutes and seconds, each big number over its unit.
QGridLayout *CounterTab::buildNumbers(QFrame *frame)
{
    auto *numbers = new QGridLayout;
    numbers->setHorizontalSpacing(28);
    int column = 0;
    QList<QLabel *> numberLabels;
    for (const CounterUnit &unit : counterUnits) {
        QLabel *number = new NumberLabel(frame, QString::fromLatin1(unit.numberName), QStringLiteral("00"));
        number->setAccessibleDescription(tr(unit.description));
        QFont big = number->font();
        big.setPointSizeF(big.pointSizeF() * 3.2);
        big.setBold(true);
        number->setFont(big);
        number->setAlignment(Qt::AlignCenter);
        // Room for the most digits a count can have, fixed, so a new digit
        // every second repaints the number and lays out nothing.
        number->setFixedSize(number->fontMetrics().horizontalAdvance(QStringLiteral("00000")),
                             number->sizeHint().height());
        QLabel *caption = controls::label(frame, QString::fromLatin1(unit.unitName), tr(unit.unit));
        caption->setAlignment(Qt::AlignCenter);
        for (QLabel *label : {number, caption})
            controls::setTextColour(label, controls::colours::green(unit.green));
        numberLabels.append(number);
        numbers->addWidget(number, 0, column);
        numbers->addWidget(caption, 1, column);
        ++column;
    }
    // In the order of the table: days, hours, minutes, seconds.
    m_days = numberLabels.at(0);
    m_hours = numberLabels.at(1);
    m_minutes = numberLabels.at(2);
    m_seconds = numberLabels.at(3);
    return numbers;
}

void CounterTab::buildStatistics(QFrame *frame)
{
    m_stoppedAt = statisticsLine(frame, "lblstoppedat", controls::colours::navy);
    m_notSmoked = statisticsLine(frame, "lblcigcount", controls::colours::black);
    m_minutesSaved = statisticsLine(frame, "lblminsaved", controls::colours::navy);
    m_moneySaved = statisticsLine(frame, "lblmoneysaved", controls::colours::navy);
    m_lifeGained = statisticsLine(frame, "lbllifeext", controls::colours::black);
    m_stopDateLabel = controls::label(frame, QStringLiteral("lblstopdate"), m_stopDateText);
    m_stopDateLabel->hide();
}

// The link to the stars, and the stars earned so far.
QHBoxLayout *CounterTab::buildStarRow(QFrame *frame)
{
    auto *starRow = new QHBoxLayout;
    starRow->setSpacing(4);
    auto *starsLink = new ClickableLabel(frame, QStringLiteral("Label8"), tr("Stars"));
    controls::setTextColour(starsLink, controls::colours::olive);
    QFont starsFont = starsLink->font();
    starsFont.setBold(true);
    starsFont.setUnderline(true);
    starsLink->setFont(starsFont);
    starRow->addWidget(starsLink);
    starRow->addSpacing(8);
    for (int index = 0; index < starCount; ++index) {
        auto *star = new Picture(QStringLiteral("star(%1)").arg(index), pictures::path("star"), tr("Star"), frame);
        star->setFixedSize(24, 24);
        star->setVisible(index == 0);
        m_starRow[index] = star;
        starRow->addWidget(star);
    }
    starRow->addStretch();
    connect(starsLink, &ClickableLabel::clicked, this, &CounterTab::openStars);
    return starRow;
}

QFrame *CounterTab::buildStars()
{
    QFrame *frame = controls::panel(panels(), QStringLiteral("frmstars"), false);
    QLabel *title = controls::label(frame, QStringLiteral("lblstarstitle"), tr("You have earned a star :"));
    QFont heading = title->font();
    heading.setBold(true);
    title->setFont(heading);

    auto *list = new QGridLayout;
    list->setVerticalSpacing(2);
    for (int index = 0; index < starCount; ++index) {
        auto *star = new Picture(QStringLiteral("s%1").arg(index + 1), pictures::path("star"), tr("Star"), frame);
        star->setFixedSize(20, 20);
        // An unearned star keeps its place, so the reasons stay evenly spaced.
        QSizePolicy keepPlace = star->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        star->setSizePolicy(keepPlace);
        star->setVisible(index == 0);
        m_starList[index] = star;
        QLabel *reason =
            controls::label(frame, QString::fromLatin1(starReasons[index].captionName), tr(starReasons[index].reason));
        list->addWidget(star, index, 0);
        list->addWidget(reason, index, 1);
    }
    list->setColumnStretch(1, 1);

    auto *trophy = new Picture(QStringLiteral("Image13"), pictures::path("trophy"), tr("Trophy"), frame);
    trophy->setFixedSize(96, 96);
    QPushButton *back = controls::button(frame, QStringLiteral("cmdstarsback"), tr("Back"));

    auto *body = new QHBoxLayout;
    body->addLayout(list, 1);
    body->addWidget(trophy, 0, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(title);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(back, &QPushButton::clicked, this, &CounterTab::closeStars);
    return frame;
}

void CounterTab::showCounter()
{
    ensurePanels();
    m_counterPanel->show();
}

void CounterTab::showTime(const SmokeFreeTime &time)
{
    ensurePanels();
    m_shown = time;
    controls::setText(m_days, QString::number(time.days));
    controls::setText(m_hours, QString::number(time.hours));
    controls::setText(m_minutes, QString::number(time.minutes));
    controls::setText(m_seconds, QString::number(time.seconds));
}

QString CounterTab::stopDateText() const
{
    return m_stopDateText;
}

void CounterTab::setStopDateText(const QString &text)
{
    m_stopDateText = text;
    m_stopDate = regional::dateFromText(text);
    if (m_stopDateLabel)
        m_stopDateLabel->setText(text);
}

void CounterTab::setStoppedAt(const QString &sentence)
{
    ensurePanels();
    controls::setText(m_stoppedAt, sentence);
}

void CounterTab::showStatistics(const statistics::Sentences &sentences)
{
    ensurePanels();
    controls::setText(m_notSmoked, sentences.cigarettes);
    controls::setText(m_minutesSaved, sentences.minutes);
    if (!sentences.money.isEmpty())
        controls::setText(m_moneySaved, sentences.money);
    controls::setText(m_lifeGained, sentences.life);
}

void CounterTab::showStars(const stars::Earned &earned)
{
    ensurePanels();
    for (int index = 0; index < starCount; ++index) {
        if (earned[index])
            m_starList[index]->show();
    }
    const int pictures = stars::rowPictures(earned);
    for (int index = 0; index < pictures && index < starCount; ++index)
        m_starRow[index]->show();
}

void CounterTab::sayDeaths()
{
    say(deathsSentence(m_shown));
}

void CounterTab::openStars()
{
    m_starsPanel->show();
}

void CounterTab::closeStars()
{
    m_counterPanel->show();
    m_starsPanel->hide();
}

QString CounterTab::moneySentence() const
{
    return m_moneySaved ? m_moneySaved->text() : QString();
}

report::Captions CounterTab::reportCaptions(const QString &userName)
{
    ensurePanels();
    return {userName,
            m_days->text(),
            m_hours->text(),
            m_stoppedAt->text(),
            m_notSmoked->text(),
            m_lifeGained->text(),
            m_moneySaved->text()};
}
