#include "generator/FactsCache.h"

#include "base/Append.h"
#include "generator/PictureStamp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>
#include <cstdio>

namespace tuk {

namespace {

// Fields are separated by tabs and lines end in a newline; within a field those and "%" are
// written as "%09", "%0A" and "%25".
void AppendField(QByteArray& out, QByteArrayView field) {
    if (!field.contains('\t') && !field.contains('\n') && !field.contains('%')) {
        out.append(field);
        out.append('\t');
        return;
    }
    for (const char c : field) {
        if (c == '\t')
            out.append("%09");
        else if (c == '\n')
            out.append("%0A");
        else if (c == '%')
            out.append("%25");
        else
            out.append(c);
    }
    out.append('\t');
}

QByteArray FieldText(QByteArrayView field) {
    return field.contains('%') ? QByteArray::fromPercentEncoding(field.toByteArray())
                               : field.toByteArray();
}

// The texts of the facts, in the order a line keeps them.
template <typename Facts> auto Texts(Facts& f) {
    return std::array{&f.caption,  &f.camera,   &f.lens, &f.focalLength,
                      &f.exposure, &f.aperture, &f.iso};
}

} // namespace

FactsCache::FactsCache(const QString& folder, const struct stat& imageFolder) {
    if (folder.isEmpty())
        return;
    file_ = folder + QStringLiteral("/%1-%2")
                         .arg(qulonglong(imageFolder.st_dev), 0, 16)
                         .arg(qulonglong(imageFolder.st_ino), 0, 16);
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    read_ = file.readAll();
    for (qsizetype at = 0; at < read_.size();) {
        qsizetype end = read_.indexOf('\n', at);
        if (end < 0)
            end = read_.size();
        const QByteArrayView line = QByteArrayView(read_).sliced(at, end - at);
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            old_.insert(line.first(tab), line.sliced(tab + 1));
        at = end + 1;
    }
}

// The entry read for the name, if any.
QHash<QByteArrayView, QByteArrayView>::const_iterator
FactsCache::EntryOf(const QByteArray& name) const {
    if (old_.isEmpty())
        return old_.cend();
    if (!name.contains('\t') && !name.contains('\n') && !name.contains('%'))
        return old_.constFind(name);
    QByteArray escaped;
    AppendField(escaped, name);
    return old_.constFind(QByteArrayView(escaped).chopped(1));
}

bool FactsCache::Knows(const QByteArray& name) const {
    return EntryOf(name) != old_.cend();
}

bool FactsCache::Reuse(const QByteArray& name, const struct stat& st, PhotoFacts& facts) {
    const auto found = EntryOf(name);
    if (found == old_.cend())
        return false;
    // identity, taken ("msecs offset", or empty), then the seven texts
    std::array<QByteArrayView, 9> fields;
    QByteArrayView rest = *found;
    for (size_t k = 0; k + 1 < fields.size(); ++k) {
        const qsizetype tab = rest.indexOf('\t');
        if (tab < 0)
            return false;
        fields[k] = rest.first(tab);
        rest = rest.sliced(tab + 1);
    }
    fields.back() = rest;
    if (fields[0] != PictureStamp::Identity(st))
        return false;
    facts = PhotoFacts();
    if (!fields[1].isEmpty()) {
        const qsizetype blank = fields[1].indexOf(' ');
        if (blank < 0)
            return false;
        facts.taken =
            QDateTime::fromMSecsSinceEpoch(fields[1].first(blank).toLongLong(), Qt::OffsetFromUTC,
                                           fields[1].sliced(blank + 1).toInt());
    }
    const auto texts = Texts(facts);
    for (size_t k = 0; k < texts.size(); ++k)
        *texts[k] = QString::fromUtf8(FieldText(fields[k + 2]));
    kept_.append(found.key());
    kept_.append('\t');
    kept_.append(found.value());
    kept_.append('\n');
    return true;
}

void FactsCache::Keep(const QByteArray& name, const struct stat& st, const PhotoFacts& facts) {
    if (file_.isEmpty())
        return;
    const qsizetype start = kept_.size();
    AppendField(kept_, name);
    const qsizetype values = kept_.size();
    AppendField(kept_, PictureStamp::Identity(st));
    QByteArray taken;
    if (facts.taken.isValid()) {
        AppendDecimal(taken, facts.taken.toMSecsSinceEpoch());
        taken.append(' ');
        AppendDecimal(taken, facts.taken.offsetFromUtc());
    }
    AppendField(kept_, taken);
    for (const QString* text : Texts(facts))
        AppendField(kept_, text->toUtf8());
    kept_.back() = '\n';
    const QByteArrayView line = QByteArrayView(kept_).sliced(start);
    const auto old = old_.constFind(line.first(values - start - 1));
    changed_ = changed_ || old == old_.cend() || *old != line.sliced(values - start).chopped(1);
}

void FactsCache::Save() {
    if (file_.isEmpty() || (!changed_ && kept_.size() == read_.size()))
        return;
    // The captions of a user's photos are theirs alone: the folder is the user's only.
    const QString folder = QFileInfo(file_).path();
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner))
        return;
    // Written beside and renamed over the old file, without waiting for the disk: after a crash
    // a cache may be lost or damaged, which costs only the reads it would have saved.
    QFile file(file_ + QStringLiteral(".new-%1").arg(QCoreApplication::applicationPid()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const bool written = file.write(kept_) == kept_.size() && file.flush();
    file.close();
    if (!written || std::rename(QFile::encodeName(file.fileName()).constData(),
                                QFile::encodeName(file_).constData()) != 0)
        file.remove();
}

QString DefaultFactsCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Tarnwick/Tu_K/facts");
}

} // namespace tuk
