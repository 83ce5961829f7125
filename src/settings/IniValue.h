#pragma once
// The value a Setting.ini read returns: the stored text, a Boolean when the text is exactly
// "True" or "False", or a number. Callers convert it to the type of what they fill.
#include <QString>
#include <cstdint>

class IniValue {
public:
    enum class Kind { Text, Boolean, Number };

    IniValue() = default; // the empty text: a missing or empty value
    static IniValue fromText(QString text);
    static IniValue fromBoolean(bool value);
    static IniValue fromNumber(double value);
    // "True" -> Boolean True, "False" -> Boolean False (same case only), anything else text.
    static IniValue fromStoredText(QString text);

    Kind kind() const { return kind_; }
    bool isText() const { return kind_ == Kind::Text; }
    bool isBoolean() const { return kind_ == Kind::Boolean; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isEmptyText() const { return kind_ == Kind::Text && text_.isEmpty(); }

    // Text form: Booleans as "True"/"False", numbers in decimal.
    QString toText() const;
    // Numbers as they are; Booleans True -1, False 0; texts by their leading number (Val).
    double toNumber() const;
    // Nearest integer, halves to the even neighbour, saturated to the range.
    int32_t toInt32() const;
    int16_t toInt16() const;
    // Booleans as they are; numbers non-zero; texts "True"/"False" in any case, else a
    // non-zero leading number.
    bool toBool() const;

    bool operator==(const IniValue& other) const = default;

private:
    Kind kind_ = Kind::Text;
    QString text_;
    bool boolean_ = false;
    double number_ = 0;
};
