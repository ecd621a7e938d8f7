#include "gui/reports/report_commands.h"

#include <QFileDialog>
#include <QMenu>

#include "core/app/commands.h"
#include "core/reports/font_commands.h"
#include "core/reports/schedule_export.h"
#include "gui/app/main_frame.h"
#include "gui/app/qt_prompter.h"
#include "gui/reports/font_chooser.h"
#include "gui/reports/vr_view.h"
#include "gui/reports/week_range_dialog.h"

namespace vorla::gui {

using namespace app::cmd;

void show_report(CMainFrame& frame, const reports::ReportRequest& request) {
    const store::CVrDoc& doc = frame.doc();
    const settings::ReportFonts& fonts = frame.fonts();
    frame.view()->show_report(request, [&doc, &fonts, request](const reports::Device& device) {
        return reports::layout_report(doc, fonts, request, device);
    });
}

namespace {

void open_schedule(CMainFrame& frame) {
    WeekRangeDialog dialog(frame.doc(), reports::WeekRangeForm::schedule, &frame);
    const WeekRangeDialog::Choice choice = dialog.choose();
    const reports::WeekRangeModel& m = dialog.model();
    if (choice == WeekRangeDialog::kShow) {
        show_report(frame, {reports::ReportKind::schedule, m.first_week(), m.week_count()});
    } else if (choice == WeekRangeDialog::kExport) {
        reports::export_schedule(frame.doc(), m.first_week(), m.week_count());
    }
}

void choose_role_font(CMainFrame& frame, settings::FontRole role, int command) {
    const auto chosen =
        choose_font(qs(reports::font_chooser_caption(command)), frame.fonts().get(role), &frame);
    if (chosen && reports::apply_font_choice(frame.fonts(), role, *chosen)) frame.view()->redraw();
}

void save_pdf(CMainFrame& frame) {
    const QString folder = QString::fromStdString(frame.doc().folder().folder().string());
    QFileDialog dialog(&frame, QStringLiteral("Сохранить в PDF"), folder,
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds ".pdf" itself, so that it asks before replacing the file really meant.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().constFirst();
    if (!frame.view()->save_pdf(file)) {
        frame.doc().folder().report_write_failure(file.toStdString());
    }
}

void popup(CMainFrame& frame, const QPoint& at) {
    QMenu menu(&frame);
    for (const reports::PopupItem& item : reports::schedule_popup_items()) {
        QAction* command = frame.commands().action(item.command);
        QAction* entry = menu.addAction(qs(item.text));
        entry->setEnabled(command->isEnabled());
        QObject::connect(entry, &QAction::triggered, command, &QAction::trigger);
    }
    menu.exec(at);
}

}  // namespace

void install_report_commands(CMainFrame& frame) {
    CommandSet& c = frame.commands();
    c.set_handler(kSchedule, [&frame] { open_schedule(frame); });
    c.set_handler(kPrint, [&frame] { frame.view()->print(); });
    c.set_handler(kPrintPreview, [&frame] { frame.view()->print_preview(); });
    c.set_handler(kPrintSetup, [&frame] { frame.view()->print_setup(); });
    c.set_handler(kSavePdf, [&frame] { save_pdf(frame); });
    for (const settings::FontRoleInfo& info : settings::font_roles()) {
        c.set_handler(info.command,
                      [&frame, info] { choose_role_font(frame, info.role, info.command); });
    }
    c.set_handler(kFontDefaults, [&frame] {
        frame.fonts().reset_to_defaults();
        frame.view()->redraw();
    });
    frame.view()->set_popup_handler([&frame](const QPoint& at) { popup(frame, at); });
    // An editor, the scheduling sheet or the settings may have changed what the report shows;
    // a closing dialog does not always repaint the window beneath it. The font commands
    // redraw only for a new font.
    QObject::connect(&c, &CommandSet::ran, frame.view(), [&frame](int command) {
        if (frame.view()->mode() == CVrView::kReportMode && !reports::font_role_of_command(command))
            frame.view()->redraw();
    });
}

}  // namespace vorla::gui
