#include "richtext/rtfstate.h"

#include <algorithm>

namespace richtext {

namespace {

// Twenty-two inches: the widest page a word processor offers.
constexpr int maxTwips = 31680;

int twips(int value, int lowest)
{
    return std::clamp(value, lowest, maxTwips);
}

} // namespace

void CharacterState::setFlag(CharacterFlag flag, bool on)
{
    switch (flag) {
    case CharacterFlag::Bold:
        bold = on;
        break;
    case CharacterFlag::Italic:
        italic = on;
        break;
    case CharacterFlag::Underline:
        underline = on;
        break;
    case CharacterFlag::Strike:
        strike = on;
        break;
    case CharacterFlag::Hidden:
        hidden = on;
        break;
    }
}

void CharacterState::setNumber(CharacterNumber number, int value)
{
    switch (number) {
    case CharacterNumber::FontSize:
        // From half a point to 1638 points, as word processors allow.
        halfPoints = std::clamp(value, 1, 3276);
        break;
    case CharacterNumber::Font:
        font = value;
        break;
    case CharacterNumber::Foreground:
        foreground = std::max(value, -1);
        break;
    case CharacterNumber::Background:
        background = std::max(value, -1);
        break;
    }
}

void ParagraphState::setNumber(ParagraphNumber number, int value)
{
    switch (number) {
    case ParagraphNumber::LeftIndent:
        leftIndent = twips(value, -maxTwips);
        break;
    case ParagraphNumber::RightIndent:
        rightIndent = twips(value, -maxTwips);
        break;
    case ParagraphNumber::FirstIndent:
        firstIndent = twips(value, -maxTwips);
        break;
    case ParagraphNumber::SpaceBefore:
        spaceBefore = twips(value, 0);
        break;
    case ParagraphNumber::SpaceAfter:
        spaceAfter = twips(value, 0);
        break;
    case ParagraphNumber::ListOverride:
        listOverride = std::max(value, 0);
        break;
    case ParagraphNumber::ListLevel:
        listLevel = std::clamp(value, 0, 8);
        break;
    case ParagraphNumber::OutlineLevel:
        // Levels 0 to 8 are outline levels; 9 and anything else is body text.
        headingLevel = value >= 0 && value <= 8 ? value + 1 : 0;
        break;
    case ParagraphNumber::PageBreakBefore:
        pageBreakBefore = value != 0;
        break;
    }
}

} // namespace richtext
