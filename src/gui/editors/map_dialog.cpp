#include "gui/editors/map_dialog.h"

#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

namespace {

// The owner-drawn frame the picture is stretched into.
class MapFrame : public QFrame {
  public:
    MapFrame(const MapImage& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
        setFrameStyle(QFrame::Box | QFrame::Sunken);
        setMinimumSize(360, 480);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (!picture_.loaded()) return;
        QPainter painter(this);
        picture_.draw(painter, contentsRect());
    }

  private:
    const MapImage& picture_;
};

}  // namespace

MapDialog::MapDialog(store::Document& doc, const std::string& map_file, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      model_(doc.folder().folder(), map_file),
      picture_(doc.prompter()) {
    setObjectName(QStringLiteral("MapDialog"));
    setWindowTitle(qs(model_.title()));
    frame_ = new MapFrame(picture_, this);
    choose_ = new QPushButton(qs(text::TextId::choose_map), this);
    rules_ = new QPushButton(qs(text::TextId::map_rules), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(qs(text::TextId::cancel), this);
    ok_->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok_, cancel, choose_, rules_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame_, 1);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rules_, &QPushButton::clicked, this,
            [this] { doc_.prompter().inform(model_.rules_text(), io::Icon::information, {}); });
    connect(choose_, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, qs(model_.choose_title()), QString::fromStdString(model_.start_folder().string()),
            qs(model_.choose_filter()));
        if (!file.isEmpty()) choose_file(file);
    });
    load();
}

std::optional<std::string> MapDialog::edit(store::Document& doc, const std::string& map_file,
                                           QWidget* parent) {
    MapDialog dialog(doc, map_file, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.result();
}

void MapDialog::load() {
    picture_.clear();
    if (model_.name_refused()) {
        // A name that would leave the data folder is never opened.
        doc_.prompter().inform(model_.rules_text(), io::Icon::warning,
                               editors::picture_error_caption());
    } else if (const auto path = model_.picture_path()) {
        picture_.load(*path);
    }
    rules_->setVisible(model_.rules_visible(picture_.loaded()));
    frame_->update();
}

void MapDialog::choose_file(const QString& path) {
    model_.choose(std::filesystem::path(path.toStdU16String()));
    load();
}

}  // namespace vorla::gui
