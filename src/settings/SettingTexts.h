#pragma once

#include <QString>
#include <QtGlobal>

namespace tuk {

// The failure descriptions the program shows for a stored value it cannot take, in English;
// SettingDescription gives the text shown.
//: why a stored setting is refused: its text is no number or flag
inline const char* const kTypeMismatch = QT_TRANSLATE_NOOP("Settings", "Type mismatch");
//: why a stored setting is refused: its number is out of range
inline const char* const kOverflow = QT_TRANSLATE_NOOP("Settings", "Overflow");
//: why a stored setting is refused: its value is not one the setting takes
inline const char* const kInvalidPropertyValue =
    QT_TRANSLATE_NOOP("Settings", "Invalid property value");
QString SettingDescription(const char* description);

// Conversions of stored texts: a decimal number with optional blanks around it and an optional
// fraction, rounded half to even. On failure they return false, leave the value alone and set
// the description.
bool ParseInRange(const QString& text, double low, double high, double& value,
                  QString& description);
bool ParseInt16(const QString& text, qint16& value, QString& description);
// "True", "False" (any letter case) or a number, which is true unless it is zero.
bool ParseFlag(const QString& text, bool& value, QString& description);
QString FlagText(bool value);

} // namespace tuk
