#include "core/schedule/package_import_model.h"

#include <set>

#include "core/io/file_ops.h"
#include "core/schedule/brother_name_lookup.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

using text::TextId;

namespace {

// A list line as the removal check compares it: without the duplicate mark.
std::string_view unmarked(std::string_view line) {
    while (!line.empty() && (line.front() == '*' || line.front() == ' '))
        line.remove_prefix(1);
    return line;
}

}  // namespace

PackageImportModel::PackageImportModel(store::Document& doc, std::filesystem::path path)
    : doc_(doc), path_(std::move(path)) {
    // No package holds more brothers than ids exist; the rest of a longer file is not read.
    const io::FileRead file = io::read_file(path_, std::uint64_t{65536} * kPackageRecordSize);
    readable_ = file.bytes.has_value();
    load(file.bytes ? std::span<const std::uint8_t>(*file.bytes) : std::span<const std::uint8_t>());
}

PackageImportModel::PackageImportModel(store::Document& doc, std::filesystem::path path,
                                       std::span<const std::uint8_t> bytes)
    : doc_(doc), path_(std::move(path)), readable_(true) {
    load(bytes);
}

void PackageImportModel::load(std::span<const std::uint8_t> bytes) {
    package_ = decode_package(bytes);
    name_ = text::left(package_.congregation.name, kNameMax);
    names_.emplace(doc_.brothers());
    lines_.reserve(package_.brothers.size());
    for (const PackageBrother& b : package_.brothers) {
        const ImportedName n = imported_name(b);
        Line line;
        line.match = names_->find(n.label());
        line.text = line.match ? "* " + b.first_name + " " + b.last_name : n.label();
        lines_.push_back(std::move(line));
    }
    match_congregation();
    const store::NamedTable& circuits = doc_.circuits();
    if (matched_) {
        circuit_ = doc_.congregations().at(*doc_.congregations().find(*matched_)).circuit_id;
    } else if (!package_.congregation.circuit_name.empty()) {
        circuit_ = circuits.find_by_name(package_.congregation.circuit_name);
    }
    if (circuits.find_by_id(circuit_) == 0) circuit_ = 0;
}

std::string PackageImportModel::caption() const {
    return text::text(TextId::invited_from) + path_.string();
}

void PackageImportModel::edit_name(const std::string& name) {
    name_ = text::left(name, kNameMax);
    name_edited_ = true;
    match_congregation();
}

void PackageImportModel::match_congregation() {
    matched_.reset();
    removal_.clear();
    removal_names_.clear();
    const auto pos = congregation_named(doc_, name_);
    if (!pos) return;
    matched_ = doc_.congregations().at(*pos).cong_id;
    // A brother stays when a line names him: by the exact text, or as the brother the line
    // was matched to (a name that differs in letter case or blanks is still his).
    std::set<std::string_view> listed;
    std::set<std::uint16_t> named;
    for (const Line& l : lines_) {
        listed.insert(unmarked(l.text));
        if (l.match) named.insert(*l.match);
    }
    for (const store::BrotherEntry& b : doc_.brothers().entries()) {
        if (b.cong_id != *matched_ || named.count(b.brother_id)) continue;
        const std::string label = b.first_last();
        if (listed.count(label)) continue;
        removal_.push_back(b.brother_id);
        removal_names_.push_back(label);
    }
}

std::string PackageImportModel::status_line() const {
    return text::text(matched_ ? TextId::congregation_data_exists
                               : TextId::congregation_will_be_added);
}

std::string PackageImportModel::circuit_caption() const {
    return circuit_ != 0 ? doc_.circuits().name_of(circuit_) : text::text(TextId::choose_circuit);
}

int PackageImportModel::circuit_preselect() const {
    const std::size_t pos = doc_.circuits().find_by_id(circuit_);
    return pos == 0 ? -1 : static_cast<int>(pos);
}

std::string PackageImportModel::circuit_warning() const {
    if (circuit_ != 0 || text::is_blank(package_.congregation.circuit_name)) return {};
    return text::format(TextId::circuit_not_found, package_.congregation.circuit_name);
}

void PackageImportModel::set_selected(std::size_t k, bool on) {
    if (k < lines_.size()) lines_[k].selected = on;
}

std::size_t PackageImportModel::count_selected(bool duplicates_only) const {
    std::size_t n = 0;
    for (const Line& l : lines_) {
        if (l.selected && (!duplicates_only || l.match)) ++n;
    }
    return n;
}

std::string PackageImportModel::selection_line() const {
    return text::format(TextId::brothers_chosen_to_invite,
                        std::to_string(count_selected(false)) + " " + text::text(TextId::of_word) +
                            " " + std::to_string(lines_.size()) + " ");
}

std::string PackageImportModel::duplicates_line() const {
    const std::size_t d = count_selected(true);
    return d == 0 ? std::string()
                  : text::format(TextId::chosen_brothers_are_duplicates, std::to_string(d) + " ");
}

std::string PackageImportModel::new_brothers_line() const {
    const std::size_t fresh = count_selected(false) - count_selected(true);
    return fresh == 0 ? std::string()
                      : text::format(TextId::brothers_will_be_added, std::to_string(fresh) + " ");
}

std::string PackageImportModel::hint() const {
    return text::text(TextId::press_ok_to_import);
}

std::string PackageImportModel::removal_caption() const {
    if (!matched_) return {};
    return std::to_string(removal_.size()) + " " +
           text::format(TextId::brother_will_be_removed_from,
                        doc_.congregations().name_of(*matched_));
}

std::string PackageImportModel::ok_caption() const {
    return text::text(name_edited_ ? TextId::apply : TextId::ok);
}

bool PackageImportModel::ok_enabled() const {
    return !text::is_blank(name_);
}

bool PackageImportModel::ok() {
    if (name_edited_) {
        name_edited_ = false;
        return false;
    }
    if (!ok_enabled()) return false;
    ImportChoice choice{name_, circuit_, {}, removal_};
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        if (lines_[k].selected) choice.brothers.push_back(k);
    }
    report_ = import_package(doc_, package_, choice, *names_);
    return true;
}

}  // namespace vorla::schedule
