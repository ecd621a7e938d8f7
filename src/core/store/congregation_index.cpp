#include "core/store/congregation_index.h"

#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::store {

using text::TextId;

CongregationEntry CongregationEntry::of(const CongregationRecord& r, std::uint16_t slot) {
    return CongregationEntry{r.name,          r.cong_id,      r.circuit_id, r.cobe_id,
                             r.talk_coord_id, r.secretary_id, slot,         r.time_odd,
                             r.time_even,     r.day_odd,      r.day_even};
}

std::string CongregationIndex::name_of(std::uint16_t cong_id) const {
    const auto pos = find(cong_id);
    return pos ? at(*pos).name : std::string();
}

std::string CongregationIndex::titled_name_of(std::uint16_t cong_id) const {
    return text::text(TextId::congregation) + " - " + name_of(cong_id);
}

std::string CongregationIndex::meeting_time(std::uint16_t cong_id, calendar::WeekIndex week,
                                            bool service_year) const {
    const auto pos = find(cong_id);
    if (!pos) return {};
    const CongregationEntry& e = at(*pos);
    return calendar::congregation_parity(week, service_year) == calendar::Parity::odd ? e.time_odd
                                                                                      : e.time_even;
}

std::optional<calendar::StoredDay> CongregationIndex::meeting_day(std::uint16_t cong_id,
                                                                  calendar::WeekIndex week,
                                                                  bool service_year) const {
    const auto pos = find(cong_id);
    if (!pos) return std::nullopt;
    const CongregationEntry& e = at(*pos);
    return calendar::congregation_parity(week, service_year) == calendar::Parity::odd ? e.day_odd
                                                                                      : e.day_even;
}

}  // namespace vorla::store
