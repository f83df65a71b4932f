#include "ui/look.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace look {

namespace {

struct Shade
{
    Role role;
    QColor light;
    QColor dark;
};

// Every colour the program sets, light and dark side by side. The light ones
// are the program's look as it always was; each dark one reads at least 4.5:1
// on the dark window, base and bubble (greens stay green, red stays a
// warning, and the gains keep their order from darkest to lightest).
// clang-format off
const Shade shades[] = {
    {Role::Window,          QColor(0xf3, 0xf8, 0xf4), QColor(0x1b, 0x23, 0x1e)},
    {Role::Base,            QColor(0xff, 0xff, 0xff), QColor(0x2a, 0x34, 0x2e)},
    {Role::Button,          QColor(0xe6, 0xf1, 0xe9), QColor(0x2a, 0x36, 0x30)},
    {Role::Text,            QColor(0x00, 0x00, 0x00), QColor(0xe4, 0xec, 0xe6)},
    {Role::QuietText,       QColor(0x5c, 0x66, 0x60), QColor(0xa3, 0xb0, 0xa7)},
    {Role::DisabledText,    QColor(0x80, 0x8a, 0x84), QColor(0x74, 0x7e, 0x77)},
    {Role::Highlight,       QColor(0x2e, 0x9d, 0x5b), QColor(0x2f, 0x7d, 0x50)},
    {Role::HighlightedText, QColor(0xff, 0xff, 0xff), QColor(0xff, 0xff, 0xff)},
    {Role::Link,            QColor(0x00, 0x00, 0xff), QColor(0x8f, 0xb8, 0xff)},
    {Role::Warning,         QColor(0xff, 0x00, 0x00), QColor(0xff, 0x7a, 0x70)},
    {Role::Emphasis,        QColor(0x00, 0x00, 0xff), QColor(0x8f, 0xb8, 0xff)},
    {Role::Figure,          QColor(0x00, 0x00, 0x80), QColor(0x9c, 0xc2, 0xff)},
    {Role::StarsLink,       QColor(0x80, 0x80, 0x00), QColor(0xd6, 0xd3, 0x6a)},
    {Role::Gain64,          QColor(0x00, 0x40, 0x00), QColor(0x5e, 0xc4, 0x6e)},
    {Role::Gain128,         QColor(0x00, 0x80, 0x00), QColor(0x74, 0xd2, 0x83)},
    {Role::Gain192,         QColor(0x00, 0xc0, 0x00), QColor(0x95, 0xe0, 0xa0)},
    {Role::Gain255,         QColor(0x00, 0xff, 0x00), QColor(0xb8, 0xf0, 0xc0)},
    {Role::BubbleFill,      QColor(0xfb, 0xfe, 0xfc), QColor(0x25, 0x33, 0x2b)},
    {Role::BubbleRim,       QColor(0x9c, 0xc9, 0xae), QColor(0x5b, 0x8a, 0x6d)},
    {Role::Backdrop,        QColor(0x00, 0x00, 0x00, 0x00), QColor(0xdc, 0xe8, 0xe0)},
    {Role::ChartCurrent,    QColor(0xf2, 0xa3, 0x3a), QColor(0xf2, 0xa3, 0x3a)},
    {Role::ChartMuted,      QColor(0xb4, 0xc0, 0xcc), QColor(0x7d, 0x8a, 0x96)},
    {Role::ChartLine,       QColor(0x3b, 0x82, 0xc4), QColor(0x6a, 0xa8, 0xe6)},
    {Role::ChartGrid,       QColor(0xdd, 0xe8, 0xe0), QColor(0x34, 0x43, 0x3a)},
};
// clang-format on

struct Gain
{
    int shade;
    Role role;
};

const Gain gains[] = {{64, Role::Gain64}, {128, Role::Gain128}, {192, Role::Gain192}, {255, Role::Gain255}};

// Where a label keeps the role of its text colour.
const char *const roleProperty = "lookRole";

struct PaletteRole
{
    QPalette::ColorRole palette;
    Role role;
};

const PaletteRole paletteRoles[] = {
    {QPalette::Window, Role::Window},
    {QPalette::Base, Role::Base},
    {QPalette::AlternateBase, Role::Window},
    {QPalette::Button, Role::Button},
    {QPalette::WindowText, Role::Text},
    {QPalette::Text, Role::Text},
    {QPalette::ButtonText, Role::Text},
    {QPalette::ToolTipText, Role::Text},
    {QPalette::ToolTipBase, Role::BubbleFill},
    {QPalette::PlaceholderText, Role::QuietText},
    {QPalette::Highlight, Role::Highlight},
    {QPalette::HighlightedText, Role::HighlightedText},
    {QPalette::Link, Role::Link},
    {QPalette::LinkVisited, Role::Link},
};

void setDisabledText(QPalette &palette, ColourScheme scheme)
{
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colour(Role::DisabledText, scheme));
}

// The dark look from the table; the light one is the style's own with the
// program's greens, as it always was. In both, what is disabled is dimmed
// from the table's own grey.
QPalette paletteFor(ColourScheme scheme)
{
    if (scheme == ColourScheme::Light) {
        QPalette palette = QApplication::style()->standardPalette();
        for (Role role : {Role::Window, Role::Button, Role::Highlight, Role::Base})
            for (const PaletteRole &entry : paletteRoles)
                if (entry.role == role && entry.palette != QPalette::AlternateBase)
                    palette.setColor(entry.palette, colour(role, scheme));
        palette.setColor(QPalette::PlaceholderText, colour(Role::QuietText, scheme));
        setDisabledText(palette, scheme);
        return palette;
    }
    QPalette palette(colour(Role::Button, scheme), colour(Role::Window, scheme));
    for (const PaletteRole &entry : paletteRoles)
        palette.setColor(entry.palette, colour(entry.role, scheme));
    setDisabledText(palette, scheme);
    return palette;
}

ColourScheme shownScheme = ColourScheme::Light;

} // namespace

QColor colour(Role role, ColourScheme scheme)
{
    const auto found =
        std::find_if(std::begin(shades), std::end(shades), [role](const Shade &shade) { return shade.role == role; });
    if (found == std::end(shades))
        return {};
    return scheme == ColourScheme::Dark ? found->dark : found->light;
}

QColor colour(Role role)
{
    return colour(role, shownScheme);
}

ColourScheme current()
{
    return shownScheme;
}

Role gain(int shade)
{
    const Gain *nearest = std::min_element(std::begin(gains), std::end(gains), [shade](const Gain &a, const Gain &b) {
        return std::abs(a.shade - shade) < std::abs(b.shade - shade);
    });
    return nearest->role;
}

void apply(ColourScheme scheme)
{
    shownScheme = scheme;
    QApplication::setPalette(paletteFor(scheme));
    // Qt tells the windows it has made; a window not shown yet learns it here.
    QEvent changed(QEvent::ApplicationPaletteChange);
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->isWindow() && !widget->windowHandle())
            QCoreApplication::sendEvent(widget, &changed);
    for (QWidget *widget : QApplication::allWidgets()) {
        const QVariant role = widget->property(roleProperty);
        if (auto *label = qobject_cast<QLabel *>(widget); label && role.isValid())
            setTextColour(label, static_cast<Role>(role.toInt()));
    }
}

void setTextColour(QLabel *label, Role role)
{
    label->setProperty(roleProperty, static_cast<int>(role));
    QPalette palette = label->palette();
    // The disabled group is left to the look, so a disabled label greys out.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, colour(role));
    label->setPalette(palette);
}

} // namespace look
