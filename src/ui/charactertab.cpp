#include "ui/charactertab.h"

#include "ui/controls.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/speechbubble.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CharacterTab::CharacterTab(const Character &character, QWidget *parent) : LazyPage(parent)
{
    m_picture = new PictureButton(character.pictureName, character.image, character.pictureDescription, this);
    m_picture->setFixedSize(88, 88);

    auto *bubble = new SpeechBubble(this);
    m_speech = controls::textLabel(bubble, character.speechName, character.greeting);
    m_speech->setAccessibleDescription(character.speechDescription);
    m_speech->setMinimumHeight(64);
    QFont speechFont = m_speech->font();
    speechFont.setPointSizeF(speechFont.pointSizeF() * 1.15);
    m_speech->setFont(speechFont);
    auto *bubbleLayout = new QVBoxLayout(bubble);
    bubbleLayout->setContentsMargins(22, 6, 12, 6);
    bubbleLayout->addWidget(m_speech);
    m_speech->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_characterRow = new QHBoxLayout;
    m_characterRow->setSpacing(12);
    m_characterRow->addWidget(m_picture, 0, Qt::AlignTop);
    m_characterRow->addWidget(bubble, 1);

    m_panels = new LayerStack(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(m_characterRow);
    layout->addWidget(m_panels, 1);
}

void CharacterTab::setVisible(bool visible)
{
    // A selectable text is laid out at once: only a tab that shows needs it.
    if (visible && m_speech->textInteractionFlags() != Qt::TextSelectableByMouse)
        m_speech->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LazyPage::setVisible(visible);
}

void CharacterTab::say(const QString &text)
{
    if (m_speech->text() != text)
        m_speech->setText(text);
}

void CharacterTab::say(const QString &text, look::Role colour)
{
    controls::setTextColour(m_speech, colour);
    say(text);
}

void CharacterTab::switchPanels(QWidget *leave, QWidget *open, const QString &sentence)
{
    controls::switchPanels(leave, open);
    say(sentence);
}

void CharacterTab::addToCharacterRow(QWidget *widget)
{
    m_characterRow->addWidget(widget, 0, Qt::AlignTop);
}
