#pragma once
// The congregation map: which file a map name may load, the map dialog's rules, the picture's
// size rule and its failure messages.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/map_location.h"
#include "core/text/texts.h"

namespace vorla::editors {

// The picture messages' caption, and the messages that name the map file.
std::string picture_error_caption();
std::string picture_too_large(const std::filesystem::path& file);
std::string picture_not_supported(const std::filesystem::path& file);

// A map picture's bytes, or the message for a file that cannot be read: a FIFO or device is
// refused without waiting on it, and a file larger than any picture is not loaded.
struct MapFile {
    std::vector<std::uint8_t> bytes;
    std::string error;  // empty when read
};
inline constexpr std::uint64_t kMaxPictureBytes = 64u << 20;
MapFile read_map_file(const std::filesystem::path& file);

// A picture's size on screen: its physical size in hundredths of a millimetre at 96 pixels
// per inch, rounded as an integer multiply-divide.
int himetric_to_pixels(int himetric);
// The physical size of a side of `pixels` at a resolution in dots per metre (0: 96 dpi).
int himetric_of(int pixels, int dots_per_metre);

using store::is_bare_file_name;
using store::map_path;

class MapDialogModel {
  public:
    MapDialogModel(std::filesystem::path data_folder, std::string_view name);

    std::string title() const { return text::text(text::TextId::map_error_caption); }
    const std::string& name() const { return name_; }
    // The file to load now; nothing when there is no name, or it would leave the data folder.
    std::optional<std::filesystem::path> picture_path() const { return map_path(folder_, name_); }
    // A stored name that is not a bare file name is not loaded; the user is shown the rules.
    bool name_refused() const { return !name_.empty() && !is_bare_file_name(name_); }

    // "Правила" only while no picture is shown; it shows the rules for map files.
    bool rules_visible(bool loaded) const { return !loaded; }
    std::string rules_text() const;
    // The file dialog of "Выбрать карту".
    std::string choose_title() const;
    std::string choose_filter() const;
    const std::filesystem::path& start_folder() const { return folder_; }
    // The chosen file: only its name is kept, wherever it was.
    void choose(const std::filesystem::path& file);
    // OK: the name, or empty when no picture is shown.
    std::string result(bool loaded) const { return loaded ? name_ : std::string(); }

  private:
    std::filesystem::path folder_;
    std::string name_;
};

}  // namespace vorla::editors
