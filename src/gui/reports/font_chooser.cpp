#include "gui/reports/font_chooser.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"
#include "gui/reports/qt_fonts.h"

namespace vorla::gui {

namespace {

// Room for a sample of the title's 27 pixels and more.
constexpr int kSampleHeight = 60;

}  // namespace

FontChooser::FontChooser(const QString& caption, const settings::FontSpec& font, QWidget* parent)
    : QDialog(parent), font_(font), colour_(to_qcolor(font.colour)) {
    setObjectName(QStringLiteral("FontChooser"));
    setWindowTitle(caption);
    fonts_ = new QFontDialog(this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->installEventFilter(this);
    // The dialog lists installed families: show the one the face resolves to here
    // (Arial is Liberation Sans), so that its style list finds the weight and slant.
    QFont initial = to_chooser_font(font);
    initial.setFamily(QFontInfo(initial).family());
    // Without a style name the dialog looks for the style under the name Qt's translation
    // gives it ("Курсив"), which no family uses, and falls back to the family's first style.
    initial.setStyleName(family_style_name(initial));
    fonts_->setCurrentFont(initial);
    shown_ = fonts_->currentFont();
    // Underline and strike-out belong to no report; their box goes with them.
    for (QCheckBox* box : fonts_->findChildren<QCheckBox*>()) {
        box->hide();
        if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) group->hide();
    }
    // The sample took its height from the box beside it; without that box it needs its own.
    if (auto* sample = fonts_->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit")))
        sample->setMinimumHeight(kSampleHeight);

    colour_button_ = new QPushButton(qs(text::TextId::colour_ellipsis), this);
    colour_button_->setObjectName(QStringLiteral("ColourButton"));
    connect(colour_button_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(colour_, this, qs(text::TextId::colour));
        if (c.isValid()) set_colour(c);
    });
    set_colour(colour_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(text::TextId::cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(qs(text::TextId::text_colour), this));
    row->addWidget(colour_button_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

bool FontChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fonts_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                accept();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FontChooser::set_colour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(24, 16);
    swatch.fill(colour);
    colour_button_->setIcon(QIcon(swatch));
}

settings::FontSpec FontChooser::chosen() const {
    const QFont now = fonts_->currentFont();
    settings::FontSpec s = now == shown_ ? font_ : from_chooser_font(now, font_);
    s.colour = to_rgb(colour_);
    return s;
}

std::optional<settings::FontSpec> choose_font(const QString& caption,
                                              const settings::FontSpec& font, QWidget* parent) {
    FontChooser chooser(caption, font, parent);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.chosen();
}

}  // namespace vorla::gui
