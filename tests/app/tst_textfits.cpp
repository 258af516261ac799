// The windows as the user sees them: every text fits its control with the
// stand-in font, is translated and announced by its own caption; pictures
// match the screen's pixel density; windows and button faces look as Fusion
// draws them; right to left, windows are mirrored with access keys drawn
// whole; a failed save is told in the user's language in a box on the screen.
//
// tests/e2e/textfits.py runs these again with other fonts, scale factors and
// languages, named in TOEVANE_TEXTFIT_FAMILY, TOEVANE_TEXTFIT_SCALE and
// TOEVANE_TEST_LANGUAGE; initTestCase confirms they took effect.

#include "about/frmabout.h"
#include "app/language.h"
#include "app/startup.h"
#include "common/look.h"
#include "common/platform.h"
#include "common/style.h"
#include "exit_screen/frmnagscreen2.h"
#include "questionnaire/frmmain.h"
#include "questionnaire/reading.h"
#include "results/frmdisplay.h"
#include "support/isolation.h"
#include "support/textfit.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>
#include <optional>

using namespace toevane;

namespace {

using Make = std::function<QWidget *()>;

// The window `make` builds, shown and exposed; null if it never is.
std::unique_ptr<QWidget> shownOnScreen(const Make &make)
{
    std::unique_ptr<QWidget> window(make());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        window.reset();
    return window;
}

// Passes every lookup on to the program's translation and notes the texts it
// has an entry for: a word written as in English ("File" in Italian) counts
// as translated, a text that never went through the translation does not.
class TranslatedTexts : public QTranslator
{
public:
    explicit TranslatedTexts(const QString &language)
    {
        if (m_language.load(QStringLiteral(":/translations/toevane_") + language))
            QCoreApplication::installTranslator(this);
    }
    ~TranslatedTexts() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        QString text = m_language.translate(context, source, disambiguation, n);
        if (!text.isEmpty())
            m_seen.insert(text);
        return text;
    }
    bool isEmpty() const override { return false; }
    bool has(const QString &text) const { return m_seen.contains(text); }

private:
    QTranslator m_language;
    mutable QSet<QString> m_seen;
};

// Fusion, with access keys underlined where the program's style does.
struct Fusion : QProxyStyle
{
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        return (hint == SH_UnderlineShortcut ? static_cast<const QStyle &>(program) : *baseStyle())
            .styleHint(hint, option, widget, data);
    }
    Style program;
};

// Where the visible controls that the program places itself (not through a
// layout; Qt's own parts aside) sit, by name, in the order they were made;
// mirrored, measured from the right edge.
QStringList places(const QWidget *window, bool mirrored)
{
    QStringList places;
    for (const QWidget *c : window->findChildren<QWidget *>()) {
        if (!c->isWindow() && !c->parentWidget()->layout() && c->isVisibleTo(window) &&
            !c->objectName().startsWith(QLatin1String("qt_")))
            places << QStringLiteral("%1 at %2,%3")
                          .arg(c->objectName())
                          .arg(mirrored ? c->parentWidget()->width() - c->x() - c->width() : c->x())
                          .arg(c->y());
    }
    return places;
}

// The About window and the exit screen.
void addAboutAndExitScreen()
{
    QTest::newRow("about") << Make([] { return new frmAbout; });
    QTest::newRow("exit screen") << Make([] {
        static Random random;
        return new frmNagScreen2(random);
    });
}

} // namespace

class TextFitsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void everyCaptionIsTranslatedAnnouncedAndGivenAnAccessKeyOfItsOwn_data();
    void everyCaptionIsTranslatedAnnouncedAndGivenAnAccessKeyOfItsOwn();
    void everyPictureIsDrawnForTheScreensPixelDensity_data();
    void everyPictureIsDrawnForTheScreensPixelDensity();
    void everyWindowLooksAsFusionDrawsIt_data();
    void everyWindowLooksAsFusionDrawsIt();
    void aButtonFaceLooksAsFusionDrawsItInEveryState_data();
    void aButtonFaceLooksAsFusionDrawsItInEveryState();
    void theOverflowArrowIsFusionsOwn_data();
    void theOverflowArrowIsFusionsOwn();
    void aFailedSaveIsToldInTheUsersLanguageOnTheScreen_data();
    void aFailedSaveIsToldInTheUsersLanguageOnTheScreen();
};

