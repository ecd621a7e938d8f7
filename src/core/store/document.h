#pragma once
// Document: the one document. It owns every table and the settings values, loads the data
// folder in a fixed order, and keeps tables and files in step through the cascades that run
// when a congregation, brother, circuit or topic disappears. Everything else reaches the
// data through it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/calendar_context.h"
#include "core/calendar/clock.h"
#include "core/calendar/date_label.h"
#include "core/calendar/week.h"
#include "core/io/prompter.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"
#include "core/store/brother_index.h"
#include "core/store/change_notices.h"
#include "core/store/congregation_index.h"
#include "core/store/data_folder.h"
#include "core/store/named_table.h"
#include "core/store/special_events.h"
#include "core/store/talk_catalogue.h"
#include "core/store/topic_table.h"
#include "core/store/unavailable_weeks.h"
#include "core/store/week_table.h"
#include "core/store/wish_list.h"
#include "core/text/collation.h"

namespace vorla::store {

// Assignment types of a brother in a week.
enum class AssignmentType {
    none,
    speaker,  // speaker in our hall
    outgoing_speaker,
    chairman,
    reader,
};

// A brother of our congregation with his list memberships (`roles` of his record).
struct LocalBrother {
    std::uint16_t brother_id = 0;
    std::size_t position = 0;  // in the brother index
    std::uint8_t roles = 0;
};

class Document {
  public:
    struct Options {
        std::filesystem::path folder;  // the data folder (absolute)
        calendar::Date today;
        std::string language;    // empty: the string table's language_code
        bool read_only = false;  // another program owns the folder: nothing is written
        // The time of day for backup names; without one, today with the machine's hours.
        const calendar::Clock* clock = nullptr;
    };

    // Creates the document: window base, today, settings, tables, upgrades and the loads in
    // their fixed order. Temporary files of interrupted saves are removed first (the caller
    // holds the folder's lock, or the document is read-only and removes nothing).
    Document(Options options, io::Prompter& prompter);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // --- where and when -------------------------------------------------------------------
    const DataFolder& folder() const { return folder_; }
    io::Prompter& prompter() const { return folder_.prompter(); }
    const std::string& language() const { return language_; }
    const calendar::Date& today() const { return today_; }
    // Now, to the minute: today's date as the program takes it (--today), the clock's time.
    calendar::LocalTime now() const;
    // W: the week number of the week containing today.
    calendar::WeekNumber today_week() const { return today_week_; }
    // S: the week the scheduling pages start from.
    calendar::WeekNumber current_week() const { return current_week_; }
    void set_current_week(calendar::WeekNumber s) { current_week_ = s; }
    int window_base() const { return weeks_.base(); }
    const text::NameCollator& collator() const { return collator_; }
    // What labels and parities need: language, date format, service year, our meeting days.
    calendar::CalendarContext calendar() const;
    // The date label of a week number in a style, by our settings.
    std::string date_label(calendar::WeekNumber n, calendar::LabelStyle style) const;

    // --- settings ---------------------------------------------------------------------------
    const settings::Settings& settings() const { return settings_; }
    // Changes the values in force (the settings dialog); our congregation is changed with
    // set_our_congregation.
    void set_settings(const settings::Settings& s);
    // Writes the values in force into the settings file, keeping everything else it holds.
    bool write_settings_file() const;
    std::filesystem::path settings_path() const;
    // The settings file as it is on disk now (fonts and backup place live there too).
    settings::IniFile read_settings_file() const;
    bool write_settings_file(const settings::IniFile& ini) const;

    // --- tables -----------------------------------------------------------------------------
    BrotherIndex& brothers() { return brothers_; }
    const BrotherIndex& brothers() const { return brothers_; }
    CongregationIndex& congregations() { return congregations_; }
    const CongregationIndex& congregations() const { return congregations_; }
    NamedTable& circuits() { return circuits_; }
    const NamedTable& circuits() const { return circuits_; }
    NamedTable& hosts() { return hosts_; }
    const NamedTable& hosts() const { return hosts_; }
    TalkCatalogue& talks() { return talks_; }
    const TalkCatalogue& talks() const { return talks_; }
    TopicTable& topics() { return topics_; }
    const TopicTable& topics() const { return topics_; }
    WeekTable& weeks() { return weeks_; }
    const WeekTable& weeks() const { return weeks_; }
    SpecialEvents& events() { return events_; }
    const SpecialEvents& events() const { return events_; }
    UnavailableWeeks& unavailable() { return unavailable_; }
    const UnavailableWeeks& unavailable() const { return unavailable_; }
    WishList& wish_list() { return wish_list_; }
    const WishList& wish_list() const { return wish_list_; }

