#pragma once

#include "base/FsName.h"
#include "base/Volumes.h"
#include "settings/PageSettings.h"

#include <QByteArrayView>
#include <QString>

namespace tuk {

// Whether the end of a file shows it as a page of the program's own: the credit line with the
// maker's address, then the end of the document, exactly as every page ends.
bool IsOwnPageEnd(QByteArrayView tail);

// The page View opens for a folder whose pages an earlier run made, found where a run would
// write them (ChooseOutputFolder): the first image's page, which must be the program's own and
// show that very image (pages of other folders share a target folder), and with the index
// option the index page beside it, which must be the program's own index. Empty when there is
// no such page.
QString PageMadeBefore(const FsName& sFolder, const FsName& firstImage,
                       const PageSettings& settings, VolumeKind driveType);

} // namespace tuk
