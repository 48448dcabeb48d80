#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// The raw values of a photo's metadata made into what a page shows, or nothing when a value is
// impossible.
namespace tuk {

// Captions and the camera's texts are cut at these many characters: a block may carry a text
// of any length, a page shows a sentence or a paragraph.
constexpr qsizetype kLongestCaption = 2000;
constexpr qsizetype kLongestFact = 200;

// The text of a block's bytes, enough of them for `longest` characters: UTF-8 when `utf8` says
// so or they are valid UTF-8, else Latin-1 (every byte a character).
QString TextOfBytes(QByteArrayView bytes, qsizetype longest, bool utf8 = false);

// The text without control characters, each run of white space one blank and none at either
// end, cut at `longest` characters (never inside a surrogate pair).
QString CleanText(QStringView text, qsizetype longest);

// The text cleaned and cut as a caption; empty when it is only what a camera writes by itself
// ("OLYMPUS DIGITAL CAMERA", "SONY DSC", ...).
QString CaptionText(QStringView text);

// "2021:06:01 12:30:05" with the offset "+02:00" (or an empty or unusable one: a local time).
// Invalid for a date or time that cannot be, a year before 1800 or after 2200, or another form.
QDateTime CaptureTime(QByteArrayView dateTime, QByteArrayView offset);

// "Canon EOS R5" of "Canon" and "Canon EOS R5", "NIKON D850" of "NIKON CORPORATION" and
// "NIKON D850", "SONY ILCE-7M3" of "SONY" and "ILCE-7M3".
QString CameraName(const QString& make, const QString& model);

// Times under a third of a second as the fraction a camera shows when they are near one
// ("1/250 s"), others in seconds ("0.5 s", "2 s", "30 s"). Empty for zero or no time.
QString ExposureText(quint32 numerator, quint32 denominator);
QString ApertureText(quint32 numerator, quint32 denominator); // "f/2.8", "f/4"
QString FocalText(quint32 numerator, quint32 denominator);    // "50 mm", "4.7 mm"
QString IsoText(quint32 speed);                               // "ISO 400"

} // namespace tuk
