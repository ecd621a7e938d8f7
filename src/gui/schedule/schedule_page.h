#pragma once
// A page of the scheduling sheet. Every page edits the document's week table in memory; its
// model keeps the other pages up to date through the sheet's model, and the sheet has the
// page show its model again whenever it rebuilt it or selected a row in it.
#include <QWidget>

#include "core/schedule/sheet_page.h"

namespace vorla::gui {

class SchedulePage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // The page's model as the sheet sees it.
    virtual schedule::SheetPage& sheet_page() = 0;
    // Shows what the model holds now: the rows, the selection and the controls.
    virtual void show_model() = 0;
};

}  // namespace vorla::gui
