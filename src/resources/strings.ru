# Vorla string table, Russian build. One text per line: number name "text".
# The name (lower case, digits, '_') is how the code refers to the text; numbers and names are unique.
# Escapes: \n line break, \t tab, \" quote, \\ backslash.

# program title (main window)
2 program_title "Система планирования публичных речей - Vorla"

# month names, genitive (long date labels)
3 month_january "Января"
4 month_february "Февраля"
5 month_march "Марта"
6 month_april "Апреля"
7 month_may "Мая"
8 month_june "Июня"
9 month_july "Июля"
10 month_august "Августа"
11 month_september "Сентября"
12 month_october "Октября"
13 month_november "Ноября"
14 month_december "Декабря"

# talk titles (text 400 + talk number)
632 talk_title_funeral "Погребальная Речь"

# default topics (text 700 + topic id)
701 topic_bible_god "Библия / Бог"
702 topic_christian_standards "Христианские нормы / Качества"
703 topic_preaching_ministry "Проповедь / Служение"
704 topic_faith_spirituality "Вера / Духовность"
705 topic_family_youth "Семья / Молодежь"
706 topic_kingdom_paradise "Царство / Рай"
707 topic_last_days_judgement "Последние дни / Божий суд"
708 topic_religion_worship "Религия / Поклонение"
709 topic_trials_difficulties "Испытания / Трудности"
710 topic_no_part_of_world "Мир, не от мира"

# editors and pickers: captions, buttons and questions
1000 talks_word "речи"
1001 assignments "Задания"
1002 exchange "Обмен"
1003 cancel_exchange "Отменить обмен"
1004 edit "Редактировать"
1005 added_count "Добавленный"
1006 duplicate_name "дублирующее имя."
1007 overwrite_with_new "Перезаписать новой информацией?"
1008 confirm_delete "Вы действительно хотите удалить%1?"
1009 confirm_move_brother "%1 назначен в%2 собрание.\n\nВы хотите переместить его?"
1010 removed_count "Удаленный"
1011 choose_congregation "Выбор собрания"
1012 clear_selection "Очистить выборку"
1013 choose_exchange_speaker "Выбор докладчика для обмена с %1 или -> "
1014 special_event "Особое событие"
1015 brothers "Братья"
1016 choose_talk_of "Выберите речь "
1017 exchange_with "Обмен %1"
1018 choose_exchange_reader "Выберите чтеца для обмена с\n%1\nили"
1019 choose_exchange_chairman "Выберите председателя для обмена с\n%1\nили"
1020 view_list "Просмотр списка"

# chooser titles and congregation offices
1021 choose_what "Выбрать %1"
1022 office_coordinator "Координатор Совета Старейшин"
1023 office_talk_coordinator "Ответственный за речи"
1024 office_secretary "Секретарь"
1025 circuit "Район"
1026 choose_topic "Выбрать тему"
1027 choose_talk_to_edit "Выбрать речь для редактирования"
1028 for_talk "для речи"
1030 change_what "Изменить %1"

# local role lists
1031 outgoing_speakers "Уходящие докладчики"
1032 chairmen "Председатели"
1033 readers "Чтецы"

# settings key: alternative date format
1034 key_alternate_date_format "Другой формат даты"

# assignment roles (text 1035 + assignment type)
1036 role_speaker "Докладчик"
1037 role_outgoing_speaker "Уходящий докладчик"
1038 role_chairman "Председатель"
1039 role_reader "Чтец"

# talks, speakers and list captions
1040 choose_a_talk "Выберите речь"
1041 talk "Речь"
1042 key_readers_scheduled "Включите чтецов"
1043 congregation_of "%1 Собрание"
1044 talk_caption "Речь"
1045 invited_speakers_list "Список приглашенных - приходящие докладчики"
1046 choose_speaker "Выбор докладчика"
1047 new_speaker "Новый докладчик"
1048 choose_talks "Выбор речей"
1049 view_choose_talks "Просмотр / Выбор речей"
1050 watchtower_readers "Чтецы СБ"
1051 all_topics "Все категории"
1052 talks_dash "Речи -"

