#include "core/store/document.h"

#include <string_view>

#include "core/calendar/date_label.h"
#include "core/calendar/week_window.h"
#include "core/store/upgrades.h"
#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

using calendar::WeekIndex;
using calendar::WeekNumber;

namespace {
// Far more than every setting and font with their comments: a larger file is not ours.
constexpr std::uint64_t kSettingsFileLimit = 1 << 20;
}  // namespace

Document::Document(Options options, io::Prompter& prompter)
    : folder_(std::move(options.folder), prompter, options.read_only),
      language_(options.language.empty() ? text::text(TextId::language_code) : options.language),
      today_(options.today),
      clock_(options.clock),
      collator_(language_),
      weeks_(calendar::week_window_base(options.today.year)) {
    folder_.remove_leftovers();
    read_settings();
    today_week_ = calendar::today_week_number(today_);
    current_week_ = today_week_;
    load_tables(true);
}

// --- where and when ----------------------------------------------------------------------

calendar::LocalTime Document::now() const {
    return clock_ ? clock_->now() : calendar::FixedClock(today_).now();
}

calendar::CalendarContext Document::calendar() const {
    calendar::CalendarContext c;
    c.language = language_;
    c.alternate_date_format = settings_.alternate_date_format;
    c.service_year = settings_.service_year;
    c.current_yy = today_.year % 100;
    c.meeting_odd = meeting_odd_;
    c.meeting_even = meeting_even_;
    return c;
}

std::string Document::date_label(WeekNumber n, calendar::LabelStyle style) const {
    return calendar::date_label(n, style, calendar());
}

// --- settings ----------------------------------------------------------------------------

std::filesystem::path Document::settings_path() const {
    return folder_.file(files::kSettings);
}

settings::IniFile Document::read_settings_file() const {
    const io::FileRead file = folder_.read(settings_path(), kSettingsFileLimit);
    if (!file.bytes) return settings::IniFile::parse({});
    return settings::IniFile::parse(
        std::string_view(reinterpret_cast<const char*>(file.bytes->data()), file.bytes->size()));
}

bool Document::write_settings_file(const settings::IniFile& ini) const {
    const std::string bytes = ini.serialize();
    // Nothing changed, nothing to write (nor to refuse, in a folder opened read-only).
    const io::FileRead now = io::read_file(settings_path(), kSettingsFileLimit);
    if (now.bytes && std::string_view(reinterpret_cast<const char*>(now.bytes->data()),
                                      now.bytes->size()) == bytes)
        return true;
    return folder_.replace(settings_path(), bytes);
}

void Document::read_settings() {
    settings_ = settings::read_settings(read_settings_file());
}

void Document::set_settings(const settings::Settings& s) {
    const std::uint16_t ours = settings_.our_congregation;
    settings_ = s;
    settings_.our_congregation = ours;
}

bool Document::write_settings_file() const {
    settings::IniFile ini = read_settings_file();
    settings::write_settings(ini, settings_);
    return write_settings_file(ini);
}

// --- loading -----------------------------------------------------------------------------

void Document::load_tables(bool with_old_extras) {
    rename_creole_files(folder_, language_);
    if (with_old_extras) ExtraFile::convert_old_file(folder_);
    adopt_italian_brother_file(folder_, language_);
    brothers_.load(folder_, collator_);
    congregations_.load(folder_, collator_);
    circuits_.load(folder_);
    hosts_.load(folder_);
    talks_.load(folder_);
    topics_.load(folder_, collator_);
    if (!with_old_extras) read_settings();
    rebuild_our_congregation();
    weeks_.load(folder_);
    unavailable_.load(folder_, today_week_);
    wish_list_.load(folder_);
    events_.load(folder_);
}

void Document::reload_all() {
    folder_.start_over();
    brothers_ = BrotherIndex();
    congregations_ = CongregationIndex();
    circuits_ = NamedTable(files::kCircuits, false);
    hosts_ = NamedTable(files::kHosts, true);
    talks_ = TalkCatalogue();
    topics_ = TopicTable();
    weeks_ = WeekTable(calendar::week_window_base(today_.year));
    events_ = SpecialEvents();
    unavailable_ = UnavailableWeeks();
    wish_list_ = WishList();
    load_tables(false);
    announce(Changes::all());
}

void Document::reload_weeks_and_events() {
    weeks_.load(folder_);
    events_.load(folder_);
    announce(Change::weeks);
}

// --- change notices ----------------------------------------------------------------------

void Document::announce(Changes what) {
    if (what.contains(Change::brothers) || what.contains(Change::congregations) ||
        what.contains(Change::settings))
        rebuild_our_congregation();
    notices_.announce(what);
}

