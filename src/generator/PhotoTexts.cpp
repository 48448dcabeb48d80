#include "generator/PhotoTexts.h"

#include "base/FsName.h"
#include "generator/ByteOrder.h"

#include <QLatin1String>
#include <cmath>
#include <optional>

namespace tuk {

namespace {

// What cameras and their software write where a caption belongs when nobody wrote one.
const QLatin1String kPlaceholders[] = {
    QLatin1String("OLYMPUS DIGITAL CAMERA"),  QLatin1String("SONY DSC"),
    QLatin1String("DIGITAL CAMERA"),          QLatin1String("KONICA MINOLTA DIGITAL CAMERA"),
    QLatin1String("MINOLTA DIGITAL CAMERA"),  QLatin1String("SAMSUNG DIGITAL CAMERA"),
    QLatin1String("SAMSUNG CAMERA PICTURES"), QLatin1String("PENTAX DIGITAL CAMERA"),
    QLatin1String("LEICA DIGITAL CAMERA"),    QLatin1String("LEICA"),
    QLatin1String("Exif_JPEG_PICTURE"),       QLatin1String("Default"),
};

constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2200;
constexpr int kLongestOffsetHours = 14;
// How near a time must be to 1/n of a second to be shown as that fraction.
constexpr double kFractionTolerance = 0.02;

// At most n bytes, never ending inside a UTF-8 sequence.
QByteArrayView Head(QByteArrayView bytes, qsizetype n) {
    if (bytes.size() <= n)
        return bytes;
    while (n > 0 && (Byte(bytes, n) & 0xC0) == 0x80)
        --n;
    return bytes.first(n);
}

bool IsUtf8(QByteArrayView bytes) {
    for (qsizetype i = 0, n = 0; i < bytes.size(); i += n) {
        if ((n = Utf8SequenceLength(bytes, i)) == 0)
            return false;
    }
    return true;
}

// Whether the text follows the form: each 'd' a digit, every other character itself.
bool Follows(QByteArrayView text, QByteArrayView form) {
    if (text.size() < form.size())
        return false;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : text[i] != form[i])
            return false;
    }
    return true;
}

int Digits(QByteArrayView text, qsizetype at, qsizetype length) {
    int number = 0;
    for (qsizetype i = at; i < at + length; ++i)
        number = number * 10 + (text[i] - '0');
    return number;
}

// The seconds ahead of UTC of "+02:00" or "-05:30".
std::optional<int> OffsetSeconds(QByteArrayView offset) {
    if (offset.isEmpty() || (offset[0] != '+' && offset[0] != '-') ||
        !Follows(offset.sliced(1), "dd:dd"))
        return std::nullopt;
    const int hours = Digits(offset, 1, 2), minutes = Digits(offset, 4, 2);
    if (hours > kLongestOffsetHours || minutes > 59)
        return std::nullopt;
    return (offset[0] == '-' ? -60 : 60) * (hours * 60 + minutes);
}

// The number with at most `places` decimals, none of them a zero at its end: "2.8", "4".
QString Decimal(double value, int places) {
    QString text = QString::number(value, 'f', places);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace

QString TextOfBytes(QByteArrayView bytes, qsizetype longest, bool utf8) {
    const QByteArrayView head = Head(bytes, longest * 4); // a character takes up to four bytes
    return utf8 || IsUtf8(head) ? ShownText(head) : QString::fromLatin1(head);
}

QString CleanText(QStringView text, qsizetype longest) {
    QString clean;
    clean.reserve(qMin(text.size(), longest));
    bool blank = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            blank = !clean.isEmpty();
        } else if (c.category() != QChar::Other_Control) {
            if (clean.size() + (blank ? 2 : 1) > longest)
                break;
            if (blank)
                clean += QLatin1Char(' ');
            clean += c;
            blank = false;
        }
    }
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    return clean;
}

QString CaptionText(QStringView text) {
    const QString caption = CleanText(text, kLongestCaption);
    for (const QLatin1String placeholder : kPlaceholders) {
        if (caption.compare(placeholder, Qt::CaseInsensitive) == 0)
            return {};
    }
    return caption;
}

QDateTime CaptureTime(QByteArrayView dateTime, QByteArrayView offset) {
    if (!Follows(dateTime, "dddd:dd:dd dd:dd:dd"))
        return {};
    const QDate date(Digits(dateTime, 0, 4), Digits(dateTime, 5, 2), Digits(dateTime, 8, 2));
    const QTime time(Digits(dateTime, 11, 2), Digits(dateTime, 14, 2), Digits(dateTime, 17, 2));
    if (!date.isValid() || !time.isValid() || date.year() < kFirstYear || date.year() > kLastYear)
        return {};
    const std::optional<int> ahead = OffsetSeconds(offset);
    return ahead ? QDateTime(date, time, Qt::OffsetFromUTC, *ahead)
                 : QDateTime(date, time, Qt::LocalTime);
}

QString CameraName(const QString& make, const QString& model) {
    if (make.isEmpty() || model.isEmpty())
        return make.isEmpty() ? model : make;
    if (model.startsWith(make.section(QLatin1Char(' '), 0, 0), Qt::CaseInsensitive))
        return model;
    return make + QLatin1Char(' ') + model;
}

QString ExposureText(quint32 numerator, quint32 denominator) {
    if (numerator == 0 || denominator == 0)
        return {};
    const double seconds = double(numerator) / denominator;
    const double perSecond = double(denominator) / numerator, whole = std::round(perSecond);
    if (seconds < 0.3 && std::abs(perSecond - whole) <= perSecond * kFractionTolerance)
        return QLatin1String("1/") + QString::number(qint64(whole)) + QLatin1String(" s");
    const QString shown =
        seconds < 10 ? QString::number(seconds, 'g', 2) : QString::number(qRound64(seconds));
    return shown + QLatin1String(" s");
}

QString ApertureText(quint32 numerator, quint32 denominator) {
    if (numerator == 0 || denominator == 0)
        return {};
    return QLatin1String("f/") + Decimal(double(numerator) / denominator, 1);
}

QString FocalText(quint32 numerator, quint32 denominator) {
    if (numerator == 0 || denominator == 0)
        return {};
    return Decimal(double(numerator) / denominator, 1) + QLatin1String(" mm");
}

QString IsoText(quint32 speed) {
    return speed == 0 ? QString() : QLatin1String("ISO ") + QString::number(speed);
}

} // namespace tuk
