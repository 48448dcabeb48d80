#include "generator/PhotoFacts.h"

#include <QStringList>

namespace tuk {

QString PhotoFacts::CameraLine() const {
    QStringList present;
    for (const QString* part : {&camera, &lens, &focalLength, &exposure, &aperture, &iso}) {
        if (!part->isEmpty())
            present << *part;
    }
    return present.join(QLatin1String(", "));
}

} // namespace tuk
