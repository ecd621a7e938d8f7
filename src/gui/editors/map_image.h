#pragma once
// MapImage: a JPEG map read whole into memory and decoded, with its size on screen taken from
// its physical size; drawn stretched to fill a frame. Failures are told in a message box
// captioned "Карта" that name the file, and leave no picture.
#include <QImage>
#include <QRect>
#include <QSize>
#include <filesystem>

#include "core/io/prompter.h"

class QPainter;

namespace vorla::gui {

class MapImage {
  public:
    explicit MapImage(io::Prompter& prompter) : prompter_(&prompter) {}

    bool load(const std::filesystem::path& file);
    // Stretches the picture over the frame; false (with the message) when it cannot be drawn.
    bool draw(QPainter& painter, const QRect& frame) const;
    void clear();

    bool loaded() const { return !image_.isNull(); }
    // Width and height in screen pixels (0 x 0 without a picture).
    QSize size() const { return size_; }
    std::size_t length() const { return length_; }

  private:
    void fail(std::string_view text) const;

    io::Prompter* prompter_;
    QImage image_;
    QSize size_;
    std::size_t length_ = 0;
    std::filesystem::path file_;
};

}  // namespace vorla::gui
