#pragma once

#include <QString>

// What the user said after a slip, kept in the craving's note, after what
// they wrote there themselves, in a form the journey reads back:
//   After lunch; where: at the pub; with: Tom
// Each answer is one short line of its own; neither the separator nor a line
// break can get into one, so the note reads back as it was written.
namespace journey {

constexpr int maximumSlipAnswerLength = 60;

struct SlipAnswers
{
    QString note; // what the user wrote themselves
    QString where;
    QString with;

    bool operator==(const SlipAnswers &) const = default;
};

// An answer as it is kept: one line, no separator, trimmed, at most
// maximumSlipAnswerLength characters, never half of a character.
QString keptSlipAnswer(const QString &answer);
// The note with the answers after it; an empty answer is left out.
QString noteWithSlipAnswers(const SlipAnswers &answers);
// The answers read back from a note; a note without them is all note.
SlipAnswers slipAnswersOf(const QString &note);

} // namespace journey
