#include "numbermask.h"

#include <cmath>
#include <cstdio>
#include <QLocale>
#include <QVarLengthArray>

NumberFormatSettings NumberFormatSettings::system() {
    const QLocale locale = QLocale::system();
    NumberFormatSettings settings;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    settings.decimalSeparator = point.isEmpty() ? QLatin1Char('.') : point.front();
    settings.thousandsSeparator = group.isEmpty() ? QChar() : group.front();
    settings.currencySymbol = locale.currencySymbol();
    return settings;
}

namespace {

// A decimal number as value = 0.d1d2d3... x 10^pointPos, digits without
// trailing zeros; zero has no digits.
struct DecimalDigits {
    QByteArray digits;
    int pointPos = 0;

    bool isZero() const { return digits.isEmpty(); }

    char digitAt(int index) const {
        return index >= 0 && index < digits.size() ? digits[index] : '0';
    }

    void trimTrailingZeros() {
        qsizetype n = digits.size();
        while (n > 0 && digits[n - 1] == '0')
            --n;
        digits.truncate(n);
        if (digits.isEmpty()) pointPos = 0;
    }
};

// The magnitude of value correctly rounded (ties to even, glibc printf) to the
// given number of significant digits.
DecimalDigits toDecimalDigits(long double value, int significant) {
    DecimalDigits d;
    if (value == 0) return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", significant - 1, std::fabs(value));
    const char* p = buffer;
    for (; *p != 0 && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') d.digits.append(*p);
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    d.pointPos = exponent + 1;
    d.trimTrailingZeros();
    return d;
}

// Keeps the first `keep` digits; a first dropped digit of 5 or more adds one
// unit of the last kept digit (halves away from zero).
void roundHalfUpAt(DecimalDigits& d, int keep) {
    if (keep >= d.digits.size()) return;
    if (keep < 0) {
        d = DecimalDigits();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.truncate(keep);
    if (up) {
        qsizetype i = d.digits.size() - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            d.digits[i] = char(d.digits[i] + 1);
        } else {
            d.digits.prepend('1');
            ++d.pointPos;
        }
    }
    d.trimTrailingZeros();
}

QList<QStringView> splitSections(QStringView mask) {
    QList<QStringView> sections;
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.append(mask.sliced(start, i - start));
            start = i + 1;
            if (sections.size() == 3) return sections;
        }
    }
    sections.append(mask.sliced(start));
    return sections;
}

struct MaskToken {
    enum Kind { Literal, IntegerPlace, DecimalPoint, FractionPlace, Exponent };
    Kind kind = Literal;
    QString text;    // Literal
    int index = 0;   // IntegerPlace / FractionPlace, from the left
    QChar expLetter; // Exponent
    bool expSignAlways = false;
    int expDigits = 0;

    static MaskToken make(Kind kind, int index = 0, QString text = {}) {
        MaskToken t;
        t.kind = kind;
        t.index = index;
        t.text = std::move(text);
        return t;
    }
};

struct Section {
    QList<MaskToken> tokens;
    int integerPlaces = 0;
    int integerMinimum = 0; // digits shown even when zero
    int fractionPlaces = 0;
    int fractionMinimum = 0; // up to and including the last "0" after the point
    bool grouping = false;
    bool scientific = false;
};

