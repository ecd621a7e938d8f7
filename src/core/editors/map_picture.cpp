#include "core/editors/map_picture.h"

#include <cstring>

#include "core/io/file_ops.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::editors {

using text::TextId;

namespace {

constexpr int kScreenDpi = 96;
constexpr int kHimetricPerInch = 2540;
constexpr int kHimetricPerMetre = 100000;

// a * b / c rounded to the nearest integer; sizes are never negative.
int mul_div(long long a, long long b, long long c) {
    if (c <= 0 || a < 0 || b < 0) return 0;
    return static_cast<int>((a * b + c / 2) / c);
}

}  // namespace

std::string picture_error_caption() {
    return text::text(TextId::map_error_caption);
}

std::string picture_too_large(const std::filesystem::path& file) {
    return text::format(TextId::map_too_large, file.filename().string());
}

std::string picture_not_supported(const std::filesystem::path& file) {
    return text::format(TextId::map_not_a_picture, file.filename().string());
}

MapFile read_map_file(const std::filesystem::path& file) {
    MapFile out;
    io::FileRead read = io::read_file(file, kMaxPictureBytes);
    if (!read.bytes) {
        out.error = text::format(TextId::map_cannot_open, file.filename().string(),
                                 io::failure_reason(read.error));
    } else if (read.cut()) {
        out.error = picture_too_large(file);
    } else {
        out.bytes = std::move(*read.bytes);
    }
    return out;
}

int himetric_to_pixels(int himetric) {
    return mul_div(himetric, kScreenDpi, kHimetricPerInch);
}

int himetric_of(int pixels, int dots_per_metre) {
    if (dots_per_metre <= 0) return mul_div(pixels, kHimetricPerInch, kScreenDpi);
    return mul_div(pixels, kHimetricPerMetre, dots_per_metre);
}

MapDialogModel::MapDialogModel(std::filesystem::path data_folder, std::string_view name)
    : folder_(std::move(data_folder)), name_(text::trim(name)) {}

std::string MapDialogModel::rules_text() const {
    return text::text(TextId::map_file_rules);
}

std::string MapDialogModel::choose_title() const {
    return text::text(TextId::choose_map_file);
}

std::string MapDialogModel::choose_filter() const {
    return text::text(TextId::map_file_filter) + " (*.jpg *.JPG)";
}

void MapDialogModel::choose(const std::filesystem::path& file) {
    const std::u8string name = file.filename().u8string();
    name_.assign(name.begin(), name.end());
}

}  // namespace vorla::editors
