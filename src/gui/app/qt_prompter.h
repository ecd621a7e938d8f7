#pragma once
// The Prompter of the desktop program: message boxes with the string-table texts.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/io/prompter.h"

namespace vorla::gui {

class QtPrompter final : public io::Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    void inform(std::string_view text, io::Icon icon, std::string_view caption) override;
    bool ask_yes_no(std::string_view text, bool default_yes) override;
    bool ask_ok_cancel(std::string_view text) override;

  private:
    QWidget* active_parent() const;
    QPointer<QWidget> parent_;
};

// The program's window title (first line of program_title) for message boxes without a caption.
QString program_title();

}  // namespace vorla::gui
