#include "app/settingsstore.h"

#include <string_view>

namespace toevane::settings {

namespace {

// ASCII letters and digits: i -> 17 i + 29 (mod 62). 17 * 11 = 187 = 1 (mod 62),
// and 16 i = -29 has no solution because the left side is even and 62 - 29
// odd: no character maps to itself.
constexpr std::u16string_view kAlnum =
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr qsizetype kAlnumCount = 62;
constexpr qsizetype kAlnumFactor = 17, kAlnumFactorInverse = 11, kAlnumShift = 29;

// The other printable ASCII characters, space first: i -> 4 i + 7 (mod 33).
// 4 * 25 = 100 = 1 (mod 33); 3 i = -7 has no solution (3 does not divide 26).
constexpr std::u16string_view kPunct = u" !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
constexpr qsizetype kPunctCount = 33;
constexpr qsizetype kPunctFactor = 4, kPunctFactorInverse = 25, kPunctShift = 7;

// Every other scalar value: the C0 controls, DEL, U+0080..U+D7FF and
// U+E000..U+10FFFF, numbered in that order and turned by a fixed distance.
constexpr char32_t kLowEnd = 0xD800, kHighStart = 0xE000, kLastScalar = 0x10FFFF;
constexpr qint64 kControlCount = 33; // U+0000..U+001F and U+007F
constexpr qint64 kLowCount = kLowEnd - 0x80;
constexpr qint64 kOtherCount = kControlCount + kLowCount + (kLastScalar + 1 - kHighStart);
constexpr qint64 kOtherShift = 0x2A3;

static_assert(kAlnum.size() == kAlnumCount && kPunct.size() == kPunctCount);
static_assert((kAlnumFactor * kAlnumFactorInverse) % kAlnumCount == 1);
static_assert((kPunctFactor * kPunctFactorInverse) % kPunctCount == 1);

qint64 modulo(qint64 value, qint64 count)
{
    const qint64 rest = value % count;
    return rest < 0 ? rest + count : rest;
}

qint64 otherIndex(char32_t c)
{
    if (c < 0x20)
        return c;
    if (c == 0x7F)
        return 32;
    if (c < kLowEnd)
        return kControlCount + (c - 0x80);
    return kControlCount + kLowCount + (c - kHighStart);
}

char32_t otherCharacter(qint64 index)
{
    if (index < 32)
        return char32_t(index);
    if (index == 32)
        return 0x7F;
    index -= kControlCount;
    if (index < kLowCount)
        return char32_t(0x80 + index);
    return char32_t(kHighStart + (index - kLowCount));
}

enum class Direction { Forward, Backward };

char32_t transform(char32_t c, Direction direction)
{
    const bool forward = direction == Direction::Forward;
    if (c < 0x80) {
        if (const auto i = kAlnum.find(char16_t(c)); i != std::u16string_view::npos) {
            const qint64 j = forward ? kAlnumFactor * qint64(i) + kAlnumShift
                                     : kAlnumFactorInverse * (qint64(i) - kAlnumShift);
            return kAlnum[modulo(j, kAlnumCount)];
        }
        if (const auto i = kPunct.find(char16_t(c)); i != std::u16string_view::npos) {
            const qint64 j = forward ? kPunctFactor * qint64(i) + kPunctShift
                                     : kPunctFactorInverse * (qint64(i) - kPunctShift);
            return kPunct[modulo(j, kPunctCount)];
        }
    }
    const qint64 j = otherIndex(c) + (forward ? kOtherShift : -kOtherShift);
    return otherCharacter(modulo(j, kOtherCount));
}

void appendScalar(QString &out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    } else {
        out.append(QChar(char16_t(c)));
    }
}

QString transformText(QStringView text, Direction direction)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendScalar(out, transform(QChar::surrogateToUcs4(ch, text[i + 1]), direction));
            ++i;
        } else if (ch.isSurrogate()) {
            out.append(ch); // half a pair: not a character, left as it is
        } else {
            appendScalar(out, transform(ch.unicode(), direction));
        }
    }
    return out;
}

} // namespace

QString scramble(QStringView plain)
{
    return transformText(plain, Direction::Forward);
}

QString unscramble(QStringView scrambled)
{
    return transformText(scrambled, Direction::Backward);
}

QString storedKey(QStringView key)
{
    const QString scrambled = scramble(key);
    QString out;
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const QChar ch = scrambled[i];
        if (ch.unicode() < 0x80 && kAlnum.find(ch.unicode()) != std::u16string_view::npos) {
            out.append(ch);
            continue;
        }
        char32_t value = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < scrambled.size() && scrambled[i + 1].isLowSurrogate())
            value = QChar::surrogateToUcs4(ch, scrambled[++i]);
        out.append(QLatin1Char('_'));
        out.append(QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0')));
    }
    return out;
}

} // namespace toevane::settings
