#include "app/settingsstore.h"
#include "support/files.h"
#include "support/isolation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#endif

using namespace toevane;

namespace {

// Not QString::fromUcs4(), which takes a leading U+FEFF for a byte order mark.
QString fromScalar(char32_t c)
{
    if (!QChar::requiresSurrogates(c))
        return QString(QChar(char16_t(c)));
    const QChar pair[] = { QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c)) };
    return QString(pair, 2);
}

bool isOneScalar(const QString &text)
{
    const QList<uint> scalars = text.toUcs4();
    return scalars.size() == 1 && !QChar::isSurrogate(scalars[0]) && scalars[0] <= 0x10FFFF;
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestSettings(); }
    void init() { QVERIFY(m_store.emplace().isValid()); }
    void cleanup() { m_store.reset(); }

    void storeFileFollowsXdgConfigHomeInAFolderOfItsOwn_data();
    void storeFileFollowsXdgConfigHomeInAFolderOfItsOwn();
    void everyScalarValueIsReplacedByAnotherAndComesBack();
    void valuesComeBackThroughTheFile_data();
    void valuesComeBackThroughTheFile();
    void saveChangesOnlyItsOwnLine_data();
    void saveChangesOnlyItsOwnLine();
    void writeFailsWhenTheFileCannotBeWritten_data();
    void writeFailsWhenTheFileCannotBeWritten();

private:
    std::optional<FreshStore> m_store;
};

void tst_SettingsStore::storeFileFollowsXdgConfigHomeInAFolderOfItsOwn_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("folder"); // under the home folder
    QTest::newRow("absolute") << QByteArray("HOME/xdg") << "xdg";
    QTest::newRow("unset") << QByteArray() << ".config";
    QTest::newRow("relative: ignored, as the XDG rules say") << QByteArray("xdg") << ".config";
}

void tst_SettingsStore::storeFileFollowsXdgConfigHomeInAFolderOfItsOwn()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, folder);
    // Where the program keeps it, outside Qt's test mode.
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome.replace("HOME", QFile::encodeName(m_store->path())));
    QStandardPaths::setTestModeEnabled(false);
    const QString programs = settings::fileName();
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(programs,
             kStoreIsAFile ? m_store->path() + '/' + folder + "/ToevaneFree/ToevaneFree.conf"
                           : "HKEY_CURRENT_USER\\Software\\ToevaneFree\\ToevaneFree");
}

void tst_SettingsStore::everyScalarValueIsReplacedByAnotherAndComesBack()
{
    // As every version so far has stored them (older files must stay readable).
    QCOMPARE(settings::scramble(QString::fromUcs4(U"\u00E9\U0001F600")),
             QString::fromUcs4(U"\u038C\U0001F8A3"));
    QCOMPARE(settings::storedKey(u"a/b"), QString("L_000021c"));
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString plain = fromScalar(c);
        const QString forward = settings::scramble(plain);
        const QString backward = settings::unscramble(plain);
        const bool ok = isOneScalar(forward) && forward != plain &&
            settings::unscramble(forward) == plain && isOneScalar(backward) &&
            settings::scramble(backward) == plain;
        if (!ok)
            QFAIL(qPrintable(QString("U+%1 does not survive scrambling").arg(uint(c), 4, 16)));
    }
}

void tst_SettingsStore::valuesComeBackThroughTheFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // clang-format off
    QTest::newRow("date") << "Duration" << "2024-03-10";
    QTest::newRow("looks like a list") << "Duration" << "a, b";
    QTest::newRow("blanks around") << "Duration" << "  x  ";
    QTest::newRow("control characters") << "Duration" << QString::fromLatin1("\r\n\t\x01\x7f");
    QTest::newRow("quotes and equals") << "Duration" << "\"=;#[x]";
    QTest::newRow("non-characters and astral") << "Duration" << QString::fromUcs4(U"\uFFFE\uFFFF\U0010FFFF\u00E9");
    QTest::newRow("lone surrogates") << "Duration" << QString(QChar(0xD800)) + "a" + QChar(0xDC00);
    QTest::newRow("digits as key") << "0123456789" << "v";
    QTest::newRow("key with separators") << "a/b\\c" << "v";
    QTest::newRow("key of what the escape marker maps from") << "_-^~ " << "v";
    QTest::newRow("non-ASCII key") << QString::fromUcs4(U"D\u00FCr\U0001F600") << "v";
    // clang-format on
}

