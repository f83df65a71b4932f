#pragma once

#include <QColor>
#include <QWidget>

class LayerStack;
class PictureButton;
class QLabel;

// One page of the tab control: the character's picture, the speech line in
// which the character talks to the user, and the character's panels, which
// lie in the same place and replace one another.
class CharacterTab : public QWidget
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

    // Builds the character's panels unless that has happened. A tab builds
    // them when it is first shown, so a tab nobody opens costs nothing at
    // start-up; the character and his speech line are there from the start.
    void ensurePanels();
    void setVisible(bool visible) override;
    // A tab that builds its panels when first shown asks for no room until
    // then: measuring it would lay out texts nobody has seen yet.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void say(const QString &text);
    void say(const QString &text, const QColor &colour);
    // Leaves one panel for another, then says the sentence that goes with it.
    void switchPanels(QWidget *leave, QWidget *open, const QString &sentence);

protected:
    // The panels of a tab that builds them when first shown.
    virtual void buildPanels() {}
    // For a tab that is shown under another panel long before anyone sees
    // it: its panels are built when ensurePanels() asks, not when it shows.
    void buildPanelsWhenAsked() { m_buildWhenShown = false; }

    LayerStack *panels() const { return m_panels; }
    // Puts a control beside the speech line, in the character's row.
    void addToCharacterRow(QWidget *widget);

private:
    PictureButton *m_picture;
    QLabel *m_speech;
    LayerStack *m_panels;
    class QHBoxLayout *m_characterRow;
    bool m_panelsBuilt = false;
    bool m_buildWhenShown = true;
};
