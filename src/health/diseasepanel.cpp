#include "health/diseasepanel.h"
#include "health/healthtexts.h"

#include "health/diseaserisks.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What a value shows before the first update.
const QString notYetShown(29, QLatin1Char('-'));

QLabel *valueLabel(QWidget *parent, const diseaserisks::Disease &disease)
{
    QLabel *value = controls::label(parent, QString::fromLatin1(disease.valueName), notYetShown);
    value->setAccessibleDescription(HealthTexts::tr(disease.description));
    controls::setTextColour(value, controls::colours::green(disease.greenShade));
    QFont font = value->font();
    font.setBold(true);
    value->setFont(font);
    return value;
}

} // namespace

DiseasePanel::DiseasePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmdesstats"));
    hide();

    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(24);
    rows->setVerticalSpacing(18);
    int row = 0;
    for (const diseaserisks::Disease &disease : diseaserisks::diseases()) {
        QLabel *caption = controls::label(this, QString::fromLatin1(disease.captionName), HealthTexts::tr(disease.caption));
        QLabel *value = valueLabel(this, disease);
        rows->addWidget(caption, row, 0);
        rows->addWidget(value, row, 1);
        m_values.append(value);
        ++row;
    }
    rows->setColumnStretch(1, 1);

    auto *heart = new Picture(QStringLiteral("Image8"), pictures::path("heart"), tr("Heart"), this);
    heart->setFixedSize(96, 96);

    auto *content = new QHBoxLayout;
    content->addLayout(rows, 1);
    content->addWidget(heart, 0, Qt::AlignTop);

    QPushButton *back = controls::button(this, QStringLiteral("cmddeseaseback"), tr("Back"));
    connect(back, &QPushButton::clicked, this, &DiseasePanel::backRequested);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 12);
    layout->addLayout(content);
    layout->addStretch();
    layout->addLayout(buttons);
}

void DiseasePanel::showRisks(const SmokeFreeTime &time)
{
    const auto table = diseaserisks::diseases();
    for (qsizetype row = 0; row < m_values.size(); ++row)
        controls::setText(m_values[row], diseaserisks::riskText(table[row], time));
}
