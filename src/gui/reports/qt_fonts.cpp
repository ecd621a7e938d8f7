#include "gui/reports/qt_fonts.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/text/utf8.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

namespace {

constexpr double kStoredDpi = 96.0;

QFont base_font(const settings::FontSpec& font) {
    QFont f(qs(font.face));
    f.setWeight(
        static_cast<QFont::Weight>(std::clamp(font.weight > 0 ? font.weight : 400, 1, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strike_out);
    // A font stored as fixed-pitch asks for a monospace substitute when its family is missing.
    if ((font.pitch_and_family & 0x03) == 1) f.setStyleHint(QFont::TypeWriter);
    return f;
}

}  // namespace

QColor to_qcolor(std::uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                  static_cast<int>(rgb >> 16 & 0xFF));
}

std::uint32_t to_rgb(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

QFont to_qfont(const settings::FontSpec& font) {
    QFont f = base_font(font);
    f.setPixelSize(std::max(1, std::abs(font.height)));
    return f;
}

QFont to_chooser_font(const settings::FontSpec& font) {
    QFont f = base_font(font);
    f.setPointSizeF(std::max(1, std::abs(font.height)) * 72.0 / kStoredDpi);
    return f;
}

QString family_style_name(const QFont& font) {
    const QString family = font.families().value(0, font.family());
    QString nearest;
    int distance = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 12);
        if (candidate.italic() != font.italic()) continue;
        const int d = std::abs(candidate.weight() - font.weight());
        if (nearest.isEmpty() || d < distance) {
            nearest = style;
            distance = d;
        }
    }
    return nearest;
}

settings::FontSpec from_chooser_font(const QFont& font, const settings::FontSpec& old) {
    settings::FontSpec s = old;
    s.face = text::left(us(font.family()), 31);
    const double points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / kStoredDpi;
    s.height = -std::max(1, static_cast<int>(std::lround(points * kStoredDpi / 72.0)));
    s.weight = font.weight();
    s.italic = font.italic();
    return s;
}

}  // namespace vorla::gui
