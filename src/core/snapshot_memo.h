#pragma once
// Results worked out from one snapshot of the data, kept with it so that a
// second window (or the same one again) reads them instead of computing
// them again. The snapshot never changes, so nothing kept goes stale; a
// new snapshot starts with an empty memo, and so does a copy.
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace n3 {

class SnapshotMemo {
public:
    SnapshotMemo() = default;
    SnapshotMemo(const SnapshotMemo&) {}
    SnapshotMemo& operator=(const SnapshotMemo&) {
        const std::lock_guard lock(mutex_);
        values_.clear();
        return *this;
    }

    // The value kept under `key`, or nullptr. A key names its type too:
    // one key is always used with one type.
    template <class T>
    std::shared_ptr<const T> find(const std::string& key) const {
        const std::lock_guard lock(mutex_);
        const auto it = values_.find(key);
        return it == values_.end() ? nullptr : std::static_pointer_cast<const T>(it->second);
    }
    // Keeps `value` under `key` (a value kept there first stays) and returns what is kept.
    template <class T>
    std::shared_ptr<const T> keep(const std::string& key, std::shared_ptr<const T> value) {
        const std::lock_guard lock(mutex_);
        const auto [it, added] = values_.emplace(key, std::move(value));
        return std::static_pointer_cast<const T>(it->second);
    }

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const void>> values_;
};

}  // namespace n3
