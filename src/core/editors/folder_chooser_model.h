#pragma once
// The folder chooser's rules: which folder a typed path names, the paths it refuses, and the
// creation of a missing folder after asking. Paths are the platform's: "/" separates folders.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/io/prompter.h"

namespace vorla::editors {

class FolderChooserModel {
  public:
    struct Params {
        std::filesystem::path initial;  // the folder shown first
        std::string title;              // empty: "Select folder"
        bool show_files = false;        // files are listed too (the folders stay the choice)
        std::string filter;             // of the listed files; empty: every file
    };

    explicit FolderChooserModel(Params params);

    std::string title() const;
    // The label above the edit field ("Current Folder") and the OK button's caption ("Select").
    std::string field_label() const;
    std::string accept_caption() const;
    const std::filesystem::path& initial() const { return params_.initial; }
    // The edit field starts with the initial folder and follows every folder the user opens.
    std::string field_text(const std::filesystem::path& shown) const;

    bool shows_files() const { return params_.show_files; }
    // The file-type line only when files are listed with a filter.
    bool file_types_visible() const { return params_.show_files && !params_.filter.empty(); }
    // The pattern of the listed files, when files are listed.
    std::string file_filter() const;

    // "Select": the chosen folder ending with "/", or nothing when the dialog stays open
    // (the user has been told why). An empty field takes the folder shown; a relative path
    // is taken from it. "//" is refused; one trailing "/" is dropped; a missing folder is
    // created, with every missing level, when the user says Yes, and taken as it is on No.
    std::optional<std::string> select(std::string_view typed, const std::filesystem::path& shown,
                                      io::Prompter& prompter) const;

  private:
    Params params_;
};

}  // namespace vorla::editors