void tst_SettingsStore::valuesComeBackThroughTheFile()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(settings::write("Settings", key, "older"));
    QVERIFY(settings::write("Settings", key, value));
    QCOMPARE(settings::read("Settings", key), value);
    // The key stands in the file as a plain settings key, always the same.
    const QString stored = settings::storedKey(key);
    QVERIFY2(QRegularExpression("^[A-Za-z0-9_]+$").match(stored).hasMatch(), qPrintable(stored));
    QVERIFY(!stored.contains(key) && settings::storedKey(key) == stored);
    const QSettings qt(settings::fileName(), QSettings::NativeFormat);
    QCOMPARE(qt.allKeys(), QStringList { "Settings/" + stored });
    if (!kStoreIsAFile)
        return;
    // QSettings reads the value, and the store what QSettings wrote, as
    // earlier versions did (as UTF-8, which holds no lone surrogates).
    QCOMPARE(settings::unscramble(qt.value("Settings/" + stored).toString()), value);
    if (value.isValidUtf16()) {
        QVERIFY(QFile::remove(settings::fileName()));
        QSettings(settings::fileName(), QSettings::IniFormat)
            .setValue("Settings/" + stored, settings::scramble(value));
        QCOMPARE(settings::read("Settings", key), value);
    }
}

void tst_SettingsStore::saveChangesOnlyItsOwnLine_data()
{
    // The date 2024-03-10 as every version writes it, and 2024-03-09.
    const QByteArray line = "2p0LYXBu=1T1Z^TI^kT", older = "2p0LYXBu=1T1Z^TI^Tw";
    const QByteArray clean = "[Settings]\n" + line + '\n',
                     olderFile = "[Settings]\n" + older + '\n';
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QByteArray>("after"); // the same: not written
    QTest::addColumn<QString>("readBefore");
    QTest::addColumn<int>("sizeLimit"); // for the save's writes; 0: none
    const auto row = [](const char *name, const QByteArray &before, const QByteArray &after,
                        const char *readBefore = "") {
        QTest::newRow(name) << before << after << QString(readBefore) << 0;
    };
    row("no file", QByteArray(), clean);
    row("no [Settings], no line end", "[A]\nx=1", "[A]\nx=1\n" + clean);
    row("[Settings] without the key", "[Settings]\n;c\nx=1\n[B]\n",
        "[Settings]\n" + line + "\n;c\nx=1\n[B]\n");
    row("comments and blanks", "; top\n[Settings] ;c\n\t2p0LYXBu =\t1T1Z^TI^Tw \r\n;n\n",
        "; top\n[Settings] ;c\n\t2p0LYXBu =\t1T1Z^TI^kT \r\n;n\n", "2024-03-09");
    row("a value continued with '\\': the next line stays", "[Settings]\n2p0LYXBu=1T1Z\\\n^TI^Tw\n",
        "[Settings]\n" + line + "\n^TI^Tw\n", "2024{");
    row("the last line ends in a '\\' continuation", "[Paths]\nlast=C:\\Temp\\\n",
        "[Paths]\nlast=C:\\Temp\\\n" + clean);
    row("a quote never closed", "k=\"v\n" + olderFile, "k=\"v\n" + clean, "2024-03-09");
    row("CRLF", "[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n[Settings]\r\n" + line + "\r\n");
    row("BOM", "\xEF\xBB\xBF" + olderFile, "\xEF\xBB\xBF" + clean, "2024-03-09");
    row("names in another case are other names", "[settings]\n2p0LYXBu=1\n[Settings]\n2P0LYXBU=1\n",
        "[settings]\n2p0LYXBu=1\n[Settings]\n" + line + "\n2P0LYXBU=1\n");
    row("the last line of the last [Settings] counts",
        olderFile + older + "\n[B]\n[Settings]\n" + older + "\n" + older + "\n",
        olderFile + older + "\n[B]\n[Settings]\n" + older + "\n" + line + "\n", "2024-03-09");
    row("a later [Settings] without the key", olderFile + "[Settings]\nx=1\n",
        olderFile + clean + "x=1\n");
    row("control bytes", olderFile + "x=\x01\n", clean + "x=\x01\n", "2024-03-09");
    const QByteArray mebibyte =
        olderFile + QByteArray((1 << 20) - olderFile.size() - 1, ';') + '\n';
    row("1 MiB", mebibyte, QByteArray(mebibyte).replace(older, line), "2024-03-09");
    const QByteArray withoutLine = ';' + mebibyte.sliced(olderFile.size());
    row("just under 1 MiB without the line: it would not fit", withoutLine, withoutLine);
    row("over 1 MiB: left alone", mebibyte + '\n', mebibyte + '\n');

    QTemporaryDir folder;
    const QString others = folder.filePath("others.conf");
    {
        QSettings written(others, QSettings::IniFormat);
        written.setValue("bytes", QByteArray("\0\x01\xff", 3));
        written.setValue("rect", QRect(1, 2, 3, 4));
        written.setValue("map", QVariantMap { { "k", 1 } });
        written.setValue("empty", QStringList());
        written.setValue("general/x", 1);
    }
    row("values of any type, as QSettings writes them", fileBytes(others),
        fileBytes(others) + clean);
#ifdef Q_OS_LINUX
    // Each write of the save runs into the limit (EFBIG) after a few bytes.
    QTest::newRow("failed write: the file stays") << olderFile + "x=1\n"
                                                  << olderFile + "x=1\n"
                                                  << "2024-03-09" << 8;
#endif
}

