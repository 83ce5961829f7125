#include "settings/IniValue.h"

#include "core/Notation.h"

IniValue IniValue::fromText(QString text)
{
    IniValue v;
    v.text_ = std::move(text);
    return v;
}

IniValue IniValue::fromBoolean(bool value)
{
    IniValue v;
    v.kind_ = Kind::Boolean;
    v.boolean_ = value;
    return v;
}

IniValue IniValue::fromNumber(double value)
{
    IniValue v;
    v.kind_ = Kind::Number;
    v.number_ = value;
    return v;
}

IniValue IniValue::fromStoredText(QString text)
{
    if (text == u"True")
        return fromBoolean(true);
    if (text == u"False")
        return fromBoolean(false);
    return fromText(std::move(text));
}

QString IniValue::toText() const
{
    switch (kind_) {
    case Kind::Boolean:
        return boolean_ ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Number:
        return notation::NumberText(number_);
    case Kind::Text:
        break;
    }
    return text_;
}

double IniValue::toNumber() const
{
    switch (kind_) {
    case Kind::Boolean:
        return boolean_ ? -1.0 : 0.0;
    case Kind::Number:
        return number_;
    case Kind::Text:
        break;
    }
    return notation::Val(text_);
}

int32_t IniValue::toInt32() const { return notation::ToInt32(toNumber()); }

int16_t IniValue::toInt16() const { return notation::ToInt16(toNumber()); }

bool IniValue::toBool() const
{
    if (kind_ == Kind::Text) {
        const QString t = text_.trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"False", Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber() != 0;
}
