#include "gui/editors/talk_history_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/speaker_history_dialog.h"

namespace vorla::gui {

using schedule::TalkHistoryMode;

namespace {
// Room in the speaker button for a name of this many wide letters; longer ones are cut.
constexpr std::size_t kLongName = 24;
}  // namespace

TalkHistoryDialog::TalkHistoryDialog(const store::Document& doc, TalkHistoryMode mode, bool pick,
                                     int talk_no, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, mode, pick, talk_no) {
    setObjectName(QStringLiteral("TalkHistoryDialog"));
    setWindowTitle(qs(model_.title()));

    talk_label_ = new QLabel(qs(text::TextId::talk), this);
    talks_ = new QComboBox(this);
    for (const std::string& line : model_.talk_lines())
        talks_->addItem(qs(line));
    talks_->setCurrentIndex(model_.talk_line());
    talk_label_->setBuddy(talks_);
    speakers_ = new QComboBox(this);
    for (const std::string& line : model_.speaker_lines())
        speakers_->addItem(qs(line));
    weeks_ = new LineList(3, this);
    weeks_->setMinimumSize(520, 320);
    caption_ = new QLabel(this);
    caption_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    caption_->setMinimumHeight(caption_->fontMetrics().height());
    speaker_history_ = side_button(QString(), this);
    keep_side_column({speaker_history_},
                     qs(text::format(text::TextId::show_history_of, std::string(kLongName, 'W'))));

    talk_label_->setVisible(model_.talk_list_visible());
    talks_->setVisible(model_.talk_list_visible());
    speakers_->setVisible(model_.speaker_list_visible());

    auto* filters = new QHBoxLayout;
    filters->addWidget(talk_label_);
    filters->addWidget(talks_);
    filters->addWidget(speakers_);
    filters->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(qs(text::TextId::ok), QDialogButtonBox::AcceptRole);
    QPushButton* close = buttons->addButton(qs(pick ? text::TextId::cancel : text::TextId::close),
                                            QDialogButtonBox::RejectRole);
    ok_->setVisible(model_.picking());
    (model_.picking() ? ok_ : close)->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(speaker_history_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(caption_);
    layout->addWidget(weeks_, 1);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &TalkHistoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(talks_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_talk_line(line);
        fill();
    });
    connect(speakers_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_speaker_line(line);
        fill();
    });
    connect(weeks_, &LineList::line_selected, this, [this](int line) {
        model_.select_week_line(static_cast<std::size_t>(line));
        show_line();
    });
    connect(weeks_, &LineList::line_activated, this, &TalkHistoryDialog::open_speaker_history);
    connect(speaker_history_, &QPushButton::clicked, this,
            &TalkHistoryDialog::open_speaker_history);

    fill();
    weeks_->fit_columns({110, 220});
    weeks_->setFocus();
}

void TalkHistoryDialog::show_view(const store::Document& doc, TalkHistoryMode mode, int talk_no,
                                  QWidget* parent) {
    TalkHistoryDialog dialog(doc, mode, false, talk_no, parent);
    dialog.exec();
}

void TalkHistoryDialog::accept() {
    // OK over an empty list is Cancel.
    if (!model_.picked()) {
        reject();
        return;
    }
    QDialog::accept();
}

void TalkHistoryDialog::fill() {
    weeks_->set_lines(model_.week_lines());
    weeks_->select_line(model_.week_line());
    show_line();
}

void TalkHistoryDialog::show_line() {
    caption_->setText(qs(model_.talk_caption()));
    caption_->setToolTip(caption_->text());
    set_side_text(speaker_history_, qs(model_.speaker_history_caption()));
    speaker_history_->setVisible(model_.speaker_history_visible());
}

void TalkHistoryDialog::open_speaker_history() {
    if (!model_.speaker_history_visible()) return;
    SpeakerHistoryDialog::show_for(doc_, model_.selected_speaker(), this);
    weeks_->setFocus();
}

std::optional<schedule::PickedWeek> pick_week(QWidget* parent, const store::Document& doc,
                                              TalkHistoryMode mode) {
    TalkHistoryDialog dialog(doc, mode, true, 0, parent);
    return run_chooser(dialog, [](TalkHistoryDialog& d) { return d.model().picked(); });
}

}  // namespace vorla::gui
