#include "gui/editors/wish_list_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/reports/paper.h"
#include "core/reports/print_pages.h"
#include "core/reports/wish_list_print.h"
#include "core/text/texts.h"
#include "gui/app/line_list.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/reports/report_renderer.h"
#include "gui/schedule/talk_picker_dialog.h"

namespace vorla::gui {

using Priority = schedule::WishListModel::Priority;

namespace {
constexpr Priority kPriorities[] = {Priority::high, Priority::medium, Priority::low};
// The list's tab stops, in dialog units (a quarter of the average character width).
constexpr int kPriorityStop = 34;
constexpr int kLastHeardStop = 60;
}  // namespace

WishListDialog::WishListDialog(store::Document& doc, settings::ReportFonts fonts, QWidget* parent)
    : QDialog(parent), doc_(doc), fonts_(std::move(fonts)), model_(doc) {
    setObjectName(QStringLiteral("WishListDialog"));
    setWindowTitle(qs(schedule::WishListModel::title()));

    list_ = new LineList(3, this);
    list_->setObjectName(QStringLiteral("talks"));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The tab stops are columns of fixed width; the last takes the rest.
    list_->header()->setSectionResizeMode(QHeaderView::Fixed);
    const int char_width = fontMetrics().averageCharWidth();
    list_->setColumnWidth(0, kPriorityStop * char_width / 4);
    list_->setColumnWidth(1, (kLastHeardStop - kPriorityStop) * char_width / 4);
    list_->setMinimumSize(kLastHeardStop * char_width / 4 + 22 * char_width, 320);
    title_line_ = new QLabel(this);
    title_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    title_line_->setMinimumWidth(list_->minimumWidth());

    auto* priorities = new QHBoxLayout;
    for (std::size_t k = 0; k < 3; ++k) {
        priority_[k] = new QRadioButton(qs(store::WishList::priority_text(kPriorities[k])), this);
        priorities->addWidget(priority_[k]);
        connect(priority_[k], &QRadioButton::clicked, this,
                [this, k] { set_priority(kPriorities[k]); });
    }
    priorities->addStretch(1);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(text::TextId::cancel), this);
    add_ = side_button(qs(text::TextId::add), this);
    remove_ = side_button(qs(text::TextId::delete_button), this);
    // "Удалить" comes and goes with the list; its place stays.
    QSizePolicy keep = remove_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    remove_->setSizePolicy(keep);
    print_ = side_button(qs(schedule::WishListModel::print_caption()), this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok_, cancel_})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    for (QPushButton* b : {add_, remove_, print_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(title_line_);
    left->addLayout(priorities);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    setTabOrder(list_, priority_[0]);
    setTabOrder(priority_[0], priority_[1]);
    setTabOrder(priority_[1], priority_[2]);
    setTabOrder(priority_[2], ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, add_);
    setTabOrder(add_, remove_);
    setTabOrder(remove_, print_);

    connect(list_, &LineList::line_selected, this, [this](int line) {
        model_.select(static_cast<std::size_t>(line));
        show_selection();
    });
    connect(ok_, &QPushButton::clicked, this, &WishListDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, &WishListDialog::add_talks);
    connect(remove_, &QPushButton::clicked, this, [this] {
        model_.remove_selected();
        fill();
        list_->setFocus();
    });
    connect(print_, &QPushButton::clicked, this, &WishListDialog::print);

    fill();
    list_->setFocus();
}

void WishListDialog::edit(store::Document& doc, const settings::ReportFonts& fonts,
                          QWidget* parent) {
    WishListDialog dialog(doc, fonts, parent);
    dialog.exec();
}

QRadioButton* WishListDialog::priority_button(Priority priority) const {
    for (std::size_t k = 0; k < 3; ++k) {
        if (kPriorities[k] == priority) return priority_[k];
    }
    return nullptr;
}

void WishListDialog::fill() {
    list_->set_lines(model_.lines());
    remove_->setVisible(model_.remove_visible());
    list_->select_line(model_.selected_line());
    show_selection();
}

void WishListDialog::show_selection() {
    title_line_->setText(qs(model_.title_line()));
    const auto priority = model_.selected_priority();
    for (std::size_t k = 0; k < 3; ++k) {
        // With nothing selected no button is on: exclusive buttons need a moment off.
        priority_[k]->setAutoExclusive(false);
        priority_[k]->setChecked(priority == kPriorities[k]);
        priority_[k]->setAutoExclusive(true);
        priority_[k]->setEnabled(priority.has_value());
    }
}

void WishListDialog::set_priority(Priority priority) {
    model_.set_priority(priority);
    fill();
    list_->setFocus();
}

void WishListDialog::add_talks() {
    if (const auto wanted = TalkPickerDialog::edit_set(doc_, model_.picker_params(), this)) {
        model_.take_wanted(*wanted);
        fill();
    }
    list_->setFocus();
}

void WishListDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    // The page is placed on the whole sheet, as the report view prints.
    printer.setFullPage(true);
    printer.setPageLayout(sheet_layout(reports::locale_paper()));
    printer.setDocName(qs(schedule::WishListModel::title()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // What the dialog shows now, changes not yet confirmed included.
    const store::WishList list = model_.list();
    const store::Document& doc = doc_;
    const settings::ReportFonts& fonts = fonts_;
    const ReportSource source = [&doc, &fonts, list](const reports::Device& device) {
        return reports::layout_wish_list(doc, fonts, list, device);
    };
    const int pages = static_cast<int>(source(sheet_device(printer)).pages.size());
    if (!printer.isValid() ||
        !paint_pages(printer, source, reports::print_page_sequence(1, pages, pages, 1, true))) {
        doc_.prompter().inform(text::text(text::TextId::printer_unavailable), io::Icon::warning);
    }
}

void WishListDialog::accept() {
    if (!model_.accept()) return;
    QDialog::accept();
}

}  // namespace vorla::gui
