#include "moment/slipnote.h"

#include <QStringList>

namespace journey {

namespace {

const QString separator = QStringLiteral("; ");

// The answers by their labels, in the order they are written. The labels are
// part of the file and stay the same in every language.
struct Label
{
    const char *text;
    QString SlipAnswers::*answer;
};
const Label labels[] = {{"where: ", &SlipAnswers::where}, {"with: ", &SlipAnswers::with}};

} // namespace

QString keptSlipAnswer(const QString &answer)
{
    QString kept = answer;
    for (QChar &character : kept) {
        if (character == u';' || character == u'\r' || character == u'\n' || character == u'\t')
            character = character == u';' ? u',' : u' ';
    }
    kept = kept.simplified();
    if (kept.size() > maximumSlipAnswerLength) {
        qsizetype end = maximumSlipAnswerLength;
        if (kept.at(end - 1).isHighSurrogate())
            --end;
        kept = kept.left(end).trimmed();
    }
    return kept;
}

QString noteWithSlipAnswers(const SlipAnswers &answers)
{
    QStringList parts;
    if (!answers.note.isEmpty())
        parts << answers.note;
    for (const Label &label : labels) {
        const QString answer = keptSlipAnswer(answers.*label.answer);
        if (!answer.isEmpty())
            parts << QLatin1String(label.text) + answer;
    }
    return parts.join(separator);
}

SlipAnswers slipAnswersOf(const QString &note)
{
    SlipAnswers answers;
    QStringList parts = note.split(separator);
    // From the end: the answers come last, in the order of the labels.
    for (auto label = std::rbegin(labels); label != std::rend(labels) && parts.size() > 0; ++label) {
        const QLatin1String text(label->text);
        if (parts.last().startsWith(text)) {
            answers.*label->answer = parts.takeLast().mid(text.size());
            if (parts.isEmpty())
                break;
        }
    }
    answers.note = parts.join(separator);
    return answers;
}

} // namespace journey
