#pragma once

#include "ui/lazypage.h"
#include "ui/look.h"

#include <QColor>

class LayerStack;
class PictureButton;
class QLabel;

// One page of the tab control: the character's picture, the speech line in
// which the character talks to the user, and the character's panels, which
// lie in the same place and replace one another. The panels are built when
// the tab is first shown; the character and his speech line are there from
// the start.
class CharacterTab : public LazyPage
{
    Q_OBJECT
public:
    struct Character
    {
        QString pictureName;
        QString image;
        QString pictureDescription;
        QString speechName;
        QString speechDescription;
        QString greeting;
    };

    CharacterTab(const Character &character, QWidget *parent);

    PictureButton *picture() const { return m_picture; }
    QLabel *speech() const { return m_speech; }

    void setVisible(bool visible) override;

    void say(const QString &text);
    void say(const QString &text, look::Role colour);
    // Leaves one panel for another, then says the sentence that goes with it.
    void switchPanels(QWidget *leave, QWidget *open, const QString &sentence);

protected:
    LayerStack *panels() const { return m_panels; }
    // Puts a control beside the speech line, in the character's row.
    void addToCharacterRow(QWidget *widget);

private:
    PictureButton *m_picture;
    QLabel *m_speech;
    LayerStack *m_panels;
    class QHBoxLayout *m_characterRow;
};
