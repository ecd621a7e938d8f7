#pragma once
// The pickers and choosers open modally and hand back what was chosen.
#include <QDialog>
#include <optional>

namespace vorla::gui {

// Runs the chooser: what `choice` reads from it once it closed with OK, nothing when it was
// cancelled.
template <class Chooser, class Choice>
auto run_chooser(Chooser& chooser, Choice choice) -> decltype(choice(chooser)) {
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return choice(chooser);
}

}  // namespace vorla::gui
