#pragma once

// What must hold for any input at the two places where text from outside
// enters the program. Shared by the property-based test
// (tests/fuzz/tst_fuzztargets.cpp, part of the normal suite), the referral
// test's table of entries and the libFuzzer programs in this folder. Each check returns an empty
// text when the input passes, else a description of what went wrong.

#include "app/reminder.h"
#include "app/settingsstore.h"
#include "exit_screen/referral.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QScopeGuard>
#include <QString>
#include <QUrl>

#include <algorithm>
#include <array>

namespace toevane::fuzz {

// --- Referral request --------------------------------------------------------
//
// Input: the five boxes of the refer-a-friend form (name, e-mail, message,
// friend's name, friend's e-mail) as UTF-8, separated by NUL bytes (which
// nobody can type into a box); missing boxes are empty, bytes after a fifth
// NUL belong to the last box. Invalid UTF-8 reads as U+FFFD, as it would
// when pasted.
//
// Property: the address composed from them is plain printable ASCII, is a
// valid http address on the forum site's referral page, and what the browser
// receives (the encoded form of the QUrl that OpenLink builds) carries the
// keys taf1 to taf6 in order and nothing else, with taf1 to taf5 decoding,
// as a web server decodes a query, to exactly the bytes typed and taf6 to the
// program's page.

inline modTellAFriend::Referral referralFromBytes(QByteArrayView input)
{
    std::array<QString, 5> boxes;
    qsizetype start = 0;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        qsizetype end = box + 1 < boxes.size() ? input.indexOf('\0', start) : -1;
        if (end < 0)
            end = input.size();
        boxes[box] = QString::fromUtf8(input.sliced(start, end - start));
        start = end < input.size() ? end + 1 : end;
    }
    return { boxes[0], boxes[1], boxes[2], boxes[3], boxes[4] };
}

// Decodes a query value the way a web server reads a form submission:
// '+' stands for a space, %XX for the byte XX.
inline QByteArray decodeQueryValue(QByteArrayView value)
{
    QByteArray plusAsSpace = value.toByteArray();
    plusAsSpace.replace('+', ' ');
    return QByteArray::fromPercentEncoding(plusAsSpace);
}

inline QString describeBytes(QByteArrayView bytes)
{
    QString out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            out += QLatin1Char(char(byte));
        else
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return out;
}

inline QString checkReferral(QByteArrayView input)
{
    const modTellAFriend::Referral referral = referralFromBytes(input);
    const QString address = modTellAFriend::composeReferralAddress(referral);

    for (const QChar ch : address) {
        if (ch.unicode() <= 0x20 || ch.unicode() >= 0x7F)
            return QStringLiteral("address holds U+%1: %2")
                .arg(ch.unicode(), 4, 16, QLatin1Char('0'))
                .arg(address);
    }
    const QUrl strict(address, QUrl::StrictMode);
    if (!strict.isValid())
        return QStringLiteral("not a valid address (%1): %2").arg(strict.errorString(), address);
    const QUrl page(modTellAFriend::referralPageAddress());
    if (strict.scheme() != page.scheme() || strict.host() != page.host() ||
        strict.path() != page.path() || strict.hasFragment())
        return QStringLiteral("not the referral page: %1").arg(address);

    // What OpenLink hands to the desktop, and the desktop to the browser.
    const QByteArray sent = QUrl(address, QUrl::TolerantMode).toEncoded();
    const qsizetype question = sent.indexOf('?');
    if (question < 0 || sent.indexOf('#') >= 0)
        return QStringLiteral("sent address has no query or has a fragment: %1")
            .arg(QString::fromLatin1(sent));
    const QList<QByteArray> pairs = sent.mid(question + 1).split('&');
    const std::array<QByteArray, 6> expected {
        referral.yourName.toUtf8(),    referral.yourEmail.toUtf8(),
        referral.message.toUtf8(),     referral.friendName.toUtf8(),
        referral.friendEmail.toUtf8(), modTellAFriend::productPageAddress().toUtf8(),
    };
    if (pairs.size() != qsizetype(expected.size()))
        return QStringLiteral("%1 parameters instead of 6: %2")
            .arg(pairs.size())
            .arg(QString::fromLatin1(sent));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QByteArray key = "taf" + QByteArray::number(qsizetype(i) + 1) + '=';
        const QByteArray &pair = pairs[qsizetype(i)];
        if (!pair.startsWith(key))
            return QStringLiteral("parameter %1 is not %2: %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(key), QString::fromLatin1(sent));
        const QByteArray value = decodeQueryValue(QByteArrayView(pair).sliced(key.size()));
        if (value != expected[i])
            return QStringLiteral("%1 reads back as \"%2\" instead of \"%3\"")
                .arg(QString::fromLatin1(key.chopped(1)), describeBytes(value),
                     describeBytes(expected[i]));
    }
    return {};
}

