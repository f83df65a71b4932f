#include "health/bodymonitorpanel.h"
#include "health/healthtexts.h"

#include "health/bodymeters.h"
#include "ui/controls.h"
#include "ui/picture.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

static void loadHealthPictures()
{
    Q_INIT_RESOURCE(health);
}

namespace {

using namespace bodymeters;

const char *const panelExplanation = QT_TRANSLATE_NOOP(
    "BodyMonitorPanel",
    "This shows your body functions compared to a non smoker. Move your mouse over the meters to get detailed info.");

const QString meterImage = QStringLiteral(":/health/meter.svg");
const QString markerImage = QStringLiteral(":/health/marker.svg");

// The room around the controls, in twips.
constexpr double captionGap = 120;
constexpr double margin = 240;

double meterRowWidth()
{
    return (static_cast<double>(bodymeters::meters().size()) - 1) * geometry::meterSpacing + geometry::meterWidth;
}

void loadPicturesOnce()
{
    static const bool loaded = (loadHealthPictures(), true);
    Q_UNUSED(loaded);
}

// Only the meters and the panel itself answer the mouse. A control over them
// keeps the move to itself, so the doctor's line stays as it was.
void keepMouseMoves(QWidget *control)
{
    control->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

BodyMonitorPanel::BodyMonitorPanel(QWidget *parent) : QFrame(parent)
{
    loadPicturesOnce();
    setObjectName(QStringLiteral("frmbodyfunctions"));
    hide();
    setMouseTracking(true);

    int index = 0;
    for (const Meter &meter : bodymeters::meters()) {
        auto *scale = new Picture(QString::fromLatin1(meter.meterName), meterImage, HealthTexts::tr(meter.description), this);
        scale->setAccessibleName(HealthTexts::tr(meter.description));
        scale->setMouseTracking(true);
        keepMouseMoves(scale);
        connect(scale, &Picture::mouseMoved, this, [this, index] { explainMeter(index); });
        m_meters.append(scale);
        m_markerTops.append(geometry::markerStartTop);
        ++index;
    }
    // Made after the scales, the markers lie over them.
    for (const Meter &meter : bodymeters::meters()) {
        auto *marker = new Picture(QString::fromLatin1(meter.markerName), markerImage, QString(), this);
        marker->setBackdropShown(false);
        keepMouseMoves(marker);
        m_markers.append(marker);
    }

    m_normal = controls::label(this, QStringLiteral("Label10"), tr("normal"));
    m_smoker = controls::label(this, QStringLiteral("Label11"), tr("smoker"));
    m_back = controls::button(this, QStringLiteral("cmddocback"), tr("Back"));
    m_back->hide();
    connect(m_back, &QPushButton::clicked, this, &BodyMonitorPanel::backRequested);
    for (QWidget *control : std::initializer_list<QWidget *>{m_normal, m_smoker, m_back})
        keepMouseMoves(control);

    placeControls();
}

void BodyMonitorPanel::setBackShown(bool shown)
{
    m_back->setVisible(shown);
}

void BodyMonitorPanel::showMeters(const SmokeFreeTime &time)
{
    const auto table = bodymeters::meters();
    for (qsizetype index = 0; index < m_markerTops.size(); ++index)
        m_markerTops[index] = markerTop(table[index], time);
    placeControls();
}

QSize BodyMonitorPanel::sizeHint() const
{
    return minimumSizeHint();
}

QSize BodyMonitorPanel::minimumSizeHint() const
{
    const QRect meters = toPixels(QRectF(leftmostMeter(), geometry::meterTop, meterRowWidth(), geometry::meterHeight));
    const int room = bodymeters::twipsToPixels(margin, logicalDpiX());
    return QSize(meters.right() + 1 + room, meters.bottom() + 1 + room + m_back->sizeHint().height() + room);
}

void BodyMonitorPanel::mouseMoveEvent(QMouseEvent *event)
{
    explainMeters();
    event->accept();
}

void BodyMonitorPanel::showEvent(QShowEvent *event)
{
    placeControls();
    QFrame::showEvent(event);
}

void BodyMonitorPanel::resizeEvent(QResizeEvent *event)
{
    placeControls();
    QFrame::resizeEvent(event);
}

void BodyMonitorPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        placeControls();
    QFrame::changeEvent(event);
}

void BodyMonitorPanel::explainMeters()
{
    emit explanation(tr(panelExplanation), controls::colours::black);
}

void BodyMonitorPanel::explainMeter(int index)
{
    emit explanation(HealthTexts::tr(bodymeters::meters()[index].explanation), controls::colours::blue);
}

QRect BodyMonitorPanel::toPixels(const QRectF &twips) const
{
    return bodymeters::twipsToPixels(twips, logicalDpiX(), logicalDpiY());
}

double BodyMonitorPanel::leftmostMeter() const
{
    const int captions = std::max(m_normal->sizeHint().width(), m_smoker->sizeHint().width());
    return bodymeters::pixelsToTwips(captions, logicalDpiX()) + captionGap + margin;
}

double BodyMonitorPanel::firstMeterLeft() const
{
    const double centred = (bodymeters::pixelsToTwips(width(), logicalDpiX()) - meterRowWidth()) / 2;
    return std::max(leftmostMeter(), centred);
}

void BodyMonitorPanel::placeControls()
{
    const double firstMeterLeft = this->firstMeterLeft();
    for (qsizetype index = 0; index < m_meters.size(); ++index) {
        const int k = static_cast<int>(index);
        m_meters[index]->setGeometry(toPixels(geometry::meterRect(k, firstMeterLeft)));
        m_markers[index]->setGeometry(toPixels(geometry::markerRect(k, firstMeterLeft, m_markerTops[index])));
    }

    // The captions stand left of the first scale, level with a marker at
    // either end of it.
    const int captionRight = toPixels(QRectF(firstMeterLeft - captionGap, 0, 0, 0)).left();
    const auto placeCaption = [captionRight](QLabel *caption, int centreY) {
        const QSize size = caption->sizeHint();
        caption->setGeometry(captionRight - size.width(), centreY - size.height() / 2, size.width(), size.height());
    };
    placeCaption(m_normal, toPixels(geometry::markerRect(0, firstMeterLeft, geometry::meterTop)).center().y());
    placeCaption(m_smoker, toPixels(geometry::markerRect(0, firstMeterLeft, geometry::markerBottomTop)).center().y());

    // Back stands in the bottom right corner, as on the doctor's other panels.
    const int room = bodymeters::twipsToPixels(margin, logicalDpiX());
    const QSize button = m_back->sizeHint();
    m_back->setGeometry(width() - room - button.width(), height() - room - button.height(), button.width(),
                        button.height());
}
