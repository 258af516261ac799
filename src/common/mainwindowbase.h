#pragma once

#include <QMainWindow>

#include <initializer_list>

class QAbstractButton;
class QKeyEvent;
class QPushButton;

namespace toevane {

// The frame of every window of the program: a title with the system menu and
// the close box, around a fixed border: no sizing frame (on Windows the thin
// dialog frame) and no minimise or maximise button, so that no window
// manager offers to resize or maximise the window.
constexpr Qt::WindowFlags fixedBorder(Qt::WindowType type)
{
    return type | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

// What the two main windows share: the title, a fixed client area centred on
// the screen whenever the window opens, the purple look, Esc and Enter as
// the Exit button, and the report that the window has been closed.
class MainWindowBase : public QMainWindow
{
    Q_OBJECT

public:
    MainWindowBase(const char *objectName, QSize clientSize, QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }

Q_SIGNALS:
    // The window has been closed and is going away; closing never asks and
    // cannot be cancelled. Whoever closes the window itself stops listening
    // first, so for it this means the user's close.
    void closed();
    // The user chose Help > About Software.
    void aboutRequested();

protected:
    // Call once the menu bar exists: fixes the window to client + menu bar.
    void fixWindowSize();
    // The button that Esc, and Enter on anything but another button, press.
    void setExitButton(QPushButton *button) { m_exitButton = button; }

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_client = nullptr;
    QPushButton *m_exitButton = nullptr;
};

// Centres a top-level widget on the screen it is on when it is first shown;
// later showings leave it where it was.
void centreWhenFirstShown(QWidget *window);

// For a language written right to left: every control the program places by
// its distance from its parent's left edge (not through a layout; Qt's own
// parts aside) is placed that far from the right edge instead, from the time
// it is first shown, also when it or its parent changes size. Places are
// given before a control is shown. Call once, for the whole program.
void mirrorPlacesRightToLeft();

// Presses the button (if any) when the key is one of keys, pressed alone
// (the keypad aside). True when it did: the key is then taken.
bool pressOnKey(QKeyEvent *event, QAbstractButton *button, std::initializer_list<Qt::Key> keys);

} // namespace toevane
