#pragma once
// What the document tells those who show its data: which kinds of data a change touched. The
// main window, the report view and the scheduling sheet subscribe; whoever changes the data
// announces it once the change is made.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace vorla::store {

// The kinds of data a change can touch.
enum class Change : std::uint16_t {
    weeks = 1 << 0,          // the week table and the special events
    brothers = 1 << 1,       // brother records and their extras
    availability = 1 << 2,   // the unavailable weeks
    congregations = 1 << 3,  // congregation records and the circuits
    hosts = 1 << 4,          // the hospitality hosts
    talks = 1 << 5,          // the talk catalogue, the topics and the talks we need
    settings = 1 << 6,       // the settings values, our congregation among them
};

// A set of kinds.
class Changes {
  public:
    constexpr Changes() = default;
    // A single kind converts, so that announce(Change::weeks) reads as it should.
    constexpr Changes(Change c) : bits_(static_cast<std::uint16_t>(c)) {}
    static constexpr Changes all() { return Changes(kAll); }

    constexpr bool contains(Change c) const { return (bits_ & static_cast<std::uint16_t>(c)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr Changes operator|(Changes other) const {
        return Changes(static_cast<std::uint16_t>(bits_ | other.bits_));
    }
    constexpr Changes& operator|=(Changes other) { return *this = *this | other; }
    friend constexpr bool operator==(Changes, Changes) = default;

  private:
    static constexpr std::uint16_t kAll = (1 << 7) - 1;
    constexpr explicit Changes(std::uint16_t bits) : bits_(bits) {}
    std::uint16_t bits_ = 0;
};

constexpr Changes operator|(Change a, Change b) {
    return Changes(a) | b;
}

// Observing lasts as long as its subscription; either side may go first.
class Subscription {
  public:
    Subscription() = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription() { reset(); }

    // Ends the observing now.
    void reset();
    bool active() const { return !observers_.expired(); }

  private:
    friend class ChangeNotices;
    using Observers = std::map<int, std::function<void(Changes)>>;
    Subscription(std::weak_ptr<Observers> observers, int key)
        : observers_(std::move(observers)), key_(key) {}

    std::weak_ptr<Observers> observers_;
    int key_ = 0;
};

// The observers of one document.
class ChangeNotices {
  public:
    ChangeNotices() = default;
    ChangeNotices(const ChangeNotices&) = delete;
    ChangeNotices& operator=(const ChangeNotices&) = delete;

    [[nodiscard]] Subscription subscribe(std::function<void(Changes)> observer);
    // Tells every observer, in the order they subscribed. One that unsubscribes another
    // during the round keeps it from being told.
    void announce(Changes what) const;

  private:
    std::shared_ptr<Subscription::Observers> observers_ =
        std::make_shared<Subscription::Observers>();
    int next_key_ = 0;
};

}  // namespace vorla::store
