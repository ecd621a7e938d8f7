#include "core/app/settings_dialog_model.h"

#include "core/text/texts.h"

namespace vorla::app {

using text::TextId;

SettingsDialogModel::SettingsDialogModel(store::Document& doc)
    : doc_(doc), opening_(doc.settings()), values_(doc.settings()) {}

std::string SettingsDialogModel::background_caption() const {
    return text::format(
        TextId::print_headings_on_background,
        text::text_at(TextId::background_clear, static_cast<int>(values_.background_style)));
}

void SettingsDialogModel::press_background() {
    const int next = (static_cast<int>(values_.background_style) + 1) % settings::kBackgroundStyles;
    values_.background_style = static_cast<settings::BackgroundStyle>(next);
}

void SettingsDialogModel::choose_colour(std::uint32_t rgb) {
    values_.background_colour = values_.background_style == settings::BackgroundStyle::coloured
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
    doc_.write_settings_file();
    if (changed) doc_.announce(store::Change::settings);
    return changed;
}

}  // namespace vorla::app
