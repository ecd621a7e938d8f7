#pragma once
// The circuit drop-down of the speaker picker, the speaker history and the congregation
// chooser: "Все районы", then every circuit in table order.
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/document.h"

namespace vorla::schedule {

class CircuitFilter {
  public:
    explicit CircuitFilter(const store::Document& doc);

    const std::vector<std::string>& lines() const { return lines_; }
    int line() const { return line_; }
    // Out-of-range lines choose "Все районы".
    void set_line(int line);
    // The chosen circuit, 0 for all.
    std::uint16_t circuit() const { return ids_[static_cast<std::size_t>(line_)]; }
    // Whether a congregation passes: any with "Все районы", else those of the circuit.
    bool passes(const store::CongregationEntry& cong) const {
        return circuit() == 0 || cong.circuit_id == circuit();
    }

  private:
    std::vector<std::string> lines_;
    std::vector<std::uint16_t> ids_;
    int line_ = 0;
};

// The congregation drop-down under a circuit filter: "Все собрания" while no circuit is chosen,
// else "N Собрания в районе X" standing for all N; then the circuit's congregations in index
// order. The first line's id is 0 (all).
struct CongregationChoices {
    std::vector<std::string> lines;
    std::vector<std::uint16_t> ids;
};
CongregationChoices congregation_choices(const store::Document& doc, const CircuitFilter& circuits);

}  // namespace vorla::schedule
