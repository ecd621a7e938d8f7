#include "core/store/talk_catalogue.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "core/store/table_file.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::store {

namespace {

constexpr int kFirstSpecial = 231;  // 231-256 are the special talks S-31 .. S-56
constexpr int kUpdateFirst = 161;   // talks 161-230 came after the first catalogue
constexpr int kUpdateLast = 230;
constexpr int kTalkTitleBase = 400;  // the title of talk n is text 400 + n
constexpr std::size_t kTitleMinLength = 10;

struct DefaultTopic {
    std::uint16_t topic;
    std::initializer_list<int> talks;
};

// Topics 1-10 are the topic texts, topic_bible_god onwards.
const std::array<DefaultTopic, 10> kDefaultTopics{{
    {1, {4, 26, 54, 80, 88, 99, 100, 101, 114, 124, 133, 137, 139, 145, 150}},
    {2, {7, 10, 12, 14, 15, 48, 68, 69, 72, 76, 77, 78, 103, 112, 144, 148, 157}},
    {3, {17, 63, 65, 66, 81}},
    {4, {1, 9, 16, 18, 22, 31, 39, 46, 67, 70, 71, 74, 87, 142, 147, 149, 151, 158, 159}},
    {5, {5, 13, 27, 28, 29, 30, 104, 110, 113, 118, 146}},
    {6, {19, 21, 23, 24, 35,  37,  42,  44,  47,  49,  60,  61,  62,
         75, 85, 90, 91, 109, 111, 120, 122, 130, 132, 140, 154, 162}},
    {7, {2, 6, 20, 34, 38, 40, 41, 84, 93, 102, 106, 108, 121, 152, 153, 156}},
    {8, {3,  8,  36, 43,  45,  52,  55,  56,  58,  82,  83,  86,  89, 92,
         94, 95, 96, 125, 126, 127, 128, 129, 134, 135, 136, 155, 161}},
    {9, {32, 50, 57, 73, 105, 117, 141, 143}},
    {10, {11, 25, 33, 51, 53, 59, 64, 79, 97, 98, 107, 115, 116, 119, 123, 131, 138, 160}},
}};

}  // namespace

TalkCatalogue::TalkCatalogue() : talks_(kTalks) {
    for (int n = 1; n <= kTalks; ++n)
        talks_[n - 1].talk_no = static_cast<std::uint16_t>(n);
}

std::uint16_t TalkCatalogue::default_topic(int talk_no) {
    for (const DefaultTopic& d : kDefaultTopics) {
        for (const int t : d.talks) {
            if (t == talk_no) return d.topic;
        }
    }
    return 0;
}

void TalkCatalogue::load(const DataFolder& folder, const text::StringTable& texts) {
    talks_.assign(kTalks, TalkRecord{});
    // Records past the 256th have no talk to belong to; a partial record is not one.
    const io::FileRead file =
        folder.read(folder.file(files::kTalks), std::uint64_t{kTalks} * TalkRecord::kSize);
    if (!file.bytes) {
        // Missing: a fresh installation. Unreadable: the file is held, and the catalogue
        // meanwhile is the built-in one.
        build_defaults(texts);
        return;
    }
    const std::vector<std::uint8_t>* bytes = &*file.bytes;
    const std::size_t n = std::min<std::size_t>(bytes->size() / TalkRecord::kSize, kTalks);
    for (std::size_t i = 0; i < n; ++i) {
        talks_[i] = TalkRecord::decode(std::span<const std::uint8_t, TalkRecord::kSize>(
            bytes->data() + i * TalkRecord::kSize, TalkRecord::kSize));
    }
    // The place is the talk's number; a file that says otherwise (or is short) must not
    // make a week refer to talk 0 or 300.
    for (int n = 1; n <= kTalks; ++n)
        talks_[n - 1].talk_no = static_cast<std::uint16_t>(n);
    update_loaded(texts);
}

void TalkCatalogue::build_defaults(const text::StringTable& texts) {
    for (int n = 1; n <= kTalks; ++n) {
        TalkRecord& t = talks_[n - 1];
        t.talk_no = static_cast<std::uint16_t>(n);
        t.title = texts.get(kTalkTitleBase + n);
        if (n < kFirstSpecial) {
            t.number_text = std::to_string(n);
            t.topic_ids[0] = default_topic(n);
        } else {
            t.number_text = "S-" + std::to_string(n - 200);
        }
    }
}

void TalkCatalogue::update_loaded(const text::StringTable& texts) {
    for (int n = kUpdateFirst; n <= kUpdateLast; ++n) {
        TalkRecord& t = talks_[n - 1];
        if (t.number_text.starts_with('S')) t.number_text = std::to_string(n);
        if (text::is_blank(t.title)) {
            const std::string_view fresh = text::trim(texts.get(kTalkTitleBase + n));
            if (!fresh.empty()) t.title = std::string(fresh);
        }
    }
}

const TalkRecord* TalkCatalogue::find(int talk_no) const {
    if (talk_no < 1 || talk_no > kTalks) return nullptr;
    return &talks_[static_cast<std::size_t>(talk_no - 1)];
}

std::string TalkCatalogue::number_text(int talk_no) const {
    const TalkRecord* t = find(talk_no);
    return t ? t->number_text : std::string();
}

std::string TalkCatalogue::title(int talk_no) const {
    const TalkRecord* t = find(talk_no);
    return t ? t->title : std::string();
}

bool TalkCatalogue::has_title(const TalkRecord& talk) {
    return text::length(talk.title) >= kTitleMinLength;
}

bool TalkCatalogue::has_title(int talk_no) const {
    const TalkRecord* t = find(talk_no);
    return t && has_title(*t);
}

bool TalkCatalogue::set(int talk_no, const TalkRecord& talk) {
    if (!find(talk_no)) return false;
    TalkRecord& place = talks_[static_cast<std::size_t>(talk_no - 1)];
    place = talk;
    place.talk_no = static_cast<std::uint16_t>(talk_no);
    return true;
}

void TalkCatalogue::remove_topic(std::uint16_t topic_id) {
    if (topic_id == 0) return;
    for (TalkRecord& t : talks_) {
        for (std::uint16_t& id : t.topic_ids) {
            if (id == topic_id) id = 0;
        }
    }
}

bool TalkCatalogue::save(const DataFolder& folder) const {
    return write_table_file(folder, folder.file(files::kTalks), talks_);
}

}  // namespace vorla::store
