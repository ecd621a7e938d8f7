#include "core/reports/report_arguments.h"

#include <algorithm>

#include "core/reports/range_arguments.h"
#include "core/text/trim.h"

namespace vorla::reports {

namespace {

// The selection options a report takes.
enum Option : unsigned {
    kRange = 1,  // --start and --weeks
    kWeek = 2,   // --week
    kSlot = 4,   // --slot
    kCongregation = 8,
    kCircuit = 16,
    kBrother = 32,
};

struct ReportOptions {
    ReportKind kind;
    unsigned takes;
    unsigned needs;
    int most_weeks;  // with --weeks
};

constexpr ReportOptions kOptions[] = {
    {ReportKind::schedule, kRange, kRange, 52},
    {ReportKind::invitation_letter, kWeek, kWeek, 0},
    {ReportKind::outgoing_notice, kWeek | kSlot, kWeek | kSlot, 0},
    {ReportKind::speaker_talks, kCongregation | kCircuit, 0, 0},
    {ReportKind::exchange, kCongregation, kCongregation, 0},
    {ReportKind::local_assignments, kBrother, kBrother, 0},
    {ReportKind::invited, kRange, kRange, 18},
    {ReportKind::worksheet, kRange, kRange, 144},
};

ReportOptions options_of(ReportKind kind) {
    for (const ReportOptions& o : kOptions)
        if (o.kind == kind) return o;
    return {kind, 0, 0, 0};
}

constexpr std::pair<std::string_view, Option> kOptionNames[] = {
    {"--start", kRange},
    {"--weeks", kRange},
    {"--week", kWeek},
    {"--slot", kSlot},
    {"--congregation", kCongregation},
    {"--circuit", kCircuit},
    {"--brother", kBrother},
};

// An id in plain digits, or the name as the lists show it.
template <typename Find>
std::optional<std::uint16_t> lookup(const std::string& given, Find find) {
    const std::string name(text::trim(given));
    if (const auto id = parse_count(name, 1, 65535)) {
        if (find(static_cast<std::uint16_t>(*id), std::string_view())) return *id;
    }
    return find(0, name);
}

std::optional<std::uint16_t> find_congregation(const store::Document& doc, std::uint16_t id,
                                               std::string_view name) {
    for (const store::CongregationEntry& e : doc.congregations().entries()) {
        if (id ? e.cong_id == id : e.name == name) return e.cong_id;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> find_circuit(const store::Document& doc, std::uint16_t id,
                                          std::string_view name) {
    const store::NamedTable& circuits = doc.circuits();
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        if (id ? circuits.id_at(i) == id : circuits.name_at(i) == name) return circuits.id_at(i);
    }
    return std::nullopt;
}

}  // namespace

const std::vector<NamedReport>& named_reports() {
    static const std::vector<NamedReport> list = {
        {"schedule", ReportKind::schedule, "--start YYYY-MM-DD --weeks N",
         "the printed schedule of N weeks (1-52)"},
        {"letter", ReportKind::invitation_letter, "--week YYYY-MM-DD",
         "the invitation letter to the week's visiting speaker"},
        {"notice", ReportKind::outgoing_notice, "--week YYYY-MM-DD --slot N",
         "the notice for the week's outgoing speaker N (1-6, as the week lists them)"},
        {"speakers", ReportKind::speaker_talks, "[--congregation NAME|ID] [--circuit NAME|ID]",
         "the speakers with the talks each gives (all congregations unless told)"},
        {"local-speakers", ReportKind::local_speakers, "",
         "our congregation's speakers and the talks none of them gives"},
        {"talks", ReportKind::talk_speakers, "", "each talk with the speakers who give it"},
        {"talk-grid", ReportKind::annual_check, "",
         "the yearly check: when each talk was heard in the last six years"},
        {"worksheet", ReportKind::worksheet, "--start YYYY-MM-DD --weeks N",
         "the local talks worksheet of N weeks (1-144)"},
        {"readers", ReportKind::readers, "", "the Watchtower readers of the coming weeks"},
        {"coordinators", ReportKind::coordinators, "", "every congregation's talk coordinator"},
        {"exchange", ReportKind::exchange, "--congregation NAME|ID",
         "the speakers exchanged with one congregation from this week on"},
        {"brother", ReportKind::local_assignments, "--brother NAME|ID",
         "one local brother's assignments from this week on"},
        {"invited", ReportKind::invited, "--start YYYY-MM-DD --weeks N",
         "the visiting speakers of N weeks (1-18)"},
        {"outgoing", ReportKind::outgoing, "", "our outgoing speakers of the coming weeks"},
        {"wishlist", ReportKind::wish_list, "",
         "the talks our congregation would like to hear, with their priority"},
    };
    return list;
}

const NamedReport* named_report(std::string_view name) {
    const auto& list = named_reports();
    const auto it = std::find_if(list.begin(), list.end(),
                                 [name](const NamedReport& r) { return r.name == name; });
    return it == list.end() ? nullptr : &*it;
}

std::string named_reports_text() {
    std::size_t width = 0;
    for (const NamedReport& r : named_reports())
        width = std::max(width, r.name.size());
    std::string out;
    for (const NamedReport& r : named_reports()) {
        out += "  " + std::string(r.name) + std::string(width - r.name.size() + 2, ' ');
        out += std::string(r.what) + "\n";
        if (!r.options.empty()) out += std::string(width + 4, ' ') + std::string(r.options) + "\n";
    }
    return out;
}

ReportArguments parse_report_arguments(std::string_view name,
                                       const std::map<std::string, std::string>& options) {
    ReportArguments out;
    const NamedReport* report = named_report(name);
    if (!report) {
        std::string known;
        for (const NamedReport& r : named_reports())
            known += (known.empty() ? "" : ", ") + std::string(r.name);
        out.error =
            (name.empty() ? std::string("which report?") : "unknown report: " + std::string(name)) +
            " (known: " + known + ")";
        out.usage = true;
        return out;
    }
    out.request.kind = report->kind;
    const ReportOptions rules = options_of(report->kind);
    const auto given = [&](std::string_view option) {
        return options.count(std::string(option)) != 0;
    };
    for (const auto& [option, bit] : kOptionNames) {
        if (given(option) && !(rules.takes & bit)) {
            out.error =
                std::string(option) + " is not an option of the report " + std::string(name);
            out.usage = true;
            return out;
        }
    }
    for (const Option bit : {kCongregation, kBrother}) {
        if ((rules.needs & bit) && !given(bit == kBrother ? "--brother" : "--congregation")) {
            out.error =
                "the report " + std::string(name) + " needs " + std::string(report->options);
            out.usage = true;
            return out;
        }
    }
    if (rules.takes & kRange) {
        const RangeArguments range = parse_range_arguments(options, rules.most_weeks);
        out.error = range.error;
        out.request.first = range.range.first;
        out.request.weeks = range.range.weeks;
    } else if (rules.takes & kWeek) {
        const LetterArguments letter = parse_letter_arguments(options, rules.takes & kSlot);
        out.error = letter.error;
        out.usage = !letter.error.empty();
        out.request.first = letter.week;
        out.request.slot = letter.slot;
    }
    const auto value = [&](const char* option) -> std::optional<std::string> {
        const auto it = options.find(option);
        if (it == options.end()) return std::nullopt;
        return it->second;
    };
    out.congregation = value("--congregation");
    out.circuit = value("--circuit");
    out.brother = value("--brother");
    return out;
}

std::string resolve_report_selection(const store::Document& doc, ReportArguments& args) {
    ReportRequest& request = args.request;
    if (args.congregation) {
        const auto id = lookup(*args.congregation, [&](std::uint16_t i, std::string_view n) {
            return find_congregation(doc, i, n);
        });
        if (!id) return "no congregation " + *args.congregation + " in the data";
        request.congregation = *id;
    }
    if (args.circuit) {
        const auto id = lookup(*args.circuit, [&](std::uint16_t i, std::string_view n) {
            return find_circuit(doc, i, n);
        });
        if (!id) return "no circuit " + *args.circuit + " in the data";
        request.circuit = *id;
    }
    if (args.brother) {
        std::string error;
        const auto id = lookup(
            *args.brother,
            [&](std::uint16_t i, std::string_view n) -> std::optional<std::uint16_t> {
                std::optional<std::uint16_t> found;
                for (const store::BrotherEntry& e : doc.brothers().entries()) {
                    if (i ? e.brother_id != i : e.first_last() != n && e.last_first() != n)
                        continue;
                    if (found) {
                        error = "several brothers are named " + std::string(n) + "; give the id";
                        return std::nullopt;
                    }
                    found = e.brother_id;
                }
                return found;
            });
        if (!error.empty()) return error;
        if (!id) return "no brother " + *args.brother + " in the data";
        request.brother = *id;
    }
    const bool needs_ours = request.kind == ReportKind::exchange ||
                            request.kind == ReportKind::local_assignments ||
                            request.kind == ReportKind::local_speakers;
    if (needs_ours && doc.our_congregation() == 0)
        return "this report needs our congregation, which the data does not name";
    return {};
}

}  // namespace vorla::reports
