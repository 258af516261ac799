#include "about/frmabout.h"

#include "app/apptext.h"

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(toevane::programWindowTitle());
}

void frmAbout::showModal()
{
    frmAbout about;
    about.setWindowModality(Qt::ApplicationModal);
    about.exec();
}
