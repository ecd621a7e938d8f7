#include "gui/app/settings_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/reports/qt_fonts.h"

namespace vorla::gui {

using text::TextId;

namespace {

// A margin in hundredths of an inch: two digits, 00-99, the arrows wrap around.
class MarginSpin : public QSpinBox {
  public:
    explicit MarginSpin(QWidget* parent) : QSpinBox(parent) {
        setRange(0, 99);
        setWrapping(true);
        setAlignment(Qt::AlignRight);
        setMinimumWidth(64);
    }

  protected:
    QString textFromValue(int value) const override {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    }
};

}  // namespace

SettingsDialog::SettingsDialog(store::Document& doc, QWidget* parent)
    : QDialog(parent), model_(doc) {
    setWindowTitle(qs(text::TextId::settings_caption));
    const settings::Settings& v = model_.values();

    alternate_date_ = new QCheckBox(qs(text::text(TextId::alternate_date_format)), this);
    hospitality_ = new QCheckBox(qs(text::TextId::setting_hospitality_list), this);
    readers_ = new QCheckBox(qs(text::TextId::setting_readers_list), this);
    auto_cap_ = new QCheckBox(qs(text::TextId::setting_auto_caps), this);

    auto* meeting = new QGroupBox(qs(text::text(TextId::meeting_time_change)), this);
    calendar_year_ = new QRadioButton(qs(text::text(TextId::calendar_year)), meeting);
    service_year_ = new QRadioButton(qs(text::text(TextId::service_year)), meeting);
    auto* meeting_layout = new QVBoxLayout(meeting);
    meeting_layout->addWidget(calendar_year_);
    meeting_layout->addWidget(service_year_);

    auto* print = new QGroupBox(qs(text::TextId::setting_print_group), this);
    show_readers_ = new QCheckBox(qs(text::TextId::setting_include_readers), print);
    skip_numbers_ = new QCheckBox(qs(text::TextId::setting_exclude_talk_numbers), print);
    skip_outgoing_ = new QCheckBox(qs(text::TextId::setting_exclude_outgoing), print);
    print_date_ = new QCheckBox(qs(text::TextId::setting_print_date), print);
    title_ = new QLineEdit(print);
    title_->setMaxLength(60);
    guard_text(title_);
    background_ = new QPushButton(print);
    colour_ = new QPushButton(qs(text::TextId::colour), print);
    top_margin_ = new MarginSpin(print);
    left_margin_ = new MarginSpin(print);

    auto* title_label = new QLabel(qs(text::TextId::setting_list_title), print);
    title_label->setBuddy(title_);
    auto* print_layout = new QVBoxLayout(print);
    print_layout->addWidget(show_readers_);
    print_layout->addWidget(skip_numbers_);
    print_layout->addWidget(skip_outgoing_);
    print_layout->addWidget(title_label);
    print_layout->addWidget(title_);
    auto* band = new QHBoxLayout;
    band->addWidget(background_, 1);
    band->addWidget(colour_);
    print_layout->addLayout(band);
    auto* margins = new QFormLayout;
    margins->addRow(qs(text::text(TextId::top_margin_hundredths)), top_margin_);
    margins->addRow(qs(text::text(TextId::left_margin_hundredths)), left_margin_);
    print_layout->addLayout(margins);
    print_layout->addWidget(print_date_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(text::TextId::cancel));

    auto* left = new QVBoxLayout;
    left->addWidget(alternate_date_);
    left->addWidget(hospitality_);
    left->addWidget(readers_);
    left->addWidget(meeting);
    left->addWidget(auto_cap_);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(print, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    // Controls come and go with the settings; they keep their room, so nothing below them
    // moves, and the dialog keeps its size.
    for (QWidget* w : {static_cast<QWidget*>(show_readers_), static_cast<QWidget*>(colour_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Tab goes down the left column, then down the print group, as they are read.
    const QList<QWidget*> reading = {alternate_date_,
                                     hospitality_,
                                     readers_,
                                     calendar_year_,
                                     service_year_,
                                     auto_cap_,
                                     show_readers_,
                                     skip_numbers_,
                                     skip_outgoing_,
                                     title_,
                                     background_,
                                     colour_,
                                     top_margin_,
                                     left_margin_,
                                     print_date_,
                                     buttons->button(QDialogButtonBox::Ok),
                                     buttons->button(QDialogButtonBox::Cancel)};
    for (qsizetype i = 1; i < reading.size(); ++i)
        setTabOrder(reading[i - 1], reading[i]);

    alternate_date_->setChecked(v.alternate_date_format);
    hospitality_->setChecked(v.hospitality_scheduled);
    readers_->setChecked(v.readers_scheduled);
    show_readers_->setChecked(v.show_readers);
    skip_numbers_->setChecked(v.skip_talk_numbers);
    skip_outgoing_->setChecked(v.skip_outgoing);
    print_date_->setChecked(v.print_date);
    auto_cap_->setChecked(v.auto_cap);
    (v.service_year ? service_year_ : calendar_year_)->setChecked(true);
    title_->setText(qs(v.schedule_title));
    top_margin_->setValue(v.top_margin);
    left_margin_->setValue(v.left_margin);

    connect(readers_, &QCheckBox::toggled, this, [this](bool on) {
        model_.values().readers_scheduled = on;
        update_controls();
    });
    connect(background_, &QPushButton::clicked, this, [this] {
        model_.press_background();
        update_controls();
    });
    connect(colour_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(to_qcolor(model_.values().background_colour),
                                                     this, qs(text::TextId::colour));
        if (chosen.isValid()) model_.choose_colour(to_rgb(chosen));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update_controls();
}

void SettingsDialog::update_controls() {
    background_->setText(qs(model_.background_caption()));
    colour_->setVisible(model_.colour_visible());
    show_readers_->setVisible(model_.show_readers_visible());
    auto_cap_->setVisible(model_.auto_cap_visible());
}

void SettingsDialog::collect() {
    settings::Settings& v = model_.values();
    v.alternate_date_format = alternate_date_->isChecked();
    v.hospitality_scheduled = hospitality_->isChecked();
    v.readers_scheduled = readers_->isChecked();
    v.service_year = service_year_->isChecked();
    v.show_readers = show_readers_->isChecked();
    v.skip_talk_numbers = skip_numbers_->isChecked();
    v.skip_outgoing = skip_outgoing_->isChecked();
    v.print_date = print_date_->isChecked();
    v.auto_cap = auto_cap_->isChecked();
    v.schedule_title = us(title_->text());
    v.top_margin = top_margin_->value();
    v.left_margin = left_margin_->value();
}

bool SettingsDialog::run() {
    if (exec() == QDialog::Accepted) {
        collect();
        model_.accept();
    }
    return model_.close();
}

bool SettingsDialog::edit(store::Document& doc, QWidget* parent) {
    SettingsDialog dialog(doc, parent);
    return dialog.run();
}

}  // namespace vorla::gui
