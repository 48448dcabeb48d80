#pragma once

// The images of a run and their pictures as files: how they are opened, and which pictures
// an image gets. Shared by the planning and the decoding of pictures.

#include "base/Failure.h"
#include "base/UniqueFd.h"
#include "generator/Pictures.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace tuk {

// Opens a file of a folder for reading without ever blocking (a FIFO opens at once) and keeps
// it only when it is a regular file, filling `st`; the failure's text is the reason alone.
Result<UniqueFd> OpenRegular(int folderFd, const QByteArray& name, bool followLinks,
                             struct stat& st);

// Whether the image's kind, by its name, is one whose pictures show only its first frame.
bool IsAnimated(const PictureSource& source);

// The pictures an image of this size gets made, largest first: each is scaled from the one
// before it.
std::vector<PictureKind> NeededKinds(const PictureSizes& sizes, QSize image, bool animated);

// The colour a transparent kind's clear pixels are laid on, which its pictures' stamps tell.
std::optional<quint32> StampBackground(const PictureSource& source, const PictureSizes& sizes);

} // namespace tuk
