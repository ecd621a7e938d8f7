#include "support/full_schedule.h"

#include <string>

namespace vorla::bench {

void fill_schedule(store::Document& doc, calendar::WeekIndex first, int weeks) {
    settings::Settings s = doc.settings();
    s.readers_scheduled = true;
    s.show_readers = true;
    s.hospitality_scheduled = true;
    s.print_date = true;
    s.background_style = settings::BackgroundStyle::grey;
    doc.set_settings(s);
    for (int t = 1; t <= 200; ++t) {
        store::TalkRecord talk = *doc.talks().find(t);
        talk.title = "Публичная речь номер " + std::to_string(t) + " о вере и надежде";
        doc.talks().set(t, talk);
    }
    const std::uint16_t host = doc.hosts().add("Кузнецовы", doc.collator()).id;
    const auto id = [&](int k) {
        return doc.brothers().at(static_cast<std::size_t>(k) % doc.brothers().size()).brother_id;
    };
    const auto cong = [&](int k) {
        return doc.congregations()
            .at(static_cast<std::size_t>(k) % doc.congregations().size())
            .cong_id;
    };
    for (int k = 0; k < weeks; ++k) {
        store::WeekRecord w = doc.weeks().at(first + k);
        w.speaker_id = id(k * 11);
        w.speaker_cong_id = cong(k * 3);
        w.talk_no = static_cast<std::uint16_t>(1 + k % 200);
        w.chairman_id = id(k * 11 + 1);
        w.reader_id = id(k * 11 + 2);
        w.host_id = host;
        w.week_flags = store::week_bit::kContent;
        for (std::size_t slot = 0; slot < store::WeekRecord::kOutPlaces; ++slot) {
            w.out_speaker_id[slot] = id(k * 11 + 3 + static_cast<int>(slot));
            w.out_cong_id[slot] = cong(k * 3 + 1 + static_cast<int>(slot));
            w.out_talk_no[slot] =
                static_cast<std::uint16_t>(1 + (k + static_cast<int>(slot)) % 200);
        }
        doc.weeks().store(first + k, w);
    }
}

}  // namespace vorla::bench
