#include "core/store/json_dump.h"

#include <cstdio>

#include "core/calendar/clock.h"

namespace vorla::store {

namespace {

// A small JSON writer: objects and arrays with indentation, UTF-8 strings escaped.
class Json {
  public:
    std::string out;

    void begin_object() { open('{'); }
    void end_object() { close('}'); }
    void begin_array() { open('['); }
    void end_array() { close(']'); }
    void key(const char* k) {
        item();
        string(k);
        out += ": ";
        after_key_ = true;
    }
    void value(long v) {
        item();
        out += std::to_string(v);
    }
    void value(const std::string& s) {
        item();
        string(s);
    }
    void null() {
        item();
        out += "null";
    }
    template <class T>
    void field(const char* k, const T& v) {
        key(k);
        value(v);
    }
    void field(const char* k, const char* v) { field(k, std::string(v)); }
    template <class Range>
    void numbers(const char* k, const Range& r) {
        key(k);
        out += '[';
        bool first = true;
        for (const auto v : r) {
            if (!first) out += ", ";
            out += std::to_string(static_cast<long>(v));
            first = false;
        }
        out += ']';
        after_key_ = false;
    }

  private:
    void open(char c) {
        item();
        out += c;
        first_.push_back(true);
    }
    void close(char c) {
        const bool empty = first_.back();
        first_.pop_back();
        if (!empty) newline();
        out += c;
    }
    void item() {
        if (after_key_) {
            after_key_ = false;
            return;
        }
        if (first_.empty()) return;
        if (!first_.back()) out += ',';
        first_.back() = false;
        newline();
    }
    void newline() {
        out += '\n';
        out.append(first_.size() * 2, ' ');
    }
    void string(const std::string& s) {
        out += '"';
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            switch (c) {
                case '"':
                    out += "\\\"";
                    break;
                case '\\':
                    out += "\\\\";
                    break;
                case '\n':
                    out += "\\n";
                    break;
                case '\r':
                    out += "\\r";
                    break;
                case '\t':
                    out += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        char buf[8];
                        if (std::snprintf(buf, sizeof buf, "\\u%04x", c) > 0) out += buf;
                    } else {
                        out += ch;
                    }
            }
        }
        out += '"';
    }

    std::vector<bool> first_;
    bool after_key_ = false;
};

void named_table(Json& j, const char* key, const NamedTable& t, const char* name_key,
                 const char* id_key) {
    j.key(key);
    j.begin_array();
    for (const NamedRecord& r : t.entries()) {
        j.begin_object();
        j.field(name_key, r.name);
        j.field(id_key, r.id);
        j.end_object();
    }
    j.end_array();
}

}  // namespace

