#include "core/reports/talk_list.h"

#include <algorithm>

#include "core/reports/listed_talks.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

using text::TextId;

namespace {

bool gives_talks_out(const store::Document& doc, const store::BrotherEntry& e) {
    if (e.discontinued()) return false;
    const std::uint16_t ours = doc.our_congregation();
    return !ours || e.cong_id != ours ||
           (doc.roles_of(e.brother_id) & store::BrotherRecord::kRoleOutgoing) != 0;
}

int extra_lines(std::size_t speakers) {
    const int d = static_cast<int>(speakers);
    if (d == 0) return 0;
    if (d <= 2) return 1;
    return d / 2 + d % 2 + 1;
}

// "First Last ( congregation )" of the listed speakers. A brother gives many talks and a
// congregation has many brothers: each congregation's part is made once.
class SpeakerNames {
  public:
    explicit SpeakerNames(const store::Document& doc) : doc_(doc) {
        for (const store::CongregationEntry& c : doc.congregations().entries()) {
            if (c.cong_id >= suffix_.size()) suffix_.resize(std::size_t{c.cong_id} + 1);
            suffix_[c.cong_id] = " ( " + c.name + " )";
        }
    }
    std::string operator()(std::size_t pos) const {
        const store::BrotherEntry& e = doc_.brothers().at(pos);
        const std::string& suffix = e.cong_id < suffix_.size() ? suffix_[e.cong_id] : none_;
        std::string line;
        line.reserve(e.first_name.size() + 1 + e.last_name.size() + suffix.size());
        line.append(e.first_name).append(" ").append(e.last_name).append(suffix);
        return line;
    }

  private:
    const store::Document& doc_;
    std::vector<std::string> suffix_;  // by congregation id
    std::string none_;
};

}  // namespace

std::vector<std::vector<std::size_t>> speakers_by_talk(const store::Document& doc, int count) {
    std::vector<std::vector<std::size_t>> by_talk(static_cast<std::size_t>(count) + 1);
    const auto& entries = doc.brothers().entries();
    for (std::size_t pos = 0; pos < entries.size(); ++pos) {
        if (!gives_talks_out(doc, entries[pos])) continue;
        for (const int n : entries[pos].talks.talks()) {
            if (n > count) break;
            by_talk[static_cast<std::size_t>(n)].push_back(pos);
        }
    }
    return by_talk;
}

namespace {

ListEstimate estimate(const std::vector<std::vector<std::size_t>>& by_talk, int line_height,
                      int res_y) {
    ListEstimate e;
    for (std::size_t n = 1; n < by_talk.size(); ++n)
        e.lines += 2 + extra_lines(by_talk[n].size());
    e.pages =
        estimated_pages(static_cast<long long>(e.lines) * line_height, line_height + 10LL * res_y);
    return e;
}

}  // namespace

ListEstimate estimate_talk_list(const store::Document& doc, int line_height, int res_y) {
    return estimate(speakers_by_talk(doc, listed_talk_count(doc.talks(), true)), line_height,
                    res_y);
}

DisplayList layout_talk_list(const store::Document& doc, const settings::ReportFonts& fonts,
                             const Device& device) {
    FlowingList f(doc, fonts, device, text::text(TextId::public_talk_list));
    const int ry = f.metrics().res_y;
    const int rx = f.metrics().res_x;
    f.set_line(std::max(f.list().height(FontId::text), ry / 6));
    const int line = f.line();
    const int x = f.metrics().left_margin;
    const int columns[2] = {x + rx / 10, x + rx / 10 + 4 * rx};
    const auto talk_line = [&](int talk_no, int y) {
        f.band(y, FontId::text);
        std::string line_text = text::format(TextId::talk_number, doc.talks().number_text(talk_no));
        if (const std::string title = doc.talks().title(talk_no); !text::is_blank(title))
            line_text += " " + title;
        f.text(x, y, std::move(line_text), FontId::text, HAlign::left, true);
    };

    f.new_page();
    int y = f.first_line();
    const int count = listed_talk_count(doc.talks(), true);
    const auto by_talk = speakers_by_talk(doc, count);
    f.expect_pages(estimate(by_talk, line, ry));
    const SpeakerNames speaker_line(doc);
    for (int n = 1; n <= count; ++n) {
        if (f.full(y)) {
            f.new_page();
            y = f.first_line();
        }
        talk_line(n, y);
        const std::vector<std::size_t>& names = by_talk[static_cast<std::size_t>(n)];
        // The names stand a line above the cursor, the first a third of a line clear of the
        // talk's band.
        int c = y + line + line / 3 + (names.empty() ? 0 : line);
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (j % 2 == 0 && f.past_end(c)) {
                f.new_page();
                talk_line(n, f.first_line());
                c = f.first_line() + line / 3 + 2 * line;
            }
            f.text(columns[j % 2], c - line, speaker_line(names[j]), FontId::small_text,
                   HAlign::left, false, j % 2 == 0 ? f.room(columns[0], columns[1]) : 0);
            if (j % 2 == 1) c += line;
        }
        // The next talk's band keeps clear of the last names.
        y = names.empty() ? c : c + line / 3;
    }
    return f.take();
}

}  // namespace vorla::reports
