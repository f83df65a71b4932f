#include "richtext/rtfinterpreter.h"

#include "richtext/rtfcontrolwords.h"
#include "richtext/rtftokenizer.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace richtext {

namespace {

struct SymbolCharacter
{
    char symbol;
    char16_t character;
};

constexpr SymbolCharacter symbolCharacters[] = {
    {'~', 0x00A0}, // no-break space
    {'-', 0x00AD}, // soft hyphen
    {'_', 0x2011}, // no-break hyphen
    {'\\', u'\\'}, {'{', u'{'}, {'}', u'}'},
};

// Enough fallback bytes for any code page; a bigger \ucN is a broken file.
constexpr int maxUnicodeSkip = 8;

} // namespace

RtfInterpreter::RtfInterpreter(QTextDocument *document) : m_builder(document, m_fonts, m_colors, m_lists)
{}

void RtfInterpreter::read(QByteArrayView input)
{
    RtfTokenizer tokens(input);
    bool started = false;
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        if (!started) {
            // Whatever comes before the document's first brace is not part of it.
            started = token.kind == RtfToken::Kind::GroupStart;
            if (started)
                groupStart();
            continue;
        }
        if (m_skippedDepth > 0) {
            m_skippedDepth += token.kind == RtfToken::Kind::GroupStart;
            m_skippedDepth -= token.kind == RtfToken::Kind::GroupEnd;
            continue;
        }
        const bool atGroupStart = std::exchange(m_atGroupStart, false);
        // A \* speaks of the word right after it, and only of that.
        const bool ignorable = std::exchange(m_ignorableNext, false);
        if (token.kind != RtfToken::Kind::Text && token.kind != RtfToken::Kind::HexByte)
            m_fallbackBytes = 0;
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            groupStart();
            break;
        case RtfToken::Kind::GroupEnd:
            if (!groupEnd()) {
                m_builder.finish(state().paragraph);
                return;
            }
            break;
        case RtfToken::Kind::ControlWord:
            controlWord(token, ignorable);
            break;
        case RtfToken::Kind::ControlSymbol:
            if (token.byte == '*')
                m_ignorableNext = atGroupStart;
            else
                controlSymbol(token.byte);
            break;
        case RtfToken::Kind::HexByte:
            if (m_fallbackBytes > 0)
                --m_fallbackBytes;
            else
                bytes(QByteArrayView(&token.byte, 1));
            break;
        case RtfToken::Kind::Text: {
            const qsizetype skipped = std::min<qsizetype>(m_fallbackBytes, token.text.size());
            m_fallbackBytes -= static_cast<int>(skipped);
            bytes(token.text.sliced(skipped));
            break;
        }
        case RtfToken::Kind::End:
            break;
        }
    }
    if (started)
        m_builder.finish(state().paragraph);
}

void RtfInterpreter::groupStart()
{
    m_atGroupStart = true;
    if (std::ssize(m_groups) >= maxDepth) {
        m_skippedDepth = 1;
        return;
    }
    m_groups.push_back(m_groups.empty() ? GroupState() : m_groups.back());
    m_groups.back().opensDestination = false;
}

// False when the document's own group closes: the file ends there.
bool RtfInterpreter::groupEnd()
{
    if (m_groups.size() <= 1)
        return false;
    const GroupState closed = std::move(m_groups.back());
    m_groups.pop_back();
    leaveGroup(closed);
    return true;
}

void RtfInterpreter::controlWord(const RtfToken &token, bool ignorable)
{
    if (state().destination == Destination::Skip)
        return;
    const ControlWord *word = findControlWord(token.text);
    if (ignorable && (!word || word->kind != WordKind::Destination)) {
        state().destination = Destination::Skip;
        return;
    }
    if (!word)
        return;
    // Only what stands in the text is lost: inside a part that is left out
    // anyway it counts as that part.
    if (state().destination == Destination::Body)
        m_omissions |= word->omits;
    apply(*word, token);
}

