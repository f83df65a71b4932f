// Preloaded into an unchanged Qt program (LD_PRELOAD), the probe does what a
// benchmark or a soak needs from inside and reports on standard output, so
// the program itself carries no measuring code. CLEARWIND_PROBE lists the
// steps, separated by blanks:
//   shown          "shown <microseconds since the epoch>" once the first window is painted
//   memory         "memory <VmHWM> <VmRSS>", in KiB, at the same moment
//   press=NAME     clicks the button of that object name once it can be clicked,
//                  then says "pressed NAME"
//   walk           opens every tab and shows every panel of every panel stack,
//                  then says "walked"
//   walk-but=NAME  the same, passing over the tab page of that object name
//   sample=MS      looks every MS milliseconds, and when the counter shows new numbers says
//                  "counter <local date> <local time> <seconds east of UTC> <days> <hours> <minutes> <seconds>"
//   cpu            from now on, each SIGUSR2 makes it say "cpu <nanoseconds>": the CPU
//                  time of the whole process so far, threads that have ended included
//   end            ends the process at once

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

void report(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Runs as a signal handler, so it only formats into a buffer of its own and writes.
void reportProcessCpu(int)
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    unsigned long long nanoseconds = static_cast<unsigned long long>(used.tv_sec) * 1000000000ULL + used.tv_nsec;
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + nanoseconds % 10);
        nanoseconds /= 10;
    } while (nanoseconds > 0);
    char line[32] = "cpu ";
    int length = 4;
    while (count > 0)
        line[length++] = digits[--count];
    line[length++] = '\n';
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, line, length);
}

// "memory <VmHWM> <VmRSS>": the peak and the present resident memory, in KiB,
// as /proc/self/status gives them.
QByteArray memoryLine()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "memory ? ?";
    QByteArray peak = "?";
    QByteArray resident = "?";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            peak = line.mid(6).simplified().split(' ').value(0);
        else if (line.startsWith("VmRSS:"))
            resident = line.mid(6).simplified().split(' ').value(0);
    }
    return "memory " + peak + ' ' + resident;
}

QWidget *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1"))
            return widget;
    }
    return nullptr;
}

template<typename T>
T *findNamed(const QString &name)
{
    QWidget *window = mainWindow();
    return window ? window->findChild<T *>(name) : nullptr;
}

void settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

// Shows each panel of a stack alone for a moment, so it is built and painted,
// then puts the stack back as it was.
void walkStack(QWidget *stack)
{
    QList<QWidget *> layers;
    for (QObject *child : stack->children()) {
        if (auto *layer = qobject_cast<QWidget *>(child); layer && !layer->isWindow())
            layers.append(layer);
    }
    QList<bool> shown;
    for (QWidget *layer : layers)
        shown.append(!layer->isHidden());
    for (QWidget *layer : layers) {
        for (QWidget *other : layers)
            other->setVisible(other == layer);
        settle();
    }
    for (qsizetype i = 0; i < layers.size(); ++i)
        layers.at(i)->setVisible(shown.at(i));
    settle();
}

void walk(const QString &passedOver = QString())
{
    QWidget *window = mainWindow();
    if (!window)
        return;
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int index = 0; index < tabs->count(); ++index) {
            if (!passedOver.isEmpty() && tabs->widget(index)->objectName() == passedOver)
                continue;
            tabs->setCurrentIndex(index);
            settle();
            for (QWidget *stack : tabs->widget(index)->findChildren<QWidget *>()) {
                if (qstrcmp(stack->metaObject()->className(), "LayerStack") == 0)
                    walkStack(stack);
            }
        }
        tabs->setCurrentIndex(0);
    }
    for (QWidget *stack : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qstrcmp(stack->metaObject()->className(), "LayerStack") == 0)
            walkStack(stack);
    }
    report("walked");
}

// The four numbers as the counter shows them, each after a blank.
QByteArray counterValues()
{
    QByteArray values;
    for (const char *name : {"lbldays", "lblhours", "lblminutes", "lblseconds"}) {
        const QLabel *label = findNamed<QLabel>(QString::fromLatin1(name));
        values += ' ' + (label ? label->text().toUtf8() : QByteArray("?"));
    }
    return values;
}

class Probe : public QObject
{
public:
    explicit Probe(const QStringList &steps) : m_steps(steps)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_shown && event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                m_shown = true;
                // Nothing more to watch: the program runs on unobserved.
                QCoreApplication::instance()->removeEventFilter(this);
                // Queued, so it runs once the exposed window has been painted.
                QTimer::singleShot(0, this, &Probe::firstShown);
            }
        }
        return false;
    }

private:
    void firstShown()
    {
        for (const QString &step : std::as_const(m_steps)) {
            if (step == QLatin1String("shown")) {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                report("shown " +
                       QByteArray::number(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            } else if (step == QLatin1String("memory")) {
                report(memoryLine());
            }
        }
        nextStep();
    }

    // The steps after the first window, in order; a press waits until its
    // button can be clicked.
    void nextStep()
    {
        while (m_next < m_steps.size()) {
            const QString step = m_steps.at(m_next);
            if (step.startsWith(QLatin1String("press="))) {
                auto *button = findNamed<QAbstractButton>(step.mid(6));
                if (!button || !button->isVisible() || !button->isEnabled()) {
                    QTimer::singleShot(50, this, &Probe::nextStep);
                    return;
                }
                // A button that closes its window may be gone once the events are settled.
                const QByteArray pressed = "pressed " + button->objectName().toUtf8();
                button->click();
                settle();
                report(pressed);
            } else if (step.startsWith(QLatin1String("after="))) {
                ++m_next;
                QTimer::singleShot(step.mid(6).toInt() * 1000, this, &Probe::nextStep);
                return;
            } else if (step == QLatin1String("cpu")) {
                std::signal(SIGUSR2, reportProcessCpu);
            } else if (step == QLatin1String("end")) {
                std::_Exit(0);
            } else if (step == QLatin1String("walk")) {
                walk();
            } else if (step.startsWith(QLatin1String("walk-but="))) {
                walk(step.mid(9));
            } else if (step.startsWith(QLatin1String("sample="))) {
                auto *timer = new QTimer(this);
                connect(timer, &QTimer::timeout, this, &Probe::sampleCounter);
                timer->start(step.mid(7).toInt());
            }
            ++m_next;
        }
    }

    // A line each time the counter shows something new, stamped with the
    // moment it was seen.
    void sampleCounter()
    {
        const QByteArray shown = counterValues();
        if (shown == m_lastShown)
            return;
        m_lastShown = shown;
        const QDateTime now = QDateTime::currentDateTime();
        report("counter " + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8() + ' ' +
               QByteArray::number(now.offsetFromUtc()) + shown);
    }

    QStringList m_steps;
    qsizetype m_next = 0;
    QByteArray m_lastShown;
    bool m_shown = false;
};

void startProbe()
{
    const QString steps = qEnvironmentVariable("CLEARWIND_PROBE");
    if (!steps.isEmpty())
        new Probe(steps.split(u' ', Qt::SkipEmptyParts));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
