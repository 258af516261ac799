#pragma once

#include "common/messagebox.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>

// Records every address the program asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    const QList<QUrl> &urls() const { return m_urls; }
    QStringList addresses() const;
    void clear() { m_urls.clear(); }

public Q_SLOTS:
    void open(const QUrl &url);

private:
    QList<QUrl> m_urls;
};

// Stands in for the end of the process: counts the requests instead.
class ProcessEndRecorder
{
public:
    // What a ShellServices::endProcess of a test is set to.
    std::function<void(int)> handler() const
    {
        return [count = m_count](int) { ++*count; };
    }
    int count() const { return *m_count; }

private:
    std::shared_ptr<int> m_count = std::make_shared<int>(0);
};

// Answers the program's message boxes at once without showing them, in
// order, and keeps what each would have shown (shown); a box beyond the
// answers gets NoButton and is kept too. Real boxes again once it goes.
class BoxAnswerer : public toevane::MessageAnswers
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> given = {})
    {
        answers = std::move(given);
        toevane::setNextAnswers(this);
    }
    ~BoxAnswerer() { toevane::setNextAnswers(nullptr); }
    BoxAnswerer(const BoxAnswerer &) = delete;
    BoxAnswerer &operator=(const BoxAnswerer &) = delete;
};
