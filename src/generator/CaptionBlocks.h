#pragma once

#include <QByteArrayView>
#include <QString>

namespace tuk {

// The description of an XMP packet (its dc:description): the x-default language, else the
// first, with XML's character references decoded; null when it has none.
QString XmpDescription(QByteArrayView packet);

// The IPTC caption (record 2, dataset 120) of a Photoshop block's resources (the segment after
// "Photoshop 3.0\0"); null when it has none.
QString IptcCaption(QByteArrayView resources);

} // namespace tuk
