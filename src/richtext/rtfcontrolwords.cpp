#include "richtext/rtfcontrolwords.h"

#include "richtext/rtfstate.h"

#include <QTextListFormat>

#include <algorithm>
#include <array>
#include <string_view>

namespace richtext {

namespace {

constexpr int value(auto enumerator)
{
    return static_cast<int>(enumerator);
}

constexpr ControlWord destination(const char *name, Destination where)
{
    return {name, WordKind::Destination, value(where)};
}

constexpr ControlWord skipped(const char *name)
{
    return destination(name, Destination::Skip);
}

// Left out, with the text it holds, though it is part of what the file shows.
constexpr ControlWord dropped(const char *name, Omission omits)
{
    return {name, WordKind::Destination, value(Destination::Skip), omits};
}

// Sorted by name, for a binary search.
constexpr auto controlWords = std::to_array<ControlWord>({
    dropped("annotation", Omission::Notes),
    {"ansi", WordKind::CodePage, 1252},
    {"ansicpg", WordKind::CodePage, 0},
    skipped("atnid"),
    skipped("author"),
    {"b", WordKind::CharacterFlag, value(CharacterFlag::Bold)},
    {"blue", WordKind::ColorComponent, 2},
    {"bullet", WordKind::Character, 0x2022},
    skipped("buptim"),
    {"cb", WordKind::CharacterNumber, value(CharacterNumber::Background)},
    {"cell", WordKind::Character, '\t', Omission::Tables},
    {"cf", WordKind::CharacterNumber, value(CharacterNumber::Foreground)},
    {"chcbpat", WordKind::CharacterNumber, value(CharacterNumber::Background)},
    destination("colortbl", Destination::ColorTable),
    skipped("comment"),
    {"cpg", WordKind::FontCodePage, 0},
    skipped("creatim"),
    {"deff", WordKind::DefaultFont, 0},
    {"dn", WordKind::Position, value(VerticalPosition::Sub)},
    dropped("do", Omission::Pictures),
    skipped("doccomm"),
    {"emdash", WordKind::Character, 0x2014},
    {"emspace", WordKind::Character, 0x2003},
    {"endash", WordKind::Character, 0x2013},
    {"enspace", WordKind::Character, 0x2002},
    {"f", WordKind::CharacterNumber, value(CharacterNumber::Font)},
    {"fcharset", WordKind::FontCharset, 0},
    {"fi", WordKind::ParagraphNumber, value(ParagraphNumber::FirstIndent)},
    destination("field", Destination::Field),
    destination("fldinst", Destination::FieldInstruction),
    destination("fldrslt", Destination::FieldResult),
    destination("fonttbl", Destination::FontTable),
    dropped("footer", Omission::HeadersFooters),
    dropped("footerf", Omission::HeadersFooters),
    dropped("footerl", Omission::HeadersFooters),
    dropped("footerr", Omission::HeadersFooters),
    dropped("footnote", Omission::Notes),
    {"fs", WordKind::CharacterNumber, value(CharacterNumber::FontSize)},
    skipped("ftncn"),
    skipped("ftnsep"),
    skipped("ftnsepc"),
    {"green", WordKind::ColorComponent, 1},
    dropped("header", Omission::HeadersFooters),
    dropped("headerf", Omission::HeadersFooters),
    dropped("headerl", Omission::HeadersFooters),
    dropped("headerr", Omission::HeadersFooters),
    {"highlight", WordKind::CharacterNumber, value(CharacterNumber::Background)},
    {"i", WordKind::CharacterFlag, value(CharacterFlag::Italic)},
    {"ilvl", WordKind::ParagraphNumber, value(ParagraphNumber::ListLevel)},
    skipped("info"),
    skipped("keywords"),
    {"ldblquote", WordKind::Character, 0x201C},
    {"levelnfc", WordKind::LevelFormat, 0},
    {"levelnfcn", WordKind::LevelFormat, 0},
    skipped("levelnumbers"),
    destination("leveltext", Destination::LevelText),
    skipped("lfolevel"),
    {"li", WordKind::ParagraphNumber, value(ParagraphNumber::LeftIndent)},
    {"line", WordKind::Character, 0x2028},
    destination("list", Destination::List),
    {"listid", WordKind::ListId, 0},
    destination("listlevel", Destination::ListLevel),
    skipped("listname"),
    destination("listoverride", Destination::ListOverride),
    destination("listoverridetable", Destination::ListOverrideTable),
    destination("listtable", Destination::ListTable),
    skipped("listtext"),
    {"lquote", WordKind::Character, 0x2018},
    {"ls", WordKind::ParagraphNumber, value(ParagraphNumber::ListOverride)},
    {"ltrmark", WordKind::Character, 0x200E},
    {"mac", WordKind::CodePage, 10000},
    {"nestcell", WordKind::Character, '\t', Omission::Tables},
    dropped("nonshppict", Omission::Pictures),
    {"nosupersub", WordKind::Position, value(VerticalPosition::Normal)},
    dropped("object", Omission::Pictures),
    skipped("operator"),
    {"outlinelevel", WordKind::ParagraphNumber, value(ParagraphNumber::OutlineLevel)},
    {"page", WordKind::PageBreak, 0},
    {"pagebb", WordKind::ParagraphNumber, value(ParagraphNumber::PageBreakBefore)},
    {"par", WordKind::ParagraphBreak, 0},
    {"pard", WordKind::ParagraphDefaults, 0},
    {"pc", WordKind::CodePage, 437},
    {"pca", WordKind::CodePage, 850},
    dropped("pict", Omission::Pictures),
    {"plain", WordKind::Plain, 0},
    destination("pn", Destination::Numbering),
    {"pndec", WordKind::Numbering, QTextListFormat::ListDecimal},
    {"pnlcltr", WordKind::Numbering, QTextListFormat::ListLowerAlpha},
    {"pnlcrm", WordKind::Numbering, QTextListFormat::ListLowerRoman},
    {"pnlvl", WordKind::NumberingLevel, 0},
    {"pnlvlblt", WordKind::Numbering, QTextListFormat::ListDisc},
    {"pnlvlbody", WordKind::Numbering, QTextListFormat::ListDecimal},
    skipped("pntext"),
    skipped("pntxta"),
    skipped("pntxtb"),
    {"pnucltr", WordKind::Numbering, QTextListFormat::ListUpperAlpha},
    {"pnucrm", WordKind::Numbering, QTextListFormat::ListUpperRoman},
    skipped("printim"),
    skipped("private"),
    {"qc", WordKind::Alignment, value(Alignment::Center)},
    {"qj", WordKind::Alignment, value(Alignment::Justify)},
    {"ql", WordKind::Alignment, value(Alignment::Left)},
    {"qmspace", WordKind::Character, 0x2005},
    {"qr", WordKind::Alignment, value(Alignment::Right)},
    {"rdblquote", WordKind::Character, 0x201D},
    {"red", WordKind::ColorComponent, 0},
    skipped("revtbl"),
    skipped("revtim"),
    {"ri", WordKind::ParagraphNumber, value(ParagraphNumber::RightIndent)},
    {"row", WordKind::ParagraphBreak, 0, Omission::Tables},
    {"rquote", WordKind::Character, 0x2019},
    {"rtlmark", WordKind::Character, 0x200F},
    skipped("rxe"),
    {"sa", WordKind::ParagraphNumber, value(ParagraphNumber::SpaceAfter)},
    {"sb", WordKind::ParagraphNumber, value(ParagraphNumber::SpaceBefore)},
    {"sect", WordKind::ParagraphBreak, 0},
    dropped("shp", Omission::Pictures),
    skipped("shpinst"),
    dropped("shppict", Omission::Pictures),
    {"strike", WordKind::CharacterFlag, value(CharacterFlag::Strike)},
    {"striked", WordKind::CharacterFlag, value(CharacterFlag::Strike)},
    skipped("stylesheet"),
    {"sub", WordKind::Position, value(VerticalPosition::Sub)},
    skipped("subject"),
    {"super", WordKind::Position, value(VerticalPosition::Super)},
    {"tab", WordKind::Character, '\t'},
    skipped("tc"),
    skipped("template"),
    skipped("title"),
    skipped("txe"),
    {"u", WordKind::Unicode, 0},
    {"uc", WordKind::UnicodeSkip, 0},
    {"ul", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"uld", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"uldash", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"uldb", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"ulnone", WordKind::CharacterOff, value(CharacterFlag::Underline)},
    {"ulth", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"ulw", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"ulwave", WordKind::CharacterFlag, value(CharacterFlag::Underline)},
    {"up", WordKind::Position, value(VerticalPosition::Super)},
    {"v", WordKind::CharacterFlag, value(CharacterFlag::Hidden)},
    skipped("xe"),
    {"zwbo", WordKind::Character, 0x200B},
    {"zwj", WordKind::Character, 0x200D},
    {"zwnj", WordKind::Character, 0x200C},
});

constexpr bool byName(const ControlWord &a, const ControlWord &b)
{
    return a.name < b.name;
}

static_assert(std::is_sorted(controlWords.begin(), controlWords.end(), byName));

} // namespace

const ControlWord *findControlWord(QByteArrayView name)
{
    const std::string_view wanted(name.data(), static_cast<size_t>(name.size()));
    const auto found = std::lower_bound(controlWords.begin(), controlWords.end(), wanted,
                                        [](const ControlWord &word, std::string_view key) { return word.name < key; });
    if (found == controlWords.end() || found->name != wanted)
        return nullptr;
    return &*found;
}

} // namespace richtext
