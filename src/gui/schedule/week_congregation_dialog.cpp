#include "gui/schedule/week_congregation_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/schedule_widgets.h"
#include "gui/schedule/speaker_picker_dialog.h"

namespace vorla::gui {

WeekCongregationDialog::WeekCongregationDialog(store::Document& doc,
                                               schedule::WeekCongregationParams params,
                                               QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, std::move(params)) {
    setObjectName(QStringLiteral("WeekCongregationDialog"));
    setWindowTitle(qs(model_.title()));

    circuits_ = new QComboBox(this);
    for (const std::string& line : model_.circuit_lines())
        circuits_->addItem(qs(line));
    list_ = new LineList(schedule::WeekCongregationModel::column_captions(), this);
    list_->setMinimumSize(640, 320);
    speaker_ = side_button(QString(), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(qs(text::TextId::circuit), this));
    top->addWidget(circuits_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(speaker_, 0, Qt::AlignLeft);
    add_ok_cancel(this, layout);

    connect(circuits_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_circuit_line(line);
        fill();
    });
    connect(list_, &LineList::line_selected, this, [this](int line) {
        model_.select_line(static_cast<std::size_t>(line));
        update_buttons();
    });
    connect(list_, &LineList::line_activated, this, &WeekCongregationDialog::accept);
    connect(speaker_, &QPushButton::clicked, this, [this] {
        const auto pos = SpeakerPickerDialog::pick(doc_, model_.speaker_picker(), this);
        if (!pos) return;
        model_.apply_speaker(*pos);
        QDialog::accept();
    });

    fill();
    list_->setFocus();
}

std::optional<std::size_t> WeekCongregationDialog::choose(store::Document& doc,
                                                          schedule::WeekCongregationParams params,
                                                          QWidget* parent) {
    WeekCongregationDialog dialog(doc, std::move(params), parent);
    return run_chooser(dialog, [](WeekCongregationDialog& d) { return d.model().accept(); });
}

void WeekCongregationDialog::fill() {
    list_->set_lines(model_.lines());
    list_->fit_columns({220, 200});
    update_buttons();
}

void WeekCongregationDialog::update_buttons() {
    speaker_->setText(qs(model_.speaker_button_caption()));
    speaker_->setVisible(model_.speaker_button_visible());
}

void WeekCongregationDialog::accept() {
    if (model_.accept()) {
        QDialog::accept();
    } else {
        QDialog::reject();
    }
}

}  // namespace vorla::gui
