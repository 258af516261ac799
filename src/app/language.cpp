#include "app/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <utility>

namespace toevane::language {

namespace {

// Where the build puts the compiled translations: the program's own, and on
// Windows Qt's, which the system does not have there.
constexpr auto kOwnFolder = ":/translations";
constexpr auto kQtFolder = ":/translations/qt";

// The translators installed, the program's and Qt's.
QTranslator *installed[2] = {};

// Whether the program carries a translation of that name. Looked up one by
// one: listing the folder costs the start a third of a megabyte.
bool carries(const QString &name)
{
    return QFileInfo::exists(QLatin1String(kOwnFolder) + QStringLiteral("/toevane_") + name +
                             QStringLiteral(".qm"));
}

} // namespace

QStringList fromEnvironment(const QString &language, const QString &lcAll,
                            const QString &lcMessages, const QString &lang)
{
    const QString &locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return {};
    if (const QStringList list = language.split(u':', Qt::SkipEmptyParts); !list.isEmpty())
        return list;
    return { locale };
}

QString choose(const QStringList &uiLanguages, const Drawable &drawable)
{
    QList<QLocale::Language> seen;
    for (const QString &uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        if (locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C)
            continue;
        // Debian writes "pt_PT:pt" and "zh_TW:zh": the bare name is the
        // territory's language again, not Qt's likeliest (pt_BR, zh_CN).
        const bool bare = !uiLanguage.contains(u'-') && !uiLanguage.contains(u'_');
        if (bare && seen.contains(locale.language()))
            continue;
        seen.append(locale.language());
        // One translation per language, Portuguese Brazil's; Chinese one per
        // script, the Traditional one (zh_TW) not made yet.
        QString name = QLocale::languageToCode(locale.language());
        if (locale.language() == QLocale::Portuguese)
            name = QStringLiteral("pt_BR");
        else if (locale.language() == QLocale::Chinese)
            name = locale.script() == QLocale::SimplifiedHanScript ? QStringLiteral("zh_CN")
                                                                   : QStringLiteral("zh_TW");
        if (carries(name) && (!drawable || drawable(QLocale(name).script())))
            return name;
    }
    return {};
}

QString install(const QStringList &uiLanguages, const Drawable &drawable)
{
    uninstall();
    const QString name = choose(uiLanguages, drawable);
    if (name.isEmpty())
        return {};
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("toevane_") + name, QLatin1String(kOwnFolder)))
        return {};
    // Qt's own texts (Yes, No, the text boxes' menu) where they are found.
    auto qt = std::make_unique<QTranslator>();
    const QString qtFile = QStringLiteral("qtbase_") + name;
    if (qt->load(qtFile, QLatin1String(kQtFolder)) ||
        qt->load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed[1] = qt.release();
        QCoreApplication::installTranslator(installed[1]);
    }
    installed[0] = own.release();
    QCoreApplication::installTranslator(installed[0]);
    return name;
}

void uninstall()
{
    for (QTranslator *&translator : installed) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete std::exchange(translator, nullptr);
    }
}

} // namespace toevane::language
