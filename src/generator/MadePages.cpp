#include "generator/MadePages.h"

#include "base/Append.h"
#include "generator/Credit.h"
#include "generator/IndexPage.h"
#include "generator/PageEncoding.h"
#include "generator/PageGenerator.h"
#include "generator/PageNames.h"

#include <QFile>

namespace tuk {

namespace {

// Pages are a few kilobytes; anything much larger is no page of the program's.
constexpr qint64 kLargestPage = 1 << 20;

QByteArray ReadPage(const QByteArray& path) {
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPage)
        return {};
    return file.read(kLargestPage);
}

} // namespace

bool IsOwnPageEnd(QByteArrayView tail) {
    for (const char* creditEnd : {"<!-- -->", "-->"}) {
        QByteArray end(kMakerHomePage);
        AppendLiteral(end, "</a>");
        end.append(creditEnd);
        AppendLiteral(end, "</font>\r\n</body>\r\n</html>\r\n");
        if (tail.endsWith(end))
            return true;
    }
    return false;
}

QString PageMadeBefore(const FsName& sFolder, const FsName& firstImage,
                       const PageSettings& settings, VolumeKind driveType) {
    const OutputChoice out =
        ChooseOutputFolder(sFolder, driveType, settings.TargetFolder, settings.lIntoTarget);
    const QByteArray firstPage = out.sOutFolder.bytes + PageFileName(firstImage.bytes);
    const QByteArray page = ReadPage(firstPage);
    // The image as the page refers to it: by name beside it, by full path from elsewhere.
    QByteArray imageRef("\"");
    if (out.FullPaths())
        AppendLink(imageRef, WithTrailingSeparator(sFolder).bytes);
    AppendLink(imageRef, firstImage.bytes);
    imageRef.append('"');
    if (!IsOwnPageEnd(page) || !page.contains(imageRef))
        return {};
    if (!settings.lIndex)
        return ShownText(firstPage);
    const QByteArray index = out.sOutFolder.bytes + kIndexFileName;
    return IsOwnIndexPage(ReadPage(index)) ? ShownText(index) : QString();
}

} // namespace tuk
