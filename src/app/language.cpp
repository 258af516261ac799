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

QString choose(const QStringList &uiLanguages)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        if (locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C)
            continue;
        // "pt-BR" and "pt_BR" are pt_BR, "zh-Hans-CN", "zh-CN" and "zh-Hans"
        // zh_CN, "de-AT" de; "pt-PT" is neither pt_BR nor pt, nor are "pt"
        // and "zh" alone a territory's language.
        const bool specific = uiLanguage.contains(u'-') || uiLanguage.contains(u'_');
        if (specific && carries(locale.name()))
            return locale.name();
        if (const QString language = QLocale::languageToCode(locale.language()); carries(language))
            return language;
    }
    return {};
}

QString install(const QStringList &uiLanguages)
{
    uninstall();
    const QString name = choose(uiLanguages);
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
