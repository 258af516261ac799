#pragma once

#include "exit_screen/referral.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace toevane {

class LinkLabel;
class Random;
class ReferAFriendForm;

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
    explicit frmNagScreen2(Random &random, QWidget *parent = nullptr);

    static constexpr int kPromotionCount = 4;
    // Promotional text number k (0 to 3), naming the forum's address.
    static QString promotionText(int k);
    // Seeds the generator from its clock and draws a text number, each with
    // probability one quarter.
    static int drawPromotionNumber(Random &random);
    // The caption of the forum check box.
    static QString forumCheckCaption();
    // The catalogue text beside the form.
    static QString catalogueText();

    // The entries of the refer-a-friend form's last submission, trimmed.
    const modTellAFriend::Referral &referral() const;

Q_SIGNALS:
    // Exit or the close box: the program is to end.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    void Form_Load();
    void Form_Unload();

    QPushButton *m_cmdClose = nullptr;
    QPushButton *m_check1 = nullptr;
    QLabel *m_label2 = nullptr;
    LinkLabel *m_lblGoToHome = nullptr;

    ReferAFriendForm *m_frame2 = nullptr;

    Random &m_random;
};

} // namespace toevane
