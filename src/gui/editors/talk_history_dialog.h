#pragma once
// The talk history: "История местной речи" (talks given in our hall) and "История речей вне
// собрания" (our speakers elsewhere). In pick-a-week mode ("Выбор докладчика") it hands back
// one visit of the coming weeks, for the letters.
#include <QDialog>
#include <optional>

#include "core/schedule/talk_history_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vorla::gui {

class LineList;

class TalkHistoryDialog : public QDialog {
    Q_OBJECT
  public:
    // talk_no: the talk preset (0 = all).
    TalkHistoryDialog(const store::Document& doc, schedule::TalkHistoryMode mode, bool pick = false,
                      int talk_no = 0, QWidget* parent = nullptr);

    // Opens the view and waits until it is closed.
    static void show_view(const store::Document& doc, schedule::TalkHistoryMode mode, int talk_no,
                          QWidget* parent);

    schedule::TalkHistoryModel& model() { return model_; }
    QComboBox* talks() const { return talks_; }
    QComboBox* speakers() const { return speakers_; }
    LineList* weeks() const { return weeks_; }
    QLabel* talk_caption() const { return caption_; }
    QPushButton* speaker_history_button() const { return speaker_history_; }
    QPushButton* ok_button() const { return ok_; }

    void accept() override;

  private:
    void fill();
    void show_line();
    void open_speaker_history();

    const store::Document& doc_;
    schedule::TalkHistoryModel model_;
    QLabel* talk_label_;
    QComboBox* talks_;
    QComboBox* speakers_;
    LineList* weeks_;
    QLabel* caption_;
    QPushButton* speaker_history_;
    QPushButton* ok_;
};

// The letters' choice of a visit: the week (going out, with the slot 0..5); nothing when the
// user cancels or nothing is planned in the coming weeks.
std::optional<schedule::PickedWeek> pick_week(QWidget* parent, const store::Document& doc,
                                              schedule::TalkHistoryMode mode);

}  // namespace vorla::gui