// --- Stored reminder date ----------------------------------------------------
//
// Input: the bytes of the settings file. Every call moves the store into a
// new subfolder of storeHome (through the configuration folder: HOME in Qt's
// test mode, else XDG_CONFIG_HOME).
//
// Property: reading the stored date ends; the reminder decides to wait or
// to ask only for a text that is a real "yyyy-MM-dd" date (checked here with
// QDate's own parser), asking exactly when that date is more than 14 days
// from today, and decides to record today for every other text; and
// recording today over whatever the file held succeeds, reads back, and
// changes no byte outside the program's own line: what it takes out of the
// file holds no line end, and what it puts in is a piece of that line (with
// its section header when one was added).

inline QString checkStoredReminder(QByteArrayView fileBytes, const QString &storeHome,
                                   const QDate &today)
{
    static int round = 0;
    const QString folder = storeHome + u'/' + QString::number(round++);
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(folder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    const auto cleanUp = qScopeGuard([&] {
        QDir(folder).removeRecursively();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", configHome);
    });
    const QString path = settings::fileName();
    if (!path.startsWith(folder + u'/'))
        return QStringLiteral("the store did not move into %1: %2").arg(folder, path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot prepare %1").arg(path);
        file.write(fileBytes.data(), fileBytes.size());
    }

    const QString section = reminder::kSection.toString();
    const QString key = reminder::kKey.toString();
    const QString stored = settings::read(section, key);
    const reminder::Decision decision = reminder::decide(stored, today);

    const bool isDateText = stored.size() == 10 && stored[4] == u'-' && stored[7] == u'-' &&
        std::all_of(stored.begin(), stored.end(),
                    [](QChar c) { return c == u'-' || (c >= u'0' && c <= u'9'); });
    const QDate date =
        isDateText ? QDate::fromString(stored, QStringLiteral("yyyy-MM-dd")) : QDate();
    reminder::Decision expected = reminder::Decision::RecordToday;
    if (date.isValid())
        expected =
            qAbs(today.daysTo(date)) > 14 ? reminder::Decision::Ask : reminder::Decision::Wait;
    if (decision != expected)
        return QStringLiteral("stored \"%1\": decision %2 instead of %3")
            .arg(stored)
            .arg(int(decision))
            .arg(int(expected));

    const QString todayText = reminder::dateText(today);
    if (!settings::write(section, key, todayText))
        return QStringLiteral("today's date could not be recorded over the file");
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return QStringLiteral("the file is gone after recording today");
    const QByteArray after = written.readAll();
    qsizetype same = 0;
    while (same < fileBytes.size() && same < after.size() && fileBytes[same] == after[same])
        ++same;
    qsizetype tail = 0;
    while (tail < fileBytes.size() - same && tail < after.size() - same &&
           fileBytes[fileBytes.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QByteArrayView removed = fileBytes.sliced(same, fileBytes.size() - same - tail);
    const QByteArrayView added = QByteArrayView(after).sliced(same, after.size() - same - tail);
    const QByteArray name = settings::storedKey(key).toLatin1();
    const QByteArrayView line = QByteArrayView(after)
                                    .sliced(same > 0 ? after.lastIndexOf('\n', same - 1) + 1 : 0)
                                    .trimmed();
    const bool ownLine =
        line.startsWith(name) && line.sliced(name.size()).trimmed().startsWith('=');
    if (removed.isEmpty() ? added.count('\n') > 3 || added.size() > 128
                          : removed.contains('\n') || !ownLine)
        return QStringLiteral("the save changed more than its line: \"%1\" became \"%2\"")
            .arg(describeBytes(removed), describeBytes(added));
    const QString again = settings::read(section, key);
    if (again != todayText)
        return QStringLiteral("recorded \"%1\" but read back \"%2\"").arg(todayText, again);
    if (reminder::decide(again, today) != reminder::Decision::Wait)
        return QStringLiteral("the day after recording it, the reminder does not wait");
    return {};
}

} // namespace toevane::fuzz
