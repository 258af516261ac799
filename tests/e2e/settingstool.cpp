// Reads or writes the update reminder's date in the per-user settings store
// exactly as the program does, so that the end-to-end tests can prepare and
// check it without knowing how it is scrambled.
//
//   toevane-settings read           prints the stored date text (empty: none)
//   toevane-settings write TEXT     stores TEXT as the date; exit 1 on failure

#include "app/reminder.h"
#include "app/settingsstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString section = toevane::reminder::kSection.toString();
    const QString key = toevane::reminder::kKey.toString();
    if (args.size() == 2 && args[1] == QStringLiteral("read")) {
        std::puts(toevane::settings::read(section, key).toUtf8().constData());
        return 0;
    }
    if (args.size() == 3 && args[1] == QStringLiteral("write"))
        return toevane::settings::write(section, key, args[2]) ? 0 : 1;
    std::fputs("usage: toevane-settings read | write TEXT\n", stderr);
    return 2;
}
