#pragma once
// The document's change notices as a Qt signal, for the widgets that show its data.
#include <QObject>

#include "core/store/document.h"

namespace vorla::gui {

class DocumentWatcher : public QObject {
    Q_OBJECT
  public:
    explicit DocumentWatcher(store::Document& doc, QObject* parent = nullptr);

  signals:
    // Emitted at once, inside the change: what is connected sees the data as it is now.
    void changed(vorla::store::Changes what);

  private:
    store::Subscription subscription_;
};

}  // namespace vorla::gui
