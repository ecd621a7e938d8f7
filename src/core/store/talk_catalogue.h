#pragma once
// The catalogue of the 256 public talks (talk.dat). Entry n - 1 is talk number n; everything
// else refers to a talk by that number, users see its number text and title.
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/data_folder.h"
#include "core/store/talk_record.h"
#include "core/text/texts.h"

namespace vorla::store {

class TalkCatalogue {
  public:
    static constexpr int kTalks = 256;

    TalkCatalogue();

    // Reads talk.dat and brings talks 161-230 up to date; without the file the catalogue is
    // built from the string table (the title of talk n is text 400 + n). Nothing is written.
    void load(const DataFolder& folder, const text::StringTable& texts = text::builtin_texts());

    const std::vector<TalkRecord>& entries() const { return talks_; }
    // The entry of talk number 1-256, nullptr for any other number.
    const TalkRecord* find(int talk_no) const;
    std::string number_text(int talk_no) const;
    std::string title(int talk_no) const;
    // Lists skip places whose title is 9 characters or shorter.
    bool has_title(int talk_no) const;
    static bool has_title(const TalkRecord& talk);

    // Replaces the entry of a talk in memory; its talk_no stays the place's number.
    bool set(int talk_no, const TalkRecord& talk);
    // A deleted topic disappears from every talk that carried it.
    void remove_topic(std::uint16_t topic_id);

    // Rewrites all 256 records; a failure is reported to the user.
    bool save(const DataFolder& folder) const;

    // The topic (1-10) a talk of the built-in catalogue starts with, 0 for none.
    static std::uint16_t default_topic(int talk_no);

  private:
    void build_defaults(const text::StringTable& texts);
    void update_loaded(const text::StringTable& texts);

    std::vector<TalkRecord> talks_;
};

}  // namespace vorla::store
