#include "exit_screen/frmnagscreen2.h"

#include "app/apptext.h"
#include "app/icon.h"
#include "app/look.h"
#include "app/mainwindowbase.h"
#include "app/shutdown.h"

#include <QCloseEvent>
#include <QPushButton>

frmNagScreen2::frmNagScreen2(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(toevane::programWindowTitle());
    setWindowIcon(toevane::appIcon());
    setFixedSize(741, 315);
    toevane::look::setBackground(this, toevane::look::kWhite);
    setFont(toevane::look::sansSerif(8.25));

    auto *cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(400, 184, 83, 25);
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    cmdClose->setFocus();

    Form_Load();
}

void frmNagScreen2::Form_Load()
{
}

void frmNagScreen2::cmdClose_Click()
{
    modHelp::EndProgram();
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    event->accept();
    modHelp::EndProgram();
}

void frmNagScreen2::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        toevane::centreOnScreen(this);
    }
    QWidget::showEvent(event);
}