// --- our congregation --------------------------------------------------------------------

void Document::set_our_congregation(std::uint16_t cong_id) {
    settings_.our_congregation = cong_id;
    settings::IniFile ini = read_settings_file();
    ini.set_int("Congregation", "Number", cong_id);
    write_settings_file(ini);
    announce(Change::settings);
}

void Document::rebuild_our_congregation() {
    local_brothers_.clear();
    meeting_odd_ = calendar::DayOffset(6);
    meeting_even_ = calendar::DayOffset(6);
    const std::uint16_t ours = settings_.our_congregation;
    if (ours == 0) return;
    if (const auto pos = congregations_.find(ours)) {
        const CongregationEntry& e = congregations_.at(*pos);
        meeting_odd_ = calendar::to_offset(e.day_odd);
        meeting_even_ = calendar::to_offset(e.day_even);
    }
    for (std::size_t i = 0; i < brothers_.size(); ++i) {
        if (brothers_.at(i).cong_id != ours) continue;
        const auto record = brothers_.read(folder_, i);
        local_brothers_.push_back(
            LocalBrother{brothers_.at(i).brother_id, i, record ? record->roles : std::uint8_t{0}});
    }
}

void Document::set_local_roles(std::size_t local_index, std::uint8_t roles) {
    if (local_index < local_brothers_.size()) local_brothers_[local_index].roles = roles;
}

bool Document::write_local_roles() {
    bool ok = true;
    bool written = false;
    for (const LocalBrother& l : local_brothers_) {
        const auto pos = brothers_.find(l.brother_id);
        if (!pos) continue;
        auto record = brothers_.read(folder_, *pos);
        if (!record || record->roles == l.roles) continue;
        record->roles = l.roles;
        ok = brothers_.write(folder_, *record) && ok;
        written = true;
    }
    if (written) announce(Change::brothers);
    return ok;
}

std::uint8_t Document::roles_of(std::uint16_t brother_id) const {
    for (const LocalBrother& l : local_brothers_) {
        if (l.brother_id == brother_id) return l.roles;
    }
    return 0;
}

// --- cascades ----------------------------------------------------------------------------

bool Document::delete_congregation(std::size_t pos) {
    if (pos >= congregations_.size()) return false;
    const std::uint16_t id = congregations_.at(pos).cong_id;
    for (std::size_t i = 0; i < brothers_.size(); ++i) {
        if (brothers_.at(i).cong_id != id) continue;
        if (auto record = brothers_.read(folder_, i)) {
            record->cong_id = 0;
            brothers_.write(folder_, *record);
        } else {
            brothers_.entry_for_update(i).cong_id = 0;
        }
    }
    // The window's first week is left alone; the rest lose the congregation in memory and
    // reach the file with the next save of the weeks.
    for (WeekIndex w = weeks_.first() + 1; w <= weeks_.last(); ++w) {
        WeekRecord& week = weeks_.at(w);
        if (week.speaker_cong_id == id) week.speaker_cong_id = 0;
        for (auto& c : week.out_cong_id) {
            if (c == id) c = 0;
        }
    }
    const bool ok = congregations_.remove(folder_, pos);
    announce(Change::congregations | Change::brothers | Change::weeks);
    return ok;
}

bool Document::delete_brother(std::size_t pos) {
    if (pos >= brothers_.size()) return false;
    const BrotherEntry entry = brothers_.at(pos);
    const std::uint16_t id = entry.brother_id;
    // 1. The offices he held.
    for (std::size_t i = 0; i < congregations_.size(); ++i) {
        const CongregationEntry& c = congregations_.at(i);
        if (c.cobe_id != id && c.talk_coord_id != id && c.secretary_id != id) continue;
        if (auto record = congregations_.read(folder_, i)) {
            if (record->cobe_id == id) record->cobe_id = 0;
            if (record->talk_coord_id == id) record->talk_coord_id = 0;
            if (record->secretary_id == id) record->secretary_id = 0;
            congregations_.write(folder_, *record);
        }
    }
    // 2. His extra record.
    if (entry.xtend_no != 0) brothers_.extras().clear(folder_, entry.xtend_no, id);
    // 3. His unavailable weeks.
    unavailable_.remove_brother(id);
    unavailable_.save(folder_);
    // 4. His assignments; talks and congregations of those weeks stay.
    for (WeekIndex w = weeks_.first() + 1; w <= weeks_.last(); ++w) {
        WeekRecord& week = weeks_.at(w);
        if (week.speaker_id == id) week.speaker_id = 0;
        if (week.chairman_id == id) week.chairman_id = 0;
        if (week.reader_id == id) week.reader_id = 0;
        for (auto& s : week.out_speaker_id) {
            if (s == id) s = 0;
        }
    }
    weeks_.save(folder_);
    // 5. The record and the index entry.
    const bool ok = brothers_.remove(folder_, pos);
    announce(Change::brothers | Change::congregations | Change::availability | Change::weeks);
    return ok;
}

