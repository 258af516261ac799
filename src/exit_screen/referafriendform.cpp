#include "exit_screen/referafriendform.h"

#include "common/look.h"
#include "common/messagebox.h"
#include "exit_screen/modtellafriend.h"
#include "exit_screen/multilinetextbox.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace toevane {

namespace {

// Names on the left, addresses on the right, the button centred below. The
// message box lies below the frame's edge, out of sight but in the tab order.
constexpr QRect kTxtName { 6, 24, 225, 19 };
constexpr QRect kTxtEmail { 240, 24, 225, 19 };
constexpr QRect kTxtFriendName { 6, 48, 225, 19 };
constexpr QRect kTxtFriendEmail { 240, 48, 225, 19 };
constexpr QRect kCmdSubmit { 128, 72, 225, 19 };
constexpr QRect kTxtMessage { 320, 240, 121, 33 };

QLineEdit *textBox(const char *name, const char *placeholderSource, const QRect &geometry,
                   QWidget *parent)
{
    const QString text = modTellAFriend::placeholder(placeholderSource);
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    // Named by what it asks for, not by the frame around it.
    box->setAccessibleName(text);
    box->setGeometry(geometry);
    box->setFont(look::sansSerif(8.25));
    box->setMaxLength(std::numeric_limits<int>::max()); // no limit of its own
    box->setCursorPosition(0);
    return box;
}

// Placeholder boxes: a box whose text, trimmed, is its placeholder as shown
// is cleared when it gets the focus; a box left blank gets its placeholder
// back. The box's own text is never trimmed.
template<typename Box> void clearPlaceholder(Box *box, const char *placeholderSource)
{
    if (modTellAFriend::trimBlanks(box->text()) == modTellAFriend::placeholder(placeholderSource))
        box->setText(QString());
}

template<typename Box> void restorePlaceholder(Box *box, const char *placeholderSource)
{
    if (modTellAFriend::trimBlanks(box->text()).isEmpty())
        box->setText(modTellAFriend::placeholder(placeholderSource));
}

} // namespace

ReferAFriendForm::ReferAFriendForm(QWidget *parent)
    //: The frame of the form; fits in 455 pixels at 9.75 pt bold.
    : QGroupBox(tr("Refer A Friend"), parent)
{
    setObjectName(QStringLiteral("Frame2"));

    // Created in their tab order.
    m_txtName = textBox("txtName", modTellAFriend::kYourNamePlaceholder, kTxtName, this);

    //: Fits in 217 pixels at 8.25 pt bold.
    m_cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), this);
    m_cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_cmdSubmit->setGeometry(kCmdSubmit);
    m_cmdSubmit->setFont(look::verdana(8.25, look::Weight::Bold));
    m_cmdSubmit->setAutoDefault(true);
    look::pressAtOnceOnAccessKey(m_cmdSubmit);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &ReferAFriendForm::cmdSubmit_Click);

    m_txtEmail = textBox("txtEmail", modTellAFriend::kYourEmailPlaceholder, kTxtEmail, this);
    m_txtFriendEmail =
        textBox("txtFriendEmail", modTellAFriend::kFriendEmailPlaceholder, kTxtFriendEmail, this);
    m_txtFriendName =
        textBox("txtFriendName", modTellAFriend::kFriendNamePlaceholder, kTxtFriendName, this);

    m_txtMessage = new MultiLineTextBox(this);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    const QString message = modTellAFriend::placeholder(modTellAFriend::kMessagePlaceholder);
    m_txtMessage->setAccessibleName(message);
    m_txtMessage->setGeometry(kTxtMessage);
    m_txtMessage->setFont(look::sansSerif(8.25));
    m_txtMessage->setText(message + QStringLiteral("\r\n"));

    m_focusHandlers = {
        { m_txtName,
          { &ReferAFriendForm::txtName_GotFocus, &ReferAFriendForm::txtName_LostFocus } },
        { m_txtEmail,
          { &ReferAFriendForm::txtEmail_GotFocus, &ReferAFriendForm::txtEmail_LostFocus } },
        { m_txtFriendName,
          { &ReferAFriendForm::txtFriendName_GotFocus,
            &ReferAFriendForm::txtFriendName_LostFocus } },
        { m_txtFriendEmail,
          { &ReferAFriendForm::txtFriendEmail_GotFocus,
            &ReferAFriendForm::txtFriendEmail_LostFocus } },
        { m_txtMessage,
          { &ReferAFriendForm::txtMessage_GotFocus, &ReferAFriendForm::txtMessage_LostFocus } },
    };
    m_keyPressHandlers = {
        { m_txtEmail, &ReferAFriendForm::txtEmail_KeyPress },
        { m_txtFriendEmail, &ReferAFriendForm::txtFriendEmail_KeyPress },
    };
    for (QWidget *box : tabOrder()) {
        if (m_focusHandlers.contains(box))
            box->installEventFilter(this);
    }
}

