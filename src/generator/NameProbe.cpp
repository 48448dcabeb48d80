#include "generator/NameProbe.h"

#include "base/FsName.h"

#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tuk {

namespace {

constexpr char kProbePrefix[] = ".tu_k-probe-";
// Below every file system's name limit, whether it counts bytes or UTF-16 units.
constexpr qsizetype kProbeLength = 200;

bool IsPlainByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

// Calls each(character) for every character of the name outside the plain ones: a valid UTF-8
// sequence is one character, any other byte one of its own.
template <typename Each> void ForEachOddCharacter(QByteArrayView name, Each each) {
    for (qsizetype i = 0; i < name.size();) {
        if (IsPlainByte(name[i])) {
            ++i;
            continue;
        }
        const qsizetype length = qMax<qsizetype>(1, Utf8SequenceLength(name, i));
        each(name.sliced(i, length));
        i += length;
    }
}

// A "_" follows each character, so that stray bytes of different names never join into one
// valid UTF-8 character.
QByteArray ProbeName(const QList<QByteArray>& characters) {
    QByteArray name(kProbePrefix);
    for (const QByteArray& character : characters)
        name += character + '_';
    return name;
}

enum class Answer { Taken, Refused, Unknown };

Answer Ask(const NameTrial& trial, const QList<QByteArray>& characters) {
    const int error = trial(ProbeName(characters));
    if (error == 0 || error == EEXIST)
        return Answer::Taken;
    return error == EINVAL || error == EILSEQ ? Answer::Refused : Answer::Unknown;
}

// Adds those of the characters the file system refuses, one by one; false when the answers
// say nothing of characters.
bool FindOneByOne(const QList<QByteArray>& characters, const NameTrial& trial,
                  QSet<QByteArray>& refused) {
    if (Ask(trial, {}) != Answer::Taken) // the probe's own form is refused
        return false;
    for (const QByteArray& character : characters) {
        const Answer answer = Ask(trial, {character});
        if (answer == Answer::Unknown)
            return false;
        if (answer == Answer::Refused)
            refused.insert(character);
    }
    return true;
}

// The characters the file system refuses: as many at once as a probe name holds.
bool FindRefused(const QList<QByteArray>& characters, const NameTrial& trial,
                 QSet<QByteArray>& refused) {
    for (qsizetype first = 0, end = 0; first < characters.size(); first = end) {
        for (qsizetype length = qsizetype(sizeof kProbePrefix);
             end < characters.size() &&
             (end == first || length + characters[end].size() < kProbeLength);
             ++end)
            length += characters[end].size() + 1;
        const QList<QByteArray> some = characters.mid(first, end - first);
        const Answer answer = Ask(trial, some);
        if (answer == Answer::Unknown ||
            (answer == Answer::Refused && !FindOneByOne(some, trial, refused)))
            return false;
    }
    return true;
}

} // namespace

int TryNameIn(int folderFd, const QByteArray& name) {
    const int fd =
        openat(folderFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    close(fd);
    (void)unlinkat(folderFd, name.constData(), 0); // a leftover is only a hidden empty file
    return 0;
}

RefusedName FindRefusedName(int folderFd, const QList<QByteArrayView>& names) {
    return FindRefusedName(
        names, [folderFd](const QByteArray& name) { return TryNameIn(folderFd, name); });
}

RefusedName FindRefusedName(const QList<QByteArrayView>& names, const NameTrial& trial) {
    QList<QByteArray> characters; // each once, in the order the names first use them
    QSet<QByteArray> seen, refused;
    for (QByteArrayView name : names) {
        ForEachOddCharacter(name, [&](QByteArrayView c) {
            if (!seen.contains(c.toByteArray())) {
                seen.insert(c.toByteArray());
                characters << c.toByteArray();
            }
        });
    }
    if (characters.isEmpty() || !FindRefused(characters, trial, refused) || refused.isEmpty())
        return {};
    for (qsizetype k = 0; k < names.size(); ++k) {
        RefusedName found{k, {}};
        QSet<QByteArray> told;
        ForEachOddCharacter(names[k], [&](QByteArrayView c) {
            if (refused.contains(c.toByteArray()) && !told.contains(c.toByteArray())) {
                told.insert(c.toByteArray());
                found.characters += c;
            }
        });
        if (!found.characters.isEmpty())
            return found;
    }
    return {};
}

} // namespace tuk
