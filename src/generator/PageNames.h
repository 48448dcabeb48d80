#pragma once

#include "base/FsName.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <vector>

namespace tuk {

// The page file name of an image, from its file-system bytes: lower-cased base name, "_",
// lower-cased extension, ".html" (Beach.Day.JPG gives beach.day_jpg.html). Bytes that are not
// UTF-8 are kept as they are (see LowerCased), so such a page name stays unique and stable.
QByteArray PageFileName(QByteArrayView image);

// Whether a name can be a file of the folder: not empty, not "." or "..", no "/" or NUL.
bool IsPlainFileName(QByteArrayView name);

// The page file names of a whole image list, in list order, as file-system bytes, kept in
// one block so that memory grows by little more than the names themselves.
// Names that differ only in letter case (IMG.jpg, img.JPG) lower-case to one page name; the
// first of them in list order keeps it and each later one gets the first free numbered name
// in front of ".html" (img_jpg-2.html, img_jpg-3.html, ...) that is no other image's page
// name, so no page of a run overwrites another and every link follows the numbered name.
class PageNameTable {
public:
    // Returns false, with the offending name in badImage and an empty table, when a name is
    // not a plain file name.
    bool Build(const QList<FsName>& images, QString& badImage);

    qsizetype size() const { return static_cast<qsizetype>(starts_.size()); }
    // The k-th name; a NUL follows it in memory, so data() can go to the system as is.
    QByteArrayView at(qsizetype k) const;

private:
    void Append(QByteArrayView name);
    // Gives every later holder of a shared name a numbered name of its own.
    void NumberCaseTwins(const std::vector<qsizetype>& order);

    QByteArray names_; // every name followed by a NUL
    std::vector<qsizetype> starts_;
};

} // namespace tuk
