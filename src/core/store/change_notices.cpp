#include "core/store/change_notices.h"

#include <vector>

namespace vorla::store {

Subscription::Subscription(Subscription&& other) noexcept
    : observers_(std::move(other.observers_)), key_(other.key_) {
    other.observers_.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        observers_ = std::move(other.observers_);
        key_ = other.key_;
        other.observers_.reset();
    }
    return *this;
}

void Subscription::reset() {
    if (const auto observers = observers_.lock()) observers->erase(key_);
    observers_.reset();
}

Subscription ChangeNotices::subscribe(std::function<void(Changes)> observer) {
    const int key = next_key_++;
    observers_->emplace(key, std::move(observer));
    return Subscription(observers_, key);
}

void ChangeNotices::announce(Changes what) const {
    if (what.empty()) return;
    // Observers may subscribe or unsubscribe while they are told: walk a copy of the keys
    // and look each one up again. The map is held so that it outlives the round.
    const std::shared_ptr<Subscription::Observers> observers = observers_;
    std::vector<int> keys;
    keys.reserve(observers->size());
    for (const auto& entry : *observers)
        keys.push_back(entry.first);
    for (const int key : keys) {
        const auto found = observers->find(key);
        if (found == observers->end()) continue;
        // A copy: the observer may end its own subscription while it runs.
        const std::function<void(Changes)> observer = found->second;
        observer(what);
    }
}

}  // namespace vorla::store
