#include "app/shell.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const toevane::DisplayChoice display = toevane::ensureDisplay();
    if (!display)
        return 1;
    QApplication app(argc, argv);
    toevane::configureApplication(display);
    toevane::Shell shell;
    if (!shell.start())
        return 0;
    return app.exec();
}
