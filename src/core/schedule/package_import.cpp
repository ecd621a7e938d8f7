#include "core/schedule/package_import.h"

#include <algorithm>

#include "core/io/file_ops.h"
#include "core/schedule/brother_name_lookup.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

namespace {

using store::BrotherExtraRecord;
using store::BrotherRecord;
using store::CongregationRecord;

// A text of the package as the record field takes it: no longer than the field holds.
std::string fitted(std::string_view s, std::size_t max) {
    return text::left(s, max);
}

std::string fitted_name(std::string_view s) {
    return std::string(text::trim_right(text::left(text::trim(s), BrotherRecord::kNameMax)));
}

// Office 3 means nothing; the bits beyond office and "discontinued" are not ours.
std::uint8_t known_flags(std::uint8_t flags) {
    std::uint8_t office = flags & BrotherRecord::kOfficeMask;
    if (office == BrotherRecord::kOfficeMask) office = 0;
    return static_cast<std::uint8_t>(office | (flags & BrotherRecord::kDiscontinued));
}

constexpr std::uint8_t kKnownRoles =
    BrotherRecord::kRoleOutgoing | BrotherRecord::kRoleChairman | BrotherRecord::kRoleReader;

bool extras_present(const PackageBrother& b) {
    return !text::is_blank(b.phone2) || !text::is_blank(b.phone3) || !text::is_blank(b.email);
}

BrotherExtraRecord extras_of(const PackageBrother& b, std::string note) {
    return BrotherExtraRecord{0, fitted(b.phone2, BrotherExtraRecord::kPhoneMax),
                              fitted(b.phone3, BrotherExtraRecord::kPhoneMax),
                              fitted(b.email, BrotherExtraRecord::kEmailMax), std::move(note)};
}

void take_package_fields(BrotherRecord& r, const PackageBrother& b, std::uint16_t cong_id) {
    r.address1 = fitted(b.address1, BrotherRecord::kAddressMax);
    r.address2 = fitted(b.address2, BrotherRecord::kAddressMax);
    r.phone = fitted(b.phone, BrotherRecord::kPhoneMax);
    r.talks = b.talks;
    r.flags = known_flags(b.flags);
    r.roles =
        static_cast<std::uint8_t>((r.roles & ~package_bits::kRoles) | (b.roles & kKnownRoles));
    r.cong_id = cong_id;
}

void take_offices(CongregationRecord& c, std::uint8_t roles, std::uint16_t id) {
    if (roles & package_bits::kCoordinator) c.cobe_id = id;
    if (roles & package_bits::kTalkCoordinator) c.talk_coord_id = id;
    if (roles & package_bits::kSecretary) c.secretary_id = id;
}

// His unavailable weeks after today's week t: when the package names any, the weeks from t
// up to the last of them are replaced by the package's. Weeks past the window are not
// weeks anyone plans.
void take_weeks(store::Document& doc, std::uint16_t id, const PackageBrother& b) {
    const calendar::WeekNumber t = doc.today_week();
    const calendar::WeekNumber last = doc.weeks().last().number();
    std::vector<calendar::WeekNumber> weeks;
    for (const std::uint16_t w : b.weeks) {
        const calendar::WeekNumber n(w);
        if (n > t && n <= last) weeks.push_back(n);
    }
    if (weeks.empty()) return;
    const calendar::WeekNumber m = *std::max_element(weeks.begin(), weeks.end());
    doc.unavailable().unmark_range(id, t, m - 1);
    for (const calendar::WeekNumber n : weeks)
        doc.unavailable().mark(id, n);
}

void take_congregation_fields(CongregationRecord& c, const PackageCongregation& p,
                              std::uint16_t circuit_id) {
    c.circuit_id = circuit_id;
    c.hall_address1 = fitted(p.hall_address1, CongregationRecord::kAddressMax);
    c.hall_address2 = fitted(p.hall_address2, CongregationRecord::kAddressMax);
    c.phone1 = fitted(p.phone1, CongregationRecord::kPhoneMax);
    c.phone2 = fitted(p.phone2, CongregationRecord::kPhoneMax);
    c.time_odd = fitted(p.time_odd, CongregationRecord::kTimeMax);
    c.time_even = fitted(p.time_even, CongregationRecord::kTimeMax);
}

}  // namespace

ImportedName imported_name(const PackageBrother& b) {
    return ImportedName{fitted_name(b.first_name), fitted_name(b.last_name)};
}

