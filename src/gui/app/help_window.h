#pragma once
// The help pages, in a window of the program.
#include <QMainWindow>

class QTextBrowser;

namespace vorla::gui {

class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows a page of the help ("index.html", "terms.html", ...).
    void show_page(const QString& page);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace vorla::gui
