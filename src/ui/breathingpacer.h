#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTimer;

// frmbreathe: a circle that grows while the user breathes in, for four
// seconds, and shrinks while they breathe out, for six, with the words
// "Breathe in" and "Breathe out" under it. The words change only when the
// breath turns, so a screen reader hears them once a breath, never a stream
// of announcements. "Pause" stills the circle and leaves the way to breathe
// in words. It moves only while it is in sight: hidden, nothing of it ticks.
class BreathingPacer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int inhaleMilliseconds = 4000;
    static constexpr int exhaleMilliseconds = 6000;
    // About fifteen frames a second: the circle grows by about a pixel a
    // frame, which looks smooth for a slow breath and costs half of 25.
    static constexpr int frameMilliseconds = 66;

    // Milliseconds since some moment, never going back.
    using Elapsed = std::function<qint64()>;

    explicit BreathingPacer(QWidget *parent = nullptr);

    // Where the pacer takes the time from; its own monotonic clock unless
    // told otherwise. A breath starts with the source.
    void setElapsedSource(Elapsed elapsed);
    bool isPaused() const { return m_paused; }
    // What the user reads under the circle, and a screen reader hears.
    QString words() const;
    // How far the breath is in, from 0 (all out) to 1 (all in).
    double fullness() const;

public slots:
    void setPaused(bool paused);

signals:
    // The words changed: the breath turned, or the pacer paused or went on.
    void wordsChanged(const QString &words);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFrame();
    void startFrames();
    qint64 intoBreath() const;

    QElapsedTimer m_clock;
    Elapsed m_elapsed;
    qint64 m_breathStart = 0;
    bool m_paused = false;
    QWidget *m_shape;
    QLabel *m_words;
    QPushButton *m_pause;
    QTimer *m_frames;
};
