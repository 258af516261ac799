#pragma once

#include "exit_screen/referral.h"

#include <QGroupBox>
#include <QHash>
#include <QList>

class QLineEdit;
class QPushButton;

namespace toevane {

class MultiLineTextBox;

// The exit screen's refer-a-friend form, the frame "Frame2": the user's name
// and address on top, the friend's below, the names on the left, the button
// centred under them, and a message box that lies below the frame's edge,
// out of sight but in the tab order. Each box shows its placeholder while
// nothing has been typed into it; the button checks the two addresses and
// hands the entries to TellAFriend, which opens the request in the browser.
class ReferAFriendForm : public QGroupBox
{
    Q_OBJECT

public:
    explicit ReferAFriendForm(QWidget *parent = nullptr);

    // The controls in their tab order: txtName, cmdSubmit, txtEmail,
    // txtFriendEmail, txtFriendName, txtMessage.
    QList<QWidget *> tabOrder() const;

    // The entries of the last submission, trimmed.
    const modTellAFriend::Referral &referral() const { return m_referral; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdSubmit_Click();
    void txtName_GotFocus();
    void txtEmail_GotFocus();
    void txtFriendName_GotFocus();
    void txtFriendEmail_GotFocus();
    void txtMessage_GotFocus();
    void txtName_LostFocus();
    void txtEmail_LostFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_LostFocus();
    void txtMessage_LostFocus();
    // Returns true when the typed text was refused.
    bool txtEmail_KeyPress(const QString &typed);
    bool txtFriendEmail_KeyPress(const QString &typed);

    bool refuseSpace(QLineEdit *box, const QString &typed);

    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    MultiLineTextBox *m_txtMessage = nullptr;
    QPushButton *m_cmdSubmit = nullptr;

    // The handlers of each box, looked up by the box an event reaches.
    struct FocusHandlers
    {
        void (ReferAFriendForm::*gotFocus)();
        void (ReferAFriendForm::*lostFocus)();
    };
    using KeyPressHandler = bool (ReferAFriendForm::*)(const QString &typed);
    QHash<const QObject *, FocusHandlers> m_focusHandlers;
    QHash<const QObject *, KeyPressHandler> m_keyPressHandlers;

    modTellAFriend::Referral m_referral;
};

} // namespace toevane