# scheduling summary: column letters and view button
1053 summary_letter_talk "П"
1054 summary_letter_host "Г"
1055 summary_letter_reader "Ч"
1056 summary_letters "П - Г - Ч"
1057 congregation "Собрание"
1058 back "Назад"
1059 priority "Приоритет"
1060 speakers "Докладчики"
1061 enter_congregation_name "Пожалуйста, введите название собрания"
1062 add_talk "Добавить новую речь"
1063 free_for_new_talk "Доступно для новой речи"
1064 always_available "Доступен всегда"
1065 press_for_unavailable_dates "Нажать для недоступных дат"
1066 last_heard "Последний:  "
1067 all_talks "Все речи"

# talks-we-need priority letters
1068 priority_letter_high "В"
1069 priority_letter_medium "С"
1070 priority_letter_low "Н"

# circuit and congregation filters
1071 all_circuits "Все районы"
1072 all_congregations "Все собрания"
1073 congregations_in_circuit "Собрания в районе %1"
1074 choose_speaker_from "Выберите докладчика от"

# scheduling pages
1075 auto_choose "Автовыбор  "
1076 clear "Очистить "
1077 show_talk_history "Показать историю - Речь %1"
1078 show_history_of "Показать историю - %1"
1079 history "История"
1080 show_available "Показать доступные - %1"
1081 unavailable_of "%1 не доступные"
1082 scheduling_panel "Панель планирования"
1083 not_on_schedule "Не на текущем расписании"
1084 ok "OK"

# special events
1085 please_choose_week "Пожалуйста, выберите неделю"
1086 choose_week "Выбрать неделю"
1087 please_choose_event "Пожалуйста, выберите событие"
1088 event_changes_header "Добавление%1 будет требовать следующих изменений в%2 расписании:    \n\n"
1089 event_cancels_local_speaker "* Отменить местного докладчика %1 *"
1090 event_cancels_chairman "* Отменить председателя %1 *"
1091 event_cancels_host "* Отменить гостеприимного %1 *"
1092 event_cancels_reader "* Отменить чтеца %1 *"
1094 event_changes_confirm "Нажмите OK для принятия изменений или ОТМЕНА для выбора другого действия."
1095 local_speaker "Местный докладчик"
1096 edit_list "Редактировать список"
1097 unavailable_on "* Недоступен - %1"

# report font sections of the settings file
1098 section_font_text "Шрифт"
1099 section_font_title "Шрифт заголовка"
1100 section_font_talk_titles "Названия Шрифт"
1101 section_font_speakers "Докладчик Шрифт"

# default font faces
1109 face_arial "Arial"
1110 face_times_new_roman "Times New Roman"

# special-event names
1117 event_convention "Конгресс"
1118 event_circuit_visit "РН Визит"
1119 note_chairman_unavailable "* = Назначенный председатель недоступен!"

# schedule format: settings section, keys and background styles
1120 section_schedule "Формат расписания"
1121 key_schedule_title "Заголовок"
1122 default_schedule_title "Расписание публичных встреч"
1123 section_font_date "Дата Шрифт"
1124 section_font_talk "Речь Шрифт"
1125 print_headings_on_background "Печать заголовков и дат на %1 фоне"
1126 background_clear "чистом"
1127 background_grey "сером"
1128 background_black "черном"
1129 background_white "белом"
1130 background_colour "цветном"
1131 close "Закрыть"
1132 key_background "Фон"
1133 first_week_of "Стартовая неделя %1"
1134 talk_number "Речь %1"
1136 note_reader_unavailable "* = Назначенный чтец недоступен!"
1137 copy_what "Копия %1"
1138 outgoing_talk_history "История речей вне собрания"
1139 public_talk_list "Список публичных речей"
1140 all_speakers "Все докладчики"

# package import and export
1141 invited_from "Приглашаемые - "
1142 apply "Применить"
1143 key_show_readers "Показать чтецов"
1144 brothers_chosen_to_invite "%1 Братья, выбранные для приглашения."
1145 chosen_brothers_are_duplicates "%1 выбранные братья - дубликаты существующих братьев.\nСуществующие данные будут заменены импортируемыми данными."
1146 press_ok_to_import "Нажмите OK чтобы импортировать выбранное."
1147 congregation_data_exists "Данные для этого собрания уже существуют.  Существующие данные будут заменены импортируемыми данными."
1148 congregation_will_be_added "Новое собрание будет добавлено."
1149 brothers_will_be_added "%1 новые братья будут добавлены."
1150 package_exported_to "Информация местного собрания экспортирована в файл: \"%1\" расположенный в Вашем каталоге Vorla.\n\nЭкспортируемые данные включают братьев, речи и доступность.\n\n"
1151 choose_package_to_import "Выберите данные собрания ( .VPK ) файл для импорта"
1152 public_talk_titles "Названия речей публичных встреч"
1153 choose_circuit "Выбрать район"
1154 circuit_not_found "Не могу найти район - %1.  Выберите другой район или добавьте этот."

