#pragma once

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
void setTextColour(QLabel *label, const QColor &colour);
QColor textColour(const QLabel *label);

// Whether the program shows a control. A panel in a stack of panels counts
// as shown while another panel covers it.
bool isShown(const QWidget *widget);

// Hides one panel and shows another, the way every sub-panel is opened and left.
void switchPanels(QWidget *hide, QWidget *show);

namespace colours {
inline const QColor black(0, 0, 0);
inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);
inline const QColor navy(0, 0, 128);
inline const QColor olive(128, 128, 0);
inline QColor green(int shade)
{
    return QColor(0, shade, 0);
}
} // namespace colours

} // namespace controls
