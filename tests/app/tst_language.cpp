// The language of the texts, from the user's locale settings.

#include "app/language.h"

#include <QTest>

using namespace toevane;

class LanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneRuleWhateverOfTheLocaleSettingsIsSet_data();
    void oneRuleWhateverOfTheLocaleSettingsIsSet();
};

void LanguageTest::oneRuleWhateverOfTheLocaleSettingsIsSet_data()
{
    for (const char *column : { "LANGUAGE", "lcAll", "lcMessages", "LANG" }) // LC_ALL, LC_MESSAGES
        QTest::addColumn<QString>(column);
    QTest::addColumn<QString>("chosen"); // empty: English
    // clang-format off
    QTest::newRow("territory, BCP 47") << "de-DE:en-US" << "" << "" << "de_DE.UTF-8" << "de";
    QTest::newRow("territory, modifier") << "" << "" << "" << "de_DE@euro" << "de";
    QTest::newRow("Brazil") << "" << "" << "" << "pt_BR.UTF-8" << "pt_BR";
    QTest::newRow("Portugal") << "" << "" << "" << "pt_PT.UTF-8" << "pt_BR";
    QTest::newRow("Portugal, LANGUAGE") << "pt_PT:pt" << "" << "" << "pt_PT.UTF-8" << "pt_BR";
    QTest::newRow("China, script") << "zh-Hans-CN" << "" << "" << "zh_CN.UTF-8" << "zh_CN";
    QTest::newRow("Singapore") << "" << "" << "" << "zh_SG.UTF-8" << "zh_CN";
    QTest::newRow("Simplified") << "zh-Hans" << "" << "" << "en_US.UTF-8" << "zh_CN";
    QTest::newRow("Taiwan") << "" << "" << "" << "zh_TW.UTF-8" << "";
    QTest::newRow("Taiwan, LANGUAGE") << "zh_TW:zh" << "" << "" << "zh_TW.UTF-8" << "";
    QTest::newRow("Hong Kong, LANGUAGE") << "zh_HK:zh" << "" << "" << "zh_HK.UTF-8" << "";
    QTest::newRow("Macau") << "" << "" << "" << "zh_MO.UTF-8" << "";
    QTest::newRow("Traditional, then French") << "zh-Hant:zh:fr_CA" << "" << "" << "fr_CA.UTF-8" << "fr";
    QTest::newRow("LC_ALL over LANG") << "" << "ja_JP.UTF-8" << "" << "de_DE.UTF-8" << "ja";
    QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "ru_RU.UTF-8" << "de_DE.UTF-8" << "ru";
    QTest::newRow("LC_ALL C over LANGUAGE") << "de" << "C" << "" << "de_DE.UTF-8" << "";
    QTest::newRow("LC_MESSAGES POSIX over LANGUAGE") << "de" << "" << "POSIX" << "de_DE.UTF-8" << "";
    QTest::newRow("LANG C.UTF-8 over LANGUAGE") << "de" << "" << "" << "C.UTF-8" << "";
    QTest::newRow("no locale") << "de" << "" << "" << "" << "";
    QTest::newRow("English ends") << "he:C::x!:en_GB:de" << "" << "" << "de_DE.UTF-8" << "";
    // clang-format on
}

void LanguageTest::oneRuleWhateverOfTheLocaleSettingsIsSet()
{
    QFETCH(QString, LANGUAGE);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, LANG);
    QFETCH(QString, chosen);
    QCOMPARE(language::choose(language::fromEnvironment(LANGUAGE, lcAll, lcMessages, LANG)),
             chosen);
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
