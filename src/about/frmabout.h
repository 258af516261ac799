#pragma once

#include <QDialog>

class QPushButton;

namespace toevane {

// The About window: program name and version, a description, a link to the
// forum and one to the full-branding offer. Fixed content, no state: each
// opening builds it anew and closing it destroys it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Creates a fresh About window and shows it application-modal without
    // an owner, so no other window of the program takes input meanwhile;
    // returns when it has been closed.
    static void showModal();

    // The description under the title: what the program is, then the
    // maker's rights notice.
    static QString description();
    // "Click here to visit " and the forum's address.
    static QString homePageCaption();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();

    QPushButton *m_cmdOK = nullptr;
};

} // namespace toevane
