#pragma once
// The rules of the settings dialog: what each control shows, which controls are visible,
// and what OK and Cancel leave in the document.
#include <string>

#include "core/settings/settings.h"
#include "core/store/document.h"

namespace vorla::app {

class SettingsDialogModel {
  public:
    explicit SettingsDialogModel(store::Document& doc);

    // The values the controls edit.
    settings::Settings& values() { return values_; }
    const settings::Settings& values() const { return values_; }

    // "Печать заголовков и дат на %1 фоне" with the current style's name.
    std::string background_caption() const;
    // Each press moves to the next style, 4 wrapping to 0.
    void press_background();
    // "Цвет" is shown only for the coloured style.
    bool colour_visible() const {
        return values_.background_style == settings::BackgroundStyle::coloured;
    }
    // The colour chooser's result: kept for the coloured style, else the default grey.
    void choose_colour(std::uint32_t rgb);
    // "Включить чтецов СБ" only while readers are scheduled.
    bool show_readers_visible() const { return values_.readers_scheduled; }
    // "Авто Caps Lock" only where automatic capitals exist.
    bool auto_cap_visible() const;

    // OK: the values become the document's. Both OK and Cancel then close(): when anything
    // differs from the opening values the document is marked changed, and the settings file
    // is written in either case. Returns whether the views need redrawing.
    void accept();
    bool close();

  private:
    store::Document& doc_;
    settings::Settings opening_;
    settings::Settings values_;
};

}  // namespace vorla::app
