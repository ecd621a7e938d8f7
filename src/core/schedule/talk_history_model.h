#pragma once
// The talk history: the talks given in our hall ("История местной речи") or by our speakers
// elsewhere ("История речей вне собрания"), narrowed to one talk and, going out, one speaker.
// In pick-a-week mode it is the letters' way to choose one visit of the coming weeks.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/speaker_history_model.h"
#include "core/store/document.h"

namespace vorla::schedule {

enum class TalkHistoryMode { local, outgoing };

// The visit chosen in pick-a-week mode: the week and, going out, the slot 0..5.
using PickedWeek = HistoryVisit;

class TalkHistoryModel {
  public:
    // talk_no: the talk preset (0 = all).
    TalkHistoryModel(const store::Document& doc, TalkHistoryMode mode, bool pick = false,
                     int talk_no = 0);

    TalkHistoryMode mode() const { return mode_; }
    bool picking() const { return pick_; }
    std::string title() const;
    // The talk list, the speaker list (going out) and the "Речь" label; none when picking.
    bool talk_list_visible() const { return !pick_; }
    bool speaker_list_visible() const { return !pick_ && mode_ == TalkHistoryMode::outgoing; }

    // "Все", then the number of every talk 1-200 with a title.
    const std::vector<std::string>& talk_lines() const { return talk_lines_; }
    int talk_line() const { return talk_line_; }
    void set_talk_line(int line);
    // "Все докладчики", then our outgoing speakers.
    const std::vector<std::string>& speaker_lines() const { return speaker_lines_; }
    int speaker_line() const { return speaker_line_; }
    void set_speaker_line(int line);

    // "<date>\t<speaker>[ ( <number> )]\t<congregation>"; the number only while all talks show.
    const std::vector<std::string>& week_lines() const { return lines_; }
    const std::vector<HistoryVisit>& visits() const { return visits_; }
    std::optional<std::size_t> week_line() const { return line_; }
    void select_week_line(std::size_t line);

    // While all talks show: the selected week's talk title and number.
    std::string talk_caption() const;
    // Local mode: "Показать историю - <name>" when the week's speaker spoke twice or more;
    // another talk or speaker hides it until a line is selected.
    bool speaker_history_visible() const;
    std::string speaker_history_caption() const;
    // The brother the speaker history then opens for.
    std::uint16_t selected_speaker() const;

    // Pick-a-week OK: the selected visit; nothing with an empty list (as Cancel).
    std::optional<PickedWeek> picked() const;

  private:
    void fill();
    int chosen_talk() const { return talk_ids_[static_cast<std::size_t>(talk_line_)]; }
    std::uint16_t chosen_speaker() const;
    void add_line(calendar::WeekIndex i, std::optional<std::size_t> slot, std::uint16_t speaker,
                  int talk, std::uint16_t cong);

    const store::Document& doc_;
    TalkHistoryMode mode_;
    bool pick_;
    std::vector<std::string> talk_lines_;
    std::vector<int> talk_ids_;
    int talk_line_ = 0;
    std::vector<std::string> speaker_lines_;
    std::vector<std::uint16_t> speaker_ids_;
    int speaker_line_ = 0;
    std::vector<std::string> lines_;
    std::vector<HistoryVisit> visits_;
    std::optional<std::size_t> line_;
    bool offer_history_ = true;
};

}  // namespace vorla::schedule
