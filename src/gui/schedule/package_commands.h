#pragma once
// The package commands: export (32829) and import (32876), and the export of one
// congregation's package that the our-congregation dialog starts too.
#include <QWidget>
#include <cstdint>

#include "core/store/document.h"

namespace vorla::gui {

class MainWindow;

void install_package_commands(MainWindow& window);

// Writes the congregation's package into the data folder and tells the user: where it is and
// how to hand it on, or why it could not be written.
void export_congregation_package(store::Document& doc, std::uint16_t cong_id, QWidget* parent);

}  // namespace vorla::gui
