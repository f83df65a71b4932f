#pragma once

#include "cravinglog/cravings.h"
#include "platform/textfiles.h"

#include <QString>

#include <map>

// The user's plans, one for each trigger: "When <trigger>, I will ...". Kept
// in a CSV file of their own, UTF-8 as RFC 4180 has it:
//   trigger,plan
// a record for each trigger that has a plan, the trigger by its key.
struct Environment;

namespace journey {

// A plan is one line of at most so many characters.
constexpr int maximumPlanLength = 200;
// Ten plans of 200 characters take a few kilobytes; a file beyond this is
// not one of ours to read into memory.
constexpr qint64 plansReadLimitBytes = 1024 * 1024;

// A plan as it is kept: line breaks become spaces, the ends are trimmed, and
// what is longer than maximumPlanLength is cut at the last whole character
// (never inside a character made of several code units, nor between a letter
// and its accents) that fits.
QString keptPlan(const QString &text);

// What the plans file holds, as far as it can be read.
struct PlanBook
{
    std::map<Trigger, QString> plans; // none for a trigger without a plan
    int unreadableRows = 0;           // records kept in the file that could not be understood
    bool readable = true;             // false: the file is there but could not be read at all
    QString problem;                  // why not, the reason alone

    // The plan for TRIGGER, or empty.
    QString plan(Trigger trigger) const;
};

class PlansFile
{
public:
    // WITHIN: the folder of the user's files (see textfiles::WriteOptions);
    // a link on the way that leads out of it is neither read nor written.
    explicit PlansFile(QString path, QString within = QString()) : m_path(std::move(path)), m_within(std::move(within))
    {}

    // The user's own plans, in the folder of the user's files.
    static PlansFile ofUser(const Environment &environment);

    QString path() const { return m_path; }
    // A missing file is a book without plans.
    PlanBook read() const;
    // Sets the plan for TRIGGER, as keptPlan() keeps it; an empty plan
    // removes the trigger's record. Every other byte of the file stays as it
    // stands, records of triggers this version does not know and records it
    // cannot read included, and the file is written whole or not at all. A
    // file that cannot be read at all is never written over: the result says
    // why, the reason alone.
    textfiles::WriteResult setPlan(Trigger trigger, const QString &text) const;

private:
    QString m_path;
    QString m_within;
};

// A plan to start from, drawn from the advice the program gives, as the rest
// of "When <trigger>, I will ...": "take my coffee somewhere new and drink a
// glass of water first." Empty for Trigger::NotSaid.
QString suggestedPlan(Trigger trigger);

} // namespace journey
