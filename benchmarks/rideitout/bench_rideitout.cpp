// "Craving now..." on the counter, clicked in the running program, to the end
// of the first paint of "Ride it out": a year of cravings logged with steps,
// a plan for every trigger and a page of personal reasons to show. The
// window is closed between the clicks, as the user closes it; the first
// opening, which also loads what the window is the first to need, is
// reported apart from the median of the others.
//   bench_rideitout [OPENINGS]

#include "benchprogram.h"
#include "cravinglog/cravings.h"
#include "moment/plans.h"
#include "richtext/rtfwriter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {

constexpr int cravings = 4000;
// Longer than any opening may take: then the benchmark fails rather than waits on.
constexpr int giveUpMilliseconds = 10000;

// Eleven cravings a day, each ridden out with a step or two ticked.
QByteArray aYearOfCravings(const QDateTime &now)
{
    const auto &triggers = journey::triggerNames();
    const auto &steps = journey::copingSteps();
    QByteArray bytes = journey::cravingsHeader();
    const QDateTime first = now.addYears(-1);
    for (int n = 0; n < cravings; ++n) {
        journey::Craving craving{first.addSecs(qint64(n) * 7890), 1 + n % 5,
                                 triggers.at(n % (triggers.size() - 1)).trigger,
                                 n % 3 ? QString() : QStringLiteral("after the call, \"again\""),
                                 n % 7 ? journey::Outcome::Passed : journey::Outcome::Smoked};
        craving.seconds = 60 + n * 37 % 600;
        // The record keeps each step once, in their order.
        craving.steps = {steps.at(n % steps.size()).step, steps.at(n * 5 % steps.size()).step};
        bytes += journey::cravingRecord(craving);
    }
    return bytes;
}

bool writeFiles(BenchProgram &program)
{
    if (!writeFileAt(program.path("data/journey/cravings.csv"), aYearOfCravings(program.clock.now())))
        return false;
    const journey::PlansFile plans(program.path("data/journey/plans.csv"));
    for (const journey::TriggerName &name : journey::triggerNames()) {
        if (name.trigger != journey::Trigger::NotSaid &&
            !plans.setPlan(name.trigger, journey::suggestedPlan(name.trigger)).ok)
            return false;
    }
    QTextDocument reasons;
    reasons.setPlainText(QStringLiteral("I want to climb the stairs to our flat without stopping.\n"
                                        "I want to see my grandchildren grow up.\n"
                                        "The money goes to a week by the sea.\n")
                             .repeated(10));
    return writeFileAt(program.path("data/coach/personal.rtf"), richtext::write(reasons));
}

// Sees the first paint of the window that opens.
class FirstPaint : public QObject
{
public:
    FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window()->objectName() == QLatin1String("frmrideitout"))
                painted = true;
        }
        return false;
    }
};

// Turns the event loop, waiting for events rather than spinning, until the
// window has been painted; false when it never was.
bool waitForPaint(const FirstPaint &watch)
{
    bool late = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&late] { late = true; });
    giveUp.start(giveUpMilliseconds);
    while (!watch.painted && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return watch.painted;
}

// Closes the window as the user does who logs nothing, and waits until it is gone.
bool closeWithoutLogging(QWidget *window)
{
    QPointer<QWidget> ride = window;
    ride->close();
    auto *without = ride->findChild<QAbstractButton *>(QStringLiteral("cmdclosewithout"));
    if (!without)
        return false;
    without->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The display settles before the next click.
    QTest::qWait(200);
    return ride.isNull();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int openings = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 21;

    BenchProgram program;
    if (!writeFiles(program))
        return 1;
    MainWindow &window = program.startCounter();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(500);
    auto *cravingNow = program.find<QAbstractButton>("cmdcravingnow");
    if (!cravingNow || !cravingNow->isVisible())
        return 1;

    std::vector<double> times;
    for (int opening = 0; opening < openings; ++opening) {
        FirstPaint watch;
        QElapsedTimer timer;
        timer.start();
        cravingNow->click();
        if (!waitForPaint(watch))
            return 1;
        times.push_back(timer.nsecsElapsed() / 1e6);
        auto *ride = program.find("frmrideitout");
        if (!ride || !ride->isVisible() || !closeWithoutLogging(ride))
            return 1;
    }
    bench::report("rideitout_first_open_ms", times.front());
    std::vector<double> later(times.begin() + 1, times.end());
    std::sort(later.begin(), later.end());
    bench::report("rideitout_open_ms", later[later.size() / 2]);
    return 0;
}
