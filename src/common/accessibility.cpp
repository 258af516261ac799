#include "common/accessibility.h"

#include <QGroupBox>

namespace toevane {

void nameFramesByTheirTitles(QWidget *window)
{
    const auto frames = window->findChildren<QGroupBox *>();
    for (QGroupBox *frame : frames) {
        if (frame->title().isEmpty() || !frame->accessibleName().isEmpty())
            continue;
        QString name = frame->title();
        name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        name.remove(u'&');
        name.replace(u'\x01', u'&');
        frame->setAccessibleName(name);
    }
}

} // namespace toevane
