#pragma once
// The talk chooser: the catalogue's titles (Command::talks), any talk, one of a speaker's
// talks, or the set of talks a brother gives (the grid).
#include <QDialog>
#include <optional>

#include "core/editors/talk_chooser_model.h"

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace vorla::gui {

class LineList;

class TalkChooserDialog : public QDialog {
    Q_OBJECT
  public:
    TalkChooserDialog(store::Document& doc, editors::TalkChooserModel model,
                      QWidget* parent = nullptr);

    // Command::talks: the titles; talk.dat is written when the chooser closes.
    static void edit_titles(store::Document& doc, QWidget* parent);
    // Any talk; the chosen talk number, nothing when cancelled. talk_no: the present talk.
    static std::optional<int> choose_any_talk(store::Document& doc, int talk_no, QWidget* parent);
    // One of the speaker's talks (his list may be edited here); the chosen talk index (0-255).
    // On OK the record takes his talks as edited.
    static std::optional<std::size_t> choose_speaker_talk(store::Document& doc,
                                                          store::BrotherRecord& record, int talk_no,
                                                          QWidget* parent);
    // The set of talks a brother gives; on OK the record takes it.
    static bool choose_brother_talks(store::Document& doc, store::BrotherRecord& record,
                                     QWidget* parent);

    // "Импорт названий…" with the file the user picked.
    void import_file(const QString& path);

    editors::TalkChooserModel& model() { return model_; }
    LineList* list() const { return list_; }
    QListWidget* grid() const { return grid_; }
    QLabel* hover() const { return hover_; }
    QLabel* added() const { return added_; }
    QLabel* removed() const { return removed_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* action_button() const { return action_; }
    QPushButton* import_button() const { return import_; }

    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void run(editors::TalkChooserModel::Action action);
    void on_grid_changed();

    store::Document& doc_;
    editors::TalkChooserModel model_;
    QStackedWidget* pages_;
    LineList* list_;
    QWidget* grid_page_;
    QListWidget* grid_;
    QLabel* hover_;
    QLabel* added_;
    QLabel* removed_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* action_;
    QPushButton* import_;
};

}  // namespace vorla::gui
