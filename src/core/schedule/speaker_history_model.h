#pragma once
// The speaker history ("История докладчика"): for one brother, every week he gave a talk in our
// hall and, for our own brothers, every week he went out. Circuit and congregation narrow the
// brother list. It changes nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/schedule/circuit_filter.h"
#include "core/store/document.h"
#include "core/text/list_line.h"

namespace vorla::schedule {

// A line of a history list: the week and, for an outgoing visit, the slot.
struct HistoryVisit {
    calendar::WeekIndex week;
    std::optional<std::size_t> slot;
    friend bool operator==(const HistoryVisit&, const HistoryVisit&) = default;
};

class SpeakerHistoryModel {
  public:
    // brother_id: the brother preselected (0: the first listed).
    explicit SpeakerHistoryModel(const store::Document& doc, std::uint16_t brother_id = 0);

    const std::vector<std::string>& circuit_lines() const { return circuits_.lines(); }
    int circuit_line() const { return circuits_.line(); }
    // Another circuit: the congregation goes back to all, the brother list to its first line.
    void set_circuit_line(int line);
    const std::vector<std::string>& congregation_lines() const { return congs_.lines; }
    int congregation_line() const { return cong_line_; }
    void set_congregation_line(int line);

    // Brothers by index position: last name first, " ( СП ) " for a ministerial servant.
    const std::vector<text::ListLine>& brother_lines() const { return brothers_; }
    std::optional<std::size_t> brother_line() const { return brother_line_; }
    void select_brother_line(std::size_t line);

    // "История - <name>[ - <congregation>]"; empty when nobody is listed.
    std::string title() const;
    // The selected brother's weeks, latest first: "<date>\t<number>", an outgoing one with
    // "  ( Уходящий )" after the date.
    const std::vector<std::string>& history_lines() const { return history_; }
    const std::vector<HistoryVisit>& visits() const { return visits_; }
    std::optional<std::size_t> history_line() const { return history_line_; }
    void select_history_line(std::size_t line);
    // Above the lists: the date and the talk; below: "в <congregation>" for an outgoing visit.
    std::string talk_line() const;
    std::string destination_line() const;

  private:
    void fill_brothers(std::uint16_t preselect);
    void fill_history();
    std::uint16_t brother_id() const;

    const store::Document& doc_;
    CircuitFilter circuits_;
    CongregationChoices congs_;
    int cong_line_ = 0;
    std::vector<text::ListLine> brothers_;
    std::optional<std::size_t> brother_line_;
    std::vector<std::string> history_;
    std::vector<HistoryVisit> visits_;
    std::optional<std::size_t> history_line_;
};

}  // namespace vorla::schedule
