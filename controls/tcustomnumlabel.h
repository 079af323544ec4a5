#pragma once

#include "numbermask.h"
#include "tcustomstredit.h"

enum TNumericType : quint8 { ntGeneral = 0, ntCurrency = 1, ntPercentage = 2 };

// A read-only field showing one extended-precision number through a number
// mask. The mask is stored with the locale's decimal separator in place of
// ".", and the field's text is the only copy of the shown text. Writing what
// the field already holds does nothing: no refresh, no textChanged.
class TCustomNumLabel : public TCustomStrEdit {
    Q_OBJECT
public:
    // A mask longer than this is cut.
    static constexpr int maxMaskLength = 25;

    explicit TCustomNumLabel(QWidget* owner = nullptr);
    TCustomNumLabel(QWidget* owner, const NumberFormatSettings& settings);
    ~TCustomNumLabel() override;

    long double Value() const { return m_value; }
    void SetValue(long double value);
    QString Mask() const { return m_mask; }
    void SetMask(const QString& mask);
    quint16 Decimals() const { return m_decimals; }
    void SetDecimals(quint16 decimals);
    TNumericType NumericType() const { return m_numericType; }
    void SetNumericType(TNumericType type);
    // Whether the whole-number accessors round (on) or truncate (off); the
    // shown text always rounds.
    bool UseRounding() const { return m_useRounding; }
    void SetUseRounding(bool useRounding) { m_useRounding = useRounding; }

    // Separators and currency symbol; the system locale's unless set.
    const NumberFormatSettings& formatSettings() const { return m_settings; }
    void setFormatSettings(const NumberFormatSettings& settings);

    // Refreshes the text from Value, Mask and NumericType.
    virtual void UpdateText();
    // Replaces the shown text by its plain number text (digits, the locale's
    // separators, exponent and sign).
    virtual void UnformatText();
    // Each accessor gives 0 when Value lies outside its open interval.
    virtual double GetRoundedFloat() const;
    virtual qint16 GetAsSmallInt() const;
    virtual qint32 GetAsInteger() const;
    virtual double GetAsFloat() const;
    // The shown text reduced to digits, "," and ".", exponent and sign.
    virtual QString GetPlainText() const;

    // Decimals from the mask: the characters after the decimal separator, up
    // to the exponent's "E" when there is one.
    void RecountDecimals();

    // Keeps the characters of text that are in allowed, a "+" or "-" once an
    // "E" has been kept, and an "E" that is not the first character; a text
    // beginning or ending with "-" gets a leading "-".
    static QString FilterNumberText(QStringView text, QStringView allowed);

private:
    void init();
    void storeMask(const QString& mask, qsizetype decimalIndex);
    QString withSign(QString plain) const;

    NumberFormatSettings m_settings;
    quint16 m_decimals = 2;
    QString m_mask;
    // Where the mask's decimal separator is. In a comma locale the mask's
    // grouping commas look the same, so the position is remembered from the
    // "." the mask was written with.
    qsizetype m_decimalIndex = -1;
    TNumericType m_numericType = ntGeneral;
    bool m_useRounding = true;
    long double m_value = 0;
};
