#include "gui/app/document_watcher.h"

namespace vorla::gui {

DocumentWatcher::DocumentWatcher(store::Document& doc, QObject* parent)
    : QObject(parent),
      subscription_(doc.observe([this](store::Changes what) { emit changed(what); })) {}

}  // namespace vorla::gui
