#include "app/shell.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!toevane::ensureDisplay())
        return 1;
    QApplication app(argc, argv);
    toevane::configureApplication();
    toevane::Shell shell;
    if (!shell.start())
        return 0;
    return app.exec();
}
