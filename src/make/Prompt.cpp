#include "make/Prompt.h"

#include <QCoreApplication>
#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

namespace tuk {

namespace {

// The answers that mean yes, in lower case: the English ones always, and the letter and the
// word of the user's language, so that what the prompt offers is what it takes.
QStringList YesAnswers(const QString& choices) {
    QStringList answers{QStringLiteral("y"), QStringLiteral("yes")};
    //: A whole word that answers yes to the question, as its first letter in [y/N] does.
    answers << QCoreApplication::translate("tu_k-make", "yes").toLower();
    const auto letter =
        std::find_if(choices.cbegin(), choices.cend(), [](QChar c) { return c.isLetter(); });
    if (letter != choices.cend())
        answers << QString(*letter).toLower();
    return answers;
}

} // namespace

bool AskYes(const QString& question, std::istream& in, std::ostream& out, bool echo) {
    //: The answers offered after a question: the first letter answers yes; the capital one,
    //: also what an empty answer means, no. Keep the brackets and the slash.
    const QString choices = QCoreApplication::translate("tu_k-make", "[y/N]");
    out << question.toLocal8Bit().constData() << ' ' << choices.toLocal8Bit().constData() << ' '
        << std::flush;
    std::string answer;
    if (!std::getline(in, answer)) {
        out << std::endl;
        return false;
    }
    if (echo)
        out << answer << std::endl;
    const QString text = QString::fromLocal8Bit(answer).trimmed().toLower();
    return YesAnswers(choices).contains(text);
}

} // namespace tuk