QList<QWidget *> ReferAFriendForm::tabOrder() const
{
    return { m_txtName, m_cmdSubmit, m_txtEmail, m_txtFriendEmail, m_txtFriendName, m_txtMessage };
}

void ReferAFriendForm::cmdSubmit_Click()
{
    using namespace modTellAFriend;
    // Kept after the submission and overwritten by the next.
    m_referral = { trimBlanks(m_txtName->text()), trimBlanks(m_txtEmail->text()),
                   trimBlanks(m_txtMessage->text()), trimBlanks(m_txtFriendName->text()),
                   trimBlanks(m_txtFriendEmail->text()) };
    if (const QString refusal = addressRefusal(m_referral); !refusal.isEmpty()) {
        showMessage(refusal, QMessageBox::Critical);
        return;
    }
    TellAFriend(m_referral);
}

void ReferAFriendForm::txtName_GotFocus()
{
    clearPlaceholder(m_txtName, modTellAFriend::kYourNamePlaceholder);
}
void ReferAFriendForm::txtEmail_GotFocus()
{
    clearPlaceholder(m_txtEmail, modTellAFriend::kYourEmailPlaceholder);
}
void ReferAFriendForm::txtFriendName_GotFocus()
{
    clearPlaceholder(m_txtFriendName, modTellAFriend::kFriendNamePlaceholder);
}
void ReferAFriendForm::txtFriendEmail_GotFocus()
{
    clearPlaceholder(m_txtFriendEmail, modTellAFriend::kFriendEmailPlaceholder);
}
void ReferAFriendForm::txtMessage_GotFocus()
{
    clearPlaceholder(m_txtMessage, modTellAFriend::kMessagePlaceholder);
}

void ReferAFriendForm::txtName_LostFocus()
{
    restorePlaceholder(m_txtName, modTellAFriend::kYourNamePlaceholder);
}
void ReferAFriendForm::txtEmail_LostFocus()
{
    restorePlaceholder(m_txtEmail, modTellAFriend::kYourEmailPlaceholder);
}
void ReferAFriendForm::txtFriendName_LostFocus()
{
    restorePlaceholder(m_txtFriendName, modTellAFriend::kFriendNamePlaceholder);
}
void ReferAFriendForm::txtFriendEmail_LostFocus()
{
    restorePlaceholder(m_txtFriendEmail, modTellAFriend::kFriendEmailPlaceholder);
}
void ReferAFriendForm::txtMessage_LostFocus()
{
    restorePlaceholder(m_txtMessage, modTellAFriend::kMessagePlaceholder);
}

bool ReferAFriendForm::txtEmail_KeyPress(const QString &typed)
{
    return refuseSpace(m_txtEmail, typed);
}

bool ReferAFriendForm::txtFriendEmail_KeyPress(const QString &typed)
{
    return refuseSpace(m_txtFriendEmail, typed);
}

bool ReferAFriendForm::refuseSpace(QLineEdit *box, const QString &typed)
{
    if (!typed.contains(u' '))
        return false;
    showMessage(tr("Email Address Cannot Contain Space"), QMessageBox::Critical);
    // Back to the same box, in the window that the message box had left.
    window()->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ReferAFriendForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Focus moves within the window only: the window losing or regaining
        // the activation (a message box, another program) or a context menu
        // opening over the box is not the user leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const auto handlers = m_focusHandlers.constFind(watched);
        if (handlers != m_focusHandlers.cend())
            (this->*(event->type() == QEvent::FocusIn ? handlers->gotFocus : handlers->lostFocus))();
        break;
    }
    case QEvent::KeyPress:
    case QEvent::InputMethod: {
        const KeyPressHandler keyPress = m_keyPressHandlers.value(watched);
        if (!keyPress)
            break;
        // Typed characters, and text that an input method commits; text that
        // arrives by pasting is neither and is accepted as it is.
        const QString typed = event->type() == QEvent::KeyPress
            ? static_cast<QKeyEvent *>(event)->text()
            : static_cast<QInputMethodEvent *>(event)->commitString();
        if ((this->*keyPress)(typed))
            return true;
        break;
    }
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace toevane
