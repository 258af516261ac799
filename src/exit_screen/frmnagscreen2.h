#pragma once

#include <QWidget>

// The exit screen: shown when a main window closes, kept on top while open;
// closing it ends the program.
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    explicit frmNagScreen2(QWidget *parent = nullptr);

    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();

    bool m_placed = false;
};