Section parseSection(QStringView text) {
    Section s;
    bool seenPoint = false;
    int firstIntegerZero = -1;
    auto literal = [&s](QString t) {
        if (!s.tokens.isEmpty() && s.tokens.back().kind == MaskToken::Literal) {
            s.tokens.back().text += t;
        } else {
            s.tokens.append(MaskToken::make(MaskToken::Literal, 0, std::move(t)));
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\'') {
            qsizetype end = text.indexOf(c, i + 1);
            if (end < 0) end = text.size();
            literal(text.sliced(i + 1, end - i - 1).toString());
            i = end;
        } else if ((c == u'0' || c == u'#') && !s.scientific) {
            if (!seenPoint) {
                if (c == u'0' && firstIntegerZero < 0) firstIntegerZero = s.integerPlaces;
                s.tokens.append(MaskToken::make(MaskToken::IntegerPlace, s.integerPlaces++));
            } else {
                if (c == u'0') s.fractionMinimum = s.fractionPlaces + 1;
                s.tokens.append(MaskToken::make(MaskToken::FractionPlace, s.fractionPlaces++));
            }
        } else if (c == u'.') {
            if (!seenPoint && !s.scientific) {
                seenPoint = true;
                s.tokens.append(MaskToken::make(MaskToken::DecimalPoint));
            }
        } else if (c == u',') {
            s.grouping = true;
        } else if ((c == u'E' || c == u'e') && !s.scientific && i + 1 < text.size() &&
                   (text[i + 1] == u'+' || text[i + 1] == u'-')) {
            s.scientific = true;
            MaskToken t = MaskToken::make(MaskToken::Exponent);
            t.expLetter = c;
            t.expSignAlways = text[i + 1] == u'+';
            qsizetype j = i + 2;
            for (; j < text.size() && text[j] == u'0'; ++j)
                ++t.expDigits;
            t.expDigits = qMin(t.expDigits, 4);
            s.tokens.append(t);
            i = j - 1;
        } else {
            literal(QString(c));
        }
    }
    s.integerMinimum = firstIntegerZero < 0 ? 0 : s.integerPlaces - firstIntegerZero;
    return s;
}

// The digits a section shows for a magnitude.
struct ShownNumber {
    QString integerDigits; // without leading zeros beyond the section's minimum
    QString fractionDigits;
    int exponent = 0;
    bool isZero = true;
    bool tooLong = false; // integer part beyond 18 digits: general form
};

ShownNumber roundForSection(long double value, const Section& s) {
    ShownNumber shown;
    DecimalDigits d = toDecimalDigits(value, 18);
    int integerCount = 0;
    if (s.scientific) {
        if (!d.isZero()) {
            roundHalfUpAt(d, qMax(1, s.integerPlaces + s.fractionPlaces));
            shown.exponent = d.pointPos - s.integerPlaces;
        }
        integerCount = d.isZero() ? 0 : s.integerPlaces;
    } else {
        if (d.pointPos > 18) {
            shown.tooLong = true;
            return shown;
        }
        roundHalfUpAt(d, d.pointPos + s.fractionPlaces);
        integerCount = qMax(0, d.pointPos);
    }
    shown.isZero = d.isZero();
    // Index of the first shown integer digit in d.digits.
    const int base = s.scientific ? 0 : d.pointPos - integerCount;
    for (int i = 0; i < integerCount; ++i)
        shown.integerDigits += QLatin1Char(d.digitAt(base + i));
    while (shown.integerDigits.size() < s.integerMinimum)
        shown.integerDigits.prepend(QLatin1Char('0'));
    QString fraction;
    for (int j = 0; j < s.fractionPlaces; ++j)
        fraction += QLatin1Char(d.digitAt(base + integerCount + j));
    qsizetype shownFraction = fraction.size();
    while (shownFraction > s.fractionMinimum && fraction[shownFraction - 1] == u'0')
        --shownFraction;
    shown.fractionDigits = fraction.left(shownFraction);
    return shown;
}

