// Arbitrary bytes as a received package: read it into the import dialog's model and import
// it with every brother chosen into a small data folder made fresh for each input. The
// import must finish, leave every record readable, and keep the index and files in step.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "core/schedule/package_format.h"
#include "core/schedule/package_import_model.h"
#include "core/store/document.h"
#include "core/store/named_record.h"
#include "core/store/unavailable_record.h"
#include "core/text/utf8.h"
#include "support/scratch_folder.h"

namespace {

using namespace vorla;
using namespace vorla::store;

template <class Record>
void append(std::vector<std::uint8_t>& out, const Record& r) {
    const auto bytes = r.encode();
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Two circuits, our congregation and Лесное, three brothers (one with extras), two weeks.
struct Folder {
    std::vector<std::uint8_t> circuits, congregations, brothers, extras, unavailable;
    Folder() {
        append(circuits, NamedRecord{"Северный", 30001});
        append(circuits, NamedRecord{"Южный", 30002});
        congregations.resize(256, 0);
        for (const auto& [id, name] :
             {std::pair<std::uint16_t, const char*>{1, "Наше"}, {2, "Лесное"}}) {
            CongregationRecord c;
            c.name = name;
            c.cong_id = id;
            c.circuit_id = 30001;
            append(congregations, c);
        }
        brothers.resize(256, 0);
        const char* names[][2] = {{"Иван", "Петров"}, {"Олег", "Сидоров"}, {"Юрий", "Архипов"}};
        for (std::uint16_t id = 1; id <= 3; ++id) {
            BrotherRecord b;
            b.first_name = names[id - 1][0];
            b.last_name = names[id - 1][1];
            b.brother_id = id;
            b.cong_id = id == 3 ? 1 : 2;
            b.xtend_no = id == 1 ? 1 : 0;
            b.talks.set(id);
            append(brothers, b);
        }
        append(extras, BrotherExtraRecord{1, "555", "", "", "заметка"});
        append(unavailable, UnavailableRecord{1, calendar::WeekNumber(1410)});
        append(unavailable, UnavailableRecord{2, calendar::WeekNumber(1420)});
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder fresh;
    const DataFolder& folder =
        fuzz::input_as(files::kSpeakers, fresh.brothers.data(), fresh.brothers.size());
    fuzz::put(folder.file(files::kCircuits), fresh.circuits.data(), fresh.circuits.size());
    fuzz::put(folder.file(files::kCongregations), fresh.congregations.data(),
              fresh.congregations.size());
    fuzz::put(folder.file(files::kExtras), fresh.extras.data(), fresh.extras.size());
    fuzz::put(folder.file(files::kUnavailable), fresh.unavailable.data(), fresh.unavailable.size());
    const auto package_file = folder.folder() / "in.vpk";
    fuzz::put(package_file, data, size);

    // Reading is stable: what was read writes back as bytes that read the same, except that
    // 0x98 (no character) reads as U+FFFD and is written as "?".
    const schedule::Package package = schedule::decode_package({data, size});
    const auto bytes = schedule::encode_package(package);
    const schedule::Package again = schedule::decode_package(bytes);
    if (bytes.size() != (package.brothers.size() + 1) * schedule::kPackageRecordSize)
        __builtin_trap();
    if (std::memchr(data, 0x98, size) == nullptr
            ? again != package
            : schedule::decode_package(schedule::encode_package(again)) != again)
        __builtin_trap();

    const calendar::Date today{2026, 12, 7};
    Document doc({folder.folder(), today, {}}, folder.prompter());
    const std::size_t brothers_before = doc.brothers().size();
    schedule::PackageImportModel model(doc, package_file);
    const std::size_t records = size / schedule::kPackageRecordSize;
    if (model.line_count() != (records == 0 ? 0 : records - 1)) __builtin_trap();
    if (text::length(model.name()) > schedule::PackageImportModel::kNameMax) __builtin_trap();
    // Some lines left out, chosen by the input itself; every text of the dialog is sound.
    std::size_t chosen = 0;
    for (std::size_t k = 0; k < model.line_count(); ++k) {
        model.set_selected(k, (data[k % size] & 1) == 0);
        if (model.selected(k)) ++chosen;
    }
    for (const std::string& t :
         {model.caption(), model.status_line(), model.circuit_caption(), model.circuit_warning(),
          model.selection_line(), model.duplicates_line(), model.new_brothers_line(),
          model.removal_caption(), model.ok_caption()}) {
        if (!text::is_valid_utf8(t)) __builtin_trap();
    }
    if (!model.ok_enabled()) {
        if (model.ok()) __builtin_trap();
        return 0;
    }
    if (!model.ok()) __builtin_trap();
    const schedule::ImportReport& report = model.report();
    if (!report.complete) __builtin_trap();
    if (report.added.size() + report.updated.size() != chosen) __builtin_trap();
    if (doc.brothers().size() != brothers_before + report.added.size()) __builtin_trap();

    // Every brother reads back at his slot, with names a record holds and a congregation
    // that exists; his unavailable weeks lie after today and inside the window.
    const calendar::WeekNumber last = doc.weeks().last().number();
    for (std::size_t i = 0; i < doc.brothers().size(); ++i) {
        const auto r = doc.brothers().read(doc.folder(), i);
        if (!r) __builtin_trap();
        if (text::length(r->first_name) > BrotherRecord::kNameMax) __builtin_trap();
        if (r->cong_id != 0 && !doc.congregations().find(r->cong_id)) __builtin_trap();
        if ((r->flags & ~0x23) != 0 || (r->roles & ~0x16) != 0) __builtin_trap();
        for (const calendar::WeekNumber w : doc.unavailable().weeks_of(r->brother_id, 1000)) {
            if (w > last) __builtin_trap();
        }
    }

    // The files say what the document says.
    Document reloaded({folder.folder(), today, {}}, folder.prompter());
    if (reloaded.brothers().size() != doc.brothers().size()) __builtin_trap();
    if (reloaded.congregations().size() != doc.congregations().size()) __builtin_trap();
    std::set<std::uint16_t> ids;
    for (const auto& e : reloaded.brothers().entries())
        ids.insert(e.brother_id);
    if (ids.size() != reloaded.brothers().size()) __builtin_trap();
    return 0;
}
