#include "gui/reports/calendar_export.h"

#include <QFileDialog>

#include "core/editors/brother_list_model.h"
#include "core/schedule/calendar_file.h"
#include "core/schedule/calendar_mail.h"
#include "core/text/texts.h"
#include "gui/app/main_window.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/reports/mail_launch.h"
#include "gui/reports/week_range_dialog.h"

namespace vorla::gui {

using text::TextId;

namespace {

// The brother whose assignments alone go into the file: 0 for everyone, nothing when the
// user cancelled the chooser.
std::optional<std::uint16_t> choose_brother(MainWindow& window) {
    store::Document& doc = window.doc();
    if (!doc.prompter().ask_yes_no(text::text(TextId::calendar_ask_one_brother), false)) return 0;
    editors::BrotherListParams params;
    params.role = editors::BrotherRole::speaker;
    params.hide_add = true;
    const auto pos = BrotherListDialog::choose(doc, params, &window);
    if (!pos) return std::nullopt;
    return doc.brothers().at(*pos).brother_id;
}

}  // namespace

void export_calendar(MainWindow& window) {
    store::Document& doc = window.doc();
    WeekRangeDialog range(doc, reports::WeekRangeForm::calendar, &window);
    if (range.choose() == WeekRangeDialog::Choice::cancel) return;
    const auto brother = choose_brother(window);
    if (!brother) return;

    const QString start = qs((doc.folder().folder() / schedule::kCalendarExportName).string());
    QFileDialog save(&window, qs(text::text(TextId::calendar_export_title)), start,
                     qs(text::text(TextId::calendar_file_filter)));
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.setDefaultSuffix(QStringLiteral("ics"));
    if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty()) return;

    const reports::WeekRangeModel& weeks = range.model();
    const auto path =
        schedule::write_calendar_export(doc, weeks.first_week(), weeks.week_count(), *brother,
                                        save.selectedFiles().constFirst().toStdString());
    if (!path) return;
    const auto mail =
        schedule::hand_on_calendar(doc, *brother, *path, qgetenv("PATH").toStdString());
    if (mail) open_mail_draft(*mail);
}

}  // namespace vorla::gui
