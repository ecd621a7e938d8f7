#include "support/large_folder.h"

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/calendar/week_window.h"
#include "core/io/file_ops.h"
#include "core/store/brother_record.h"
#include "core/store/congregation_record.h"
#include "core/store/named_record.h"
#include "core/store/special_event_record.h"
#include "core/store/table_file.h"
#include "core/store/unavailable_record.h"
#include "core/store/week_record.h"

namespace vorla::bench {

namespace {

using namespace store;
namespace fs = std::filesystem;

const char* kLast[] = {"Иванов", "Петров",  "Сидоров", "Кузнецов", "Смирнов", "Попов",   "Волков",
                       "Зайцев", "Соколов", "Лебедев", "Морозов",  "Новиков", "Федоров", "Орлов"};
const char* kFirst[] = {"Александр", "Борис", "Виктор",     "Григорий", "Дмитрий",
                        "Евгений",   "Игорь", "Константин", "Леонид",   "Михаил",
                        "Николай",   "Олег",  "Павел",      "Сергей"};

template <std::size_t N>
void append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

void write_large_folder(const fs::path& folder, const calendar::Date& today,
                        const LargeFolderSize& size) {
    fs::create_directories(folder);
    std::mt19937 rng(20261207);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    std::vector<std::uint8_t> circuits;
    for (int i = 0; i < size.circuits; ++i) {
        append(circuits,
               NamedRecord{"Район " + std::to_string(i + 1), static_cast<std::uint16_t>(30001 + i)}
                   .encode());
    }
    io::replace_file(folder / "circuit.dat", circuits);

    std::vector<std::uint8_t> congs(256, 0);
    for (int i = 1; i <= size.congregations; ++i) {
        CongregationRecord c;
        c.name = "Собрание " + std::to_string(i) + " " + kLast[pick(14)];
        c.hall_address1 = "ул. Центральная, " + std::to_string(i);
        c.time_odd = "10:00";
        c.time_even = "18:30";
        c.day_odd = calendar::StoredDay(0);
        c.day_even = calendar::StoredDay(static_cast<std::uint8_t>(pick(7)));
        c.cong_id = static_cast<std::uint16_t>(i);
        c.circuit_id = static_cast<std::uint16_t>(30001 + pick(size.circuits));
        c.talk_coord_id = static_cast<std::uint16_t>(1 + pick(size.brothers));
        append(congs, c.encode());
    }
    io::replace_file(folder / "cong.dat", congs);

    std::vector<std::uint8_t> brothers(256, 0);
    std::vector<std::uint8_t> extras;
    for (int i = 1; i <= size.brothers; ++i) {
        BrotherRecord b;
        b.first_name = kFirst[pick(14)];
        b.last_name = std::string(kLast[pick(14)]) + std::to_string(pick(3000));
        b.phone = "8-900-" + std::to_string(1000000 + i);
        b.cong_id = static_cast<std::uint16_t>(1 + pick(size.congregations));
        b.brother_id = static_cast<std::uint16_t>(i);
        b.set_office(pick(3) == 0 ? Office::elder : Office::ministerial_servant);
        for (int t = 0; t < 12; ++t)
            b.talks.set(1 + pick(200));
        if (i % 2 == 0) {
            BrotherExtraRecord x{static_cast<std::uint16_t>(i), "8-901-" + std::to_string(i), "",
                                 "brother" + std::to_string(i) + "@example.org", "по выходным"};
            append(extras, x.encode());
            b.xtend_no = static_cast<std::uint16_t>(extras.size() / BrotherExtraRecord::kSize);
        }
        append(brothers, b.encode());
    }
    io::replace_file(folder / "speakers.dat", brothers);
    io::replace_file(folder / "xtend.dat", extras);

    const int base = calendar::week_window_base(today.year);
    std::vector<std::uint8_t> history;
    for (int i = 0; i < 1000; ++i) {
        WeekRecord w;
        w.week = calendar::WeekNumber(base + i + 1);
        w.speaker_id = static_cast<std::uint16_t>(1 + pick(size.brothers));
        w.talk_no = static_cast<std::uint16_t>(1 + pick(200));
        w.speaker_cong_id = static_cast<std::uint16_t>(1 + pick(size.congregations));
        w.chairman_id = static_cast<std::uint16_t>(1 + pick(size.brothers));
        w.reader_id = static_cast<std::uint16_t>(1 + pick(size.brothers));
        for (std::size_t k = 0; k < 3; ++k) {
            w.out_speaker_id[k] = static_cast<std::uint16_t>(1 + pick(size.brothers));
            w.out_cong_id[k] = static_cast<std::uint16_t>(1 + pick(size.congregations));
            w.out_talk_no[k] = static_cast<std::uint16_t>(1 + pick(200));
        }
        w.week_flags = week_bit::kContent;
        append(history, w.encode());
    }
    io::replace_file(folder / "history.dat", history);

    const calendar::WeekNumber today_week = calendar::today_week_number(today);
    std::vector<std::uint8_t> blackout;
    for (int i = 0; i < size.unavailable; ++i) {
        UnavailableRecord u;
        u.ua_brother_id = static_cast<std::uint16_t>(1 + pick(size.brothers));
        u.ua_week = today_week + pick(104);
        append(blackout, u.encode());
    }
    io::replace_file(folder / "blackout.dat", blackout);

    std::vector<std::uint8_t> special;
    for (int i = 0; i < size.events; ++i) {
        SpecialEventRecord e;
        e.event_week = calendar::WeekIndex(base + 1 + i * 2);
        e.event_flags = static_cast<std::uint16_t>(i % 3 == 0   ? week_bit::kConvention
                                                   : i % 3 == 1 ? week_bit::kOverseerVisit
                                                                : week_bit::kOtherEvent);
        e.event_title = "Событие " + std::to_string(i + 1);
        append(special, e.encode());
    }
    io::replace_file(folder / "special.dat", special);
}

fs::path large_folder(const calendar::Date& today) {
    static const fs::path folder = [&] {
        std::string pattern = (fs::temp_directory_path() / "vorla-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        const fs::path p = pattern;
        write_large_folder(p, today);
        static struct Cleanup {
            fs::path path;
            ~Cleanup() {
                std::error_code ec;
                fs::remove_all(path, ec);
            }
        } cleanup{p};
        return p;
    }();
    return folder;
}

}  // namespace vorla::bench
