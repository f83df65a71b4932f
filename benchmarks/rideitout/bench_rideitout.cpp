// "Craving now..." on the counter, clicked in the running program, to the end
// of the first paint of "Ride it out": a year of cravings logged with steps,
// a plan for every trigger and a page of personal reasons to show. The
// window is closed between the clicks, as the user closes it; the first
// opening, which also loads what the window is the first to need, is
// reported apart from the median of the others.
// With "reasons", the same with personal reasons of 256 KiB, the most the
// window reads. With "passed", "It passed" is clicked in each window instead,
// when the cravings file is one short record from its 8 MiB limit, so the
// craving is written into the largest file there is: from the click to the
// window gone from the screen, and apart from it, until the craving is on the
// disk and the window done.
//   bench_rideitout [OPENINGS] [reasons|passed]
// Each opening but those of "passed" also times the reasons' lines to their
// first paint: they come once the window has been painted.

#include "benchprogram.h"
#include "cravinglog/cravings.h"
#include "moment/plans.h"
#include "platform/textfiles.h"
#include "richtext/rtfwriter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <optional>
#include <utility>

namespace {

constexpr int cravings = 4000;
// The most personal reasons the window reads; a larger file shows none.
constexpr qint64 largestReasonsBytes = 256 * 1024;
// Room left in the full cravings file for the one record "It passed" adds:
// more than the record takes, so it goes into this file, not a new one.
constexpr qint64 roomForOneCraving = 512;
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

QByteArray reasonsRtf(int pages)
{
    QTextDocument reasons;
    reasons.setPlainText(QStringLiteral("I want to climb the stairs to our flat without stopping.\n"
                                        "I want to see my grandchildren grow up.\n"
                                        "The money goes to a week by the sea.\n")
                             .repeated(10 * pages));
    return richtext::write(reasons);
}

// As many pages of reasons as fit in the most the window reads.
QByteArray largestReasonsRtf()
{
    const qsizetype onePage = reasonsRtf(1).size();
    const qsizetype eachPage = reasonsRtf(2).size() - onePage;
    int pages = int(1 + (largestReasonsBytes - onePage) / eachPage);
    QByteArray bytes = reasonsRtf(pages);
    while (bytes.size() > largestReasonsBytes)
        bytes = reasonsRtf(--pages);
    return bytes;
}

// Empty lines up to one short record from the limit: the most records a file
// that large holds, each of which the writer passes over to find the end.
QByteArray cravingsOneShortOfFull()
{
    const QByteArray header = journey::cravingsHeader();
    return header + QByteArray(journey::fullFileBytes - roomForOneCraving - header.size(), '\n');
}

bool writeFiles(BenchProgram &program, bool largestReasons)
{
    if (!writeFileAt(program.path("data/journey/cravings.csv"), aYearOfCravings(program.clock.now())))
        return false;
    const journey::PlansFile plans(program.path("data/journey/plans.csv"));
    for (const journey::TriggerName &name : journey::triggerNames()) {
        if (name.trigger != journey::Trigger::NotSaid &&
            !plans.setPlan(name.trigger, journey::suggestedPlan(name.trigger)).ok)
            return false;
    }
    return writeFileAt(program.path("data/coach/personal.rtf"), largestReasons ? largestReasonsRtf() : reasonsRtf(1));
}

// Sees the first paint of the window that opens.
class FirstPaint : public QObject
{
public:
    FirstPaint() { QCoreApplication::instance()->installEventFilter(this); }
    bool painted = false;
    // The lines of the personal reasons, which come after the window.
    bool reasonsPainted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window()->objectName() == QLatin1String("frmrideitout"))
                painted = true;
            if (widget && widget->objectName() == QLatin1String("lblreasons"))
                reasonsPainted = true;
        }
        return false;
    }
};

// Turns the event loop, waiting for events rather than spinning, until DONE
// says so; false when it never does.
template<typename Done>
bool waitUntil(Done done)
{
    bool late = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&late] { late = true; });
    giveUp.start(giveUpMilliseconds);
    while (!done() && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

bool waitForPaint(const FirstPaint &watch)
{
    return waitUntil([&watch] { return watch.painted; });
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

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// "It passed" in an open window: the milliseconds until the window is gone
// from the screen, and until the craving is in the file and the window done;
// nothing when it never was.
std::optional<std::pair<double, double>> clickPassed(QWidget *window, const QString &cravingsPath)
{
    QPointer<QWidget> ride = window;
    auto *passed = ride->findChild<QAbstractButton *>(QStringLiteral("cmdridepassed"));
    if (!passed)
        return std::nullopt;
    QElapsedTimer timer;
    timer.start();
    passed->click();
    if (!waitUntil([&ride] { return ride.isNull() || !ride->isVisible(); }))
        return std::nullopt;
    // The hidden window told to the display.
    QCoreApplication::processEvents();
    const double gone = timer.nsecsElapsed() / 1e6;
    // Done only once the craving is saved: then it closes for good.
    if (!waitUntil([&ride] { return ride.isNull(); }))
        return std::nullopt;
    const double written = timer.nsecsElapsed() / 1e6;
    // Written into this file, not a new one started beside it.
    const qint64 size = QFileInfo(cravingsPath).size();
    if (size <= journey::fullFileBytes - roomForOneCraving || size > journey::fullFileBytes)
        return std::nullopt;
    QTest::qWait(200);
    return std::pair(gone, written);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int openings = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 21;
    const QByteArray mode = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (!mode.isEmpty() && mode != "reasons" && mode != "passed")
        return 2;
    const bool passing = mode == "passed";

    BenchProgram program;
    if (!writeFiles(program, mode == "reasons"))
        return 1;
    const QString cravingsPath = program.path("data/journey/cravings.csv");
    MainWindow &window = program.startCounter();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(500);
    auto *cravingNow = program.find<QAbstractButton>("cmdcravingnow");
    if (!cravingNow || !cravingNow->isVisible())
        return 1;

    std::vector<double> times;
    std::vector<double> reasons;
    std::vector<double> gone;
    std::vector<double> written;
    for (int opening = 0; opening < openings; ++opening) {
        if (passing && !textfiles::writeAtomically(cravingsPath, cravingsOneShortOfFull()).ok)
            return 1;
        FirstPaint watch;
        QElapsedTimer timer;
        timer.start();
        cravingNow->click();
        if (!waitForPaint(watch))
            return 1;
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (!passing) {
            if (!waitUntil([&watch] { return watch.reasonsPainted; }))
                return 1;
            reasons.push_back(timer.nsecsElapsed() / 1e6);
        }
        auto *ride = program.find("frmrideitout");
        if (!ride || !ride->isVisible())
            return 1;
        if (passing) {
            // The pacer has run a moment, as it does for the user.
            QTest::qWait(300);
            const auto times = clickPassed(ride, cravingsPath);
            if (!times)
                return 1;
            gone.push_back(times->first);
            written.push_back(times->second);
        } else if (!closeWithoutLogging(ride)) {
            return 1;
        }
    }
    if (passing) {
        bench::report("rideitout_passed_gone_ms", median(gone));
        bench::report("rideitout_passed_written_ms", median(written));
        return 0;
    }
    const QByteArray name = mode.isEmpty() ? QByteArray("rideitout") : "rideitout_" + mode;
    bench::report((name + "_first_open_ms").constData(), times.front());
    bench::report((name + "_open_ms").constData(), median(std::vector<double>(times.begin() + 1, times.end())));
    bench::report((name + "_shown_ms").constData(), median(reasons));
    return 0;
}
