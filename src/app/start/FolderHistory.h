#pragma once

#include "settings/SettingsSchema.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tuk {

class SettingsStore;

// The folders chosen before: the last one, chosen again at the next start, and the recent
// ones File -> Recent Folders lists, the latest first. Kept in the store under the keys the
// settings schema names for them (kLastFolderKey, kRecentFolderKeys).
class FolderHistory {
public:
    static constexpr int kMaxRecent = int(kRecentFolderKeys.size());

    // A folder (ending with "/") became the current one. `passing`: by a move of the tree's
    // selection with the keyboard; a run of such moves is one visit, so only the folder
    // where it stops stays in the list.
    void Chosen(const QString& folder, bool passing);
    // Drops the recent folders for which `exists` is false.
    void DropGone(const std::function<bool(const QString&)>& exists);

    const QString& Last() const { return last_; }
    const QStringList& Recent() const { return recent_; }

    void Read(const SettingsStore& store);
    void Write(SettingsStore& store) const;

private:
    QString last_;
    QStringList recent_;
    bool headPassing_ = false; // the first recent folder was reached by a keyboard move
};

} // namespace tuk
