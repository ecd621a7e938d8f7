#include "core/editors/availability_model.h"

#include "core/text/texts.h"

namespace vorla::editors {

using text::TextId;

namespace {
constexpr auto kLabelStyle = calendar::LabelStyle::short_month | calendar::LabelStyle::with_year;
}

AvailabilityModel::AvailabilityModel(store::Document& doc, std::uint16_t brother_id,
                                     bool discontinued, bool read_only)
    : doc_(doc),
      brother_id_(brother_id),
      discontinued_(discontinued),
      read_only_(read_only),
      first_(doc.today_week()),
      start_(kWeeks, false) {
    lines_.reserve(kWeeks);
    for (int i = 0; i < kWeeks; ++i)
        lines_.push_back(doc.date_label(first_ + i, kLabelStyle));
    if (brother_id_ != 0) {
        title_ = doc.brothers().name_of(brother_id_);
        for (const calendar::WeekNumber n : doc.unavailable().weeks_of(brother_id_)) {
            const int line = n - first_;
            if (line >= 0 && line < kWeeks) start_[static_cast<std::size_t>(line)] = true;
        }
        for (int i = 0; i < kWeeks; ++i) {
            if (start_[static_cast<std::size_t>(i)]) {
                first_selected_ = i;
                break;
            }
        }
    }
    now_ = start_;
}

std::string AvailabilityModel::prompt_text() const {
    return text::text(weeks_editable() ? text::TextId::choose_unavailable_weeks
                                       : text::TextId::save_brother_first);
}

std::string AvailabilityModel::cancel_caption() const {
    return read_only_ ? text::text(TextId::close) : text::text(text::TextId::cancel);
}

bool AvailabilityModel::selected(int line) const {
    return line >= 0 && line < kWeeks && now_[static_cast<std::size_t>(line)];
}

void AvailabilityModel::set_selected(int line, bool on) {
    if (weeks_editable() && line >= 0 && line < kWeeks) now_[static_cast<std::size_t>(line)] = on;
}

int AvailabilityModel::selected_count() const {
    int n = 0;
    for (const bool s : now_)
        n += s ? 1 : 0;
    return n;
}

void AvailabilityModel::accept() {
    if (read_only_ || brother_id_ == 0) return;
    store::UnavailableWeeks& table = doc_.unavailable();
    bool changed = false;
    for (int i = 0; i < kWeeks; ++i) {
        const bool was = start_[static_cast<std::size_t>(i)];
        const bool is = now_[static_cast<std::size_t>(i)];
        if (is == was) continue;
        if (is) {
            table.mark(brother_id_, week_of(i));
        } else {
            table.unmark(brother_id_, week_of(i));
        }
        changed = true;
    }
    if (changed) doc_.announce(store::Change::availability);
}

bool store_discontinued(store::Document& doc, std::uint16_t brother_id, bool discontinued) {
    const auto pos = doc.brothers().find(brother_id);
    if (!pos) return false;
    auto record = doc.brothers().read(doc.folder(), *pos);
    if (!record || record->discontinued() == discontinued) return false;
    record->set_discontinued(discontinued);
    doc.brothers().write(doc.folder(), *record);
    doc.announce(store::Change::brothers);
    return true;
}

}  // namespace vorla::editors
