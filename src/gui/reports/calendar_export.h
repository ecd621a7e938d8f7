#pragma once
// "Экспорт календаря…": the weeks, optionally one brother, the file, then the mail draft.
namespace vorla::gui {

class MainWindow;

void export_calendar(MainWindow& window);

}  // namespace vorla::gui
