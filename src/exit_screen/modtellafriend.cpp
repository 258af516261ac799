#include "exit_screen/modtellafriend.h"

#include "common/messagebox.h"
#include "links/modhelp.h"

namespace modTellAFriend {

void TellAFriend(const Referral &referral)
{
    if (const QString refusal = missingEntryRefusal(referral); !refusal.isEmpty()) {
        toevane::showMessage(refusal, QMessageBox::Critical);
        return;
    }
    modHelp::OpenLink(composeReferralAddress(referral));
}

} // namespace modTellAFriend
