#pragma once
// The model of a page of the scheduling sheet, as the sheet sees it. Every page edits the
// same weeks, so the pages keep each other up to date through their sheet: a page asks its
// siblings to rebuild, and the summary asks for another page at a row.
#include <optional>

#include "core/schedule/page_kind.h"

namespace vorla::schedule {

class SheetModel;

class SheetPage {
  public:
    SheetPage() = default;
    SheetPage(const SheetPage&) = delete;
    SheetPage& operator=(const SheetPage&) = delete;
    virtual ~SheetPage();

    virtual PageKind kind() const = 0;
    // A sibling changed the weeks, or an editor changed the data: the page rebuilds without
    // asking the others in turn.
    virtual void refresh() = 0;
    // The summary's request: the page selects the row as a click would.
    virtual void select(int row) = 0;
    // The sheet's OK: the selected week is stored before the files are written.
    virtual void store_selected() = 0;

  protected:
    // The other pages are to rebuild. Asked before the page joined a sheet (its first
    // build), the request is passed on when it joins.
    void ask_siblings_to_refresh();
    // Another page is to be shown, with a row selected as a click would (the summary).
    void show_page(PageKind kind, std::optional<int> row);

  private:
    friend class SheetModel;
    SheetModel* sheet_ = nullptr;
    bool early_request_ = false;
};

}  // namespace vorla::schedule