# map pictures
1155 choose_map_file "Выбрать Файл карты (JPG)"
1156 map_file_filter "Файлы карты собрания (.JPG)"
1157 package_file_filter "Файлы данных собрания (.VPK)"
1158 map_file_rules "Правила для файлов карт:\n\n1. Карта должна быть файлом JPEG (.jpg).\n2. Имя файла вместе с расширением - не длиннее 27 символов.\n3. Файл должен находиться в папке данных Vorla.\n\nКарта показывается и печатается размером 5 на 7 дюймов."

# letters and notices
1159 talk_assignment "Назначение публичной речи"
1160 in_word "в"
1161 kingdom_hall "Зал Царства"
1162 scheduling_conflict "# Конфликт планирования"
1163 dear_brother "Дорогой брат %1,"
1164 glad_you_visit "мы рады, что ты посетишь наше собрание %1 преподнести речь, \"%2\""
1165 meeting_starts_at "Начало нашей публичной встречи в %1.  "
1166 kingdom_hall_address "Адрес Зала Царства: "
1168 phone "Телефон"
1169 we_look_forward "Мы с нетерпением ждем твоей речи.  "
1170 at_word "в"
1171 key_skip_talk_numbers "Пропустить OTLK"
1172 section_font_small "Мелкий шрифт"
1173 your_brother "Твой брат,"
1174 talk_coordinator_of "%1, ответственный за речи, "
1175 brother_will_be_removed_from "Брат будет удален из\n%1."
1176 key_print_date "Дата"
1177 talk_coordinator "Ответственный за речи"

# talk picker priorities
1179 picker_priority_high "Высокий"
1180 picker_priority_medium "Средний"
1181 picker_priority_low "Низкий"
1182 outgoing_mark "  ( Уходящий )"
1183 key_top_margin "Верхнее поле"

# hospitality, brother list status, language
1192 hospitality "Гостеприимство"
1193 add_hosts "Добав. гостеприимных"
1194 no_congregation_note "* Нет собрания"
1195 key_skip_outgoing "Пропуст. уход."
1198 language_code "rus"
1200 required_room "Требуемое место"
1201 of_word "of"

# month names, short (short date labels)
1215 month_short_january "Янв"
1216 month_short_february "Фев"
1217 month_short_march "Мар"
1218 month_short_april "Апр"
1219 month_short_may "Май"
1220 month_short_june "Июн"
1221 month_short_july "Июл"
1222 month_short_august "Авг"
1223 month_short_september "Сен"
1224 month_short_october "Окт"
1225 month_short_november "Ноя"
1226 month_short_december "Дек"

# backup and restore
1228 section_backup "Резерв"
1229 key_backup_path "Путь"
1230 key_backup_floppy "Флоппи"
1231 cannot_create_file "Невозможно создать новый файл: %1.\nСнимите атрибут 'только чтение'с директории / файла или получите разрешение создать файлы в этой директории."
1232 backing_up_file "Резервирование файла: %1"
1233 backup_done "Резервирование завершено!"
1234 printer_unavailable "Принтер недоступен.  Проверьте установки принтера и повторите попытку."
1235 retry_backup_later "Повторите резервирование через 1 минуту."
1236 insert_floppy "Пожалуйста, вставьте отформатированный диск в дисковод A: и повторите попытку."
1237 cannot_back_up_to "%1 не может использоваться как резервная.\n\nПожалуйста, выберите другую директорию."
1238 backup_folder_prompt " Место где будут сохранены резервные копии "
1239 restore_folder_prompt " Какая папка содержит резервные копии для восстановления? "
1240 press_ok_backup_floppy "Нажмите OK для создания резерва на флоппи-диске."
1241 dial_number "Набрать номер %1"
1245 press_ok_backup_to "Нажмите OK для создания резерва в: %1"
1246 press_ok_restore_floppy "Нажмите OK для восстановления с флоппи-диска."
1247 press_ok_restore_from "Нажмите OK для восстановления из: %1"
1248 floppy_has_no_backup "Флоппи-диск в дисководе A: не содержит файлов для восстановления Vorla."
1249 restore "Восстановить"
1250 restoring_file "Восстанавливается файл %1"

