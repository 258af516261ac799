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

    const QMessageBox::StandardButton answer =
        showMessage(QCoreApplication::translate("toevane::modHelp",
                                                "There maybe an update to this software "
                                                "available\rDo you want to check for an update?"),
                    QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
    // Today is remembered whatever the answer, and before the page opens; if
    // it cannot be remembered the page stays closed.
    if (!settings::write(section, key, reminder::dateText(today)))
        return;
    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace toevane::modHelp
