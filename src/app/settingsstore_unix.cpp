// The store as a file in the user's configuration folder, in the INI format
// that QSettings reads. It is read through QSettings and written here, whole
// and atomically (QSaveFile), without QSettings' own lock file: what stands
// at "<file>.lock" (a FIFO, a folder, a stale file) can neither hold up a
// start nor be touched, and one copy of the program runs at a time anyway.

#include "app/settingsstore.h"

#include "common/appinfo.h"
#include "common/filecheck.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <optional>

#include <unistd.h>

namespace toevane::settings {

namespace {

QString applicationName()
{
    return QString::fromLatin1(appinfo::kExecutableName);
}

QString settingPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + storedKey(key);
}

// A key or section name as QSettings writes it: letters, digits, '_', '-'
// and '.' as they are, '/' as '\', everything else as %XX or %UXXXX.
QString escapedName(QStringView name)
{
    QString out;
    for (const QChar ch : name) {
        const char16_t c = ch.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
            c == u'_' || c == u'-' || c == u'.')
            out += ch;
        else if (c == u'/')
            out += u'\\';
        else if (c <= 0xFF)
            out += u'%' + QString::number(c, 16).toUpper().rightJustified(2, u'0');
        else
            out += QStringLiteral("%U") + QString::number(c, 16).toUpper().rightJustified(4, u'0');
    }
    return out;
}

// A text value as QSettings writes it: C escapes for the control
// characters, quotes and backslashes; quoted when it holds ';', ',' or '='
// or starts or ends with a blank; a leading '@' doubled.
QString escapedText(QStringView text)
{
    QString out = text.startsWith(u'@') ? QStringLiteral("@") : QString();
    bool quote = !text.isEmpty() && (text.front() == u' ' || text.back() == u' ');
    bool afterHexEscape = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool hexDigit =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        const bool lone = QChar::isSurrogate(c) &&
            !(QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) &&
            !(QChar::isLowSurrogate(c) && i > 0 && text[i - 1].isHighSurrogate());
        quote = quote || c == u';' || c == u',' || c == u'=';
        if ((afterHexEscape && hexDigit) || c < 0x20 || c == 0x7F || lone) {
            // \x takes every hexadecimal digit that follows it.
            out += QStringLiteral("\\x") + QString::number(c, 16);
            afterHexEscape = true;
            continue;
        }
        afterHexEscape = false;
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += QChar(c);
    }
    return quote ? u'"' + out + u'"' : out;
}

// A value read from the file as it will be written again: texts and lists
// of texts; other values are left out.
std::optional<QString> escapedValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return escapedText(value.toString());
    const QStringList items = value.toStringList();
    if (value.typeId() != QMetaType::QStringList || items.size() < 2)
        return std::nullopt;
    QStringList escaped;
    for (const QString &item : items)
        escaped << escapedText(item);
    return escaped.join(QStringLiteral(", "));
}

// Section header -> key -> value, all as they stand in the file.
using Entries = QMap<QString, QMap<QString, QString>>;

void addEntry(Entries &entries, QStringView path, const QString &value)
{
    const qsizetype slash = path.indexOf(u'/');
    // Keys outside a group stand under [General], a group of that name as
    // [%General].
    const QString section = slash < 0     ? QStringLiteral("General")
        : path.first(slash) == u"General" ? QStringLiteral("%General")
                                          : escapedName(path.first(slash));
    entries[section][escapedName(slash < 0 ? path : path.sliced(slash + 1))] = value;
}

// What QSettings can read of the file: lines it cannot parse are dropped.
Entries readableEntries(const QString &file)
{
    Entries entries;
    const QSettings store(file, QSettings::IniFormat);
    for (const QString &path : store.allKeys()) {
        if (const std::optional<QString> value = escapedValue(store.value(path)))
            addEntry(entries, path, *value);
    }
    return entries;
}

QByteArray iniText(const Entries &entries)
{
    QString text;
    for (auto section = entries.cbegin(); section != entries.cend(); ++section) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.key() + QStringLiteral("]\n");
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry)
            text += entry.key() + u'=' + entry.value() + u'\n';
    }
    return text.toUtf8();
}

} // namespace

QString fileName()
{
    // Where QSettings(NativeFormat, UserScope, name, name) keeps it. The XDG
    // base-directory rules ignore a relative XDG_CONFIG_HOME.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    if (QDir::isRelativePath(folder))
        return {};
    return folder + u'/' + applicationName() + u'/' + applicationName() + QStringLiteral(".conf");
}

QString read(const QString &section, const QString &key)
{
    // Reading a FIFO would wait for a writer for ever: only a regular file is
    // read.
    const QString file = fileName();
    if (file.isEmpty() || files::pathState(file) != files::PathState::Regular)
        return {};
    const QSettings store(file, QSettings::IniFormat);
    // An unreadable file holds no keys: the value then reads as absent, like
    // on the first run.
    return unscramble(store.value(settingPath(section, key)).toString());
}

bool write(const QString &section, const QString &key, const QString &value)
{
    // Only a regular file (or a link to one), or none, is the program's own:
    // anything else at the path is left alone.
    const QString file = fileName();
    if (file.isEmpty())
        return false;
    const files::PathState state = files::pathState(file);
    if (state == files::PathState::Foreign ||
        (state == files::PathState::Regular && !files::isWritableFile(file)))
        return false;
    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath()))
        return false;

    // The file is written whole: what could be read of it, and the value. A
    // garbled file comes out clean.
    Entries entries = state == files::PathState::Regular ? readableEntries(file) : Entries();
    addEntry(entries, settingPath(section, key), escapedText(scramble(value)));
    const QByteArray bytes = iniText(entries);

    // Unbuffered, so that a failed or short write (a full disk) shows here:
    // the flush inside commit() fails silently and the empty temporary file
    // would replace the old one. What fsync() reports is checked for the same
    // reason; commit() ignores it.
    const QDateTime before = info.lastModified();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (out.write(bytes) != bytes.size() || out.error() != QFileDevice::NoError ||
        (::fsync(out.handle()) != 0 && (errno == EIO || errno == ENOSPC || errno == EDQUOT))) {
        out.cancelWriting(); // the temporary file goes with `out`
        return false;
    }
    if (!out.commit())
        return false;
    // QSettings keeps what it has read of a file while the file's size and
    // time, to the millisecond, stay the same: the new file must not pass
    // for the old one.
    QFile written(file);
    if (before.isValid() && QFileInfo(file).lastModified() == before &&
        written.open(QIODevice::ReadWrite))
        written.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}

} // namespace toevane::settings
