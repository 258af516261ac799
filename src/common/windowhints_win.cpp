// Window-manager hints on Windows, through the Win32 calls that Qt's own
// windows platform makes.

#include "common/windowhints.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <windows.h>

#include <string>

namespace toevane {

namespace {

// The file name of the process's program, empty when it cannot be read.
// The full path may be longer than MAX_PATH (a program installed deep down):
// the buffer grows until the path fits, up to the longest path Windows has.
QString executableOf(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return {};
    QString name;
    constexpr DWORD kLongestPath = 32768; // 32,767 characters and the terminator
    for (DWORD capacity = MAX_PATH;;
         capacity = 2 * capacity < kLongestPath ? 2 * capacity : kLongestPath) {
        std::wstring path(capacity, L'\0');
        DWORD size = capacity;
        if (QueryFullProcessImageNameW(process, 0, path.data(), &size)) {
            name = QFileInfo(QString::fromWCharArray(path.data(), int(size))).fileName();
            break;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || capacity == kLongestPath)
            break;
    }
    CloseHandle(process);
    return name;
}

// This program's file name, read once.
const QString &ownExecutable()
{
    static const QString name = executableOf(GetCurrentProcessId());
    return name;
}

// The windows kept above the other copies, by the hook that watches for
// them. The hook runs on this thread, between messages.
QHash<HWINEVENTHOOK, QPointer<QWidget>> &keptAbove()
{
    static QHash<HWINEVENTHOOK, QPointer<QWidget>> windows;
    return windows;
}

void CALLBACK foregroundChanged(HWINEVENTHOOK hook, DWORD, HWND foreground, LONG, LONG, DWORD,
                                DWORD)
{
    const QPointer<QWidget> window = keptAbove().value(hook);
    if (!window || !window->isVisible())
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(foreground, &processId);
    if (processId == GetCurrentProcessId())
        return;
    // A name that cannot be read is not this program's.
    const QString other = executableOf(processId);
    if (other.isEmpty() || ownExecutable().isEmpty() ||
        other.compare(ownExecutable(), Qt::CaseInsensitive) != 0)
        return;
    // Another copy's window came to the front (it may be kept on top too):
    // back to the top of the windows kept on top, without taking the focus.
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

class Hook : public QObject
{
public:
    Hook(QWidget *window, HWINEVENTHOOK hook)
        : QObject(window)
        , m_hook(hook)
    {
        keptAbove().insert(hook, window);
    }
    ~Hook() override
    {
        keptAbove().remove(m_hook);
        UnhookWinEvent(m_hook);
    }

private:
    HWINEVENTHOOK m_hook;
};

} // namespace

void keepOutOfTaskBar(QWidget *window)
{
    // Windows gives a task-bar button to every top-level window without an
    // owner. Owned by the window the user works in, this one gets none, and
    // it stays above its owner as a dialog does.
    QWindow *owner = QGuiApplication::focusWindow();
    if (!owner) {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        for (QWindow *candidate : windows) {
            if (candidate->isVisible())
                owner = candidate;
        }
    }
    window->winId(); // the native window, so that it can be given its owner
    if (owner && owner != window->windowHandle())
        window->windowHandle()->setTransientParent(owner);
}

void keepAboveOtherCopies(QWidget *window)
{
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                        foregroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (hook)
        new Hook(window, hook);
}

} // namespace toevane