    // --- our congregation -------------------------------------------------------------------
    std::uint16_t our_congregation() const { return settings_.our_congregation; }
    // Chooses our congregation, writes it to the settings file and rebuilds what depends on it.
    void set_our_congregation(std::uint16_t cong_id);
    // The local-brother table and our meeting days (0 = Monday ... 6 = Sunday).
    void rebuild_our_congregation();
    const std::vector<LocalBrother>& local_brothers() const { return local_brothers_; }
    calendar::DayOffset our_meeting_odd() const { return meeting_odd_; }
    calendar::DayOffset our_meeting_even() const { return meeting_even_; }
    // Writes the `roles` byte of every local brother back into his record.
    bool write_local_roles();
    void set_local_roles(std::size_t local_index, std::uint8_t roles);

    // --- change notices ---------------------------------------------------------------------
    // Whoever shows the data subscribes; the subscription ends the observing when it goes.
    [[nodiscard]] Subscription observe(std::function<void(Changes)> observer) {
        return notices_.subscribe(std::move(observer));
    }
    // Whoever changed the data says what it touched. The local-brother table and our meeting
    // days follow the brothers and congregations: they are rebuilt before anyone is told.
    void announce(Changes what);

    // --- reloading --------------------------------------------------------------------------
    // Every table again from the files (after a restore); the settings are read again, and a
    // file that could not be read before is read afresh.
    void reload_all();
    // history.dat and special.dat again (the scheduling sheet's Cancel).
    void reload_weeks_and_events();

    // --- cascades ---------------------------------------------------------------------------
    // Deletes the congregation at an index position: its brothers lose it, weeks lose it
    // (in memory), its slot is freed.
    bool delete_congregation(std::size_t pos);
    // Deletes the brother at an index position with everything that names him.
    bool delete_brother(std::size_t pos);
    // Moves a brother into another congregation; when he already belongs to one the user is
    // asked first (confirm_move_brother). False when the user says No or he cannot be read.
    bool move_brother(std::size_t pos, std::uint16_t cong_id);
    // Deletes the circuit at a table position; congregations lose it. Saves circuit.dat.
    bool delete_circuit(std::size_t pos);
    // Deletes the topic at a table position; talks lose it. Saves talk.dat and topic.dat.
    bool delete_topic(std::size_t pos);
    // Sets the speaker's congregation in every week of the window from its second week on
    // where he is the visiting speaker (after he changed congregation), then saves the weeks.
    bool update_speaker_congregation(std::uint16_t brother_id, std::uint16_t cong_id);

    // --- week queries -----------------------------------------------------------------------
    // False when the brother is marked unavailable in week number n.
    bool brother_available(std::uint16_t brother_id, calendar::WeekNumber n) const;
    // The first assignment the brother holds in week index i, checking outgoing speakers,
    // speaker, chairman and reader in that order, skipping the excluded type.
    AssignmentType assignment_type(std::uint16_t brother_id, calendar::WeekIndex i,
                                   AssignmentType excluded = AssignmentType::none) const;
    // The number of the 55 weeks from today's week in which he has any assignment.
    int count_assignments(std::uint16_t brother_id) const;
    // Not discontinued and on the outgoing-speakers list of our congregation.
    bool is_local_outgoing_speaker(std::size_t pos) const;
    // The `roles` of a brother of our congregation (0 for anyone else).
    std::uint8_t roles_of(std::uint16_t brother_id) const;

  private:
    void read_settings();
    void load_tables(bool with_old_extras);

    DataFolder folder_;
    std::string language_;
    calendar::Date today_;
    const calendar::Clock* clock_;
    calendar::WeekNumber today_week_;
    calendar::WeekNumber current_week_;
    text::NameCollator collator_;
    settings::Settings settings_;

    BrotherIndex brothers_;
    CongregationIndex congregations_;
    NamedTable circuits_{files::kCircuits, false};
    NamedTable hosts_{files::kHosts, true};
    TalkCatalogue talks_;
    TopicTable topics_;
    WeekTable weeks_;
    SpecialEvents events_;
    UnavailableWeeks unavailable_;
    WishList wish_list_;

    std::vector<LocalBrother> local_brothers_;
    calendar::DayOffset meeting_odd_{6};
    calendar::DayOffset meeting_even_{6};
    ChangeNotices notices_;
};

}  // namespace vorla::store
