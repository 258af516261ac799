#include "app/updatereminder.h"

#include "app/reminder.h"
#include "app/settingsstore.h"
#include "common/messagebox.h"
#include "links/modhelp.h"

#include <QCoreApplication>

namespace toevane::modHelp {

void UpdateReminder(QDate today)
{
    const QString section = reminder::kSection.toString();
    const QString key = reminder::kKey.toString();

    switch (reminder::decide(settings::read(section, key), today)) {
    case reminder::Decision::Wait:
        return;
    case reminder::Decision::RecordToday:
        settings::write(section, key, reminder::dateText(today));
        return;
    case reminder::Decision::Ask:
        break;
    }

    // Two texts: the carriage return between them (without a line feed) is
    // the program's, not a character each translation has to keep.
    const QString question =
        QCoreApplication::translate("toevane::modHelp",
                                    "There maybe an update to this software available") +
        u'\r' +
        QCoreApplication::translate("toevane::modHelp", "Do you want to check for an update?");
    const QMessageBox::StandardButton answer =
        showMessage(question, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
    // Today is remembered whatever the answer, and before the page opens; if
    // it cannot be remembered the page stays closed.
    if (!settings::write(section, key, reminder::dateText(today)))
        return;
    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace toevane::modHelp