void RtfInterpreter::apply(const ControlWord &word, const RtfToken &token)
{
    GroupState &group = state();
    const int parameter = token.parameter;
    const bool on = !token.hasParameter || parameter != 0;
    switch (word.kind) {
    case WordKind::Destination:
        enterDestination(static_cast<Destination>(word.value));
        break;
    case WordKind::CharacterFlag:
        group.characters.setFlag(static_cast<CharacterFlag>(word.value), on);
        break;
    case WordKind::CharacterOff:
        group.characters.setFlag(static_cast<CharacterFlag>(word.value), false);
        break;
    case WordKind::CharacterNumber: {
        const auto number = static_cast<CharacterNumber>(word.value);
        if (number == CharacterNumber::Font && group.destination == Destination::FontTable)
            m_fonts.begin(parameter);
        else if (token.hasParameter || number != CharacterNumber::FontSize)
            group.characters.setNumber(number, parameter);
        else
            group.characters.setNumber(number, CharacterState::defaultHalfPoints);
        break;
    }
    case WordKind::Position:
        // \up0 and \dn0 raise or lower nothing.
        group.characters.position = on ? static_cast<VerticalPosition>(word.value) : VerticalPosition::Normal;
        break;
    case WordKind::Plain:
        // The link belongs to the field, not to the formatting.
        group.characters = CharacterState{.link = group.characters.link};
        break;
    case WordKind::ParagraphDefaults:
        group.paragraph = ParagraphState();
        break;
    case WordKind::Alignment:
        group.paragraph.alignment = static_cast<Alignment>(word.value);
        break;
    case WordKind::ParagraphNumber: {
        const auto number = static_cast<ParagraphNumber>(word.value);
        if (number == ParagraphNumber::ListOverride && group.destination == Destination::ListOverride)
            m_lists.setOverrideNumber(parameter);
        else
            group.paragraph.setNumber(number,
                                      token.hasParameter ? parameter : number == ParagraphNumber::PageBreakBefore);
        break;
    }
    case WordKind::Character: {
        const char16_t character = static_cast<char16_t>(word.value);
        characters(QStringView(&character, 1));
        break;
    }
    case WordKind::ParagraphBreak:
        if (group.destination == Destination::Body)
            m_builder.endParagraph(group.paragraph);
        break;
    case WordKind::PageBreak:
        if (group.destination == Destination::Body)
            m_builder.breakPage(group.paragraph);
        break;
    case WordKind::Unicode:
        unicode(parameter);
        break;
    case WordKind::UnicodeSkip:
        group.unicodeSkip = std::clamp(parameter, 0, maxUnicodeSkip);
        break;
    case WordKind::CodePage:
        m_codePage = word.value ? word.value : parameter;
        break;
    case WordKind::DefaultFont:
        m_defaultFont = parameter;
        m_builder.setDefaultFont(parameter);
        break;
    case WordKind::FontCharset:
        if (group.destination == Destination::FontTable)
            m_fonts.setCharset(parameter);
        break;
    case WordKind::FontCodePage:
        if (group.destination == Destination::FontTable)
            m_fonts.setCodePage(parameter);
        break;
    case WordKind::ColorComponent:
        if (group.destination == Destination::ColorTable)
            m_colors.setComponent(word.value, parameter);
        break;
    case WordKind::ListId:
        if (group.destination == Destination::List)
            m_lists.setListId(parameter);
        else if (group.destination == Destination::ListOverride)
            m_lists.setOverrideListId(parameter);
        break;
    case WordKind::LevelFormat:
        if (group.destination == Destination::ListLevel)
            m_lists.setLevelFormat(parameter);
        break;
    case WordKind::Numbering:
        group.paragraph.numberingStyle = static_cast<QTextListFormat::Style>(word.value);
        break;
    case WordKind::NumberingLevel:
        group.paragraph.numberingLevel = std::clamp(parameter, 1, ListTable::levelCount);
        if (group.paragraph.numberingStyle == QTextListFormat::ListStyleUndefined)
            group.paragraph.numberingStyle = QTextListFormat::ListDecimal;
        break;
    }
}

