#include "app/start/FolderHistory.h"

#include "settings/SettingsStore.h"

namespace tuk {

void FolderHistory::Chosen(const QString& folder, bool passing) {
    last_ = folder;
    if (passing && headPassing_ && !recent_.isEmpty())
        recent_.removeFirst();
    recent_.removeAll(folder);
    recent_.prepend(folder);
    while (recent_.size() > kMaxRecent)
        recent_.removeLast();
    headPassing_ = passing;
}

void FolderHistory::DropGone(const std::function<bool(const QString&)>& exists) {
    const qsizetype before = recent_.size();
    recent_.removeIf([&](const QString& folder) { return !exists(folder); });
    if (recent_.size() != before)
        headPassing_ = false;
}

void FolderHistory::Read(const SettingsStore& store) {
    last_ = store.ReadSetting(kFolderHistorySection, kLastFolderKey, QString());
    recent_.clear();
    for (const char* key : kRecentFolderKeys) {
        const QString folder = store.ReadSetting(kFolderHistorySection, key, QString());
        if (!folder.isEmpty() && !recent_.contains(folder))
            recent_.append(folder);
    }
    headPassing_ = false;
}

// Every key is written, the unused ones empty, so a shorter list leaves no old entries behind.
void FolderHistory::Write(SettingsStore& store) const {
    store.WriteSetting(kFolderHistorySection, kLastFolderKey, last_);
    for (size_t n = 0; n < kRecentFolderKeys.size(); ++n)
        store.WriteSetting(kFolderHistorySection, kRecentFolderKeys[n],
                           recent_.value(qsizetype(n)));
}

} // namespace tuk
