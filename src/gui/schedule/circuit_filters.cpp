#include "gui/schedule/circuit_filters.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

namespace {
// Room for a line such as "2 Собрания в районе Южный".
constexpr int kFilterChars = 40;
}  // namespace

CircuitFilters::CircuitFilters(const std::vector<std::string>& circuit_lines, QWidget* parent)
    : QWidget(parent) {
    circuits_ = new QComboBox(this);
    for (const std::string& line : circuit_lines)
        circuits_->addItem(qs(line));
    congregations_ = new QComboBox(this);
    for (QComboBox* filter : {circuits_, congregations_}) {
        filter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        filter->setMinimumContentsLength(kFilterChars);
    }
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(qs(text::TextId::circuit), circuits_);
    form->addRow(qs(text::TextId::congregation), congregations_);
    connect(circuits_, &QComboBox::currentIndexChanged, this, &CircuitFilters::circuit_chosen);
    connect(congregations_, &QComboBox::currentIndexChanged, this,
            &CircuitFilters::congregation_chosen);
}

void CircuitFilters::set_congregations(const std::vector<std::string>& lines, int current) {
    const QSignalBlocker quiet(congregations_);
    congregations_->clear();
    for (const std::string& line : lines)
        congregations_->addItem(qs(line));
    congregations_->setCurrentIndex(current);
}

}  // namespace vorla::gui
