#pragma once
// CVrView: the window's view. In work-panel mode it shows the work panel; in report mode it
// shows the report on screen, page by page, in a scrolling area.
#include <QScrollArea>
#include <QStackedWidget>

namespace vorla::gui {

class CVrView : public QStackedWidget {
    Q_OBJECT
public:
    enum Mode { kPanelMode = 1, kReportMode = 2 };

    CVrView(QWidget* panel, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    bool printing() const { return printing_; }
    void set_printing(bool on) { printing_ = on; }

    // Shows a report widget in the scrolling area (the view takes it) and enters report mode.
    void show_report(QWidget* report);
    QWidget* report() const { return scroll_->widget(); }
    QScrollArea* scroll_area() const { return scroll_; }
    // Back to the work panel ("Возврат к главному окну", Esc).
    void return_to_panel();

signals:
    void mode_changed(int mode);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* panel_;
    QScrollArea* scroll_;
    Mode mode_ = kPanelMode;
    bool printing_ = false;
};

}  // namespace vorla::gui
