#pragma once

// The steps of a run that only a site (Pages into Target Folder) has; not part of the
// generator's interface.

#include "base/Failure.h"

#include <QByteArray>
#include <QSet>
#include <QString>

namespace tuk {

struct RunState;

// Before anything is written: a site holds the pages of one folder only, so a site record of
// another folder where the pages would go refuses the run. Keeps the record it finds.
Done CheckSiteSource(RunState& s);
// Writes the site's record: before the first page with every original the run may place added
// to those of the record, so that none is ever left unknown; after a finished run with the
// originals the site holds now.
Done RecordSite(RunState& s, bool finished);

} // namespace tuk
