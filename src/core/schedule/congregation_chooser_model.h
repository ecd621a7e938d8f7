#pragma once
// The congregation chooser with circuit filter ("Выбор собрания"): one congregation, or all
// of them, optionally after narrowing the list to one circuit. The package export and the
// reports made for one congregation use it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/circuit_filter.h"
#include "core/schedule/speaker_picker_model.h"
#include "core/store/document.h"
#include "core/text/texts.h"

namespace vorla::schedule {

enum class ChooserMode {
    all = 0,       // "Все собрания" first, then every congregation
    exchange = 1,  // only congregations we exchange speakers with now
    ours = 2,      // every congregation, ours preselected
};

// Not our own, and named as the visiting speaker's or an outgoing speaker's congregation in
// one of the 156 weeks from index T - 1 to T + 154 (T = today's week number).
bool takes_part_in_exchange(const store::Document& doc, std::uint16_t cong_id);

class CongregationChooserModel {
  public:
    // Lines that stand for every congregation carry this position.
    static constexpr std::size_t kAllLine = static_cast<std::size_t>(-1);
    // The list shows the preselected line with this many lines above it.
    static constexpr std::size_t kLinesAbove = 10;

    CongregationChooserModel(const store::Document& doc, ChooserMode mode);

    std::string title() const { return text::text(text::TextId::choose_congregation); }
    ChooserMode mode() const { return mode_; }

    bool circuit_filter_visible() const;
    const std::vector<std::string>& circuit_lines() const { return circuits_.lines(); }
    int circuit_line() const { return circuits_.line(); }
    // A circuit (or "Все районы") chosen: the list is built again.
    void set_circuit_line(int line);
    // The filter: a circuit id, 0 for all circuits.
    std::uint16_t circuit_filter() const { return circuits_.circuit(); }

    // Names in index order; each line's position is its index position (kAllLine for
    // "Все собрания").
    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selected_line() const { return selected_; }
    void select_line(std::size_t line);
    // The line to show at the top: ten above the preselected one, or the first.
    std::size_t top_line() const { return top_; }

    // OK: the chosen congregation's id, 0 for "Все собрания"; nothing without a selection.
    std::optional<std::uint16_t> accept() const;

  private:
    void build();

    const store::Document& doc_;
    ChooserMode mode_;
    CircuitFilter circuits_;
    std::vector<text::ListLine> lines_;
    std::optional<std::size_t> selected_;
    std::size_t top_ = 0;
};

}  // namespace vorla::schedule
