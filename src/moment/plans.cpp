#include "moment/plans.h"

#include "cravinglog/csvscanner.h"
#include "cravinglog/journeytext.h"
#include "platform/environment.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <array>

namespace journey {

namespace {

constexpr std::array headerFields{"trigger", "plan"};

struct SuggestedPlan
{
    Trigger trigger;
    const char *plan; // translated in the context "journey"
};

// Each the rest of "When <trigger>, I will ...", from the coach's tips and
// the things to do in place of a cigarette.
const SuggestedPlan suggestedPlans[] = {
    {Trigger::Stress, QT_TRANSLATE_NOOP("journey", "take ten slow breaths, each out-breath a little longer, and "
                                                   "let my shoulders drop.")},
    {Trigger::Meal, QT_TRANSLATE_NOOP("journey", "get up from the table straight away and brush my teeth or take "
                                                 "a short walk.")},
    {Trigger::Coffee, QT_TRANSLATE_NOOP("journey", "drink my coffee somewhere I never smoked, with a glass of water "
                                                   "first.")},
    {Trigger::Alcohol, QT_TRANSLATE_NOOP("journey", "keep a drink in my hand, stay close to friends who do not "
                                                    "smoke, and drink less.")},
    {Trigger::Smokers, QT_TRANSLATE_NOOP("journey", "say \"No thanks, I don't smoke\" and spend my break with "
                                                    "someone who does not smoke.")},
    {Trigger::Boredom, QT_TRANSLATE_NOOP("journey", "pick one thing from my list of things to do for five minutes, "
                                                    "like a puzzle or a short walk.")},
    {Trigger::Waking, QT_TRANSLATE_NOOP("journey", "drink a glass of water or fruit juice first thing and change "
                                                   "my morning routine.")},
    {Trigger::Driving, QT_TRANSLATE_NOOP("journey", "put on music I like and keep sugar-free gum within reach.")},
    {Trigger::Screen, QT_TRANSLATE_NOOP("journey", "keep a pen and paper at hand to doodle, or message someone "
                                                   "who supports me.")},
    {Trigger::Other, QT_TRANSLATE_NOOP("journey", "wait ten minutes, drink a glass of water and do something else "
                                                  "until the urge passes.")},
};

QString tooLarge()
{
    return journeyText("it is larger than 1 MB, too large to be a file of plans");
}

QString noPlanWithoutTrigger()
{
    return journeyText("a craving without a trigger has no plan");
}

// The bytes of the file, or why they cannot be had; a missing file has none.
using textfiles::FileRead;

FileRead fileBytes(const QString &path, const QString &within, qsizetype room = 0)
{
    const textfiles::ReadRules rules = {.limit = plansReadLimitBytes,
                                        .whenFolder = journeyText("it is a folder, not a file of plans"),
                                        .whenNotAFile = journeyText("it is not a file of plans"),
                                        .whenTooLarge = tooLarge(),
                                        .within = within};
    return textfiles::readFile(path, rules, room);
}

bool isHeader(const csv::Record &record)
{
    if (!record.wellFormed || record.insideQuotes || record.fieldCount != qsizetype(headerFields.size()))
        return false;
    for (std::size_t i = 0; i < headerFields.size(); ++i) {
        if (record.fields.at(i).trimmed().compare(headerFields[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// The trigger of a record of ours; none for the header and for what this
// version cannot read.
std::optional<Trigger> triggerOf(const csv::Record &record)
{
    if (!record.wellFormed || record.insideQuotes || record.fieldCount != 2)
        return std::nullopt;
    const auto trigger = triggerFromKey(QString::fromLatin1(record.fields.at(0).trimmed()));
    return trigger == Trigger::NotSaid ? std::nullopt : trigger;
}

// Each record of the bytes with where it ends (the next one's start), the
// header and blank lines passed over.
template<typename Each>
void forEachRecord(const QByteArray &bytes, Each each)
{
    csv::Scanner scanner(bytes);
    csv::Record record;
    bool first = true;
    while (scanner.next(record)) {
        if (record.blank() || (std::exchange(first, false) && isHeader(record)))
            continue;
        each(record, scanner.position());
    }
}

QByteArray planRecord(Trigger trigger, const QString &plan)
{
    return triggerKey(trigger).toLatin1() + ',' + csv::field(plan.toUtf8()) + "\r\n";
}

} // namespace

QString keptPlan(const QString &text)
{
    QString plan = text;
    plan.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar lineBreak :
         {QChar(u'\r'), QChar(u'\n'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        plan.replace(lineBreak, u' ');
    plan = plan.trimmed();
    if (plan.size() <= maximumPlanLength)
        return plan;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, plan);
    characters.setPosition(maximumPlanLength);
    if (!characters.isAtBoundary())
        characters.toPreviousBoundary();
    return plan.left(std::max<qsizetype>(characters.position(), 0)).trimmed();
}

QString PlanBook::plan(Trigger trigger) const
{
    const auto found = plans.find(trigger);
    return found == plans.end() ? QString() : found->second;
}

PlansFile PlansFile::ofUser(const Environment &environment)
{
    return PlansFile(datafiles::path(environment, datafiles::File::Plans), environment.userDataFolder);
}

PlanBook PlansFile::read() const
{
    PlanBook book;
    const FileRead file = fileBytes(m_path, m_within);
    if (!file.problem.isEmpty()) {
        book.readable = false;
        book.problem = file.problem;
        return book;
    }
    forEachRecord(file.bytes, [&book](const csv::Record &record, qsizetype) {
        const auto trigger = triggerOf(record);
        if (!trigger) {
            ++book.unreadableRows;
            return;
        }
        // The last record of a trigger is its plan, as the last one written.
        if (const QString plan = keptPlan(textfiles::decode(record.fields.at(1).toByteArray())); plan.isEmpty())
            book.plans.erase(*trigger);
        else
            book.plans[*trigger] = plan;
    });
    return book;
}

textfiles::WriteResult PlansFile::setPlan(Trigger trigger, const QString &text) const
{
    if (trigger == Trigger::NotSaid || triggerKey(trigger).isEmpty())
        return {false, noPlanWithoutTrigger()};
    const QString plan = keptPlan(text);
    const QByteArray record = plan.isEmpty() ? QByteArray() : planRecord(trigger, plan);
    const QByteArray header = QByteArray(headerFields[0]) + ',' + headerFields[1] + "\r\n";
    FileRead file = fileBytes(m_path, m_within, header.size() + record.size());
    if (!file.problem.isEmpty())
        return {false, file.problem};
    QByteArray &bytes = file.bytes;

    // The trigger's records, each from its start to the next record's.
    QList<std::pair<qsizetype, qsizetype>> own;
    forEachRecord(bytes, [&own, trigger](const csv::Record &found, qsizetype end) {
        if (triggerOf(found) == trigger)
            own.append({found.start, end});
    });
    if (own.isEmpty()) {
        if (record.isEmpty())
            return {true, {}};
        const qsizetype markLength =
            QByteArrayView(bytes).startsWith(csv::Scanner::byteOrderMark) ? csv::Scanner::byteOrderMark.size() : 0;
        if (bytes.size() == markLength) {
            bytes += header + record;
        } else {
            const csv::InsertionPoint point = csv::insertionPoint(bytes);
            bytes.insert(point.position, point.lineEndFirst ? "\r\n" + record : record);
        }
    } else {
        // The first takes the new plan, and the others go: from the last, so
        // that the places found stay true.
        for (qsizetype i = own.size() - 1; i >= 0; --i)
            bytes.replace(own.at(i).first, own.at(i).second - own.at(i).first, i == 0 ? record : QByteArray());
    }
    return textfiles::writeAtomically(m_path, bytes, {.within = m_within});
}

QString suggestedPlan(Trigger trigger)
{
    for (const SuggestedPlan &suggested : suggestedPlans) {
        if (suggested.trigger == trigger)
            return journeyText(suggested.plan);
    }
    return QString();
}

} // namespace journey
