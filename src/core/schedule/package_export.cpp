#include "core/schedule/package_export.h"

#include "core/io/file_ops.h"
#include "core/io/find_program.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

namespace {

PackageCongregation congregation_of(const store::Document& doc,
                                    const store::CongregationRecord& c) {
    return PackageCongregation{
        c.name,   c.hall_address1, c.hall_address2, c.phone1,
        c.phone2, c.time_odd,      c.time_even,     doc.circuits().name_of(c.circuit_id)};
}

std::uint8_t office_bits(const store::CongregationRecord& c, std::uint16_t id) {
    std::uint8_t bits = 0;
    if (c.cobe_id == id) bits |= package_bits::kCoordinator;
    if (c.talk_coord_id == id) bits |= package_bits::kTalkCoordinator;
    if (c.secretary_id == id) bits |= package_bits::kSecretary;
    return bits;
}

PackageBrother brother_of(const store::Document& doc, const store::BrotherRecord& r,
                          std::uint8_t offices, bool with_talks) {
    const store::BrotherExtraRecord extra = doc.brothers().read_extra(doc.folder(), r);
    PackageBrother b;
    b.first_name = r.first_name;
    b.last_name = r.last_name;
    b.address1 = r.address1;
    b.address2 = r.address2;
    b.phone = r.phone;
    b.phone2 = extra.phone2;
    b.phone3 = extra.phone3;
    b.email = extra.email;
    if (with_talks) b.talks = r.talks;
    b.flags = r.flags;
    b.roles = static_cast<std::uint8_t>((r.roles & package_bits::kRoles) | offices);
    const auto weeks = doc.unavailable().weeks_of(r.brother_id, kPackageWeeks);
    for (std::size_t k = 0; k < weeks.size(); ++k)
        b.weeks[k] = static_cast<std::uint16_t>(weeks[k].value);
    return b;
}

bool is_control(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::optional<Package> build_package(const store::Document& doc, std::uint16_t cong_id) {
    const auto pos = doc.congregations().find(cong_id);
    if (!pos) return std::nullopt;
    const auto cong = doc.congregations().read(doc.folder(), *pos);
    if (!cong) return std::nullopt;
    const bool ours = cong_id == doc.our_congregation();

    Package p;
    p.congregation = congregation_of(doc, *cong);
    const store::BrotherIndex& brothers = doc.brothers();
    for (std::size_t i = 0; i < brothers.size(); ++i) {
        if (brothers.at(i).cong_id != cong_id) continue;
        const auto record = brothers.read(doc.folder(), i);
        if (!record) continue;
        const std::uint8_t offices = office_bits(*cong, record->brother_id);
        const bool outgoing =
            !record->discontinued() && (record->roles & store::BrotherRecord::kRoleOutgoing) != 0;
        if (record->talks.empty() && offices == 0) continue;
        if (ours && !outgoing && offices == 0) continue;
        p.brothers.push_back(brother_of(doc, *record, offices, !ours || outgoing));
    }
    return p;
}

std::string safe_file_stem(std::string_view name) {
    std::string stem(name);
    for (char& c : stem) {
        if (c == '/' || c == '\0' || is_control(static_cast<unsigned char>(c))) c = '_';
    }
    if (stem.empty()) return "_";
    if (stem.front() == '.') stem.front() = '_';
    return stem;
}

std::string package_file_name(std::string_view cong_name) {
    return safe_file_stem(cong_name) + ".vpk";
}

PackageExport export_package(const store::Document& doc, std::uint16_t cong_id,
                             const std::optional<std::filesystem::path>& output) {
    PackageExport out;
    const std::string name = doc.congregations().name_of(cong_id);
    const std::string file_name = package_file_name(name);
    out.path = output ? *output : doc.folder().folder() / file_name;
    const auto package = build_package(doc, cong_id);
    if (!package) {
        out.message = text::format(TextId::cannot_read_congregation_record, name);
        return out;
    }
    if (const io::WriteResult written = io::replace_file(out.path, encode_package(*package));
        !written) {
        out.message = text::format(TextId::cannot_create_file, out.path.string()) + "\n\n" +
                      text::format(TextId::reason_line, io::failure_reason(written.error));
        return out;
    }
    out.written = true;
    if (cong_id == doc.our_congregation()) {
        const std::string shown = out.path.filename().string();
        out.message = text::format(TextId::package_exported_to, shown) +
                      text::format(TextId::send_package_file, shown);
    } else {
        out.message = text::format(TextId::congregation_exported_to, name);
    }
    out.message += "\n\n" + text::format(TextId::package_file_is, out.path.string());
    return out;
}

std::string PackageHandOn::mail_caption() const {
    return text::text(TextId::send_by_mail);
}

std::string PackageHandOn::folder_caption() const {
    return text::text(TextId::open_folder);
}

std::vector<std::string> PackageHandOn::mail_command() const {
    return {"xdg-email", "--attach", file.string()};
}

PackageHandOn package_hand_on(const std::filesystem::path& file, std::string_view path_list) {
    PackageHandOn h;
    h.file = file;
    h.mail = io::find_program("xdg-email", path_list).has_value();
    h.open_folder = io::find_program("xdg-open", path_list).has_value();
    return h;
}

}  // namespace vorla::schedule