std::string dump_json(const Document& doc) {
    Json j;
    j.begin_object();
    j.field("today", calendar::to_iso(doc.today()));
    j.field("week_number", doc.today_week().value);
    j.field("window_base", doc.window_base());
    j.field("our_congregation", doc.our_congregation());

    j.key("congregations");
    j.begin_array();
    for (std::size_t i = 0; i < doc.congregations().size(); ++i) {
        const auto r = doc.congregations().read(doc.folder(), i);
        if (!r) continue;
        j.begin_object();
        j.field("cong_id", r->cong_id);
        j.field("name", r->name);
        j.field("hall_address1", r->hall_address1);
        j.field("hall_address2", r->hall_address2);
        j.field("phone1", r->phone1);
        j.field("phone2", r->phone2);
        j.field("time_odd", r->time_odd);
        j.field("time_even", r->time_even);
        j.field("day_odd", r->day_odd.value);
        j.field("day_even", r->day_even.value);
        j.field("circuit_id", r->circuit_id);
        j.field("cobe_id", r->cobe_id);
        j.field("secretary_id", r->secretary_id);
        j.field("talk_coord_id", r->talk_coord_id);
        j.field("map_file", r->map_file);
        j.end_object();
    }
    j.end_array();

    named_table(j, "circuits", doc.circuits(), "name", "circuit_id");

    j.key("brothers");
    j.begin_array();
    for (std::size_t i = 0; i < doc.brothers().size(); ++i) {
        const auto r = doc.brothers().read(doc.folder(), i);
        if (!r) continue;
        j.begin_object();
        j.field("brother_id", r->brother_id);
        j.field("first_name", r->first_name);
        j.field("last_name", r->last_name);
        j.field("address1", r->address1);
        j.field("address2", r->address2);
        j.field("phone", r->phone);
        j.numbers("talks", r->talks.talks());
        j.field("flags", r->flags);
        j.field("roles", r->roles);
        j.field("cong_id", r->cong_id);
        j.field("xtend_no", r->xtend_no);
        j.key("extra");
        if (r->xtend_no != 0) {
            const BrotherExtraRecord x = doc.brothers().read_extra(doc.folder(), *r);
            j.begin_object();
            j.field("phone2", x.phone2);
            j.field("phone3", x.phone3);
            j.field("email", x.email);
            j.field("note", x.note);
            j.end_object();
        } else {
            j.null();
        }
        j.end_object();
    }
    j.end_array();

    j.key("talks");
    j.begin_array();
    for (const TalkRecord& t : doc.talks().entries()) {
        j.begin_object();
        j.field("talk_no", t.talk_no);
        j.field("number_text", t.number_text);
        j.field("title", t.title);
        std::vector<int> topics;
        for (const auto id : t.topic_ids) {
            if (id != 0) topics.push_back(id);
        }
        j.numbers("topic_ids", topics);
        j.end_object();
    }
    j.end_array();

    j.key("topics");
    j.begin_array();
    for (const TopicRecord& t : doc.topics().entries()) {
        j.begin_object();
        j.field("topic_name", t.topic_name);
        j.field("topic_id", t.topic_id);
        j.end_object();
    }
    j.end_array();

    named_table(j, "hosts", doc.hosts(), "host_name", "host_id");

    j.key("weeks");
    j.begin_array();
    for (calendar::WeekIndex i = doc.weeks().first(); i <= doc.weeks().last(); ++i) {
        const WeekRecord& w = doc.weeks().at(i);
        if (!w.has_content()) continue;
        j.begin_object();
        j.field("week", w.week.value);
        j.field("speaker_id", w.speaker_id);
        j.field("talk_no", w.talk_no);
        j.field("speaker_cong_id", w.speaker_cong_id);
        j.field("requested", w.requested);
        j.field("confirmed", w.confirmed);
        j.field("reminded", w.reminded);
        j.field("chairman_id", w.chairman_id);
        j.field("reader_id", w.reader_id);
        j.field("host_id", w.host_id);
        j.field("week_flags", w.week_flags);
        j.numbers("out_speaker_id", w.out_speaker_id);
        j.numbers("out_cong_id", w.out_cong_id);
        j.numbers("out_talk_no", w.out_talk_no);
        j.end_object();
    }
    j.end_array();

    j.key("special_events");
    j.begin_array();
    for (const SpecialEventRecord& e : doc.events().entries()) {
        j.begin_object();
        j.field("event_week", e.event_week.value);
        j.field("event_flags", e.event_flags);
        j.field("event_title", e.event_title);
        j.field("event_talk_title", e.event_talk_title);
        j.end_object();
    }
    j.end_array();

    j.key("unavailable_weeks");
    j.begin_array();
    for (const UnavailableRecord& u : doc.unavailable().entries()) {
        if (u.ua_brother_id == 0) continue;
        j.begin_object();
        j.field("ua_brother_id", u.ua_brother_id);
        j.field("ua_week", u.ua_week.value);
        j.end_object();
    }
    j.end_array();

    j.key("talks_we_need");
    j.begin_object();
    const WishListRecord& wish = doc.wish_list().record();
    j.numbers("wanted", wish.wanted.talks());
    j.numbers("wanted_high", wish.wanted_high.talks());
    j.numbers("wanted_low", wish.wanted_low.talks());
    j.end_object();

    j.end_object();
    j.out += '\n';
    return j.out;
}

}  // namespace vorla::store
