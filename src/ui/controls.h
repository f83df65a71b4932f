#pragma once

#include "ui/look.h"

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class QFrame;

// Small builders for the controls of the panels, so every panel names and
// captions its controls the same way.
namespace controls {

QLabel *label(QWidget *parent, const QString &objectName, const QString &text);
// Names a label of any kind and has it show its text as written, never as markup.
void nameLabel(QLabel *label, const QString &objectName);
// A label that wraps its text over several lines.
QLabel *textLabel(QWidget *parent, const QString &objectName, const QString &text);
QPushButton *button(QWidget *parent, const QString &objectName, const QString &text);
// An entry that shows "*" for every character typed, whatever the style.
QLineEdit *passwordEntry(QWidget *parent, const QString &objectName, int maxLength);
// A panel (frame) that lies in a stack of panels; hidden ones stay hidden.
QFrame *panel(QWidget *parent, const QString &objectName, bool visible);

// Rewrites a label only when its text changes.
void setText(QLabel *label, const QString &text);
// The label keeps the role's colour in either look.
void setTextColour(QLabel *label, look::Role role);
QColor textColour(const QLabel *label);

// Whether the program shows a control. A panel in a stack of panels counts
// as shown while another panel covers it.
bool isShown(const QWidget *widget);

// Hides one panel and shows another, the way every sub-panel is opened and left.
void switchPanels(QWidget *hide, QWidget *show);

// The colours the panels give their texts, by the names they were specified
// with; look.cpp holds what each is in the light and the dark look.
namespace colours {
inline constexpr look::Role black = look::Role::Text;
inline constexpr look::Role red = look::Role::Warning;
inline constexpr look::Role blue = look::Role::Emphasis;
inline constexpr look::Role navy = look::Role::Figure;
inline constexpr look::Role olive = look::Role::StarsLink;
inline look::Role green(int shade)
{
    return look::gain(shade);
}
} // namespace colours

} // namespace controls
