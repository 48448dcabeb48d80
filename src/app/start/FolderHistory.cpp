#include "app/start/FolderHistory.h"

#include "settings/SettingsStore.h"

namespace tuk {

namespace {

constexpr char kSection[] = "Window";

QByteArray RecentKey(int n) {
    return "sRecent" + QByteArray::number(n);
}

} // namespace

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
    last_ = store.ReadSetting(kSection, "sLastFolder", QString());
    recent_.clear();
    for (int n = 1; n <= kMaxRecent; ++n) {
        const QString folder = store.ReadSetting(kSection, RecentKey(n).constData(), QString());
        if (!folder.isEmpty() && !recent_.contains(folder))
            recent_.append(folder);
    }
    headPassing_ = false;
}

// Every key is written, the unused ones empty, so a shorter list leaves no old entries behind.
void FolderHistory::Write(SettingsStore& store) const {
    store.WriteSetting(kSection, "sLastFolder", last_);
    for (int n = 1; n <= kMaxRecent; ++n)
        store.WriteSetting(kSection, RecentKey(n).constData(), recent_.value(n - 1));
}

} // namespace tuk
