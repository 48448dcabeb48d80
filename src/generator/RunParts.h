#pragma once

// Pieces the page generator's run is built from; not part of the generator's interface.

#include "base/Failure.h"
#include "base/UniqueFd.h"
#include "generator/PageGenerator.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <ctime>

namespace tuk {

// A descriptor of a folder (O_PATH); when it could not be opened, its error() tells why.
UniqueFd OpenFolder(const QByteArray& path);
// A folder of a folder, never through a link.
UniqueFd OpenFolder(int at, const char* name);

// The date part of a file time in local time, or a day, as page text in the locale's short
// form; dates repeat, so the last one is kept.
class DateTexts {
public:
    explicit DateTexts(const QLocale& locale) : locale_(locale) {}
    QByteArrayView Text(time_t seconds);
    QByteArrayView Text(QDate date);
    // "5/2/24 - 5/9/24", or the one day when both are the same; empty when unknown.
    QByteArray Range(QDate first, QDate last) const;

private:
    QLocale locale_;
    QDate last_;
    QByteArray text_;
};

// "1 too large, 2 could not be decoded": the images shown without a picture.
QString MissingPicturesText(const PageRunResult& r);
// "3 of 9 pages were written before the run stopped."
QString CountSentence(const PageRunResult& r, int total);
// A list of names shown in part: "a, b and 3 more"; the list alone when none is left out.
QString AndMore(const QString& shown, int more);

// The longest file name the folder takes.
qsizetype NameMax(int folderFd);

// Link bytes of a page: its file name, behind the output folder when links are full paths.
void PageLink(QByteArray& out, const QByteArray& folderPrefix, QByteArrayView pageName);

// Why the index page or the pictures' folders cannot go into the output folder without
// writing over something of the user's: an index.html without the program's marker, a
// "thumbs" or "web" that is no folder (a link to one included).
Done PlaceProblem(int outFd, const QString& outFolder, bool index, bool web);

// Makes the child folder of a folder (never through a link) and opens it.
Result<UniqueFd> MakeChildFolder(int parentFd, const char* name, const QString& shownParent);

} // namespace tuk