QString renderSection(const Section& s, const ShownNumber& n,
                      const NumberFormatSettings& settings) {
    QString out;
    const QString& digits = n.integerDigits;
    const qsizetype count = digits.size();
    const bool group = s.grouping && !settings.thousandsSeparator.isNull();
    // Emits the integer digit whose place, counted from the decimal point, is `place` (from 1).
    auto emitIntegerDigit = [&](qsizetype place) {
        out += digits[count - place];
        if (group && place > 1 && (place - 1) % 3 == 0) out += settings.thousandsSeparator;
    };
    auto emitLeadingDigits = [&](qsizetype placesInMask) {
        for (qsizetype place = count; place > placesInMask; --place)
            emitIntegerDigit(place);
    };
    bool integerDone = false;
    for (const MaskToken& t : s.tokens) {
        switch (t.kind) {
        case MaskToken::Literal:
            out += t.text;
            break;
        case MaskToken::IntegerPlace: {
            if (t.index == 0) emitLeadingDigits(s.integerPlaces);
            const qsizetype place = s.integerPlaces - t.index;
            if (place <= count) emitIntegerDigit(place);
            integerDone = true;
            break;
        }
        case MaskToken::DecimalPoint:
            if (!integerDone) emitLeadingDigits(0);
            integerDone = true;
            if (!n.fractionDigits.isEmpty()) out += settings.decimalSeparator;
            break;
        case MaskToken::FractionPlace:
            if (t.index < n.fractionDigits.size()) out += n.fractionDigits[t.index];
            break;
        case MaskToken::Exponent: {
            out += t.expLetter;
            if (n.exponent < 0) {
                out += QLatin1Char('-');
            } else if (t.expSignAlways) {
                out += QLatin1Char('+');
            }
            QString e = QString::number(std::abs(n.exponent));
            while (e.size() < t.expDigits)
                e.prepend(QLatin1Char('0'));
            out += e;
            break;
        }
        }
    }
    return out;
}

} // namespace

QString formatGeneralNumber(long double value, const NumberFormatSettings& settings) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const DecimalDigits d = toDecimalDigits(value, 15);
    if (d.isZero()) return QStringLiteral("0");
    QString out;
    if (value < 0) out += QLatin1Char('-');
    const int exponent = d.pointPos - 1;
    const qsizetype n = d.digits.size();
    if (exponent >= -5 && exponent < 15) {
        if (d.pointPos <= 0) {
            out += QLatin1Char('0');
            out += settings.decimalSeparator;
            out += QString(-d.pointPos, QLatin1Char('0'));
            out += QLatin1String(d.digits);
        } else {
            for (int i = 0; i < d.pointPos; ++i)
                out += QLatin1Char(d.digitAt(i));
            if (n > d.pointPos) {
                out += settings.decimalSeparator;
                out += QLatin1String(d.digits.sliced(d.pointPos));
            }
        }
    } else {
        out += QLatin1Char(d.digits[0]);
        if (n > 1) {
            out += settings.decimalSeparator;
            out += QLatin1String(d.digits.sliced(1));
        }
        out += QLatin1Char('E');
        out += QString::number(exponent);
    }
    return out;
}

QString formatNumberMask(long double value, QStringView mask,
                         const NumberFormatSettings& settings) {
    if (mask.isEmpty() || !std::isfinite(value)) return formatGeneralNumber(value, settings);
    const QList<QStringView> sections = splitSections(mask);
    auto usable = [&](int i) { return i < sections.size() && !sections[i].isEmpty(); };
    const int zeroSection = usable(2) ? 2 : 0;

    int index = 0;
    bool minus = false;
    if (value < 0) {
        if (usable(1)) {
            index = 1;
        } else {
            minus = true;
        }
    } else if (value == 0) {
        index = zeroSection;
    }
    if (!usable(index)) return formatGeneralNumber(value, settings);

    Section section = parseSection(sections[index]);
    ShownNumber shown = roundForSection(value, section);
    if (shown.tooLong) return formatGeneralNumber(value, settings);
    if (shown.isZero && value != 0) {
        // Shown as zero: through the zero section if any, never with a sign.
        minus = false;
        if (index != zeroSection) {
            index = zeroSection;
            section = parseSection(sections[index]);
        }
        if (!usable(index)) return formatGeneralNumber(0, settings);
        shown = roundForSection(0, section);
    }
    QString out = renderSection(section, shown, settings);
    if (minus) out.prepend(QLatin1Char('-'));
    return out;
}
