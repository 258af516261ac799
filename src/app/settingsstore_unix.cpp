// The store as a file in the user's configuration folder, in the INI format
// that QSettings reads. It is read through QSettings and written here,
// atomically (QSaveFile), without QSettings' own lock file: what stands at
// "<file>.lock" (a FIFO, a folder, a stale file) can neither hold up a start
// nor be touched, and one copy of the program runs at a time anyway.
//
// A save changes only the program's own line, found as QSettings' reader
// finds it, and leaves every other byte of the file as it was: other
// programs' or the user's keys, comments, line ends, values of any type.

#include "app/settingsstore.h"

#include "common/appinfo.h"
#include "common/filecheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <optional>

#include <unistd.h>

namespace toevane::settings {

namespace {

// A settings file is a few dozen bytes; one of a whole application a few
// kilobytes. Anything larger than this is no settings file, and reading it
// (QSettings holds several times a file's size while it parses) would cost
// more memory than the whole program.
constexpr qint64 kMaxFileBytes = 1 << 20;

QString applicationName()
{
    return QString::fromLatin1(appinfo::kExecutableName);
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

// The file's bytes when QSettings may be given it: text of at most
// kMaxFileBytes, without control characters other than tabs and line ends
// (QSettings writes every other one escaped). Empty when it cannot be read.
std::optional<QByteArray> readableText(const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.read(kMaxFileBytes + 1);
    if (in.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return std::nullopt;
    for (const char c : bytes) {
        if (uchar(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return std::nullopt;
    }
    return bytes;
}

// A section or key name as QSettings reads it: '\' stands for '/', %XX and
// %UXXXX for a character. (The names "General" and "%General" that it reads
// otherwise never sort near the program's section.)
QString unescapedName(QByteArrayView name)
{
    const QString decoded = QString::fromUtf8(name.trimmed());
    const QStringView text = decoded;
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype first = i + (text.sliced(i).startsWith(u"%U") ? 2 : 1);
        const qsizetype digits = first == i + 2 ? 4 : 2;
        bool ok = false;
        const ushort code = text[i] == u'%' && i + 1 < text.size() && first + digits <= text.size()
            ? text.sliced(first, digits).toUShort(&ok, 16)
            : 0;
        out += ok ? QChar(code) : text[i] == u'\\' ? QChar(u'/') : text[i];
        i = ok ? first + digits : i + 1;
    }
    return out;
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// One line as QSettings' reader takes it: from its first character that is
// not a blank to the line end (or a ';' comment) outside quotes, joined with
// the next line after a '\'; lines that hold only a comment are skipped.
struct Line
{
    qsizetype start = 0, end = 0, equals = -1;
};

std::optional<Line> nextLine(QByteArrayView data, qsizetype &pos)
{
    const auto blank = [&](qsizetype i) {
        return isLineEnd(data[i]) || data[i] == ' ' || data[i] == '\t';
    };
    Line line { pos, pos, -1 };
    while (line.start < data.size() && blank(line.start))
        ++line.start;
    bool quoted = false;
    qsizetype i = line.start;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
        } else if (isLineEnd(c)) {
            // (Never the line's first character: blanks were skipped.)
            if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            // The next character is taken as it is; "\r\n" and "\n\r" too.
            if (i < data.size() && ++i < data.size() && isLineEnd(data[i - 1]) &&
                isLineEnd(data[i]) && data[i] != data[i - 1])
                ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';') {
            if (i == line.start + 1) {
                while (i < data.size() && !isLineEnd(data[i]))
                    ++i;
                while (i < data.size() && blank(i))
                    ++i;
                line.start = i;
            } else if (!quoted) {
                --i;
                break;
            }
        }
    }
    pos = line.end = i;
    if (line.end <= line.start)
        return std::nullopt;
    return line;
}

// Where the value of section/key stands as QSettings reads it (the last such
// line of all the [section]s), and where a new line for it can go.
struct Place
{
    qsizetype valueStart = -1, valueEnd = -1; // without the blanks around it
    qsizetype afterHeader = -1; // after the line end of the last [section]
    bool hidden = false; // QSettings looks section/key up in another section
};

Place find(QByteArrayView data, const QString &section, const QString &key)
{
    const QString prefix = section + u'/', path = prefix + key;
    Place place;
    bool inSection = false;
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (const std::optional<Line> line = nextLine(data, pos)) {
        const QByteArrayView text = data.sliced(line->start, line->end - line->start);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            const QString name =
                unescapedName(text.first(close < 0 ? text.size() : close).sliced(1)) + u'/';
            inSection = name == prefix;
            // It reads only the section that sorts last before the key.
            place.hidden = place.hidden || (name > prefix && name <= path);
            if (inSection) {
                qsizetype end = line->end;
                while (end < data.size() && !isLineEnd(data[end]))
                    ++end;
                place.afterHeader = end + (data.sliced(end).startsWith("\r\n") ? 2 : 1);
                place.afterHeader = qMin(place.afterHeader, data.size());
            }
        } else if (inSection && line->equals >= 0 &&
                   unescapedName(text.first(line->equals - line->start)) == key) {
            place.valueStart = line->equals + 1;
            place.valueEnd = line->end;
            while (place.valueStart < place.valueEnd &&
                   (data[place.valueStart] == ' ' || data[place.valueStart] == '\t'))
                ++place.valueStart;
            while (place.valueEnd > place.valueStart &&
                   (data[place.valueEnd - 1] == ' ' || data[place.valueEnd - 1] == '\t'))
                --place.valueEnd;
        }
    }
    return place;
}

// The file with section/key set to value (as it stands in the file) and
// every other byte kept; a new line ends as the file's first line does.
// Empty when QSettings would not read the value back from it.
std::optional<QByteArray> withValue(QByteArray data, const QString &section, const QString &key,
                                    const QByteArray &value)
{
    qsizetype firstEnd = 0;
    while (firstEnd < data.size() && !isLineEnd(data[firstEnd]))
        ++firstEnd;
    const QByteArrayView rest = QByteArrayView(data).sliced(firstEnd);
    const QByteArray newline = rest.isEmpty()
        ? QByteArray("\n")
        : rest.first(rest.startsWith("\r\n") ? 2 : 1).toByteArray();
    const Place place = find(data, section, key);
    if (place.valueStart >= 0) {
        data.replace(place.valueStart, place.valueEnd - place.valueStart, value);
    } else {
        const qsizetype at = place.afterHeader >= 0 ? place.afterHeader : data.size();
        QByteArray text = key.toUtf8() + '=' + value + newline;
        if (place.afterHeader < 0)
            text.prepend('[' + section.toUtf8() + ']' + newline);
        if (at == data.size() && !data.isEmpty() && !isLineEnd(data.back()))
            text.prepend(newline);
        data.insert(at, text);
    }
    const Place written = find(data, section, key);
    if (place.hidden || written.valueStart < 0 || data.size() > kMaxFileBytes ||
        QByteArrayView(data).sliced(written.valueStart, written.valueEnd - written.valueStart) !=
            value)
        return std::nullopt;
    return data;
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
    // read, and only one that is text of a settings file's size.
    const QString file = fileName();
    if (file.isEmpty() || files::pathState(file) != files::PathState::Regular ||
        !readableText(file))
        return {};
    const QSettings store(file, QSettings::IniFormat);
    // An unreadable file holds no keys: the value then reads as absent, like
    // on the first run.
    return unscramble(store.value(section + u'/' + storedKey(key)).toString());
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

    // A file that is no settings text, or whose lines would hide the value
    // from QSettings, is replaced by a clean one.
    const QByteArray stored = escapedText(scramble(value)).toUtf8();
    const std::optional<QByteArray> old =
        state == files::PathState::Regular ? readableText(file) : QByteArray();
    std::optional<QByteArray> bytes =
        old ? withValue(*old, section, storedKey(key), stored) : std::nullopt;
    if (!bytes)
        bytes = withValue({}, section, storedKey(key), stored);
    if (!bytes)
        return false;

    // Unbuffered, so that a failed or short write (a full disk) shows here:
    // the flush inside commit() fails silently and the empty temporary file
    // would replace the old one. What fsync() reports is checked for the same
    // reason; commit() ignores it.
    const QDateTime before = info.lastModified();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (out.write(*bytes) != bytes->size() || out.error() != QFileDevice::NoError ||
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
