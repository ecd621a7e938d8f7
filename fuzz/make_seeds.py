#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/seeds: well-formed and broken inputs for every target,
taken from the broken-folder corpus of the tests and from a few hand-made lines. Seeds only
give the fuzzers a start; what they find is added by the fuzzers themselves."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "tests", "data", "broken")
SEEDS = os.path.join(HERE, "seeds")

# The file numbers of folder_fuzz.cpp, in its order.
FOLDER_FILES = ["speakers.dat", "xtend.dat", "cong.dat", "circuit.dat", "talk.dat", "topic.dat",
                "history.dat", "hospital.dat", "blackout.dat", "special.dat", "wishlist.dat",
                "extend.dat", "vorla.ini", "oratori.dat", "Kong.dat"]
# Which target reads which file of a corpus folder (with a prefix byte where it takes one).
SINGLE = {"blackout.dat": ("blackout_fuzz", b""), "history.dat": ("history_fuzz", b""),
          "special.dat": ("special_fuzz", b""), "talk.dat": ("talk_fuzz", b""),
          "topic.dat": ("topic_fuzz", b""), "wishlist.dat": ("wishlist_fuzz", b""),
          "vorla.ini": ("ini_fuzz", b""), "cong.dat": ("cong_fuzz", b""),
          "circuit.dat": ("named_fuzz", b"\x00"), "hospital.dat": ("named_fuzz", b"\x01"),
          "extend.dat": ("extend_fuzz", b"")}


def seed(target, name, data):
    folder = os.path.join(SEEDS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


for case in sorted(os.listdir(CORPUS)):
    folder = os.path.join(CORPUS, case)
    if not os.path.isdir(folder):
        continue
    language = 1 if "creole" in case else 2 if "italian" in case else 0
    packed = bytes([language | 0x28])  # 11 weeks
    for number, name in enumerate(FOLDER_FILES):
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            data = read(path)[:0xFFFF]
            packed += bytes([number]) + struct.pack("<H", len(data)) + data
            if name in SINGLE:
                target, prefix = SINGLE[name]
                seed(target, case, prefix + data)
    seed("folder_fuzz", case, packed)
    if os.path.isfile(os.path.join(folder, "speakers.dat")):
        speakers = read(os.path.join(folder, "speakers.dat"))
        xtend = os.path.join(folder, "xtend.dat")
        extras = read(xtend) if os.path.isfile(xtend) else b""
        seed("speakers_fuzz", case, struct.pack("<H", len(speakers)) + speakers + extras)

seed("title_import_fuzz", "utf8", "1\tБиблия\n2 Бог\n\n300\tнет\nx\r\n161\tНовая\n".encode())
seed("title_import_fuzz", "cp1251", "12\tСемья\r\n13\tВера\r\n".encode("cp1251"))
seed("map_name_fuzz", "bare", "схема проезда.jpg".encode())
seed("map_name_fuzz", "parent", b"../../../../etc/passwd")
seed("map_name_fuzz", "root", b"/")
seed("map_name_fuzz", "windows", b"C:\\maps\\map.jpg")
seed("command_line_fuzz", "export", b"--data-dir\x00/tmp/v\x00export-text\x00--start\x00"
     b"2026-12-07\x00--weeks=3\x00\x00")
seed("command_line_fuzz", "report", b"--today=2026-02-29\x00report\x00schedule\x00--pdf\x00"
     b"a.pdf\x00--dpi\x00600\x002026-12-07\x00/data")
seed("command_line_fuzz", "env", b"info\x00991227\x00260229\x002099-12-31\x00/x")
