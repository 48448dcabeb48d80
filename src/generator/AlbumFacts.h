#pragma once

#include "generator/AlbumTree.h"

namespace tuk {

// Reads what each photo of the tree says of itself (capture time, caption, camera facts) from
// its header, one read per image, into its album. With `byCaptureTime` every album's images go
// in the order they were taken (an image that does not say when: its file's time), then by
// name, and each album learns the first and last day of its photos and of those below it.
// An image that cannot be read says nothing; making its page tells why. What was read is kept in
// cacheFolder (see FactsCache), empty for nowhere.
void ReadTreeFacts(AlbumTree& tree, bool byCaptureTime, const QString& cacheFolder);

} // namespace tuk
