#include "core/editors/our_congregation_model.h"

#include <algorithm>

#include "core/text/texts.h"

namespace vorla::editors {

using text::TextId;

namespace {

// "%s  ( %d )"
std::string counted(const std::string& caption, std::size_t n) {
    return caption + "  ( " + std::to_string(n) + " )";
}

}  // namespace

std::string OurCongregationModel::title() const {
    if (!chosen()) return text::text(text::TextId::our_congregation_title);
    return doc_.congregations().name_of(doc_.our_congregation());
}

std::string OurCongregationModel::choose_caption() const {
    return text::format(chosen() ? TextId::change_what : TextId::choose_what,
                        text::text(TextId::congregation));
}

std::string OurCongregationModel::list_caption(store::LocalRole role) const {
    const auto& locals = doc_.local_brothers();
    const auto n = static_cast<std::size_t>(std::count_if(
        locals.begin(), locals.end(),
        [role](const store::LocalBrother& l) { return store::has_role(l.roles, role); }));
    switch (role) {
        case store::LocalRole::outgoing_speaker:
            return counted(text::text(TextId::outgoing_speakers), n);
        case store::LocalRole::chairman:
            return counted(text::text(TextId::chairmen), n);
        case store::LocalRole::reader:
            break;
    }
    return counted(text::text(TextId::readers), n);
}

std::string OurCongregationModel::hospitality_caption() const {
    return counted(text::text(TextId::hospitality), doc_.hosts().size());
}

std::optional<std::size_t> OurCongregationModel::chooser_preselect() const {
    return doc_.congregations().find(doc_.our_congregation());
}

void OurCongregationModel::choose(std::optional<std::size_t> cong_pos) {
    std::uint16_t ours = doc_.our_congregation();
    if (cong_pos && *cong_pos < doc_.congregations().size())
        ours = doc_.congregations().at(*cong_pos).cong_id;
    doc_.set_our_congregation(ours);
}

LocalRoleListParams OurCongregationModel::list_params(store::LocalRole role) {
    LocalRoleListParams p;
    p.role = role;
    return p;
}

}  // namespace vorla::editors