void TextFitsTest::initTestCase()
{
    isolateTestSettings();
    // The language as the program takes it, Qt's own texts too (carried inside on Windows).
    if (const QString language = qEnvironmentVariable("TOEVANE_TEST_LANGUAGE");
        !language.isEmpty()) {
        QCOMPARE(useLanguage({ language }), language);
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes);
        QCOMPARE_NE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
    }
    QApplication::setStyle(new Style);
    // Layouts are in device-independent pixels at 96 logical dpi, also when scaled.
    QCOMPARE(qRound(qApp->primaryScreen()->logicalDotsPerInch()), 96);
    if (const QString scale = qEnvironmentVariable("TOEVANE_TEXTFIT_SCALE"); !scale.isEmpty())
        QCOMPARE(qApp->primaryScreen()->devicePixelRatio(), scale.toDouble());
    if (const QString family = qEnvironmentVariable("TOEVANE_TEXTFIT_FAMILY"); !family.isEmpty()) {
        for (const QFont &font : { look::verdana(8.25), look::verdana(8.25, look::Weight::Bold),
                                   look::sansSerif(8.25) })
            QCOMPARE(QFontInfo(font).family(), family);
    }
}

void TextFitsTest::everyTextFitsItsControl_data()
{
    QTest::addColumn<Make>("make");
    for (int page = 0; page < catalogue::kQuestionCount; ++page) {
        QTest::addRow("questionnaire, page %d", page) << Make([page] {
            auto *questionnaire = new frmMain;
            questionnaire->ShowPage(page);
            return questionnaire;
        });
    }
    // Answer n on every page (the last one where a page has fewer): together
    // the rows show every caption and text of the catalogue. Answer -1 leaves
    // the results window as it opens.
    for (int answer = -1; answer < 6; ++answer) {
        QTest::addRow("results, answer %d", answer) << Make([answer] {
            auto *display = new frmDisplay;
            ApplyReading(ComposeReading([answer](int page, int index) {
                             return index ==
                                 std::min(answer, catalogue::question(page).answerCount() - 1);
                         }),
                         *display);
            return display;
        });
    }
}

