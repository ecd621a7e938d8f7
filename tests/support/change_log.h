#pragma once
// Records what a document announces, for tests that check a change was told, or that
// nothing was.
#include <algorithm>
#include <vector>

#include "core/store/document.h"

namespace vorla::testing {

class ChangeLog {
  public:
    explicit ChangeLog(store::Document& doc)
        : subscription_(doc.observe([this](store::Changes what) { notices_.push_back(what); })) {}

    // Some notice named the kind.
    bool saw(store::Change kind) const {
        return std::any_of(notices_.begin(), notices_.end(),
                           [kind](store::Changes c) { return c.contains(kind); });
    }
    bool quiet() const { return notices_.empty(); }
    const std::vector<store::Changes>& notices() const { return notices_; }
    void clear() { notices_.clear(); }

  private:
    std::vector<store::Changes> notices_;
    store::Subscription subscription_;
};

}  // namespace vorla::testing
