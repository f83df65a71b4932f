#pragma once

#include "platform/appearance.h"

#include <QColor>

class QLabel;

// The program's colours, light and dark, and the look the program shows.
namespace look {

// What a colour is for. Each has a light and a dark value in one table (look.cpp).
enum class Role {
    Window,
    Base,
    Button,
    Text,
    QuietText,
    DisabledText, // what cannot be used now: dimmed, yet still legible
    Highlight,
    HighlightedText,
    Link,
    Warning,   // what went wrong: a refused password, a question left open
    Emphasis,  // what the advisors point at
    Figure,    // the counter's figures of time and money
    StarsLink, // the way to the stars
    Gain64,    // greens for what is gained, darkest to lightest
    Gain128,
    Gain192,
    Gain255,
    BubbleFill, // the speech bubbles
    BubbleRim,
    Backdrop, // behind the pictures, where their dark outlines would vanish
    ChartCurrent,
    ChartMuted,
    ChartLine,
    ChartGrid,
};

QColor colour(Role role, ColourScheme scheme);
// In the look the program shows now.
QColor colour(Role role);
ColourScheme current();
// The green of a shade (0, shade, 0), in the role that carries it.
Role gain(int shade);

// Shows the look: the application's palette, and every label that was given
// a role, anew.
void apply(ColourScheme scheme);
// A label's text in the colour of a role, which it keeps when the look changes.
void setTextColour(QLabel *label, Role role);

} // namespace look