void TextFitsTest::everyTextFitsItsControl()
{
    QFETCH(Make, make);
    const std::unique_ptr<QWidget> window = shownOnScreen(make);
    QVERIFY(window);
    const QStringList problems = textThatDoesNotFit(window.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TextFitsTest::everyCaptionIsTranslatedAnnouncedAndGivenAnAccessKeyOfItsOwn_data()
{
    everyWindowLooksAsFusionDrawsIt_data();
    QTest::newRow("question") << Make([] {
        return new QMessageBox(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    });
}

void TextFitsTest::everyCaptionIsTranslatedAnnouncedAndGivenAnAccessKeyOfItsOwn()
{
    // Every text differs from its English source, but the window's title
    // (also shown inside the About window and the exit screen).
    QFETCH(Make, make);
    const QString language = qEnvironmentVariable("TOEVANE_TEST_LANGUAGE");
    std::optional<TranslatedTexts> translated;
    if (!language.isEmpty())
        translated.emplace(language);
    const std::unique_ptr<QWidget> window = shownOnScreen(make);
    if (translated)
        QVERIFY(QCoreApplication::removeTranslator(&*translated));
    QVERIFY(window);
    QStringList problems =
        accessKeysUsedTwice(window.get()) + wordsBrokenAtAccessKeys(window.get());
    // Written right to left, the window is mirrored: each control sits as far
    // from the right edge as the program placed it from the left.
    const bool mirrored = QLocale(language).textDirection() == Qt::RightToLeft;
    QCOMPARE(window->layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    const std::unique_ptr<QWidget> given(make()); // never shown: the places as given
    QCOMPARE(places(window.get(), mirrored), places(given.get(), false));
    if (!qobject_cast<QMessageBox *>(given.get())) // Qt's own box is Qt's to announce
        problems << controlsNotNamedByTheirCaption(given.get());
    if (!language.isEmpty()) {
        language::uninstall();
        const std::unique_ptr<QWidget> english(make());
        const QMap<QString, QString> sources = controlTexts(english.get());
        QCOMPARE(language::install({ language }), language);
        const QMap<QString, QString> texts = controlTexts(window.get());
        QCOMPARE(texts.keys(), sources.keys());
        for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
            // Qt's own texts (a message box's buttons) are Qt's translation's.
            if (text.value() == sources.value(text.key()) && !text.key().startsWith(u"qt_") &&
                text.value() != window->windowTitle() && !translated->has(text.value()))
                problems << text.key() + QStringLiteral(" is not translated: ") + text.value();
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TextFitsTest::everyPictureIsDrawnForTheScreensPixelDensity_data()
{
    QTest::addColumn<Make>("make");
    addAboutAndExitScreen();
}

void TextFitsTest::everyPictureIsDrawnForTheScreensPixelDensity()
{
    // One image pixel for every screen pixel: a picture made for fewer
    // pixels (an icon without a rendition large enough) comes with a smaller
    // pixel ratio than the window's and is drawn scaled up, blurred.
    QFETCH(Make, make);
    const std::unique_ptr<QWidget> window = shownOnScreen(make);
    QVERIFY(window);
    QList<qreal> ratios;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            ratios << label->pixmap().devicePixelRatio();
    }
    QCOMPARE(ratios, QList<qreal>({ window->devicePixelRatioF() })); // the program's icon only
}

void TextFitsTest::everyWindowLooksAsFusionDrawsIt_data()
{
    everyTextFitsItsControl_data();
    addAboutAndExitScreen();
}

void TextFitsTest::everyWindowLooksAsFusionDrawsIt()
{
    QFETCH(Make, make);
    QApplication::setCursorFlashTime(0); // a text cursor stays as it is between the pictures
    const std::unique_ptr<QWidget> window = shownOnScreen(make);
    QVERIFY(window);
    QApplication::setStyle(new Fusion(QStringLiteral("Fusion")));
    const QImage fusion = window->grab().toImage();
    QApplication::setStyle(new Style);
    const QImage program = window->grab().toImage();
    QCOMPARE(program, fusion);
}

namespace {

struct FaceState
{
    const char *name;
    QStyle::State state;
    QStyleOptionButton::ButtonFeatures features = {};
};

const FaceState kFaces[] {
    { "raised", QStyle::State_Enabled | QStyle::State_Raised },
    { "pressed", QStyle::State_Enabled | QStyle::State_Sunken },
    { "checked", QStyle::State_Enabled | QStyle::State_On },
    { "focused", QStyle::State_Enabled | QStyle::State_HasFocus },
    { "hovered", QStyle::State_Enabled | QStyle::State_MouseOver },
    { "default", QStyle::State_Enabled, QStyleOptionButton::DefaultButton },
    { "flat", QStyle::State_Enabled, QStyleOptionButton::Flat },
    { "disabled", QStyle::State_None },
};

QImage buttonFace(const QStyle &style, const QPushButton &button, const FaceState &face)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.state = face.state;
    option.features = face.features;
    QImage picture(option.rect.size() + QSize(10, 10), QImage::Format_ARGB32_Premultiplied);
    picture.fill(look::kPurple);
    QPainter painter(&picture);
    option.rect.moveTopLeft(QPoint(5, 5));
    style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, &button);
    return picture;
}

} // namespace

void TextFitsTest::aButtonFaceLooksAsFusionDrawsItInEveryState_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kFaces)); ++i)
        QTest::newRow(kFaces[i].name) << i;
}

