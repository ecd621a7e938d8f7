#include "core/schedule/sheet_page.h"

#include "core/schedule/sheet_model.h"

namespace vorla::schedule {

SheetPage::~SheetPage() {
    if (sheet_) sheet_->leave(*this);
}

void SheetPage::ask_siblings_to_refresh() {
    if (sheet_) {
        sheet_->refresh_pages(this);
    } else {
        early_request_ = true;
    }
}

void SheetPage::show_page(PageKind kind, std::optional<int> row) {
    if (sheet_) sheet_->show_page(kind, row);
}

}  // namespace vorla::schedule