std::optional<std::size_t> congregation_named(const store::Document& doc, std::string_view name) {
    const std::string key = text::fold_case(name);
    const store::CongregationIndex& congs = doc.congregations();
    for (std::size_t i = 0; i < congs.size(); ++i) {
        if (text::fold_case(congs.at(i).name) == key) return i;
    }
    return std::nullopt;
}

ImportReport import_package(store::Document& doc, const Package& package,
                            const ImportChoice& choice) {
    BrotherNameLookup names(doc.brothers());
    return import_package(doc, package, choice, names);
}

ImportReport import_package(store::Document& doc, const Package& package,
                            const ImportChoice& choice, BrotherNameLookup& names) {
    ImportReport report;
    report.congregation = choice.name;
    const store::DataFolder& folder = doc.folder();
    store::CongregationIndex& congs = doc.congregations();
    store::BrotherIndex& brothers = doc.brothers();
    // Hundreds of records: each file is flushed once at the end, not after every record.
    io::BatchedFlush flush;

    // 1. The congregation, added when no congregation has its name.
    auto pos = congregation_named(doc, choice.name);
    if (!pos) {
        CongregationRecord fresh;
        fresh.name = fitted(choice.name, CongregationRecord::kNameMax);
        const auto id = congs.add(folder, fresh);
        if (!id) {
            report.complete = false;
            return report;
        }
        congs.sort_appended(doc.collator(), congs.size() - 1);
        pos = congs.find(*id);
        report.congregation_added = true;
    }
    auto cong = congs.read(folder, *pos);
    if (!cong) {
        report.complete = false;
        if (report.congregation_added) doc.announce(store::Change::congregations);
        return report;
    }
    report.congregation = cong->name;
    const std::uint16_t cong_id = cong->cong_id;

    // 2. Its contact data; it keeps its own name and meeting days.
    take_congregation_fields(*cong, package.congregation, choice.circuit_id);
    report.complete = congs.write(folder, *cong) && report.complete;

    // 3. The chosen brothers.
    const std::size_t before = brothers.size();
    for (const std::size_t k : choice.brothers) {
        if (k >= package.brothers.size()) continue;
        const PackageBrother& b = package.brothers[k];
        const ImportedName name = imported_name(b);
        std::uint16_t id = 0;
        if (const auto match = names.find(name.label())) {
            const auto at = brothers.find(*match);
            auto record = at ? brothers.read(folder, *at) : std::nullopt;
            if (!record) {
                report.complete = false;
                continue;
            }
            const BrotherExtraRecord old = brothers.read_extra(folder, *record);
            take_package_fields(*record, b, cong_id);
            report.complete =
                brothers.update(folder, *record, extras_of(b, old.note)) && report.complete;
            id = record->brother_id;
            report.updated.push_back(record->first_name + " " + record->last_name);
        } else {
            BrotherRecord record;
            record.first_name = name.first;
            record.last_name = name.last;
            take_package_fields(record, b, cong_id);
            const auto added = brothers.add(
                folder, record, extras_present(b) ? extras_of(b, {}) : BrotherExtraRecord{});
            if (!added) {
                report.complete = false;
                continue;
            }
            id = *added;
            names.add(name.label(), id);
            report.added.push_back(name.label());
        }
        take_offices(*cong, b.roles, id);
        take_weeks(doc, id, b);
    }
    brothers.sort_appended(doc.collator(), before);

    // 4. The offices the package gave.
    report.complete = congs.write(folder, *cong) && report.complete;

    // 5. Brothers no longer listed stay in the data without a congregation.
    for (const std::uint16_t id : choice.detach) {
        const auto at = brothers.find(id);
        auto record = at ? brothers.read(folder, *at) : std::nullopt;
        if (!record) {
            report.complete = false;
            continue;
        }
        record->cong_id = 0;
        report.complete = brothers.write(folder, *record) && report.complete;
        report.detached.push_back(record->first_name + " " + record->last_name);
    }

    // The records written in place reach the disk while the weeks' file is replaced.
    auto records_flushed = flush.flush_in_background();
    report.complete = doc.unavailable().save(folder) && report.complete;
    report.complete = records_flushed.get() && report.complete;
    doc.announce(store::Change::congregations | store::Change::brothers |
                 store::Change::availability);
    return report;
}

}  // namespace vorla::schedule
