#pragma once
// The font chooser of the report fonts: Qt's font dialog, pre-filled with the role's font,
// with a colour button beside it for the role's text colour (the font dialog has none).
// Underline and strike-out are not offered.
#include <QDialog>
#include <optional>

#include "core/settings/report_fonts.h"

class QFontDialog;
class QPushButton;

namespace vorla::gui {

class FontChooser : public QDialog {
    Q_OBJECT
  public:
    FontChooser(const QString& caption, const settings::FontSpec& font, QWidget* parent = nullptr);

    // The role's font with the chosen colour; its description as before when the font itself
    // was left alone (the dialog may show a substitute family for a face that is not here).
    settings::FontSpec chosen() const;

    QFontDialog* font_dialog() const { return fonts_; }
    QPushButton* colour_button() const { return colour_button_; }
    void set_colour(const QColor& colour);

  protected:
    // Esc and Enter in the font panel are this dialog's Cancel and OK: the panel is a dialog
    // of its own and would otherwise close itself, leaving this one open and empty.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    settings::FontSpec font_;
    QFont shown_;
    QColor colour_;
    QFontDialog* fonts_;
    QPushButton* colour_button_;
};

// Opens the chooser; the chosen font on OK, nothing on Cancel.
std::optional<settings::FontSpec> choose_font(const QString& caption,
                                              const settings::FontSpec& font, QWidget* parent);

}  // namespace vorla::gui
