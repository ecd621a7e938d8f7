#include "gui/reports/report_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>

#include "core/commands/command.h"
#include "core/io/find_program.h"
#include "core/reports/font_commands.h"
#include "core/reports/letter_mail.h"
#include "core/reports/schedule_export.h"
#include "core/text/texts.h"
#include "gui/app/main_window.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/reports/calendar_export.h"
#include "gui/reports/font_chooser.h"
#include "gui/reports/list_report_commands.h"
#include "gui/reports/mail_launch.h"
#include "gui/reports/report_printer.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_widget.h"
#include "gui/reports/week_range_dialog.h"

namespace vorla::gui {

using commands::Command;

void show_report(MainWindow& window, const reports::ReportRequest& request) {
    const store::Document& doc = window.doc();
    const settings::ReportFonts& fonts = window.fonts();
    window.view()->show_report(
        request,
        [&doc, &fonts, request](const reports::Device& device) {
            return reports::layout_report(doc, fonts, request, device);
        },
        qs(reports::report_title(doc, request)));
}

namespace {

void open_schedule(MainWindow& window) {
    WeekRangeDialog dialog(window.doc(), reports::WeekRangeForm::schedule, &window);
    const WeekRangeDialog::Choice choice = dialog.choose();
    const reports::WeekRangeModel& m = dialog.model();
    if (choice == WeekRangeDialog::Choice::show) {
        show_report(window, {reports::ReportKind::schedule, m.first_week(), m.week_count()});
    } else if (choice == WeekRangeDialog::Choice::export_text) {
        reports::export_schedule(window.doc(), m.first_week(), m.week_count());
    }
}

// The letters take their visit from the talk history; Cancel keeps the report shown.
void open_invitation_letter(MainWindow& window) {
    if (const auto visit = pick_week(&window, window.doc(), schedule::TalkHistoryMode::local))
        show_report(window, reports::invitation_letter_request(visit->week));
}

void open_outgoing_notice(MainWindow& window) {
    const auto visit = pick_week(&window, window.doc(), schedule::TalkHistoryMode::outgoing);
    if (visit && visit->slot) {
        show_report(window,
                    reports::outgoing_notice_request(visit->week, static_cast<int>(*visit->slot)));
    }
}

void choose_role_font(MainWindow& window, settings::FontRole role, Command command) {
    const auto chosen =
        choose_font(qs(reports::font_chooser_caption(command)), window.fonts().get(role), &window);
    if (chosen && reports::apply_font_choice(window.fonts(), role, *chosen))
        window.view()->redraw();
}

void save_pdf(MainWindow& window) {
    const QString folder = QString::fromStdString(window.doc().folder().folder().string());
    QFileDialog dialog(&window, qs(text::TextId::save_pdf_title), folder,
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds ".pdf" itself, so that it asks before replacing the file really meant.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().constFirst();
    if (!window.report_printer().save_pdf(file)) {
        window.doc().folder().report_write_failure(file.toStdString());
    }
}

// The draft of the letter or notice on screen, when its brother can be written to.
std::optional<io::MailDraft> shown_letter_mail(MainWindow& window) {
    if (window.view()->mode() != ReportView::Mode::report) return std::nullopt;
    const ReportWidget* page = window.view()->report_page();
    if (!page) return std::nullopt;
    return reports::letter_mail(window.doc(), page->request());
}

// The command is there only while a letter to a brother with an address is shown.
void update_mail_command(MainWindow& window) {
    QAction* action = window.commands().action(Command::mail_letter);
    const bool available = shown_letter_mail(window).has_value();
    action->setVisible(available);
    action->setEnabled(available && window.commands().enabled(Command::mail_letter));
}

void mail_letter(MainWindow& window) {
    auto draft = shown_letter_mail(window);
    if (!draft) return;
    const reports::ReportRequest request = window.view()->report_page()->request();
    // The mail program takes the letter's PDF along; it reads the file when the user sends,
    // so the file stays in the cache folder.
    if (io::find_program(io::kMailProgram)) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/letters");
        const QString file =
            folder + QLatin1Char('/') + qs(reports::letter_file_name(window.doc(), request));
        if (!QDir().mkpath(folder) || !window.report_printer().save_pdf(file)) {
            window.doc().folder().report_write_failure(file.toStdString());
            return;
        }
        draft->attachment = file.toStdString();
    }
    if (!open_mail_draft(*draft)) {
        window.doc().prompter().inform(text::text(text::TextId::letter_mail_failed),
                                       io::Icon::warning);
    }
}

void popup(MainWindow& window, const QPoint& at) {
    QMenu menu(&window);
    for (const reports::PopupItem& item : reports::schedule_popup_items()) {
        QAction* command = window.commands().action(item.command);
        QAction* entry = menu.addAction(qs(item.text));
        entry->setEnabled(command->isEnabled());
        QObject::connect(entry, &QAction::triggered, command, &QAction::trigger);
    }
    menu.exec(at);
}

}  // namespace

void install_report_commands(MainWindow& window) {
    CommandSet& c = window.commands();
    c.set_handler(Command::schedule, [&window] { open_schedule(window); });
    c.set_handler(Command::print, [&window] { window.report_printer().print(); });
    c.set_handler(Command::print_preview, [&window] { window.report_printer().print_preview(); });
    c.set_handler(Command::print_setup, [&window] { window.report_printer().print_setup(); });
    c.set_handler(Command::save_pdf, [&window] { save_pdf(window); });
    c.set_handler(Command::export_calendar, [&window] { export_calendar(window); });
    c.set_handler(Command::mail_letter, [&window] { mail_letter(window); });
    c.set_handler(Command::invitation_letter, [&window] { open_invitation_letter(window); });
    c.set_handler(Command::outgoing_notice, [&window] { open_outgoing_notice(window); });
    install_list_report_commands(window);
    QObject::connect(&c, &CommandSet::refreshed, &window,
                     [&window] { update_mail_command(window); });
    QObject::connect(window.view(), &ReportView::report_shown, &window,
                     [&window] { window.refresh(); });
    for (const settings::FontRoleInfo& info : settings::font_roles()) {
        c.set_handler(info.command,
                      [&window, info] { choose_role_font(window, info.role, info.command); });
    }
    c.set_handler(Command::font_defaults, [&window] {
        window.fonts().reset_to_defaults();
        window.view()->redraw();
    });
    window.view()->set_popup_handler([&window](const QPoint& at) { popup(window, at); });
}

}  // namespace vorla::gui