# weekday names, Monday first
1252 weekday_monday "Понедельник"
1253 weekday_tuesday "Вторник"
1254 weekday_wednesday "Среда"
1255 weekday_thursday "Четверг"
1256 weekday_friday "Пятница"
1257 weekday_saturday "Суббота"
1258 weekday_sunday "Воскресенье"

# chooser buttons and talks-we-need priorities
1259 choose "Выбрать"
1260 cancel "Отмена"
1261 wish_priority_low "Низкий"
1262 wish_priority_medium "Средний"
1263 wish_priority_high "Высокий"
1265 key_allowed "Разрешенное"

# talk picker: recency filter
1266 not_in_6_months "Нет в прошлые 6 Месяцев"
1267 not_in_12_months "Нет в прошлые 12 Месяцев"
1268 not_in_18_months "Нет в прошлые 18 Месяцев"
1269 not_in_2_years "Нет в прошлые 2 Года"
1270 not_in_3_years "Нет в прошлые 3 Года"
1271 not_in_4_years "Нет в прошлые 4 Года"
1272 ministerial_servant_mark "СП"
1273 key_left_margin "Отступ слева"
1274 start_at "Начало\n%1"
1277 all "Все"

# work panel pop-up menus
1278 panel_exchange_list "Список обмена докладчиками"
1279 panel_local_assignments "Назначения местных братьев"
1280 panel_outgoing_list "Список уходящих докладчиков"
1281 panel_outgoing_notice "Извещение уходящего докладчика"
1282 panel_invitation_letter "Письмо приглашенному докладчику"
1283 panel_speaker_history "История докладчика"
1284 panel_talk_history "История местной речи"
1285 panel_outgoing_talk_history "История речей вне собрания"

# schedule text export, worksheet columns
1286 schedule_exported_to "Расписание экспортировалось в\n\n%1/ptsched.txt."
1288 local_talks "Местные речи"
1289 week "Неделя"
1290 notes "Примечания"
1291 requested "Запрос"
1292 confirmed "Подтверждено"
1293 congregation_exported_to "%1 Информация собрания экспортировалась в файл: \"%1.VPK\" находящийся в вашей Vorla директории.\n\nЭкспортируемые данные включают братьев, речи, и доступность."
1294 choose_ok_or_cancel "Пожалуйста. выберите OK или Отмена чтобы закрыть панель."
1295 congregations "Собрания"
1297 not_set "не задано"
1298 send_package_file "Вы можете послать \"%1\" файл ответственным за речи для обмена докладчиками."
1299 talk_coordinators "Координаторы речей"
1300 discontinued "Прекращено"

# package export: handing the file on, and where it is
1341 send_by_mail "Отправить по почте"
1342 open_folder "Открыть папку"
1343 package_file_is "Файл пакета: %1"
1345 cannot_read_congregation_record "Не удалось прочитать запись собрания %1."

# data files that cannot be read or written, and the data-folder lock
1360 file_unreadable "Невозможно прочитать файл %1: %2.\n\nДо перезапуска программы изменения в нём не сохраняются, чтобы не стереть его содержимое."
1361 not_a_regular_file "это не обычный файл (канал, устройство или папка)"
1362 reason_line "Причина: %1."
1363 save_refused_unread_file "Изменения не сохранены: файл %1 не удалось прочитать при запуске, и запись стёрла бы его содержимое.\n\nИсправьте файл и перезапустите программу."
1364 folder_read_only "Папка данных %1 открыта только для чтения: изменения не сохраняются."
1365 file_changed_on_disk "Файл %1 изменён другой программой после того, как Vorla его прочитала.\n\nЗаменить его данными Vorla? Изменения другой программы будут потеряны."
1366 file_rest_ignored "Файл %1 длиннее, чем позволяет его формат: прочитаны первые %2 байт, остальное пропущено."
1367 folder_in_use_ask_read_only "Папка данных %1 уже открыта другой программой Vorla.\n\nОткрыть её только для чтения? (Нет — закрыть программу.)"
1368 folder_in_use_command_refused "Папка данных %1 занята другой программой Vorla; команда не выполнена. Повторите её, когда та программа закроется."
1369 read_only_mark "только чтение"

