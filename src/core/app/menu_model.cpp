#include "core/app/menu_model.h"

#include "core/app/commands.h"
#include "core/text/string_table.h"

namespace vorla::app {

namespace {

MenuItem item(std::string text, int command) {
    return MenuItem{std::move(text), command, {}};
}
MenuItem sub(std::string text, std::vector<MenuItem> children) {
    return MenuItem{std::move(text), 0, std::move(children)};
}
MenuItem separator() {
    return MenuItem{};
}

std::string line(int command, int n) {
    const std::string& t = text::text(command);
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t nl = t.find('\n', start);
        if (nl == std::string::npos) return {};
        start = nl + 1;
    }
    return t.substr(start, t.find('\n', start) - start);
}

}  // namespace

const std::vector<MenuItem>& main_menu() {
    using namespace cmd;
    static const std::vector<MenuItem> menu = {
        sub("&Файл",
            {item("&Печать...\tCtrl+P", kPrint), item("Просмотр печати", kPrintPreview),
             item("Настройка печати...", kPrintSetup), item("Сохранить в PDF...", kSavePdf),
             separator(), item("Создать &экспортный пакет", kExportPackage),
             item("&Импорт пакета собрания", kImportPackage), separator(),
             sub("&Резерв и Восстановление",
                 {item("Резервировать", kBackup), item("Восстановить", kRestore)}),
             separator(), item("Возврат к &главному окну", kBackToPanel), separator(),
             item("В&ыход", kExit)}),
        sub("&Редактировать",
            {item("&Собрания", kCongregations), item("&Братья", kBrothers),
             item("&Наше собрание", kOurCongregation), item("&Нужные нам речи", kTalksWeNeed),
             item("Рай&оны", kCircuits), item("&Речи", kTalks), item("&История", kHistory),
             item("&Доступность", kAvailability)}),
        sub("&Планирование",
            {item("&Сводка", kSummary), item("&Местные речи", kLocalTalks),
             item("&Председатели", kChairmen), item("&Гостеприимные", kHospitality),
             item("&Чтецы", kReaders), item("&Уходящие докладчики", kOutgoing)}),
        sub("&Смотреть",
            {item("&План", kSchedule), item("Докладчик - Речи", kSpeakerTalks),
             item("&Речь - Докладчики", kTalkSpeakers), item("История докладчика", kSpeakerHistory),
             item("История речи", kTalkHistory),
             item("История речи вне собрания", kOutgoingTalkHistory),
             item("Ежегодный контроль речей", kAnnualCheck),
             sub("Списки назначений", {item("Извещение уход. докладчика", kOutgoingNotice),
                                       item("Письмо приглаш. докладчику", kInvitationLetter),
                                       item("Список обмена докладчиками", kExchangeList),
                                       item("Назначения местных братьев", kLocalAssignments),
                                       item("Список приглашенных", kInvitedList),
                                       item("Список уход. докладчиков", kOutgoingList)}),
             item("Чтецы Сторожевой Башни", kReadersList),
             item("Местные речи рабочий лист", kLocalTalksWorksheet),
             item("Местные докладчики", kLocalSpeakers),
             item("Координаторы речей", kTalkCoordinators)}),
        sub("Шр&ифты",
            {item("&Заголовок", kFontTitle), item("&Дата", kFontDate), item("&Речи", kFontTalk),
             item("&Названия", kFontCaptions), item("Докладчики", kFontSpeakers),
             item("Те&кст", kFontText), item("М&елкий текст", kFontSmall), separator(),
             item("По умолчанию", kFontDefaults)}),
        item("&Настройки", kSettings),
        sub("&Помощь", {item("&Обзор\tF1", kHelpContents), item("&Индекс", kHelpIndex),
                        item("&Контекстная помощь\tShift+F1", kContextHelp), separator(),
                        item("&О Vorla...", kAbout)}),
    };
    return menu;
}

const std::vector<int>& toolbar_commands() {
    using namespace cmd;
    static const std::vector<int> bar = {
        kBackToPanel,
        0,
        kBackup,
        0,
        kPrint,
        kPrintPreview,
        0,
        kSummary,
        kLocalTalks,
        kChairmen,
        kHospitality,
        kReaders,
        kOutgoing,
        0,
        kCongregations,
        kBrothers,
        kTalks,
        kOurCongregation,
        kTalksWeNeed,
        0,
        kAbout,
        kContextHelp,
    };
    return bar;
}

std::string command_prompt(int command) {
    return line(command, 0);
}
std::string command_tip(int command) {
    return line(command, 1);
}

const std::vector<PanelGroup>& work_panel() {
    using namespace cmd;
    static const std::vector<PanelGroup> panel = {
        {" Сообщения ",
         {{122, "Текущее расписание", kSchedule, {}},
          {130, "Докладчик - Речи", kSpeakerTalks, {}},
          {131, "Речь - Докладчики", kTalkSpeakers, {}},
          {128, "Извещение докладчика", 0, {{1281, kOutgoingNotice}, {1282, kInvitationLetter}}},
          {119,
           "Списки назначений",
           0,
           {{1278, kExchangeList},
            {1279, kLocalAssignments},
            {1045, kInvitedList},
            {1280, kOutgoingList}}},
          {132, "Ежегодный контроль речей", kAnnualCheck, {}},
          {129,
           "Просмотреть историю",
           0,
           {{1283, kSpeakerHistory}, {1284, kTalkHistory}, {1285, kOutgoingTalkHistory}}}}},
        {" Планирование ",
         {{117, "Сводка", kSummary, {}},
          {115, "Местные речи", kLocalTalks, {}},
          {124, "Уходящие докладчики", kOutgoing, {}},
          {125, "Председатели", kChairmen, {}},
          {126, "Гостеприимные", kHospitality, {}},
          {127, "Чтецы", kReaders, {}},
          {button::kExit, "Выход из программы", kExit, {}}}},
        {" Установка и редактирование ",
         {{109, "Собрания", kCongregations, {}},
          {button::kBrothers, "Братья", kBrothers, {}},
          {121, "Наше собрание", kOurCongregation, {}},
          {123, "Нужные нам речи", kTalksWeNeed, {}},
          {118, "Районы", kCircuits, {}},
          {120, "Речи", kTalks, {}},
          {button::kEditHistory, "Редактировать историю", kHistory, {}}}},
    };
    return panel;
}

}  // namespace vorla::app
