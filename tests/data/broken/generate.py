#!/usr/bin/env python3
"""Writes the broken data folders of this corpus, byte by byte at the offsets of the file
formats. Each folder holds the damaged files and `expect`, what opening the folder must show.
Run it from anywhere; it rewrites the folders beside it."""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def cp(text):
    return text.encode("cp1251")


class Rec:
    def __init__(self, size):
        self.b = bytearray(size)

    def u8(self, off, v):
        self.b[off] = v
        return self

    def u16(self, off, v):
        self.b[off:off + 2] = struct.pack("<H", v)
        return self

    def raw(self, off, data):
        self.b[off:off + len(data)] = data
        return self

    def text(self, off, s):
        return self.raw(off, cp(s))

    def bytes(self):
        return bytes(self.b)


def brother(bid, first, last, cong=0, xtend=0):
    return Rec(256).text(0, first).text(20, last).u16(202, cong).u16(204, bid).u16(206, xtend)


def congregation(cid, name):
    return Rec(256).text(0, name).u16(174, cid)


def slot_file(*records):
    return bytes(256) + b"".join(r.bytes() for r in records)


def week(number, **fields):
    """A history.dat record; week_flags bit 0 says it has content."""
    offsets = {"speaker": 2, "talk": 4, "cong": 6, "chairman": 14, "flags": 20}
    r = Rec(64).u16(0, number).u16(20, 1)
    for name, value in fields.items():
        r.u16(offsets[name], value)
    return r


def event(index, flags, title=""):
    return Rec(144).u16(0, index).u16(2, flags).text(4, title)


def unavailable(bid, number):
    return Rec(8).u16(0, bid).u16(2, number)


def topic(tid, name):
    return Rec(48).text(0, name).u16(46, tid)


def named(nid, name):
    return Rec(32).text(0, name).u16(30, nid)


def talk(no, title, number_text, *topics):
    r = Rec(154).text(0, title).text(93, number_text).u16(100, no)
    for i, t in enumerate(topics):
        r.u16(102 + 2 * i, t)
    return r


def old_extra(bid, phone2, phone3, email):
    return Rec(96).u16(0, bid).text(2, phone2).text(18, phone3).text(34, email)


def joined(*records):
    return b"".join(r.bytes() for r in records)


