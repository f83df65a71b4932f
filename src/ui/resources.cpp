#include "ui/resources.h"

#include <QtGlobal>

static void loadPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

void pictures::load()
{
    loadPictureResources();
}
