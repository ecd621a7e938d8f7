#include "core/store/brother_index.h"

#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::store {

std::uint8_t BrotherEntry::index_flags_of(const BrotherRecord& r) {
    std::uint8_t f = 0;
    if (r.office() == Office::ministerial_servant) f |= kMinisterialServant;
    if (r.office() == Office::elder) f |= kElder;
    if (r.discontinued()) f |= kDiscontinued;
    return f;
}

BrotherEntry BrotherEntry::of(const BrotherRecord& r, std::uint16_t slot) {
    return BrotherEntry{r.first_name, r.last_name, r.talks,    r.brother_id,
                        r.cong_id,    slot,        r.xtend_no, index_flags_of(r)};
}

std::string internal_error_message() {
    return text::text(text::TextId::internal_error);
}

void BrotherIndex::load(const DataFolder& folder, const text::NameCollator& order) {
    load_slots(folder, order);
    extras_.load(folder);
}

std::optional<std::size_t> BrotherIndex::find_by_display_name(std::string_view last_first) const {
    for (std::size_t i = 0; i < size(); ++i) {
        if (at(i).last_first() == last_first) return i;
    }
    return std::nullopt;
}

std::string BrotherIndex::display_name(std::size_t pos, bool last_first) const {
    if (pos >= size()) return {};
    return last_first ? at(pos).last_first() : at(pos).first_last();
}

std::string BrotherIndex::name_of(std::uint16_t brother_id) const {
    const auto pos = find(brother_id);
    return pos ? at(*pos).first_last() : std::string();
}

BrotherExtraRecord BrotherIndex::read_extra(const DataFolder& folder,
                                            const BrotherRecord& record) const {
    if (record.xtend_no == 0) return {};
    return extras_.read_owned(folder, record.xtend_no, record.brother_id)
        .value_or(BrotherExtraRecord{});
}

bool BrotherIndex::write(const DataFolder& folder, const BrotherRecord& record) {
    if (record.brother_id == 0) {
        folder.prompter().inform(internal_error_message(), io::Icon::error);
        return false;
    }
    return write_record(folder, record);
}

std::optional<std::uint16_t> BrotherIndex::add(const DataFolder& folder, BrotherRecord record,
                                               BrotherExtraRecord extra) {
    record.xtend_no = 0;
    const auto id = add_record(folder, record);
    if (!id || !extra.has_texts()) return id;
    // The extra record names its owner, so it follows the record.
    extra.brother_id = *id;
    const std::uint16_t number = extras_.new_number(folder);
    if (extras_.write(folder, number, extra)) {
        record.xtend_no = number;
        write_record(folder, record);
    }
    return id;
}

bool BrotherIndex::update(const DataFolder& folder, BrotherRecord record,
                          BrotherExtraRecord extra) {
    if (record.brother_id == 0) {
        folder.prompter().inform(internal_error_message(), io::Icon::error);
        return false;
    }
    extra.brother_id = record.brother_id;
    const bool has_texts = extra.has_texts();
    if (record.xtend_no != 0 && has_texts) {
        // A record that now belongs to someone else is not overwritten: he gets a new one.
        const auto there = extras_.read(folder, record.xtend_no);
        const bool ours =
            there && (there->brother_id == record.brother_id || there->brother_id == 0);
        if (!ours || !extras_.write(folder, record.xtend_no, extra)) record.xtend_no = 0;
    } else if (record.xtend_no != 0) {
        extras_.clear(folder, record.xtend_no, record.brother_id);
        record.xtend_no = 0;
    }
    if (record.xtend_no == 0 && has_texts) {
        const std::uint16_t number = extras_.new_number(folder);
        if (extras_.write(folder, number, extra)) record.xtend_no = number;
    }
    return write(folder, record);
}

}  // namespace vorla::store
