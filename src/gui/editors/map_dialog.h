#pragma once
// "Карта": shows a congregation's map picture and lets the user choose another file.
#include <QDialog>
#include <optional>
#include <string>

#include "core/editors/map_picture.h"
#include "core/store/document.h"
#include "gui/editors/map_image.h"

class QPushButton;

namespace vorla::gui {

class MapDialog : public QDialog {
    Q_OBJECT
  public:
    MapDialog(store::Document& doc, const std::string& map_file, QWidget* parent = nullptr);

    // Runs the dialog; the map name after OK (empty without a picture), nothing on Cancel.
    static std::optional<std::string> edit(store::Document& doc, const std::string& map_file,
                                           QWidget* parent);
    std::string result() const { return model_.result(picture_.loaded()); }

    // The file the user picked in "Выбрать карту": only its name is kept.
    void choose_file(const QString& path);

    editors::MapDialogModel& model() { return model_; }
    const MapImage& picture() const { return picture_; }
    QWidget* frame() const { return frame_; }
    QPushButton* choose_button() const { return choose_; }
    QPushButton* rules_button() const { return rules_; }
    QPushButton* ok_button() const { return ok_; }

  private:
    void load();

    store::Document& doc_;
    editors::MapDialogModel model_;
    MapImage picture_;
    QWidget* frame_;
    QPushButton* choose_;
    QPushButton* rules_;
    QPushButton* ok_;
};

}  // namespace vorla::gui
