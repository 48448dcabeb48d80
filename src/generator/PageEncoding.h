#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Pages are Windows-1252 text. Names that go into a page are data, never markup: these
// helpers append them to the page bytes so that no name can change the page's structure.
namespace tuk {

// The Windows-1252 byte of a character, or -1 when the code page cannot hold it.
int Windows1252Byte(char32_t c);

// Text between tags or in an attribute: "&", "<", ">" and '"' become entities; control
// characters and characters Windows-1252 cannot hold become "&#N;" (decimal code point), so a
// name never breaks a line and never turns into "?".
void AppendPageText(QByteArray& out, QStringView text);

// Markup the program made itself (the BODY string): written as is, except characters
// Windows-1252 cannot hold, which become "&#N;".
void AppendPageMarkup(QByteArray& out, QStringView text);

// A name or path, given as its file-system bytes (UTF-8), as the target of a link or image
// reference. Every byte outside printable ASCII is percent-encoded, which is UTF-8
// percent-encoding for every character beyond ASCII and holds whatever encoding a browser
// guesses for the page. So are blanks and the characters that would change what a URL means
// or end the attribute: " # % & : < > ? [ \ ] ^ ` { | }. Everything else is kept, so a plain
// name such as Beach.Day.JPG is written unchanged.
void AppendLink(QByteArray& out, QByteArrayView bytes);

} // namespace tuk
