#include "make/Prompt.h"

#include <istream>
#include <ostream>
#include <string>

namespace tuk {

bool AskYes(const QString& question, std::istream& in, std::ostream& out, bool echo) {
    out << question.toLocal8Bit().constData() << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(in, answer)) {
        out << std::endl;
        return false;
    }
    if (echo)
        out << answer << std::endl;
    const QString text = QString::fromLocal8Bit(answer).trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes");
}

} // namespace tuk
