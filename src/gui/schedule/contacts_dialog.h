#pragma once
// The contacts dialog: a speaker's and his talk coordinator's numbers and addresses,
// read-only; a focused address can be copied or written to, a focused number copied.
#include <QDialog>

#include "core/schedule/contacts_model.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vorla::gui {

class ContactsDialog : public QDialog {
    Q_OBJECT
  public:
    // cong_id 0: the brother's own congregation.
    ContactsDialog(const store::Document& doc, std::uint16_t brother_id, std::uint16_t cong_id,
                   QWidget* parent = nullptr);

    schedule::ContactsModel& model() { return model_; }
    QGroupBox* speaker_group() const { return groups_[0].box; }
    QGroupBox* coordinator_group() const { return groups_[1].box; }
    // Group 0 speaker, 1 coordinator; fields 0-2 phones, 3 the address.
    QLineEdit* field(int group, int field) const;
    QPushButton* action_button() const { return action_; }
    QPushButton* mail_button() const { return mail_; }
    QPushButton* phone_button() const { return phone_; }

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Group {
        QGroupBox* box = nullptr;
        QLineEdit* phones[schedule::ContactsModel::kPhoneFields] = {};
        QLineEdit* email = nullptr;
    };
    Group make_group(const schedule::ContactGroup& contacts);
    void update_buttons();

    schedule::ContactsModel model_;
    Group groups_[2];
    QPushButton* action_;
    QPushButton* mail_;
    QPushButton* phone_;
};

}  // namespace vorla::gui
