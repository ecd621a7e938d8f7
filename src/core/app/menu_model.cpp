#include "core/app/menu_model.h"

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
        sub("&Файл",
            {item("&Печать...\tCtrl+P", print), item("Просмотр печати", print_preview),
             item("Настройка печати...", print_setup), item("Сохранить в PDF...", save_pdf),
             item(text::text(text::TextId::menu_mail_letter), mail_letter), separator(),
             item("Создать &экспортный пакет", export_package),
             item("&Импорт пакета собрания", import_package),
             item(text::text(text::TextId::menu_export_calendar), export_calendar), separator(),
             sub("&Резерв и Восстановление",
                 {item("Резервировать", backup), item("Восстановить", restore)}),
             separator(), item("Возврат к &главному окну", back_to_panel), separator(),
             item("В&ыход", exit)}),
        sub("&Редактировать",
            {item("&Собрания", congregations), item("&Братья", brothers),
             item("&Наше собрание", our_congregation), item("&Нужные нам речи", talks_we_need),
             item("Рай&оны", circuits), item("&Речи", talks), item("&История", history),
             item("&Доступность", availability)}),
        sub("&Планирование", {item("&Сводка", summary), item("&Местные речи", local_talks),
                              item("&Председатели", chairmen), item("&Гостеприимные", hospitality),
                              item("&Чтецы", readers), item("&Уходящие докладчики", outgoing)}),
        sub("&Смотреть",
            {item("&План", schedule), item("Докладчик - Речи", speaker_talks),
             item("&Речь - Докладчики", talk_speakers), item("История докладчика", speaker_history),
             item("История речи", talk_history),
             item("История речи вне собрания", outgoing_talk_history),
             item("Ежегодный контроль речей", annual_check),
             sub("Списки назначений", {item("Извещение уход. докладчика", outgoing_notice),
                                       item("Письмо приглаш. докладчику", invitation_letter),
                                       item("Список обмена докладчиками", exchange_list),
                                       item("Назначения местных братьев", local_assignments),
                                       item("Список приглашенных", invited_list),
                                       item("Список уход. докладчиков", outgoing_list)}),
             item("Чтецы Сторожевой Башни", readers_list),
             item("Местные речи рабочий лист", local_talks_worksheet),
             item("Местные докладчики", local_speakers),
             item("Координаторы речей", talk_coordinators)}),
        sub("Шр&ифты",
            {item("&Заголовок", font_title), item("&Дата", font_date), item("&Речи", font_talk),
             item("&Названия", font_captions), item("Докладчики", font_speakers),
             item("Те&кст", font_text), item("М&елкий текст", font_small), separator(),
             item("По умолчанию", font_defaults)}),
        item("&Настройки", settings),
        sub("&Помощь", {item("&Обзор\tF1", help_contents), item("&Индекс", help_index),
                        item("&Контекстная помощь\tShift+F1", context_help), separator(),
                        item("&О Vorla...", about)}),
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
        {" Сообщения ",
         {{PanelButtonId::schedule, "Текущее расписание", schedule, {}},
          {PanelButtonId::speaker_talks, "Докладчик - Речи", speaker_talks, {}},
          {PanelButtonId::talk_speakers, "Речь - Докладчики", talk_speakers, {}},
          {PanelButtonId::speaker_notices,
           "Извещение докладчика",
           none,
           {{TextId::panel_outgoing_notice, outgoing_notice},
            {TextId::panel_invitation_letter, invitation_letter}}},
          {PanelButtonId::assignment_lists,
           "Списки назначений",
           none,
           {{TextId::panel_exchange_list, exchange_list},
            {TextId::panel_local_assignments, local_assignments},
            {TextId::invited_speakers_list, invited_list},
            {TextId::panel_outgoing_list, outgoing_list}}},
          {PanelButtonId::annual_check, "Ежегодный контроль речей", annual_check, {}},
          {PanelButtonId::histories,
           "Просмотреть историю",
           none,
           {{TextId::panel_speaker_history, speaker_history},
            {TextId::panel_talk_history, talk_history},
            {TextId::panel_outgoing_talk_history, outgoing_talk_history}}}}},
        {" Планирование ",
         {{PanelButtonId::summary, "Сводка", summary, {}},
          {PanelButtonId::local_talks, "Местные речи", local_talks, {}},
          {PanelButtonId::outgoing, "Уходящие докладчики", outgoing, {}},
          {PanelButtonId::chairmen, "Председатели", chairmen, {}},
          {PanelButtonId::hospitality, "Гостеприимные", hospitality, {}},
          {PanelButtonId::readers, "Чтецы", readers, {}},
          {PanelButtonId::exit, "Выход из программы", exit, {}}}},
        {" Установка и редактирование ",
         {{PanelButtonId::congregations, "Собрания", congregations, {}},
          {PanelButtonId::brothers, "Братья", brothers, {}},
          {PanelButtonId::our_congregation, "Наше собрание", our_congregation, {}},
          {PanelButtonId::talks_we_need, "Нужные нам речи", talks_we_need, {}},
          {PanelButtonId::circuits, "Районы", circuits, {}},
          {PanelButtonId::talks, "Речи", talks, {}},
          {PanelButtonId::edit_history, "Редактировать историю", history, {}}}},
    };
    return panel;
}

}  // namespace vorla::app
