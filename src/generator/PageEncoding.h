#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Pages are pure ASCII: every character beyond ASCII is written as a numeric character
// reference ("&#N;", N the decimal code point), which means the same in every character set
// a host or a browser may assume for the page (Windows-1252, UTF-8, ...). Names that go into
// a page are data, never markup: these helpers append them to the page bytes so that no name
// can change the page's structure.
namespace tuk {

// Text between tags or in an attribute: "&", "<", ">" and '"' become entities; control
// characters and every character beyond ASCII become "&#N;", so a name never breaks a line
// and never turns into "?". A lone surrogate, as left by undecodable bytes, is U+FFFD.
void AppendPageText(QByteArray& out, QStringView text);

// Whether a name holds right-to-left letters, Arabic digits or direction controls (such as
// U+202E), any of which can turn the text around it when it is shown unisolated.
bool NeedsBidiIsolation(QStringView name);

// A name shown in the page text: AppendPageText, in "<bdi>...</bdi>" when it needs isolation,
// so that it never reorders the line it stands in.
void AppendPageName(QByteArray& out, QStringView name);

// A name as the text of <title>, which takes no markup: isolated there, when it needs it, by
// the characters U+2068 and U+2069 around it.
void AppendTitleName(QByteArray& out, QStringView name);

// An attribute value: bare when it is a plain word (ASCII letters, digits, "-", ".", "_"),
// else in double quotes as page text, so that no blank, quote or "=" in it ends the value.
void AppendAttributeValue(QByteArray& out, QStringView value);

// Markup the program made itself (the BODY string): written as is, except characters beyond
// ASCII, which become "&#N;".
void AppendPageMarkup(QByteArray& out, QStringView text);

// A name or path, given as its file-system bytes (UTF-8), as the target of a link or image
// reference. Every byte outside printable ASCII is percent-encoded, which is UTF-8
// percent-encoding for every character beyond ASCII and holds whatever encoding a browser
// guesses for the page. So are blanks and the characters that would change what a URL means
// or end the attribute: " # % & : < > ? [ \ ] ^ ` { | }. Everything else is kept, so a plain
// name such as Beach.Day.JPG is written unchanged.
void AppendLink(QByteArray& out, QByteArrayView bytes);

} // namespace tuk
