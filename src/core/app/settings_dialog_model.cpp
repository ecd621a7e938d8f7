#include "core/app/settings_dialog_model.h"

#include "core/text/string_table.h"

namespace vorla::app {

SettingsDialogModel::SettingsDialogModel(store::Document& doc)
    : doc_(doc), opening_(doc.settings()), values_(doc.settings()) {}

std::string SettingsDialogModel::background_caption() const {
    return text::text_with(1125, 1126 + values_.background_style);
}

void SettingsDialogModel::press_background() {
    values_.background_style = (values_.background_style + 1) % 5;
}

void SettingsDialogModel::choose_colour(std::uint32_t rgb) {
    values_.background_colour = values_.background_style == 4
                                    ? rgb & 0xFFFFFF
                                    : settings::Settings::kDefaultBackgroundColour;
}

bool SettingsDialogModel::auto_cap_visible() const {
    return doc_.language() == "eng" || doc_.language() == "polish";
}

void SettingsDialogModel::accept() {
    doc_.set_settings(values_);
}

bool SettingsDialogModel::close() {
    const bool changed = !(doc_.settings() == opening_);
    if (changed) doc_.set_modified();
    doc_.write_settings_file();
    return changed;
}

}  // namespace vorla::app
