#include "gui/schedule/contacts_dialog.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

using text::TextId;

namespace {

// Shown, not typed: the limits are the fields' widths in the files, so that nothing read
// is cut short.
constexpr std::size_t kPhoneWidth = 16;
constexpr std::size_t kEmailWidth = 48;

QLineEdit* read_only_field(const std::string& text, std::size_t max_chars, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    guard_text(edit, max_chars);
    edit->setText(qs(text));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setMinimumWidth(260);
    return edit;
}

}  // namespace

ContactsDialog::ContactsDialog(const store::Document& doc, std::uint16_t brother_id,
                               std::uint16_t cong_id, QWidget* parent)
    : QDialog(parent), model_(doc, brother_id, cong_id) {
    setObjectName(QStringLiteral("ContactsDialog"));
    setWindowTitle(qs(model_.title()));

    auto* hint = new QLabel(qs(schedule::ContactsModel::hint()), this);
    groups_[0] = make_group(model_.speaker());
    groups_[1] = make_group(model_.coordinator());

    action_ = side_button(QString(), this);
    mail_ = side_button(qs(text::TextId::write_email), this);
    phone_ = side_button(qs(schedule::ContactsModel::phone_caption()), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(qs(text::text(TextId::close)), QDialogButtonBox::RejectRole);
    close->setDefault(true);

    auto* actions = new QHBoxLayout;
    actions->addWidget(action_);
    actions->addWidget(mail_);
    actions->addWidget(phone_);
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(groups_[0].box);
    layout->addWidget(groups_[1].box);
    layout->addLayout(actions);
    layout->addWidget(buttons);

    connect(action_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(qs(model_.take_copy())); });
    connect(mail_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl(qs(model_.mail_url()))); });
    connect(phone_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(qs(model_.take_phone())); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update_buttons();
}

ContactsDialog::Group ContactsDialog::make_group(const schedule::ContactGroup& contacts) {
    Group g;
    g.box = new QGroupBox(qs(contacts.caption), this);
    auto* form = new QFormLayout(g.box);
    for (int k = 0; k < schedule::ContactsModel::kPhoneFields; ++k) {
        const auto at = static_cast<std::size_t>(k);
        g.phones[k] = read_only_field(
            at < contacts.phones.size() ? contacts.phones[at] : std::string(), kPhoneWidth, g.box);
        g.phones[k]->installEventFilter(this);
        form->addRow(qs(text::TextId::phone_n).arg(k + 1), g.phones[k]);
    }
    g.email = read_only_field(contacts.email, kEmailWidth, g.box);
    g.email->installEventFilter(this);
    form->addRow(QStringLiteral("E-mail"), g.email);
    return g;
}

QLineEdit* ContactsDialog::field(int group, int field) const {
    const Group& g = groups_[group];
    return field < schedule::ContactsModel::kPhoneFields ? g.phones[field] : g.email;
}

bool ContactsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const Group& g : groups_) {
            if (watched == g.email) model_.focus_email(us(g.email->text()));
            for (QLineEdit* phone : g.phones) {
                if (watched == phone) model_.focus_phone(us(phone->text()));
            }
        }
        update_buttons();
    }
    return QDialog::eventFilter(watched, event);
}

void ContactsDialog::update_buttons() {
    action_->setText(qs(model_.action_caption()));
    action_->setVisible(model_.action_visible());
    mail_->setVisible(model_.mail_visible());
    phone_->setVisible(model_.phone_copy_visible());
}

void ContactsDialog::done(int result) {
    // What was copied here goes with the dialog.
    if (model_.clipboard_used()) QGuiApplication::clipboard()->clear();
    QDialog::done(result);
}

}  // namespace vorla::gui
