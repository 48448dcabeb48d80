#include "settings/SettingTexts.h"

#include <QCoreApplication>
#include <cmath>

namespace tuk {

namespace {

// Parses a decimal number with optional blanks around it and an optional fraction. False
// when the text is no number.
bool ParseNumber(const QString& text, double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const QChar c : trimmed) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('+'))
            return false;
    }
    bool ok = false;
    value = trimmed.toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

QString SettingDescription(const char* description) {
    return QCoreApplication::translate("Settings", description);
}

bool ParseInRange(const QString& text, double low, double high, double& value,
                  QString& description) {
    if (!ParseNumber(text, value)) {
        description = SettingDescription(kTypeMismatch);
        return false;
    }
    value = std::nearbyint(value); // half to even: "2.5" is 2
    if (value < low || value > high) {
        description = SettingDescription(kOverflow);
        return false;
    }
    return true;
}

bool ParseInt16(const QString& text, qint16& value, QString& description) {
    double number = 0;
    if (!ParseInRange(text, -32768, 32767, number, description))
        return false;
    value = static_cast<qint16>(number);
    return true;
}

bool ParseFlag(const QString& text, bool& value, QString& description) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    double number = 0;
    if (!ParseNumber(trimmed, number)) {
        description = SettingDescription(kTypeMismatch);
        return false;
    }
    value = number != 0; // "0.4" is true: only zero is false
    return true;
}

QString FlagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace tuk
