#pragma once
// A page of the scheduling sheet. Every page edits the document's week table in memory and
// keeps its siblings up to date through the sheet.
#include <QWidget>

namespace vorla::gui {

class SchedulePage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // A sibling changed the weeks: the first week again from S, and a rebuild that asks
    // nobody else.
    virtual void refresh_page() = 0;
    // The summary page's request: select this row as a click would.
    virtual void select_row(int row) = 0;
    // The sheet's OK: the selected week is stored before the files are written.
    virtual void store_selected() = 0;
    // True once when the page's last build changed its conflict markers (the first build
    // included): the sheet then refreshes the other pages.
    virtual bool take_sibling_request() = 0;

  signals:
    // The page's conflict markers changed: the other pages should rebuild.
    void siblings_refresh_requested();
};

}  // namespace vorla::gui