bool Document::move_brother(std::size_t pos, std::uint16_t cong_id) {
    auto record = brothers_.read(folder_, pos);
    if (!record) return false;
    const std::uint16_t id = record->brother_id;
    const std::uint16_t old = record->cong_id;
    if (old == cong_id) return true;
    if (const auto old_pos = old ? congregations_.find(old) : std::nullopt) {
        const std::string question =
            text::format(TextId::confirm_move_brother, record->first_name + " " + record->last_name,
                         " " + congregations_.at(*old_pos).name);
        if (!prompter().ask_yes_no(question, false)) return false;
        if (auto c = congregations_.read(folder_, *old_pos)) {
            if (c->cobe_id == id) c->cobe_id = 0;
            if (c->talk_coord_id == id) c->talk_coord_id = 0;
            if (c->secretary_id == id) c->secretary_id = 0;
            congregations_.write(folder_, *c);
        }
    }
    record->cong_id = cong_id;
    const bool ok = brothers_.write(folder_, *record);
    update_speaker_congregation(id, cong_id);
    announce(Change::brothers | Change::congregations);
    return ok;
}

bool Document::update_speaker_congregation(std::uint16_t brother_id, std::uint16_t cong_id) {
    for (WeekIndex w = weeks_.first() + 1; w <= weeks_.last(); ++w) {
        WeekRecord& week = weeks_.at(w);
        if (week.speaker_id == brother_id) week.speaker_cong_id = cong_id;
    }
    const bool saved = weeks_.save(folder_);
    announce(Change::weeks);
    return saved;
}

bool Document::delete_circuit(std::size_t pos) {
    if (pos >= circuits_.size()) return false;
    const std::uint16_t id = circuits_.at(pos).id;
    for (std::size_t i = 0; i < congregations_.size(); ++i) {
        if (congregations_.at(i).circuit_id != id) continue;
        if (auto record = congregations_.read(folder_, i)) {
            record->circuit_id = 0;
            congregations_.write(folder_, *record);
        } else {
            congregations_.entry_for_update(i).circuit_id = 0;
        }
    }
    circuits_.remove(pos);
    const bool saved = circuits_.save(folder_);
    announce(Change::congregations);
    return saved;
}

bool Document::delete_topic(std::size_t pos) {
    if (pos >= topics_.size()) return false;
    talks_.remove_topic(topics_.at(pos).topic_id);
    topics_.remove(pos);
    const bool talks_saved = talks_.save(folder_);
    const bool topics_saved = topics_.save(folder_);
    announce(Change::talks);
    return topics_saved && talks_saved;
}

// --- week queries ------------------------------------------------------------------------

bool Document::brother_available(std::uint16_t brother_id, WeekNumber n) const {
    return unavailable_.is_available(brother_id, n);
}

AssignmentType Document::assignment_type(std::uint16_t brother_id, WeekIndex i,
                                         AssignmentType excluded) const {
    if (brother_id == 0) return AssignmentType::none;
    const WeekRecord& w = weeks_.at(i);
    if (excluded != AssignmentType::outgoing_speaker) {
        for (std::uint16_t s : w.out_speaker_id) {
            if (s == brother_id) return AssignmentType::outgoing_speaker;
        }
    }
    if (excluded != AssignmentType::speaker && w.speaker_id == brother_id)
        return AssignmentType::speaker;
    if (excluded != AssignmentType::chairman && w.chairman_id == brother_id)
        return AssignmentType::chairman;
    if (excluded != AssignmentType::reader && w.reader_id == brother_id)
        return AssignmentType::reader;
    return AssignmentType::none;
}

int Document::count_assignments(std::uint16_t brother_id) const {
    int n = 0;
    for (int k = 0; k < 55; ++k) {
        if (assignment_type(brother_id, WeekIndex(today_week_.value + k)) != AssignmentType::none)
            ++n;
    }
    return n;
}

bool Document::is_local_outgoing_speaker(std::size_t pos) const {
    if (pos >= brothers_.size()) return false;
    const BrotherEntry& e = brothers_.at(pos);
    return !e.discontinued() && (roles_of(e.brother_id) & BrotherRecord::kRoleOutgoing) != 0;
}

}  // namespace vorla::store
