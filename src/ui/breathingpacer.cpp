#include "ui/breathingpacer.h"

#include "ui/controls.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int breathMilliseconds = BreathingPacer::inhaleMilliseconds + BreathingPacer::exhaleMilliseconds;
constexpr int shapeSide = 150;
// The circle never shrinks to nothing: the smallest is this share of the largest.
constexpr double smallestShare = 0.35;

// Slow at the turns, as breath is.
double eased(double share)
{
    return (1 - std::cos(std::numbers::pi * std::clamp(share, 0.0, 1.0))) / 2;
}

// The circle itself, painted from the pacer's fullness.
class BreathShape : public QWidget
{
public:
    explicit BreathShape(const BreathingPacer *pacer, QWidget *parent) : QWidget(parent), m_pacer(pacer)
    {
        setObjectName(QStringLiteral("picbreathe"));
        setFixedSize(shapeSide, shapeSide);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double largest = shapeSide / 2.0 - 4;
        const double radius = largest * (smallestShare + (1 - smallestShare) * m_pacer->fullness());
        const QPointF centre(width() / 2.0, height() / 2.0);
        QColor ring = palette().color(QPalette::Highlight);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, largest, largest);
        ring.setAlpha(150);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ring);
        painter.drawEllipse(centre, radius, radius);
    }

private:
    const BreathingPacer *m_pacer;
};

} // namespace

BreathingPacer::BreathingPacer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmbreathe"));
    m_clock.start();
    m_elapsed = [this] { return m_clock.elapsed(); };

    m_shape = new BreathShape(this, this);
    m_shape->setAccessibleName(tr("Breathing guide"));
    m_words = controls::label(this, QStringLiteral("lblbreathe"), QString());
    m_words->setAlignment(Qt::AlignCenter);
    // Paused, the words say the whole way to breathe, in the pacer's width.
    m_words->setWordWrap(true);
    QFont big = m_words->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_words->setFont(big);
    m_pause = controls::button(this, QStringLiteral("cmdpausebreathe"), tr("Pause"));
    m_pause->setCheckable(true);
    m_pause->setAutoDefault(false);
    m_frames = new QTimer(this);
    m_frames->setObjectName(QStringLiteral("tmrbreathe"));
    m_frames->setInterval(frameMilliseconds);
    m_frames->setTimerType(Qt::CoarseTimer);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_shape, 0, Qt::AlignHCenter);
    layout->addWidget(m_words);
    layout->addWidget(m_pause, 0, Qt::AlignHCenter);

    connect(m_frames, &QTimer::timeout, this, &BreathingPacer::showFrame);
    connect(m_pause, &QPushButton::toggled, this, &BreathingPacer::setPaused);
    showFrame();
}

void BreathingPacer::setElapsedSource(Elapsed elapsed)
{
    m_elapsed = std::move(elapsed);
    m_breathStart = m_elapsed();
    showFrame();
}

qint64 BreathingPacer::intoBreath() const
{
    // A source that went back starts the breath again rather than run it backwards.
    return std::max<qint64>(0, m_elapsed() - m_breathStart) % breathMilliseconds;
}

QString BreathingPacer::words() const
{
    if (m_paused)
        return tr("Breathe in slowly for 4 seconds, then out for 6.");
    return intoBreath() < inhaleMilliseconds ? tr("Breathe in") : tr("Breathe out");
}

double BreathingPacer::fullness() const
{
    // Still, the circle rests half full.
    if (m_paused)
        return 0.5;
    const qint64 into = intoBreath();
    if (into < inhaleMilliseconds)
        return eased(double(into) / inhaleMilliseconds);
    return 1 - eased(double(into - inhaleMilliseconds) / exhaleMilliseconds);
}

void BreathingPacer::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    m_pause->setChecked(paused);
    m_pause->setText(paused ? tr("Go on") : tr("Pause"));
    // Going on starts with a breath in.
    if (!paused)
        m_breathStart = m_elapsed();
    showFrame();
    startFrames();
}

void BreathingPacer::showFrame()
{
    const QString now = words();
    if (m_words->text() != now) {
        m_words->setText(now);
        m_words->setAccessibleDescription(now);
        m_shape->setAccessibleDescription(now);
        emit wordsChanged(now);
    }
    m_shape->update();
}

// Moving only while someone can see it: never behind a minimised window.
void BreathingPacer::startFrames()
{
    if (isVisible() && !window()->isMinimized() && !m_paused)
        m_frames->start();
    else
        m_frames->stop();
}

void BreathingPacer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    window()->installEventFilter(this);
    showFrame();
    startFrames();
}

bool BreathingPacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowStateChange)
        startFrames();
    return QWidget::eventFilter(watched, event);
}

void BreathingPacer::hideEvent(QHideEvent *event)
{
    m_frames->stop();
    QWidget::hideEvent(event);
}
