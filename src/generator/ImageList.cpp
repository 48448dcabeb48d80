#include "generator/ImageList.h"

#include "base/FolderReader.h"
#include "generator/ImageFormats.h"

#include <algorithm>

namespace tuk {

bool HasImageExtension(QByteArrayView name) {
    return FormatOfName(name) != ImageFormat::Unknown;
}

bool ImageNameLess(const FsName& a, const FsName& b) {
    const int folded = a.text.compare(b.text, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    const int exact = a.text.compare(b.text);
    return exact != 0 ? exact < 0 : a.bytes < b.bytes;
}

QStringList ShownTexts(const QList<FsName>& names) {
    QStringList texts;
    texts.reserve(names.size());
    for (const FsName& name : names)
        texts << name.text;
    return texts;
}

FolderImages ListFolderImages(const QByteArray& folder) {
    FolderImages result;
    FolderReader dir(folder);
    if (!dir.IsOpen()) {
        result.error = dir.Error();
        return result;
    }
    result.readable = true;
    while (const dirent* entry = dir.Next()) {
        if (entry->d_name[0] == '.')
            continue;
        const QByteArrayView name(entry->d_name);
        if (!HasImageExtension(name) || !dir.IsRegularFile(entry, true))
            continue;
        result.names.append(FsName(name.toByteArray()));
    }
    std::sort(result.names.begin(), result.names.end(), ImageNameLess);
    return result;
}

} // namespace tuk
