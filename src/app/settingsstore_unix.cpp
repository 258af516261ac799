// The store as a file that the program reads and writes itself, one line of
// it (see settingsstore.h); a save writes a new file beside the old one and
// renames it over it, so that a save that fails leaves the old file as it was.

#include "app/settingsstore.h"

#include "common/appinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

#include <csignal>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toevane::settings {

namespace {

// A settings file is a few dozen bytes: a larger one is left alone.
constexpr qsizetype kMaxFileBytes = 1 << 20;

// A text value as QSettings reads it: a leading '@' doubled; blanks, control
// characters, surrogates, quotes, '\\', ';', ',' and '=' as \x escapes, and
// hex digits after one too (\x takes every hex digit that follows it).
QString escapedText(QStringView text)
{
    QString out = text.startsWith(u'@') ? QStringLiteral("@") : QString();
    bool afterEscape = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        afterEscape = c <= 0x20 || c == 0x7F || ch.isSurrogate() ||
            QStringView(u"\"\\;,=").contains(ch) ||
            (afterEscape && QStringView(u"0123456789abcdefABCDEF").contains(ch));
        out += afterEscape ? QStringLiteral("\\x") + QString::number(c, 16) : QString(ch);
    }
    return out;
}

// The inverse of escapedText(), for the values that every version wrote.
QString unescaped(QByteArrayView value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.sliced(1, value.size() - 2);
    const QString text = QString::fromUtf8(value);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype k = text[i] == u'\\' && i + 1 < text.size()
            ? QStringView(u"abfnrtv0x").indexOf(text[++i])
            : -1;
        char16_t code = 0; // \x takes every hexadecimal digit that follows
        for (qsizetype digit; k == 8 && i + 1 < text.size() &&
             (digit = QStringView(u"0123456789abcdef").indexOf(text[i + 1].toLower())) >= 0;
             ++i)
            code = char16_t(code * 16 + digit);
        out += k < 0 ? text[i] : k == 8 ? QChar(code) : QChar(u"\a\b\f\n\r\t\v"[k]);
    }
    return out.startsWith(u"@@") ? out.sliced(1) : out;
}

// The value of the last line of key in the last [section], blanks around it
// left out; else where such a line goes: after the section's first line.
struct Place
{
    qsizetype start = -1, end = -1, section = -1;
};

Place find(QByteArrayView data, QByteArrayView header, QByteArrayView key)
{
    Place place;
    bool inSection = false;
    for (qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; pos < data.size();) {
        const qsizetype lineEnd = data.indexOf('\n', pos);
        const qsizetype next = lineEnd < 0 ? data.size() : lineEnd + 1;
        const QByteArrayView line = data.sliced(pos, next - pos).trimmed();
        pos = next;
        if (line.startsWith('[')) {
            inSection = line.startsWith(header);
            place = inSection ? Place { -1, -1, next } : place;
        } else if (inSection && line.startsWith(key) &&
                   line.sliced(key.size()).trimmed().startsWith('=')) {
            const QByteArrayView value = line.sliced(line.indexOf('=') + 1).trimmed();
            place.start = value.data() - data.data();
            place.end = place.start + value.size();
        }
    }
    return place;
}

// Nothing (st_mode 0), or a regular file (a link followed) read whole; empty
// for anything else, a file over kMaxFileBytes and any error: left alone.
struct Contents
{
    QByteArray bytes;
    struct stat status = {};
    bool exists() const { return status.st_mode != 0; }
};

std::optional<Contents> load(const QByteArray &path)
{
    Contents contents;
    if (::lstat(path.constData(), &contents.status) != 0)
        return errno == ENOENT ? std::optional(contents) : std::nullopt;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // a FIFO waits
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    if (fd < 0 || ::fstat(fd, &contents.status) != 0 || !S_ISREG(contents.status.st_mode))
        return std::nullopt;
    char chunk[16384];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) != 0; contents.bytes.append(chunk, n)) {
        if (n < 0 || contents.bytes.size() + n > kMaxFileBytes)
            return std::nullopt;
    }
    return contents;
}

// Makes the folder where it is missing, only this user having access, as the
// XDG rules ask. True when it is a folder of this user's own: only there are
// files replaced (run as root with the user's HOME, the user's files stay).
bool ownFolder(const QString &file)
{
    const QByteArray path = QFile::encodeName(QFileInfo(file).absolutePath());
    struct stat status;
    if (::stat(path.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid();
    return path.count('/') > 1 && ownFolder(QFile::decodeName(path)) &&
        ::mkdir(path.constData(), 0700) == 0;
}

// Writes a new file beside path and renames it over path; on failure it goes.
bool replace(const QByteArray &path, const QByteArray &bytes, mode_t mode)
{
    QByteArray temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    for (ssize_t n = 1; done < bytes.size() && n > 0; done += qMax<ssize_t>(n, 0))
        n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    bool ok = done == bytes.size() && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok && ::rename(temporary.constData(), path.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
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
    const QString name = QString::fromLatin1(appinfo::kExecutableName);
    return folder + u'/' + name + u'/' + name + QStringLiteral(".conf");
}

QString read(const QString &section, const QString &key)
{
    const std::optional<Contents> data = load(QFile::encodeName(fileName()));
    const Place place =
        data ? find(data->bytes, '[' + section.toUtf8() + ']', storedKey(key).toLatin1()) : Place();
    return place.start < 0
        ? QString()
        : unscramble(
              unescaped(QByteArrayView(data->bytes).sliced(place.start, place.end - place.start)));
}

bool write(const QString &section, const QString &key, const QString &value)
{
    // Past a file-size limit (ulimit -f) a write fails instead of killing.
    std::signal(SIGXFSZ, SIG_IGN);
    const QString file = fileName();
    const std::optional<Contents> old =
        !file.isEmpty() && ownFolder(file) ? load(QFile::encodeName(file)) : std::nullopt;
    // Only a file of this user's own that it may write is replaced; a link
    // to one is followed, and the file replaced where it stands.
    const QString target = old && old->exists() ? QFileInfo(file).canonicalFilePath() : file;
    if (!old ||
        (old->exists() &&
         (old->status.st_uid != ::geteuid() || !ownFolder(target) ||
          ::access(QFile::encodeName(target).constData(), W_OK) != 0)))
        return false;

    QByteArray bytes = old->bytes;
    const QByteArray header = '[' + section.toUtf8() + ']', name = storedKey(key).toLatin1();
    const QByteArray stored = escapedText(scramble(value)).toUtf8();
    const Place place = find(bytes, header, name);
    if (place.start >= 0) {
        bytes.replace(place.start, place.end - place.start, stored);
    } else {
        // A new line ends as the file's first line does.
        const qsizetype firstEnd = bytes.indexOf('\n');
        const QByteArray newline = firstEnd > 0 && bytes[firstEnd - 1] == '\r' ? "\r\n" : "\n";
        const qsizetype at = place.section < 0 ? bytes.size() : place.section;
        const bool joined = at == bytes.size() && !bytes.isEmpty() && !bytes.endsWith('\n');
        bytes.insert(at,
                     (joined ? newline : QByteArray()) +
                         (place.section < 0 ? header + newline : QByteArray()) + name + '=' +
                         stored + newline);
    }
    return bytes.size() <= kMaxFileBytes &&
        replace(QFile::encodeName(target), bytes,
                old->exists() ? old->status.st_mode & 07777 : 0600);
}

} // namespace toevane::settings
