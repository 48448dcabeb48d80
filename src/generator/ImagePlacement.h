#pragma once

#include <QByteArray>
#include <sys/stat.h>

namespace tuk {

class PageFileWriter;

enum class Placement {
    Kept,    // already there, made from the image as it is now
    Written, // placed anew
    Broken,  // not a whole image of its kind: nothing placed
    Failed,  // the image could not be read or the site not written: errno in `error`
};

// Places an image in a site folder beside the pages that show it, under its own name: without
// its metadata (its comment names the image it was made from), or with `original`, or for a
// kind that has no stripper, the image itself (a hard link where the site lies on the image's file
// system, else a copy with the image's times). What the site holds already from the image as it is
// now is left alone; what is replaced is replaced whole (see PageFileWriter).
Placement PlaceImage(int imageFolderFd, const QByteArray& name, const struct stat& image,
                     PageFileWriter& site, int siteFd, bool original, int& error);

} // namespace tuk
