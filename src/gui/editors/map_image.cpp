#include "gui/editors/map_image.h"

#include <QPainter>

#include "core/editors/map_picture.h"

namespace vorla::gui {

void MapImage::fail(std::string_view text) const {
    prompter_->inform(text, io::Icon::error, editors::picture_error_caption());
}

void MapImage::clear() {
    image_ = QImage();
    size_ = QSize();
    length_ = 0;
}

bool MapImage::load(const std::filesystem::path& file) {
    clear();
    file_ = file;
    const editors::MapFile read = editors::read_map_file(file);
    if (!read.error.empty()) {
        fail(read.error);
        return false;
    }
    const std::size_t length = read.bytes.size();
    QImage image;
    if (length == 0 || !image.loadFromData(read.bytes.data(), static_cast<int>(length))) {
        fail(editors::picture_not_supported(file));
        return false;
    }
    image_ = std::move(image);
    length_ = length;
    size_ = QSize(
        editors::himetric_to_pixels(editors::himetric_of(image_.width(), image_.dotsPerMeterX())),
        editors::himetric_to_pixels(editors::himetric_of(image_.height(), image_.dotsPerMeterY())));
    return true;
}

bool MapImage::draw(QPainter& painter, const QRect& frame) const {
    if (!loaded()) return false;
    if (!painter.isActive()) {
        fail(editors::picture_too_large(file_));
        return false;
    }
    painter.drawImage(frame, image_);
    return true;
}

}  // namespace vorla::gui
