#include "gui/editors/editor_widgets.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vorla::gui {

void frame_record_editor(QDialog* dialog, QLayout* fields,
                         const std::vector<QPushButton*>& buttons) {
    auto* right = new QVBoxLayout;
    for (QPushButton* b : buttons)
        right->addWidget(b);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(dialog);
    layout->addLayout(fields, 1);
    layout->addLayout(right);
    dialog->setMinimumWidth(520);
}

void set_tab_order(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace vorla::gui
