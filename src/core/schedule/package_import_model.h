#pragma once
// The import dialog "Импорт": the package's congregation matched by name, its brothers
// matched against ours and chosen line by line, the circuit, the counts, and the brothers
// who would leave the congregation. OK runs the import.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/schedule/package_format.h"
#include "core/schedule/package_import.h"
#include "core/store/document.h"

namespace vorla::schedule {

class PackageImportModel {
  public:
    // The congregation's name as the congregation editor takes it.
    static constexpr std::size_t kNameMax = store::CongregationRecord::kNameMax;

    // Reads the package file; one that cannot be read gives an empty name and list.
    PackageImportModel(store::Document& doc, std::filesystem::path path);
    // The package's bytes, read already.
    PackageImportModel(store::Document& doc, std::filesystem::path path,
                       std::span<const std::uint8_t> bytes);

    bool readable() const { return readable_; }
    std::string caption() const;

    // --- the congregation -----------------------------------------------------------------
    const std::string& name() const { return name_; }
    // The user typed: the congregation is matched again, OK becomes "Применить".
    void edit_name(const std::string& name);
    std::string status_line() const;
    // The matched congregation's id, nothing when the name is new.
    std::optional<std::uint16_t> matched() const { return matched_; }

    std::uint16_t circuit() const { return circuit_; }
    void set_circuit(std::uint16_t circuit_id) { circuit_ = circuit_id; }
    std::string circuit_caption() const;
    // The circuit chooser's preselection: 1-based position, -1 for none.
    int circuit_preselect() const;
    // Empty unless no circuit is chosen and the package names one.
    std::string circuit_warning() const;

    // --- the brothers ---------------------------------------------------------------------
    std::size_t line_count() const { return lines_.size(); }
    const std::string& line(std::size_t k) const { return lines_.at(k).text; }
    bool selected(std::size_t k) const { return lines_.at(k).selected; }
    void set_selected(std::size_t k, bool on);
    // Whether a line names one of our brothers.
    bool duplicate(std::size_t k) const { return lines_.at(k).match.has_value(); }

    std::string selection_line() const;
    std::string duplicates_line() const;    // empty without selected duplicates
    std::string new_brothers_line() const;  // empty when every selected line is a duplicate
    std::string hint() const;

    // --- who leaves the congregation ------------------------------------------------------
    bool removal_visible() const { return !removal_.empty(); }
    std::string removal_caption() const;
    const std::vector<std::string>& removal_names() const { return removal_names_; }

    // --- OK -------------------------------------------------------------------------------
    std::string ok_caption() const;
    // A congregation needs a name to be added or found by.
    bool ok_enabled() const;
    // After the name was edited OK only turns back into "OK" (false: the dialog stays);
    // otherwise the import runs and true closes the dialog.
    bool ok();
    const ImportReport& report() const { return report_; }

  private:
    struct Line {
        std::string text;
        std::optional<std::uint16_t> match;  // the brother it names
        bool selected = true;
    };

    void load(std::span<const std::uint8_t> bytes);
    void match_congregation();
    std::size_t count_selected(bool duplicates_only) const;

    store::Document& doc_;
    std::filesystem::path path_;
    bool readable_ = false;
    Package package_;
    std::optional<BrotherNameLookup> names_;
    std::string name_;
    std::optional<std::uint16_t> matched_;
    std::uint16_t circuit_ = 0;
    bool name_edited_ = false;
    std::vector<Line> lines_;
    std::vector<std::uint16_t> removal_;
    std::vector<std::string> removal_names_;
    ImportReport report_;
};

}  // namespace vorla::schedule
