#include "advisors/professortab.h"

#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const greeting =
    QT_TRANSLATE_NOOP("ProfessorTab", "Hello. I am your professor. I can teach you a lot of things about smoking.");

const ButtonGrid::Topic questions[] = {
    {"cmdf1", QT_TRANSLATE_NOOP("ProfessorTab", "What health problems does smoking cause?"), 0, 0},
    {"cmdf2", QT_TRANSLATE_NOOP("ProfessorTab", "What does smoking do to my appearance?"), 1, 0},
    {"cmdf4", QT_TRANSLATE_NOOP("ProfessorTab", "Why do people smoke?"), 2, 0},
    {"cmdf5", QT_TRANSLATE_NOOP("ProfessorTab", "Do you have stop-tips?"), 3, 0},
};

CharacterTab::Character professor()
{
    return {QStringLiteral("Image2"),     pictures::path("professor"),        ProfessorTab::tr("Professor"),
            QStringLiteral("lblprofsay"), ProfessorTab::tr("Professor says"), ProfessorTab::tr(greeting)};
}

} // namespace

ProfessorTab::ProfessorTab(QWidget *parent) : CharacterTab(professor(), parent)
{
    QFrame *frame1 = controls::panel(panels(), QStringLiteral("Frame1"), true);
    auto *area = new LayerStack(frame1);
    auto *questionButtons = new ButtonGrid(nullptr, "ProfessorTab", questions, std::size(questions));
    m_txtfacts = new DocumentBox(nullptr, QStringLiteral("txtfacts"), QString());
    m_txtfacts->hide();
    area->addLayer(questionButtons);
    area->addLayer(m_txtfacts);

    auto *imgbook = new Picture(QStringLiteral("imgbook"), pictures::path("book"), tr("Book"), frame1);
    imgbook->setFixedSize(48, 48);
    imgbook->hide();
    QLabel *lblfile = controls::label(frame1, QStringLiteral("lblfile"), QStringLiteral("file.txt"));
    lblfile->hide();
    QPushButton *cmdfact = controls::button(frame1, QStringLiteral("cmdfact"), tr("Next...."));
    QPushButton *cmdbacktoprof = controls::button(frame1, QStringLiteral("cmdbacktoprof"), tr("Back"));
    cmdfact->hide();
    cmdbacktoprof->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(imgbook);
    buttons->addWidget(cmdfact);
    buttons->addStretch();
    buttons->addWidget(cmdbacktoprof);
    auto *layout = new QVBoxLayout(frame1);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);
    panels()->addLayer(frame1);

    connect(picture(), &PictureButton::clicked, this, &ProfessorTab::Image2_Click);
}

bool ProfessorTab::isFactOpen() const
{
    return !m_txtfacts->isHidden();
}

void ProfessorTab::Image2_Click()
{
    say(tr(greeting));
}
