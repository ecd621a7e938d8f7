#include "gui/editors/speaker_history_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/circuit_filters.h"

namespace vorla::gui {

SpeakerHistoryDialog::SpeakerHistoryDialog(const store::Document& doc, std::uint16_t brother_id,
                                           QWidget* parent)
    : QDialog(parent), model_(doc, brother_id) {
    setObjectName(QStringLiteral("SpeakerHistoryDialog"));

    filters_ = new CircuitFilters(model_.circuit_lines(), this);
    brothers_ = new LineList(1, this);
    brothers_->enable_type_ahead(true);
    brothers_->setMinimumSize(260, 300);
    history_ = new LineList(2, this);
    history_->setMinimumSize(300, 300);
    talk_ = new QLabel(this);
    destination_ = new QLabel(this);
    // Long titles are cut rather than widening the dialog; empty lines keep their height.
    for (QLabel* line : {talk_, destination_}) {
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        line->setMinimumHeight(line->fontMetrics().height());
    }

    auto* lists = new QHBoxLayout;
    lists->addWidget(brothers_, 1);
    lists->addWidget(history_, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(qs(text::TextId::close), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters_);
    layout->addWidget(talk_);
    layout->addLayout(lists, 1);
    layout->addWidget(destination_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filters_, &CircuitFilters::circuit_chosen, this, [this](int line) {
        model_.set_circuit_line(line);
        filters_->set_congregations(model_.congregation_lines(), model_.congregation_line());
        fill_brothers();
    });
    connect(filters_, &CircuitFilters::congregation_chosen, this, [this](int line) {
        model_.set_congregation_line(line);
        fill_brothers();
    });
    connect(brothers_, &LineList::line_selected, this, [this](int line) {
        model_.select_brother_line(static_cast<std::size_t>(line));
        fill_history();
    });
    connect(history_, &LineList::line_selected, this, [this](int line) {
        model_.select_history_line(static_cast<std::size_t>(line));
        show_line();
    });

    filters_->set_congregations(model_.congregation_lines(), model_.congregation_line());
    fill_brothers();
    history_->fit_columns({160, 60});
    brothers_->setFocus();
}

void SpeakerHistoryDialog::show_for(const store::Document& doc, std::uint16_t brother_id,
                                    QWidget* parent) {
    SpeakerHistoryDialog dialog(doc, brother_id, parent);
    dialog.exec();
}

QComboBox* SpeakerHistoryDialog::circuits() const {
    return filters_->circuits();
}

QComboBox* SpeakerHistoryDialog::congregations() const {
    return filters_->congregations();
}

void SpeakerHistoryDialog::fill_brothers() {
    brothers_->set_lines(model_.brother_lines());
    brothers_->select_line(model_.brother_line());
    fill_history();
}

void SpeakerHistoryDialog::fill_history() {
    setWindowTitle(qs(model_.title()));
    history_->set_lines(model_.history_lines());
    history_->select_line(model_.history_line());
    show_line();
}

void SpeakerHistoryDialog::show_line() {
    talk_->setText(qs(model_.talk_line()));
    talk_->setToolTip(talk_->text());
    destination_->setText(qs(model_.destination_line()));
}

}  // namespace vorla::gui