void RtfInterpreter::controlSymbol(char symbol)
{
    const auto found = std::find_if(std::begin(symbolCharacters), std::end(symbolCharacters),
                                    [symbol](const SymbolCharacter &entry) { return entry.symbol == symbol; });
    if (found != std::end(symbolCharacters))
        characters(QStringView(&found->character, 1));
}

void RtfInterpreter::unicode(int value)
{
    // Negative numbers are the upper half of the 16-bit range.
    if (value < 0)
        value += 0x10000;
    if (value >= 0 && value <= 0xFFFF) {
        const char16_t character = static_cast<char16_t>(value);
        characters(QStringView(&character, 1));
    }
    m_fallbackBytes = state().unicodeSkip;
}

void RtfInterpreter::bytes(QByteArrayView text)
{
    if (text.isEmpty())
        return;
    switch (state().destination) {
    case Destination::Body:
        noteHiddenText();
        m_builder.appendBytes(text, textCodePage(), state().characters);
        break;
    case Destination::ColorTable:
        m_colors.appendText(text);
        break;
    case Destination::FontTable:
        m_fonts.appendName(decode(text, m_fonts.pendingCodePage()));
        break;
    case Destination::FieldInstruction:
    case Destination::LevelText:
        characters(decode(text, textCodePage()));
        break;
    default:
        break;
    }
}

void RtfInterpreter::characters(QStringView text)
{
    switch (state().destination) {
    case Destination::Body:
        noteHiddenText();
        m_builder.appendText(text, state().characters);
        break;
    case Destination::FontTable:
        m_fonts.appendName(text);
        break;
    case Destination::FieldInstruction:
        m_fields.appendInstruction(text);
        break;
    case Destination::LevelText:
        m_lists.appendLevelText(text);
        break;
    default:
        break;
    }
}

void RtfInterpreter::noteHiddenText()
{
    if (state().characters.hidden)
        m_omissions |= Omission::HiddenText;
}

void RtfInterpreter::enterDestination(Destination destination)
{
    GroupState &group = state();
    group.destination = destination;
    group.opensDestination = true;
    switch (destination) {
    case Destination::List:
        m_lists.beginList();
        break;
    case Destination::ListLevel:
        m_lists.beginLevel();
        break;
    case Destination::ListOverride:
        m_lists.beginOverride();
        break;
    case Destination::Field:
        m_fields.begin();
        break;
    case Destination::FieldResult:
        // The result is the field's text in the document.
        group.destination = Destination::Body;
        if (const QString target = m_fields.hyperlink(); !target.isEmpty())
            group.characters.link = m_builder.addLink(target);
        break;
    default:
        break;
    }
}

void RtfInterpreter::leaveGroup(const GroupState &closed)
{
    // A font's entry ends with its group, even without its ';'.
    if (closed.destination == Destination::FontTable)
        m_fonts.commit();
    if (!closed.opensDestination)
        return;
    switch (closed.destination) {
    case Destination::List:
        m_lists.endList();
        break;
    case Destination::ListOverride:
        m_lists.endOverride();
        break;
    case Destination::Field:
        m_fields.end();
        break;
    case Destination::Numbering:
        // The older numbering form describes the paragraph it stands in.
        state().paragraph.numberingStyle = closed.paragraph.numberingStyle;
        state().paragraph.numberingLevel = closed.paragraph.numberingLevel;
        break;
    default:
        break;
    }
}

int RtfInterpreter::textCodePage() const
{
    const CharacterState &characters = m_groups.back().characters;
    const int fontCodePage = m_fonts.codePage(characters.font >= 0 ? characters.font : m_defaultFont);
    return fontCodePage ? fontCodePage : m_codePage;
}

QString RtfInterpreter::decode(QByteArrayView bytes, int codePage)
{
    return m_decoder.decode(bytes, codePage ? codePage : m_codePage);
}

} // namespace richtext
