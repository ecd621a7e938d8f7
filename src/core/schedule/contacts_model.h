#pragma once
// The contacts dialog: the phone numbers and e-mail addresses of a speaker and of his
// congregation's talk coordinator, read-only, with a button that copies the focused address,
// one that writes to it and one that copies the focused phone number.
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/document.h"
#include "core/text/texts.h"

namespace vorla::schedule {

struct ContactGroup {
    std::string caption;  // " Докладчик - Иван Петров "; empty without a person
    std::vector<std::string> phones;  // the numbers worth showing, moved up to the first fields
    std::string email;
    friend bool operator==(const ContactGroup&, const ContactGroup&) = default;
};

class ContactsModel {
  public:
    static constexpr int kPhoneFields = 3;

    // cong_id 0: the brother's own congregation.
    ContactsModel(const store::Document& doc, std::uint16_t brother_id, std::uint16_t cong_id);

    // The congregation's name.
    const std::string& title() const { return title_; }
    static std::string hint();
    const ContactGroup& speaker() const { return speaker_; }
    const ContactGroup& coordinator() const { return coordinator_; }

    // A field got the focus.
    void focus_phone(std::string_view number);
    void focus_email(std::string_view email);

    // The action button: "Копия %1" for a focused address. A phone number gets none: the
    // program does not dial.
    bool action_visible() const { return !copy_text_.empty(); }
    std::string action_caption() const;
    // Pressing it: the text for the clipboard. Afterwards the dialog empties the clipboard
    // when it closes.
    std::string take_copy();

    // A focused phone number has a button of its own that copies it, the same way.
    static std::string phone_caption() { return text::text(text::TextId::copy_phone); }
    bool phone_copy_visible() const { return !phone_.empty(); }
    std::string take_phone();
    bool clipboard_used() const { return clipboard_used_; }

    // Writing to the focused address in the user's mail program.
    bool mail_visible() const { return !mail_url_.empty(); }
    const std::string& mail_url() const { return mail_url_; }

  private:
    ContactGroup group_of(std::uint16_t brother_id, text::TextId role) const;

    const store::Document& doc_;
    std::string title_;
    ContactGroup speaker_;
    ContactGroup coordinator_;
    std::string copy_text_;
    std::string mail_url_;
    std::string phone_;
    bool clipboard_used_ = false;
};

}  // namespace vorla::schedule
