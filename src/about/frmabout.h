#pragma once

#include <QDialog>

// The About window: program name and version, a description, a link to the
// forum and one to the full-branding offer.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Creates a fresh About window and shows it application-modal without
    // an owner; returns when it has been closed.
    static void showModal();
};