void tst_SettingsStore::saveChangesOnlyItsOwnLine()
{
    FILE_STORE_ONLY();
#ifdef Q_OS_UNIX
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, readBefore);
    QFETCH(int, sizeLimit);
    const QString path = settings::fileName();
    QStringList beside { "ToevaneFree.conf" };
    if (!before.isNull()) {
        // QSettings' lock, a FIFO, and a name like a killed save's: left alone.
        QVERIFY(writeFileBytes(path, before) && writeFileBytes(path + ".aBcXyZ", {}));
        QCOMPARE(::mkfifo(QFile::encodeName(path + ".lock").constData(), 0600), 0);
        beside << "ToevaneFree.conf.aBcXyZ"
               << "ToevaneFree.conf.lock";
    }
    QCOMPARE(settings::read("Settings", "Duration"), readBefore);
    // The save must not die of SIGXFSZ: the limit must show as a failed write.
    rlimit unlimited {};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited { rlim_t(sizeLimit), unlimited.rlim_max };
    if (sizeLimit)
        ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = settings::write("Settings", "Duration", "2024-03-10");
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    QCOMPARE(fileBytes(path), after);
    QCOMPARE(written, after != before);
    QCOMPARE(settings::read("Settings", "Duration"), written ? "2024-03-10" : readBefore);
    QCOMPARE(QDir(QFileInfo(path).absolutePath())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
             beside);
    // Folders made for the file are this user's alone.
    if (before.isNull())
        QCOMPARE(QFile::permissions(QFileInfo(path).absolutePath()).toInt() & 0x0077, 0);
#endif
}

void tst_SettingsStore::writeFailsWhenTheFileCannotBeWritten_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("readAfter");
    // clang-format off
    QTest::newRow("folder where the file belongs") << "folder" << "";
    QTest::newRow("plain file where the folder belongs") << "file" << "";
    QTest::newRow("dangling link") << "dangling" << "";
    QTest::newRow("immutable file") << "immutable" << "kept";
    QTest::newRow("file with mode 000") << "mode000" << "";
    QTest::newRow("write-only file") << "writeonly" << "";
    QTest::newRow("read-only file") << "readonly" << "kept";
    QTest::newRow("another user's file, run as root") << "foreign" << "kept";
    QTest::newRow("another user's folder, run as root") << "foreign folder" << "";
    // clang-format on
}

void tst_SettingsStore::writeFailsWhenTheFileCannotBeWritten()
{
    FILE_STORE_ONLY();
#ifdef Q_OS_UNIX
    QFETCH(QString, obstacle);
    QFETCH(QString, readAfter);
    if (obstacle.contains("only") || obstacle == "mode000"
            ? geteuid() == 0
            : obstacle.startsWith("foreign") && geteuid() != 0)
        QSKIP("file permissions do not stop root; only root can make files of other users");

    const QString path = settings::fileName(), folder = QFileInfo(path).absolutePath();
    if (obstacle == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (obstacle == "file") {
        QVERIFY(writeFileBytes(folder, "not a folder"));
    } else if (obstacle == "dangling") {
        QVERIFY(QDir().mkpath(folder) && QFile::link(folder + "/gone", path));
    } else if (obstacle == "foreign folder") {
        QVERIFY(QDir().mkpath(folder) &&
                ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
    } else {
        // Never read by this process before, as at a real start.
        QVERIFY(writeFileBytes(path,
                               "[Settings]\n" + settings::storedKey(u"Duration").toLatin1() + "=" +
                                   settings::scramble(u"kept").toLatin1() + "\n"));
        const QByteArray name = QFile::encodeName(path);
        if (obstacle == "mode000" || obstacle.endsWith("only"))
            QCOMPARE(::chmod(name.constData(),
                             obstacle == "readonly"        ? 0400
                                 : obstacle == "writeonly" ? 0200
                                                           : 0),
                     0);
        else if (obstacle == "foreign")
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        else if (QProcess::execute("chattr", { "+i", path }) != 0)
            QSKIP("chattr +i is not available here");
        else
            m_store->immutable = path;
    }
    const QByteArray before = fileBytes(path);
    struct stat status;
    const bool existed = ::lstat(QFile::encodeName(path).constData(), &status) == 0;

    QVERIFY(!settings::write("Settings", "Duration", "new"));
    QCOMPARE(fileBytes(path), before);
    struct stat now;
    QCOMPARE(::lstat(QFile::encodeName(path).constData(), &now) == 0, existed);
    QVERIFY(!existed || (now.st_ino == status.st_ino && now.st_uid == status.st_uid));
    // What could not be written is not read back either.
    QCOMPARE(settings::read("Settings", "Duration"), readAfter);
#endif
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
