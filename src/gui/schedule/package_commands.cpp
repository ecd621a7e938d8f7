#include "gui/schedule/package_commands.h"

#include <QFileDialog>

#include "core/commands/command.h"
#include "core/schedule/package_export.h"
#include "core/text/texts.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/congregation_chooser_dialog.h"
#include "gui/schedule/package_exported_dialog.h"
#include "gui/schedule/package_import_dialog.h"

namespace vorla::gui {

using text::TextId;

namespace {

// The open-file dialog of the import: packages in the data folder first; Windows
// coordinators' files may end in ".VPK".
std::optional<std::filesystem::path> choose_package_file(const store::Document& doc,
                                                         QWidget* parent) {
    const QString file = QFileDialog::getOpenFileName(
        parent, qs(text::text(TextId::choose_package_to_import)),
        qs(doc.folder().folder().string()),
        qs(text::text(TextId::package_file_filter)) + QStringLiteral(" (*.vpk *.VPK)"));
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(us(file));
}

}  // namespace

void export_congregation_package(store::Document& doc, std::uint16_t cong_id, QWidget* parent) {
    const schedule::PackageExport result = schedule::export_package(doc, cong_id);
    if (!result.written) {
        doc.prompter().inform(result.message, io::Icon::error);
        return;
    }
    const QByteArray path = qgetenv("PATH");
    PackageExportedDialog dialog(
        result.message, schedule::package_hand_on(result.path, path.toStdString()), parent);
    dialog.exec();
}

void install_package_commands(MainWindow& window) {
    using commands::Command;
    CommandSet& commands = window.commands();
    commands.set_handler(Command::export_package, [&window] {
        const auto cong_id =
            CongregationChooserDialog::choose(window.doc(), schedule::ChooserMode::ours, &window);
        if (cong_id && *cong_id != 0) export_congregation_package(window.doc(), *cong_id, &window);
    });
    commands.set_handler(Command::import_package, [&window] {
        const auto file = choose_package_file(window.doc(), &window);
        if (!file) return;
        // What the import changes reaches the window and the report through the notices.
        PackageImportDialog dialog(window.doc(), *file, &window);
        dialog.exec();
    });
}

}  // namespace vorla::gui
