#pragma once

#include <QByteArray>

namespace tuk {

// Whether the bytes are INI text the store can take over without losing anything: UTF-8
// without NUL bytes, every line blank, a comment (";"), a "[section]" header or "key=value"
// with a key, and no value with an unterminated quote (which would swallow the lines after
// it). QSettings takes far more than that without a word (JSON, plain text, a NUL-padded
// file, Latin-1 bytes) and its next write would replace what the user had.
bool IsIniText(const QByteArray& bytes);

} // namespace tuk