# menu prompts: status-bar line, then the tool-bar tip where the command has a button
32768 prompt_brothers "Добавить, редактировать, удалить братьев"
32782 prompt_talks "Редактировать речи и темы"
32787 prompt_back_to_panel "Закрыть отчет и вернуться к главному окну\nГлавное окно"

# font prompts (also the captions of the font chooser)
32791 prompt_font_text "Шрифт для основного текста расписания"
32803 prompt_font_small "Шрифт для мелкого текста"
32813 prompt_font_defaults "Восстановить все шрифты отчетов по умолчанию"

# menu prompts: packages and editors
32829 prompt_export_package "Создать файл, содержащий информацию о собрании"
32844 prompt_congregations "Добавить, редактировать собрания, включая ваше"
32845 prompt_circuits "Добавить, редактировать районы"
32848 prompt_our_congregation "Редактировать информацию местного собрания"
32849 prompt_history "Редактировать историю публичных встреч"

# menu prompts: scheduling
32850 prompt_local_talks "Расписание речей для нашего собрания\nМестные речи"
32851 prompt_talks_we_need "Нужные нам речи\nПредпочтение"
32854 prompt_chairmen "Список председателей\nПредседатели"
32855 prompt_hospitality "Список гостеприимных\nГостеприимные"
32856 prompt_readers "Список чтецов СБ\nЧтецы"
32857 prompt_outgoing "Список уходящих докладчиков\nУходящие докладчики"

# menu prompts: histories, backup, settings, availability
32858 prompt_talk_history "Просмотреть историю речей, произнесенных в нашем собрании"
32859 prompt_speaker_history "Просмотреть историю речей для выбранного докладчика"
32860 prompt_backup "Создать резервную копию файлов данных\nРезервная копия"
32861 prompt_restore "Восстановить файлы данных из резервной копии"
32864 prompt_settings "Изменить настройки планирования и печати"
32865 prompt_availability "Отметить недели, в которые брат недоступен"
32866 prompt_schedule "Просмотр или печать текущего расписания"

# font prompts (also the captions of the font chooser)
32867 prompt_font_date "Шрифт для дат расписания"
32868 prompt_font_title "Шрифт для заголовка расписания"
32869 prompt_font_talk "Шрифт для названий речей"
32870 prompt_font_speakers "Шрифт для имен докладчиков"
32872 prompt_font_captions "Шрифт для названий полей"

# menu prompts: summary, packages, reports
32874 prompt_summary "Обзор планирования \nСводка"
32875 prompt_outgoing_talk_history "Просмотреть историю речей наших докладчиков в других собраниях"
32876 prompt_import_package "Импортировать файл, содержащий информацию о другом собрании"
32877 prompt_speaker_talks "Список докладчиков и речей, которые они произносят"
32878 prompt_talk_speakers "Список речей и докладчиков, которые их произносят"
32880 prompt_annual_check "Ежегодный контроль: когда произносилась каждая речь"
32883 prompt_outgoing_notice "Примечание для отбывающих местных братьев"
32885 prompt_invitation_letter "Напоминание для приглашенных докладчиков"
32887 prompt_exchange_list "Список обмена докладчиками с выбранным собранием"
32888 prompt_local_assignments "Назначения выбранного местного брата"
32890 prompt_invited_list "Список приглашенных докладчиков на выбранные недели"
32891 prompt_outgoing_list "Список наших докладчиков, уходящих в другие собрания"
32893 prompt_readers_list "Расписание чтецов Сторожевой Башни"
32894 prompt_local_talks_worksheet "Рабочий лист местных речей на выбранные недели"
32895 prompt_local_speakers "Местные докладчики и их речи"
32896 prompt_talk_coordinators "Ответственные за речи всех собраний"
32900 prompt_save_pdf "Сохранить отчет на экране в файл PDF\nPDF"

# menu prompts: printing, program and help
57606 prompt_print_setup "Выбрать принтер и изменить параметры печати"
57607 prompt_print "Напечатать текущий отчет\nПечать"
57609 prompt_print_preview "Показать страницы отчета перед печатью\nПросмотр печати"
57664 prompt_about "Показать сведения о программе и папке данных\nО программе"
57665 prompt_exit "Закрыть программу"
57666 prompt_help_contents "Открыть содержание справки"
57667 prompt_help_index "Открыть указатель разделов справки"
57669 prompt_context_help "Показать справку по кнопке, меню или окну\nКонтекстная помощь"
