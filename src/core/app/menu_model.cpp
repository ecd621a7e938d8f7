#include "core/app/menu_model.h"
#include "core/text/texts.h"

namespace vorla::app {

namespace {

MenuItem item(std::string text, Command command) {
    return MenuItem{std::move(text), command, {}};
}
MenuItem sub(std::string text, std::vector<MenuItem> children) {
    return MenuItem{std::move(text), Command::none, std::move(children)};
}
MenuItem separator() {
    return MenuItem{};
}

}  // namespace

const std::vector<MenuItem>& main_menu() {
    using enum Command;
    static const std::vector<MenuItem> menu = {
        sub(text::text(text::TextId::menu_file),
            {item(text::text(text::TextId::menu_print), print),
             item(text::text(text::TextId::menu_print_preview), print_preview),
             item(text::text(text::TextId::menu_print_setup), print_setup),
             item(text::text(text::TextId::menu_save_pdf), save_pdf),
             item(text::text(text::TextId::menu_mail_letter), mail_letter), separator(),
             item(text::text(text::TextId::menu_export_package), export_package),
             item(text::text(text::TextId::menu_import_package), import_package),
             item(text::text(text::TextId::menu_export_calendar), export_calendar), separator(),
             sub(text::text(text::TextId::menu_backup_restore),
                 {item(text::text(text::TextId::menu_backup), backup),
                  item(text::text(text::TextId::restore), restore)}),
             separator(), item(text::text(text::TextId::menu_back_to_panel), back_to_panel),
             separator(), item(text::text(text::TextId::menu_exit), exit)}),
        sub(text::text(text::TextId::menu_edit),
            {item(text::text(text::TextId::menu_congregations), congregations),
             item(text::text(text::TextId::menu_brothers), brothers),
             item(text::text(text::TextId::menu_our_congregation), our_congregation),
             item(text::text(text::TextId::menu_talks_we_need), talks_we_need),
             item(text::text(text::TextId::menu_circuits), circuits),
             item(text::text(text::TextId::menu_talks), talks),
             item(text::text(text::TextId::menu_history), history),
             item(text::text(text::TextId::menu_availability), availability)}),
        sub(text::text(text::TextId::menu_scheduling),
            {item(text::text(text::TextId::menu_summary), summary),
             item(text::text(text::TextId::menu_local_talks), local_talks),
             item(text::text(text::TextId::menu_chairmen), chairmen),
             item(text::text(text::TextId::menu_hospitality), hospitality),
             item(text::text(text::TextId::menu_readers), readers),
             item(text::text(text::TextId::menu_outgoing), outgoing)}),
        sub(text::text(text::TextId::menu_view),
            {item(text::text(text::TextId::menu_schedule), schedule),
             item(text::text(text::TextId::speaker_talks_caption), speaker_talks),
             item(text::text(text::TextId::menu_talk_speakers), talk_speakers),
             item(text::text(text::TextId::panel_speaker_history), speaker_history),
             item(text::text(text::TextId::talk_history_caption), talk_history),
             item(text::text(text::TextId::outgoing_talk_history_caption), outgoing_talk_history),
             item(text::text(text::TextId::annual_check_caption), annual_check),
             sub(text::text(text::TextId::assignment_lists_caption),
                 {item(text::text(text::TextId::menu_outgoing_notice), outgoing_notice),
                  item(text::text(text::TextId::menu_invitation_letter), invitation_letter),
                  item(text::text(text::TextId::panel_exchange_list), exchange_list),
                  item(text::text(text::TextId::panel_local_assignments), local_assignments),
                  item(text::text(text::TextId::menu_invited_list), invited_list),
                  item(text::text(text::TextId::menu_outgoing_list), outgoing_list)}),
             item(text::text(text::TextId::readers_list_caption), readers_list),
             item(text::text(text::TextId::menu_local_talks_worksheet), local_talks_worksheet),
             item(text::text(text::TextId::menu_local_speakers), local_speakers),
             item(text::text(text::TextId::talk_coordinators), talk_coordinators)}),
        sub(text::text(text::TextId::menu_fonts),
            {item(text::text(text::TextId::menu_font_title), font_title),
             item(text::text(text::TextId::menu_font_date), font_date),
             item(text::text(text::TextId::menu_talks), font_talk),
             item(text::text(text::TextId::menu_font_captions), font_captions),
             item(text::text(text::TextId::speakers), font_speakers),
             item(text::text(text::TextId::menu_font_text), font_text),
             item(text::text(text::TextId::menu_font_small), font_small), separator(),
             item(text::text(text::TextId::menu_font_defaults), font_defaults)}),
        item(text::text(text::TextId::menu_settings), settings),
        sub(text::text(text::TextId::menu_help),
            {item(text::text(text::TextId::menu_help_contents), help_contents),
             item(text::text(text::TextId::menu_help_index), help_index),
             item(text::text(text::TextId::menu_context_help), context_help), separator(),
             item(text::text(text::TextId::menu_about), about)}),
    };
    return menu;
}

const std::vector<Command>& toolbar_commands() {
    using enum Command;
    static const std::vector<Command> bar = {
        back_to_panel, none,    backup,        none,         print,       print_preview,
        none,          summary, local_talks,   chairmen,     hospitality, readers,
        outgoing,      none,    congregations, brothers,     talks,       our_congregation,
        talks_we_need, none,    about,         context_help,
    };
    return bar;
}

const std::vector<PanelGroup>& work_panel() {
    using enum Command;
    using text::TextId;
    static const std::vector<PanelGroup> panel = {
        {text::text(text::TextId::panel_group_reports),
         {{PanelButtonId::schedule, text::text(text::TextId::panel_schedule), schedule, {}},
          {PanelButtonId::speaker_talks,
           text::text(text::TextId::speaker_talks_caption),
           speaker_talks,
           {}},
          {PanelButtonId::talk_speakers,
           text::text(text::TextId::panel_talk_speakers),
           talk_speakers,
           {}},
          {PanelButtonId::speaker_notices,
           text::text(text::TextId::panel_speaker_notices),
           none,
           {{TextId::panel_outgoing_notice, outgoing_notice},
            {TextId::panel_invitation_letter, invitation_letter}}},
          {PanelButtonId::assignment_lists,
           text::text(text::TextId::assignment_lists_caption),
           none,
           {{TextId::panel_exchange_list, exchange_list},
            {TextId::panel_local_assignments, local_assignments},
            {TextId::invited_speakers_list, invited_list},
            {TextId::panel_outgoing_list, outgoing_list}}},
          {PanelButtonId::annual_check,
           text::text(text::TextId::annual_check_caption),
           annual_check,
           {}},
          {PanelButtonId::histories,
           text::text(text::TextId::panel_histories),
           none,
           {{TextId::panel_speaker_history, speaker_history},
            {TextId::panel_talk_history, talk_history},
            {TextId::panel_outgoing_talk_history, outgoing_talk_history}}}}},
        {text::text(text::TextId::panel_group_scheduling),
         {{PanelButtonId::summary, text::text(text::TextId::summary_caption), summary, {}},
          {PanelButtonId::local_talks, text::text(text::TextId::local_talks), local_talks, {}},
          {PanelButtonId::outgoing, text::text(text::TextId::outgoing_speakers), outgoing, {}},
          {PanelButtonId::chairmen, text::text(text::TextId::chairmen), chairmen, {}},
          {PanelButtonId::hospitality,
           text::text(text::TextId::hospitality_caption),
           hospitality,
           {}},
          {PanelButtonId::readers, text::text(text::TextId::readers), readers, {}},
          {PanelButtonId::exit, text::text(text::TextId::panel_exit), exit, {}}}},
        {text::text(text::TextId::panel_group_setup),
         {{PanelButtonId::congregations,
           text::text(text::TextId::congregations),
           congregations,
           {}},
          {PanelButtonId::brothers, text::text(text::TextId::brothers), brothers, {}},
          {PanelButtonId::our_congregation,
           text::text(text::TextId::our_congregation_caption),
           our_congregation,
           {}},
          {PanelButtonId::talks_we_need,
           text::text(text::TextId::talks_we_need_caption),
           talks_we_need,
           {}},
          {PanelButtonId::circuits, text::text(text::TextId::circuits_caption), circuits, {}},
          {PanelButtonId::talks, text::text(text::TextId::talks_caption), talks, {}},
          {PanelButtonId::edit_history,
           text::text(text::TextId::panel_edit_history),
           history,
           {}}}},
    };
    return panel;
}

}  // namespace vorla::app