void TextFitsTest::aButtonFaceLooksAsFusionDrawsItInEveryState()
{
    // Every state is drawn twice first, so that the face comes from what the
    // program's style keeps. Fusion draws for the application's pixel ratio:
    // its faces at ratio 1, in buttonfaces.png one below the other, stand in
    // at other scale factors (where rounding may differ by a step or two).
    QFETCH(int, index);
    QWidget window;
    QPushButton *button = look::greyButton(QStringLiteral("cmdTest"), QStringLiteral("&Test"),
                                           QRect(0, 0, 97, 25), &window);
    Style style;
    for (int pass = 0; pass < 2; ++pass) {
        for (const FaceState &face : kFaces)
            buttonFace(style, *button, face);
    }
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const FaceState &face = kFaces[index];
    const QImage drawn = buttonFace(style, *button, face);
    const QImage kept = QImage(QFINDTESTDATA("app/buttonfaces.png"))
                            .copy(0, index * drawn.height(), drawn.width(), drawn.height())
                            .convertToFormat(drawn.format());
    const bool fusionsRatio = qApp->devicePixelRatio() == 1.0;
    if (fusionsRatio)
        QCOMPARE(drawn, buttonFace(*fusion, *button, face));
    QCOMPARE(kept.size(), drawn.size());
    int apart = 0; // in any colour of any pixel
    for (qsizetype i = 0; i < drawn.sizeInBytes(); ++i)
        apart = qMax(apart, qAbs(drawn.constBits()[i] - kept.constBits()[i]));
    QCOMPARE_LE(apart, fusionsRatio ? 0 : 3);
}

void TextFitsTest::theOverflowArrowIsFusionsOwn_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("icon");
    QTest::addColumn<int>("direction"); // 0: no option, the program's direction
    const auto horizontal = QStyle::SP_ToolBarHorizontalExtensionButton;
    const auto vertical = QStyle::SP_ToolBarVerticalExtensionButton;
    QTest::newRow("horizontal") << horizontal << int(Qt::LeftToRight);
    QTest::newRow("horizontal, right to left") << horizontal << int(Qt::RightToLeft);
    QTest::newRow("horizontal, no option") << horizontal << 0;
    QTest::newRow("vertical") << vertical << int(Qt::LeftToRight);
    QTest::newRow("vertical, right to left") << vertical << int(Qt::RightToLeft);
}

void TextFitsTest::theOverflowArrowIsFusionsOwn()
{
    QFETCH(QStyle::StandardPixmap, icon);
    QFETCH(int, direction);
    QStyleOption option;
    option.direction = Qt::LayoutDirection(direction);
    const QStyleOption *given = direction ? &option : nullptr;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon expected = fusion->standardIcon(icon, given);
    const QIcon actual = Style().standardIcon(icon, given);
    QCOMPARE(actual.availableSizes(), expected.availableSizes());
    QVERIFY(!expected.availableSizes().isEmpty());
    for (const QSize &size : expected.availableSizes())
        QCOMPARE(actual.pixmap(size, 1.0).toImage(), expected.pixmap(size, 1.0).toImage());
}

void TextFitsTest::aFailedSaveIsToldInTheUsersLanguageOnTheScreen_data()
{
    QTest::addColumn<savefile::Problem>("problem");
    QTest::newRow("a folder's name") << savefile::Problem::NameIsAFolder;
    QTest::newRow("no such folder") << savefile::Problem::NoSuchFolder;
    QTest::newRow("not allowed") << savefile::Problem::NotAllowed;
    QTest::newRow("disk full") << savefile::Problem::DiskFull;
    QTest::newRow("any other") << savefile::Problem::Failed;
}

void TextFitsTest::aFailedSaveIsToldInTheUsersLanguageOnTheScreen()
{
    // A long name, as a user's documents folder gives it, told in full.
    QFETCH(savefile::Problem, problem);
    const QString path = QDir::homePath() +
        QStringLiteral("/Documents/Readings of the whole family/Toevane reading 2026-12-08.pdf");
    const QString text = saveProblemText(problem, path);
    QCOMPARE(text.count(QDir::toNativeSeparators(path)), 1);
    if (const QString language = qEnvironmentVariable("TOEVANE_TEST_LANGUAGE");
        !language.isEmpty()) {
        language::uninstall();
        const QString english = saveProblemText(problem, path);
        QCOMPARE(language::install({ language }), language);
        QCOMPARE_NE(text, english);
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Toevane"), text);
    box.setTextFormat(Qt::PlainText);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.screen()->availableGeometry().contains(box.frameGeometry()));
}

QTEST_MAIN(TextFitsTest)
#include "tst_textfits.moc"
