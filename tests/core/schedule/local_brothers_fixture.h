#pragma once
// Our congregation "Наше" (id 1) with its own brothers on the three local lists, added to the
// planning folder of schedule_fixture.h. Local-brother table order (by last name):
//   6 Алексей Андреев  roles 0x14 (chairman, reader)
//   4 Юрий Архипов     roles 0x00
//   7 Борис Борисов    roles 0x06 (outgoing speaker, chairman)
//   8 Василий Волков   roles 0x16 (all three lists)
//   9 Глеб Громов      roles 0x10 (reader), discontinued
// Hospitality: 30001 "~Иванов" (never chosen automatically), 30002 "Кротов", 30003 "Лисин".
#include "core/schedule/schedule_fixture.h"

namespace vorla::testing {

inline FixtureBytes local_brother(std::uint16_t id, std::string_view first, std::string_view last,
                                  std::uint8_t roles) {
    return brother_bytes(id, first, last, 1).u8(201, roles);
}

inline std::vector<std::uint8_t> local_speakers_file() {
    return slot_file({with_talks(brother_bytes(1, "Иван", "Петров", 2), {12, 34}).u8(200, 1),
                      with_talks(brother_bytes(2, "Олег", "Сидоров", 2), {12}).u8(200, 0x20),
                      with_talks(brother_bytes(3, "Павел", "Орлов", 3), {12, 56}).u8(200, 2),
                      brother_bytes(4, "Юрий", "Архипов", 1),
                      with_talks(brother_bytes(5, "Антон", "Белов", 0), {12}),
                      local_brother(6, "Алексей", "Андреев", 0x14),
                      with_talks(local_brother(7, "Борис", "Борисов", 0x06), {12, 56}),
                      with_talks(local_brother(8, "Василий", "Волков", 0x16), {34}),
                      local_brother(9, "Глеб", "Громов", 0x10).u8(200, 0x20)});
}

inline void write_local_brothers(const std::filesystem::path& dir) {
    write_bytes(dir / "speakers.dat", local_speakers_file());
    write_bytes(dir / "hospital.dat",
                concat({named_bytes("~Иванов", 30001), named_bytes("Кротов", 30002),
                        named_bytes("Лисин", 30003)}));
}

}  // namespace vorla::testing
