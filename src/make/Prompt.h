#pragma once

#include <QString>
#include <iosfwd>

namespace tuk {

// Asks the question on `out`, followed by " [y/N] " (in the user's language), and reads one
// line of `in`: "y" or "yes", or the letter and word for yes of the user's language, in any
// case and with blanks around, is yes; any other answer, or the end of the input, is no. With
// echo (for an input that is no terminal, which would have shown it) the answer follows the
// question, so that what was asked and answered reads as one line.
bool AskYes(const QString& question, std::istream& in, std::ostream& out, bool echo);

} // namespace tuk
