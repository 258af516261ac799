#pragma once

#include "exit_screen/referral.h"

#include <QString>
#include <QWidget>

class LinkLabel;
class MultiLineTextBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace toevane {
class Random;
}

// The exit screen: shown when a main window closes, kept on top while open.
// It carries one of four promotional texts, chosen once when it is created,
// links to the forum and to the catalogue of the maker's programs, and the
// refer-a-friend form. Closing it asks for the end of the program.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    // Draws its promotional text with the given generator, which must outlive
    // the window.
    explicit frmNagScreen2(toevane::Random &random, QWidget *parent = nullptr);

    static constexpr int kPromotionCount = 4;
    // Promotional text number k (0 to 3), naming the forum's address.
    static QString promotionText(int k);
    // Seeds the generator from its clock and draws a text number, each with
    // probability one quarter.
    static int drawPromotionNumber(toevane::Random &random);
    // The caption of the forum check box.
    static QString forumCheckCaption();
    // The catalogue text beside the form.
    static QString catalogueText();

    // The entries of the last submission, trimmed.
    const modTellAFriend::Referral &referral() const { return m_referral; }

Q_SIGNALS:
    // Exit or the close box: the program is to end.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    // The refer-a-friend form.
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

    void buildReferralForm(QWidget *frame);
    void Form_Load();
    void Form_Unload();
    bool refuseSpace(QLineEdit *box, const QString &typed);

    QPushButton *m_cmdClose = nullptr;
    QPushButton *m_check1 = nullptr;
    QLabel *m_label2 = nullptr;
    LinkLabel *m_lblGoToHome = nullptr;

    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    MultiLineTextBox *m_txtMessage = nullptr;
    QPushButton *m_cmdSubmit = nullptr;

    toevane::Random &m_random;
    modTellAFriend::Referral m_referral;
};
