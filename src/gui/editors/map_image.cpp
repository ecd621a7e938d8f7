#include "gui/editors/map_image.h"

#include <QPainter>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "core/editors/map_picture.h"

namespace vorla::gui {

namespace {

struct FileCloser {
    // The file was only read: a failing close loses nothing.
    void operator()(std::FILE* f) const { static_cast<void>(std::fclose(f)); }
};

}  // namespace

void MapImage::fail(std::string_view text) const {
    prompter_->inform(text, io::Icon::error, editors::kPictureErrorCaption);
}

void MapImage::clear() {
    image_ = QImage();
    size_ = QSize();
    length_ = 0;
}

bool MapImage::load(const std::filesystem::path& file) {
    clear();
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) {
        fail(editors::picture_open_failure(errno));
        return false;
    }
    long end = -1;
    if (std::fseek(f.get(), 0, SEEK_END) == 0) end = std::ftell(f.get());
    if (end < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0) {
        fail(editors::picture_open_failure(errno != 0 ? errno : EIO));
        return false;
    }
    const auto length = static_cast<std::size_t>(end);
    std::unique_ptr<std::uint8_t[]> bytes(new (std::nothrow) std::uint8_t[length > 0 ? length : 1]);
    if (!bytes) {
        fail(editors::kPictureNoMemory);
        return false;
    }
    if (std::fread(bytes.get(), 1, length, f.get()) != length) {
        fail(editors::picture_open_failure(EIO));
        return false;
    }
    QImage image;
    if (length == 0 || !image.loadFromData(bytes.get(), static_cast<int>(length))) {
        fail(editors::kPictureNotSupported);
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
        fail(editors::kPictureNoMemory);
        return false;
    }
    painter.drawImage(frame, image_);
    return true;
}

}  // namespace vorla::gui
