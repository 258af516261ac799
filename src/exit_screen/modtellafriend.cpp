#include "exit_screen/modtellafriend.h"

#include "common/messagebox.h"
#include "links/modhelp.h"

namespace toevane::modTellAFriend {

void TellAFriend(const Referral &referral)
{
    if (const QString refusal = missingEntryRefusal(referral); !refusal.isEmpty()) {
        showMessage(refusal, QMessageBox::Critical);
        return;
    }
    modHelp::OpenLink(composeReferralAddress(referral));
}

} // namespace toevane::modTellAFriend