def case(name, files, expect):
    folder = os.path.join(HERE, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for file, content in files.items():
        path = os.path.join(folder, file)
        if content is None:  # a folder in the file's place (git keeps it by a file inside)
            os.makedirs(path)
            open(os.path.join(path, ".keep"), "wb").close()
        else:
            with open(path, "wb") as f:
                f.write(content)
    with open(os.path.join(folder, "expect"), "w", encoding="utf-8") as f:
        f.write(expect.strip() + "\n")


# Weeks of December 2026: the program believes today is 7 December 2026, week number 1406.
TODAY = 1406

case("truncated-records", {
    "speakers.dat": slot_file(brother(1, "Иван", "Петров"), brother(2, "Олег", "Сидоров"))
                    + brother(3, "Пётр", "Иванов").bytes()[:100],
    "cong.dat": slot_file(congregation(1, "Центральное")) + congregation(2, "Северное").bytes()[:50],
    "history.dat": week(TODAY, talk=12).bytes() + week(TODAY + 1, talk=13).bytes()[:30],
    "special.dat": event(TODAY, 2, "Конгресс").bytes() + bytes(10),
    "topic.dat": topic(1, "Семья").bytes() + topic(2, "Вера").bytes()[:20],
    "talk.dat": joined(*[talk(n, "Речь номер %d" % n, str(n)) for n in range(1, 11)]) + bytes(77),
    "wishlist.dat": bytes(50),
}, """
# Partial last records are not entries; a short wish list is none.
info brothers = 2
info congregations = 1
info weeks-with-content = 1
info special-events = 1
info topics = 1
info talks-we-need = 0
dump "title": "Речь номер 10"
no-messages
""")

case("ids-out-of-slots", {
    "speakers.dat": slot_file(brother(1, "Иван", "Петров"), brother(5, "Чужой", "Номер"),
                              brother(3, "Пётр", "Иванов"), brother(1, "Двойник", "Первого")),
    "cong.dat": slot_file(congregation(65535, "Последнее"), congregation(2, "Северное")),
}, """
# A record whose id is not its slot is damage: not shown, kept on disk, its slot not reused.
info brothers = 2
info congregations = 1
dump "last_name": "Иванов"
no-dump Чужой
no-dump Двойник
no-dump Последнее
no-messages
""")

case("bad-week-numbers", {
    # Week 0, a week before the window, weeks out of order, a repeated week, week 65535.
    "history.dat": joined(week(0, speaker=4001), week(800, speaker=4002),
                          week(TODAY, speaker=4003), week(TODAY - 1, speaker=4004),
                          week(TODAY, speaker=4005), week(TODAY + 2, speaker=4006),
                          week(65535, speaker=4007)),
    "blackout.dat": joined(unavailable(1, 0), unavailable(2, TODAY + 4), unavailable(2, TODAY + 4),
                           unavailable(0, TODAY + 5), unavailable(3, 65535)),
    "special.dat": joined(event(65535, 2, "Далеко"), event(TODAY - 1, 4, "Визит")),
}, """
# Only weeks of the window in ascending order count; a later record of a week replaces it.
info weeks-with-content = 2
info unavailable-weeks = 2
info special-events = 2
dump "speaker_id": 4005
dump "speaker_id": 4006
no-dump "speaker_id": 4001
no-dump "speaker_id": 4003
no-dump "speaker_id": 4004
no-dump "speaker_id": 4007
no-messages
""")

case("bytes-0x98", {
    "speakers.dat": slot_file(brother(1, "", "Петров").raw(0, b"\xc8\x98\xe0\xed")),
    "cong.dat": slot_file(congregation(1, "").raw(0, b"\xd6\x98\xe5\xed\xf2\xf0")),
    "topic.dat": topic(1, "").raw(0, b"\x98\x98\x98").bytes(),
    "vorla.ini": cp("[Формат расписания]\r\n") + b"\xc7\xe0\xe3\xee\xeb\xee\xe2\xee\xea=\x98\x98\r\n",
}, """
# A byte with no meaning in Windows-1251 reads as U+FFFD (written back as "?").
info brothers = 1
dump "first_name": "И\ufffdан"
dump "name": "Ц\ufffdентр"
dump "topic_name": "\ufffd\ufffd\ufffd"
info setting Формат расписания/Заголовок = \ufffd\ufffd
no-messages
""")

case("garbage-ini", {
    "vorla.ini": b"\x00\x01\x02binary\xff\xfe junk without equals\r\n=no key\r\n[unclosed\r\n"
                 + b"[Congregation]\r\nNumber=65538\r\n"
                 + cp("[Формат расписания]\r\nФон*=99999999999\r\nФон=-3\r\nВерхнее поле=x1\r\n")
                 + b"[Font1]\r\nHeight=100000\r\nWeight=-7\r\n[Meeting Time Change]\r\n"
                 + b"Service Year=\r\n\x00\x00\x00",
}, """
# Values out of range are unset (never wrapped): 65538 is not congregation 2.
info setting Congregation/Number = 0
info setting Формат расписания/Фон* = 12632256
info setting Формат расписания/Фон = 0
info setting Meeting Time Change/Service Year = 0
no-messages
""")

case("out-of-range-values", {
    # Meeting days 200 and 9, a visiting speaker and talk that do not exist, extras beyond
    # xtend.dat, topics that do not exist, a congregation nobody has.
    "cong.dat": slot_file(congregation(1, "Наше").u8(226, 200).u8(227, 9)),
    "speakers.dat": slot_file(brother(1, "Иван", "Петров", cong=777, xtend=500)),
    "xtend.dat": bytes(128),
    "history.dat": joined(week(TODAY, speaker=999, talk=300, cong=888, chairman=1)),
    "talk.dat": joined(*[talk(n, "Речь %d" % n, str(n), 250, 0xFFFF) for n in range(1, 257)]),
    "vorla.ini": b"[Congregation]\r\nNumber=1\r\n",
}, """
info brothers = 1
info local-brothers = 0
info weeks-with-content = 1
dump "talk_no": 300
dump "xtend_no": 500
no-messages
""")

case("old-format", {
    "speakers.dat": slot_file(brother(1, "Иван", "Петров", xtend=1), brother(2, "Олег", "Сидоров", xtend=2)),
    "extend.dat": joined(old_extra(1, "111-11-11", "", "ivan@example.org"),
                         old_extra(2, "", "222-22-22", "")) + bytes(40),
    # Talks 161-230 of an old catalogue: "S" numbers and blank titles.
    "talk.dat": joined(*[talk(n, "" if n in (161, 162) else "Речь %d" % n,
                              "S-%d" % (n - 130) if n in (161, 230) else str(n))
                         for n in range(1, 257)]),
}, """
# extend.dat becomes xtend.dat; the catalogue gets the numbers and titles of talks 161-230.
info brother-extras = 2
dump "phone2": "111-11-11"
dump "phone3": "222-22-22"
dump "number_text": "161"
dump "number_text": "230"
no-dump S-31
no-messages
""")

case("creole-names", {
    "Kong.dat": slot_file(congregation(1, "Kongregasyon")),
    "Istwa.dat": joined(week(TODAY, talk=9)),
    "history.dat.tmp4242_0": b"half a save",
}, """
language HT
# Creole file names get the current names; a leftover of an interrupted save goes.
info congregations = 1
info weeks-with-content = 1
file cong.dat
file history.dat
no-file Kong.dat
no-file history.dat.tmp4242_0
no-messages
""")

case("italian-brothers", {
    "speakers.dat": slot_file(),
    "oratori.dat": slot_file(brother(1, "Marco", "Rossi"), brother(2, "Luca", "Bianchi")),
}, """
language italian
# A larger oratori.dat replaces speakers.dat.
info brothers = 2
no-file oratori.dat
no-messages
""")

case("oversized-tables", {
    "topic.dat": joined(*[topic(i, "Тема %d" % i) for i in range(1, 151)]),
    "circuit.dat": joined(*[named(30001 + i, "Район %d" % i) for i in range(1005)]),
    "wishlist.dat": bytes(200),
}, """
# Tables hold no more than their ids allow; the rest of a file is ignored, and said so.
info topics = 100
info circuits = 1000
message topic.dat
message circuit.dat
message wishlist.dat
""")

case("folder-in-place", {
    "history.dat": None,
    "special.dat": None,
    "cong.dat": slot_file(congregation(1, "Центральное")),
}, """
# A folder where a data file belongs cannot be read: said, and never saved over.
info congregations = 1
info weeks-with-content = 0
unreadable history.dat
unreadable special.dat
message history.dat
""")
