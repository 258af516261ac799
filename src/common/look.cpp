#include "common/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QShortcutEvent>
#include <QWidget>

namespace toevane::look {

namespace {

// The face every text is laid out for where the named one is missing (as
// Verdana and MS Sans Serif are on Linux desktops): named after it, so that
// every system shows what the layout was made with, not whatever fontconfig
// picks.
const QString &standIn()
{
    static const QString family = QStringLiteral("DejaVu Sans");
    return family;
}

// The family to ask for: the named one where it is installed, else the
// stand-in by its own name. Asked for by a missing name, Qt would search
// fontconfig's fallbacks again for every size and weight, which costs a start
// more than building all its windows.
QStringList familiesFor(const QString &family)
{
    static QHash<QString, bool> installed;
    auto it = installed.find(family);
    if (it == installed.end())
        it = installed.insert(family,
                              QFontDatabase::families().contains(family, Qt::CaseInsensitive));
    return it.value() ? QStringList { family, standIn() } : QStringList { standIn() };
}

QFont makeFont(const QString &family, qreal pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(familiesFor(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

const QFont &cachedFont(const QString &family, qreal pointSize, bool bold, bool underline)
{
    static QHash<QString, QFont> cache;
    const QString key = family + u'/' + QString::number(pointSize) + u'/' +
        QString::number(int(bold)) + QString::number(int(underline));
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, makeFont(family, pointSize, bold, underline));
    return it.value();
}

} // namespace

const QFont &verdana(qreal pointSize, Weight weight, Underline underline)
{
    return cachedFont(QStringLiteral("Verdana"), pointSize, weight == Weight::Bold,
                      underline == Underline::Yes);
}

const QFont &sansSerif(qreal pointSize)
{
    return cachedFont(QStringLiteral("MS Sans Serif"), pointSize, false, false);
}

void fitOnOneLine(QLabel *label)
{
    constexpr qreal kStep = 0.1, kMostTightening = 0.6; // pixels between letters
    QFont font = label->font();
    const int room = label->contentsRect().width() - 2 * label->margin();
    for (qreal spacing = 0;
         QFontMetrics(font).size(0, label->text()).width() > room && spacing > -kMostTightening;) {
        spacing -= kStep;
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    label->setFont(font);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setButtonColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, color);
    palette.setColor(QPalette::ButtonText, kBlack);
    widget->setPalette(palette);
}

namespace {

class AccessKeyPress : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        auto *button = static_cast<QAbstractButton *>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void pressAtOnceOnAccessKey(QAbstractButton *button)
{
    button->installEventFilter(new AccessKeyPress(button));
}

QPushButton *greyButton(const QString &objectName, const QString &caption, const QRect &geometry,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setFont(verdana(8.25, Weight::Bold));
    button->setAutoDefault(true);
    pressAtOnceOnAccessKey(button);
    setButtonColor(button, kLightGrey);
    return button;
}

} // namespace toevane::look
