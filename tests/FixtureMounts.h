#pragma once

// A mount table the test writes itself, in place of this machine's.

#include "base/Volumes.h"

namespace tuktest {

class FixtureMountTable : public tuk::MountTableSource {
public:
    FixtureMountTable() = default;
    explicit FixtureMountTable(QList<tuk::MountEntry> entries) : mounts(std::move(entries)) {}
    QList<tuk::MountEntry> Mounts() const override { return mounts; }

    QList<tuk::MountEntry> mounts;
};

} // namespace tuktest
