#!/usr/bin/env python3
"""Writes the sample data of Edition 2 (Tohoku, Yamagata and Akita
Shinkansen, March 2000) as source files for `vorlash-cli build-data`.

    python3 tools/make_edition2.py            write data/edition2/*.tsv
    python3 tools/make_edition2.py --check    fail when the checked-in files differ
    python3 tools/make_edition2.py --out DIR  write into another folder

Standard library only and deterministic. Everything is checked before it is
written: the station lists against the row numbers that the program's
Edition 2 rules name (see data/README.md), the trains, the fares and the
hotels; nothing is written when a check fails.
"""

from __future__ import annotations

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import editions_common as c  # noqa: E402

TOOL = "make_edition2"
DEFAULT_OUT = os.path.join(c.ROOT, "data", "edition2")

# --------------------------------------------------------------------------
# Stations. The trunk is the Tohoku Shinkansen 東京 - 盛岡 (盛岡 was its end
# in 2000) without くりこま高原 and 水沢江刺: the down list has room for 16
# trunk rows only (see data/README.md). Kilometres in tenths from 東京.

TRUNK = ["東京", "上野", "大宮", "小山", "宇都宮", "那須塩原", "新白河", "郡山", "福島", "白石蔵王",
         "仙台", "古川", "一ノ関", "北上", "新花巻", "盛岡"]
AKITA = ["雫石", "田沢湖", "角館", "大曲", "秋田"]
YAMAGATA = ["米沢", "高畠", "赤湯", "かみのやま温泉", "山形", "天童", "さくらんぼ東根", "村山", "大石田", "新庄"]

KM = {
    "東京": 0, "上野": 36, "大宮": 303, "小山": 806, "宇都宮": 1095, "那須塩原": 1578, "新白河": 1854,
    "郡山": 2267, "福島": 2728, "白石蔵王": 3068, "仙台": 3518, "古川": 3950, "一ノ関": 4451,
    "北上": 4875, "新花巻": 5000, "盛岡": 5353,
    # 田沢湖線 盛岡 - 大曲 and 奥羽線 大曲 - 秋田.
    "雫石": 5513, "田沢湖": 5754, "角館": 5941, "大曲": 6109, "秋田": 6626,
    # 奥羽線 福島 - 新庄.
    "米沢": 3129, "高畠": 3227, "赤湯": 3289, "かみのやま温泉": 3478, "山形": 3599, "天童": 3732,
    "さくらんぼ東根": 3809, "村山": 3863, "大石田": 3997, "新庄": 4214,
}
# The 田沢湖線 is a local line: fares count its converted kilometres (盛岡 -
# 大曲 83.2 instead of 75.6).
FARE_KM = dict(KM)
FARE_KM.update({"雫石": 5353 + 176, "田沢湖": 5353 + 441, "角館": 5353 + 647, "大曲": 5353 + 832,
                "秋田": 5353 + 832 + 517})

# Non-stop minutes between neighbours for a 240 km/h train (200 series); on
# the conventional lines, minutes of the mini-Shinkansen trains.
MINUTES = [
    ("東京", "上野", 5), ("上野", "大宮", 19), ("大宮", "小山", 13), ("小山", "宇都宮", 9),
    ("宇都宮", "那須塩原", 12), ("那須塩原", "新白河", 8), ("新白河", "郡山", 10), ("郡山", "福島", 11),
    ("福島", "白石蔵王", 10), ("白石蔵王", "仙台", 12), ("仙台", "古川", 11), ("古川", "一ノ関", 13),
    ("一ノ関", "北上", 11), ("北上", "新花巻", 4), ("新花巻", "盛岡", 10),
    ("盛岡", "雫石", 12), ("雫石", "田沢湖", 17), ("田沢湖", "角館", 14), ("角館", "大曲", 14),
    ("大曲", "秋田", 33),
    ("福島", "米沢", 29), ("米沢", "高畠", 7), ("高畠", "赤湯", 5), ("赤湯", "かみのやま温泉", 11),
    ("かみのやま温泉", "山形", 8), ("山形", "天童", 9), ("天童", "さくらんぼ東根", 6),
    ("さくらんぼ東根", "村山", 5), ("村山", "大石田", 8), ("大石田", "新庄", 13),
]
FIXED_SPEED = {("東京", "上野"), ("上野", "大宮")} | {(a, b) for a, b, _ in MINUTES
                                                     if a in AKITA + YAMAGATA + ["盛岡", "福島"]
                                                     and b in AKITA + YAMAGATA}

NETWORK = c.Network(
    trunk=TRUNK,
    branches={"akita": ("盛岡", AKITA), "yamagata": ("福島", YAMAGATA)},
    km=KM,
    minutes={frozenset((a, b)): m for a, b, m in MINUTES},
    fixed_speed=frozenset(frozenset(s) for s in FIXED_SPEED),
)
NAMES = NETWORK.names()

# Station lists. "X*" is a station listed twice (arrival row, departure
# row); "" an unused row. The row numbers are the ones the Edition 2 rules of
# the program name: data/README.md explains each.
DOWN_LIST = TRUNK[:-1] + ["盛岡*"] + AKITA + YAMAGATA
UP_LIST = (["新庄", "大石田", "村山", "さくらんぼ東根", "天童", "山形*", "かみのやま温泉", "赤湯", "高畠", "米沢"]
           + [""] * 5
           + ["秋田", "大曲", "角館", "田沢湖", "雫石", "盛岡*", "新花巻", "北上", "一ノ関", "古川"]
           + ["仙台", "白石蔵王", "福島", "郡山", "新白河", "那須塩原", "宇都宮", "小山", "大宮", "上野", "東京"])
ROWS = {1: c.station_rows(DOWN_LIST), 2: c.station_rows(UP_LIST)}
# Both directions share one row count: the up list's.
STATION_COUNT = max(len(ROWS[1]), len(ROWS[2]))

MODEL = c.Model(
    network=NETWORK,
    rows=ROWS,
    # 200 series 240 km/h; E2 (with the こまち) 275 km/h; E1 and E4 Max.
    speed={"200": 1.0, "E2": 0.87, "E4": 1.0, "E1": 1.03},
    max_stock=frozenset({"E1", "E4"}),
    dwell={"仙台": 2, "盛岡": 2, "山形": 2, "大曲": 4, "秋田": 1},
    couple_dwell={("福島", 1): (3, 4), ("福島", 2): (4, 5), ("盛岡", 1): (2, 5), ("盛岡", 2): (2, 6)},
    number_base={"M-pair": 1, "Y-sendai": 41, "T-pair": 101, "Y-morioka": 131, "T-local": 151,
                 "Y-local": 161, "Y-extra": 181, "O": 201, "O-extra": 261},
)


def stops(text: str) -> frozenset:
    return c.stop_set(NETWORK, text)


ALL = frozenset(NAMES)
KOMACHI_FAST = stops("上野 大宮 仙台 盛岡")
KOMACHI_SEMI = stops("上野 大宮 宇都宮 郡山 福島 仙台 一ノ関 北上 盛岡")
KOMACHI_LINE = stops("雫石 田沢湖 角館 大曲 秋田")
KOMACHI_LINE_FAST = stops("田沢湖 角館 大曲 秋田")
TSUBASA_CARRIER = stops("上野 大宮 宇都宮 郡山 福島 白石蔵王 仙台")
TSUBASA_CARRIER_FAST = stops("上野 大宮 福島 仙台")
TSUBASA_LINE = stops("米沢 高畠 赤湯 かみのやま温泉 山形 天童 さくらんぼ東根 村山 大石田 新庄")
TSUBASA_LINE_FAST = stops("米沢 赤湯 山形 天童 さくらんぼ東根 村山 新庄")
SENDAI_SEMI = stops("上野 大宮 宇都宮 郡山 福島 仙台")
SENDAI_FAST = stops("上野 大宮 仙台")

hours = c.hours


def alternate(first: int, last: int, even, odd) -> list:
    return [even if h % 2 == 0 else odd for h in range(first, last + 1)]


# The day's down trains, by pattern and departure time at the first stop. A
# coupled train (こまち, つばさ) is written as its carrier やまびこ with the
# train it takes along.
DOWN_PLAN = (
    # やまびこ + こまち 東京 - 盛岡 (- 秋田), hourly.
    [c.Service("Y", KOMACHI_FAST if h % 2 == 0 else KOMACHI_SEMI, "東京", "盛岡", [f"{h}:04"], "E2",
               group="M-pair", rank=0,
               coupled=c.Coupled("M", "盛岡", "秋田", KOMACHI_LINE if h % 3 else KOMACHI_LINE_FAST, "E3"))
     for h in range(6, 20)]
    # やまびこ + つばさ 東京 - 仙台 (- 山形 / 新庄), hourly.
    + [c.Service("Y", TSUBASA_CARRIER_FAST if h % 3 == 0 else TSUBASA_CARRIER, "東京", "仙台", [f"{h}:16"],
                 "E4" if h % 2 else "200", group="T-pair", rank=1,
                 coupled=c.Coupled("T", "福島", "新庄" if h % 2 == 0 else "山形",
                                   TSUBASA_LINE_FAST if h % 4 == 0 else TSUBASA_LINE, "400"))
       for h in range(7, 21)]
    + [
        # やまびこ 東京 - 仙台.
        c.Service("Y", SENDAI_SEMI, "東京", "仙台", hours(6, 21, 40), alternate(6, 21, "E4", "200"),
                  group="Y-sendai", rank=2),
        c.Service("Y", ALL, "東京", "仙台", hours(18, 20, 52), "200", group="Y-sendai", rank=4),
        c.Service("Y", ALL, "東京", "福島", ["21:52"], "200", group="Y-sendai", rank=4),
        c.Service("Y", ALL, "福島", "仙台", ["6:00"], "200", group="Y-sendai", rank=4),
        # やまびこ 東京 - 盛岡, every station.
        c.Service("Y", ALL, "東京", "盛岡", hours(6, 17, 52), "200", group="Y-morioka", rank=3),
        # やまびこ 仙台 - 盛岡.
        c.Service("Y", ALL, "仙台", "盛岡", ["6:10", "7:30", "9:30", "12:30", "15:30", "18:30", "20:40",
                                          "22:05"], "200", group="Y-local", rank=4),
        # なすの: 東京 - 那須塩原, and 東京 - 郡山 in the peaks.
        c.Service("O", ALL, "東京", "那須塩原", hours(6, 22, 28), alternate(6, 22, "E1", "200"), group="O",
                  rank=5),
        c.Service("O", ALL, "東京", "郡山", ["7:58", "8:58", "17:58", "18:58", "19:58", "20:58", "21:58"],
                  alternate(1, 7, "E4", "200"), group="O", rank=5),
        # つばさ 山形 - 新庄 on its own.
        c.Service("T", TSUBASA_LINE, "山形", "新庄", ["6:20", "22:10"], "400", group="T-local", rank=4),
        # Extra trains that run on some days only.
        c.Service("Y", SENDAI_SEMI, "東京", "仙台", ["7:10"], "E4", days=11, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_FAST, "東京", "盛岡", ["9:10"], "200", days=70, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_SEMI, "東京", "仙台", ["16:10"], "200", days=51, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_FAST, "東京", "仙台", ["8:10"], "E2", days=170, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_SEMI, "東京", "仙台", ["13:10"], "200", days=10, group="Y-extra", rank=2),
        c.Service("O", ALL, "東京", "那須塩原", ["22:45"], "200", days=1, group="O-extra", rank=5),
        c.Service("O", ALL, "東京", "宇都宮", ["18:10"], "E1", days=50, group="O-extra", rank=5),
    ]
)

UP_PLAN = (
    # こまち 秋田 - 盛岡 + やまびこ 盛岡 - 東京, hourly.
    [c.Service("Y", KOMACHI_FAST if h % 2 == 0 else KOMACHI_SEMI, "盛岡", "東京", [f"{h}:50"], "E2",
               group="M-pair", rank=0,
               coupled=c.Coupled("M", "盛岡", "秋田", KOMACHI_LINE if h % 3 else KOMACHI_LINE_FAST, "E3"))
     for h in range(7, 21)]
    # つばさ 新庄 / 山形 - 福島 + やまびこ 仙台 - 東京, hourly.
    + [c.Service("Y", TSUBASA_CARRIER_FAST if h % 3 == 0 else TSUBASA_CARRIER, "仙台", "東京", [f"{h}:30"],
                 "E4" if h % 2 else "200", group="T-pair", rank=1,
                 coupled=c.Coupled("T", "福島", "新庄" if h % 2 == 0 else "山形",
                                   TSUBASA_LINE_FAST if h % 4 == 0 else TSUBASA_LINE, "400"))
       for h in range(7, 21)]
    + [
        c.Service("Y", SENDAI_SEMI, "仙台", "東京", hours(6, 21, 5), alternate(6, 21, "E4", "200"),
                  group="Y-sendai", rank=2),
        c.Service("Y", ALL, "仙台", "東京", ["6:15", "6:45", "20:15", "21:15"], "200", group="Y-sendai", rank=4),
        c.Service("Y", ALL, "仙台", "福島", ["22:20"], "200", group="Y-sendai", rank=4),
        c.Service("Y", ALL, "盛岡", "東京", hours(6, 17, 20), "200", group="Y-morioka", rank=3),
        c.Service("Y", ALL, "盛岡", "仙台", ["6:05", "7:35", "9:35", "12:35", "15:35", "18:35", "20:35",
                                          "21:50"], "200", group="Y-local", rank=4),
        c.Service("O", ALL, "那須塩原", "東京", hours(6, 22, 12), alternate(6, 22, "E1", "200"), group="O",
                  rank=5),
        c.Service("O", ALL, "郡山", "東京", ["6:02", "6:40", "7:20", "8:05", "16:40", "18:40", "20:40"],
                  alternate(1, 7, "E4", "200"), group="O", rank=5),
        c.Service("T", TSUBASA_LINE, "新庄", "山形", ["6:05", "21:50"], "400", group="T-local", rank=4),
        c.Service("Y", SENDAI_SEMI, "仙台", "東京", ["7:40"], "E4", days=11, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_FAST, "盛岡", "東京", ["16:05"], "200", days=70, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_SEMI, "仙台", "東京", ["18:55"], "200", days=51, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_FAST, "仙台", "東京", ["8:25"], "E2", days=170, group="Y-extra", rank=2),
        c.Service("Y", SENDAI_SEMI, "仙台", "東京", ["13:55"], "200", days=10, group="Y-extra", rank=2),
        c.Service("O", ALL, "那須塩原", "東京", ["6:30"], "200", days=1, group="O-extra", rank=5),
        c.Service("O", ALL, "宇都宮", "東京", ["19:40"], "E1", days=50, group="O-extra", rank=5),
    ]
)


# --------------------------------------------------------------------------
# Edition 2 rules of the program, on row numbers (written as the program has
# them), used here to check that the lists give them their meaning.

def combination_rejected(d: int, st: int, ed: int) -> bool:
    if d == 1:
        return 17 <= st <= 22 and ed > 16
    return 1 <= st <= 16 and 17 <= ed <= 27


def long_class(lo: int, hi: int) -> bool:
    return (1 <= lo <= 9 and 12 <= hi <= 16) or (1 <= lo <= 25 and 28 <= hi <= 32)


def free_seat_class(lo: int, hi: int) -> int:
    if (1 <= lo <= 8 and 12 <= hi <= 16) or (1 <= lo <= 23 and 28 <= hi <= 32):
        return 1
    if (lo == 9 and 12 <= hi <= 16) or (24 <= lo <= 25 and 28 <= hi <= 32):
        return 2
    return 0


TERMINUS_ROW = 16

# --------------------------------------------------------------------------
# Fares

def fare(a: str, b: str) -> int:
    tenths = NETWORK.distance(a, b, FARE_KM)
    return c.fare_for_km((tenths + 9) // 10)


def anchor(x: str) -> str:
    """The trunk station where x's line meets the trunk (x itself on it)."""
    return "盛岡" if x in AKITA else "福島" if x in YAMAGATA else x


def parts(a: str, b: str) -> tuple:
    """Operating tenths of the journey on the Shinkansen, and on each
    conventional line it uses."""
    aa, ab = anchor(a), anchor(b)
    if aa == ab:
        return 0, [abs(KM[a] - KM[b])]
    return abs(KM[aa] - KM[ab]), [KM[x] - KM[anchor(x)] for x in (a, b) if x != anchor(x)]


def express(a: str, b: str) -> int:
    trunk, conventional = parts(a, b)
    amount = c.band(c.SHINKANSEN_EXPRESS, trunk) if trunk else 0
    return amount + sum(c.band(c.CONVENTIONAL_EXPRESS, t) for t in conventional)


def adjacent_on_trunk(a: str, b: str) -> bool:
    return a in TRUNK and b in TRUNK and abs(TRUNK.index(a) - TRUNK.index(b)) == 1


def pair_rows(a: str, b: str) -> tuple:
    """The rows the fare calculation takes: first row of each name in list 1,
    smaller first."""
    ra, rb = c.first_row(ROWS[1], a), c.first_row(ROWS[1], b)
    return min(ra, rb), max(ra, rb)


def free_seat_given(a: str, b: str) -> int:
    """The free-seat charge stored with the pair: a flat charge between
    neighbouring trunk stations, otherwise none (the program derives it)."""
    return c.ADJACENT_FREE_SEAT if adjacent_on_trunk(a, b) else 0


def free_seat_shown(a: str, b: str) -> int:
    given = free_seat_given(a, b)
    if given:
        return given
    return express(a, b) - (510, 870, 1820)[free_seat_class(*pair_rows(a, b))]


def green_charge(a: str, b: str) -> int:
    return c.band(c.GREEN, abs(KM[a] - KM[b]))


def validity_days(tenths: int) -> int:
    return 1 if tenths <= 1000 else 1 + (tenths + 1999) // 2000


COUPON_PAIRS = [("東京", "宇都宮"), ("東京", "那須塩原"), ("東京", "郡山"), ("東京", "福島"), ("東京", "仙台"),
                ("上野", "宇都宮"), ("仙台", "盛岡"), ("東京", "山形")]


def coupon(a: str, b: str) -> int:
    return 6 * c.floor10((fare(a, b) + free_seat_shown(a, b)) * 0.96)


# Discount tickets sold between these pairs. Kinds: 5/6 Shinkansen reserved
# coupons (ordinary/green), 7 なすのきっぷ, 8 なすの reserved coupons,
# 11 weekend, 12 off-peak, 13 こまち coupons, 14 free-seat coupons.
TICKET_PAIRS = [
    ("東京", "宇都宮", [7, 8, 14]), ("東京", "那須塩原", [7, 8]), ("東京", "新白河", [7]),
    ("東京", "郡山", [5, 7, 8, 14]), ("東京", "福島", [5, 6, 14]), ("東京", "仙台", [5, 6, 11, 12]),
    ("東京", "盛岡", [5, 6, 11]), ("東京", "山形", [5, 11, 12]), ("東京", "新庄", [5]),
    ("東京", "秋田", [6, 13]), ("東京", "大曲", [13]), ("東京", "角館", [13]), ("東京", "田沢湖", [13]),
    ("盛岡", "秋田", [13]), ("仙台", "盛岡", [5, 12, 14]), ("大宮", "仙台", [5]),
]
# kind -> (sheets, validity, share, charge); kind 7 counts its validity in days
# (a return ticket: twice the one-way ticket's days).
TICKET_TERMS = {
    5: (6, 3, 0.95, "express"), 6: (4, 3, 0.93, "express-green"), 7: (2, None, 0.88, "free"),
    8: (6, 3, 0.92, "express"), 11: (4, 3, 0.80, "free"), 12: (6, 3, 0.86, "free"),
    13: (4, 3, 0.90, "express"), 14: (6, 3, 0.96, "free"),
}


def ticket_price(a: str, b: str, kind: int) -> tuple:
    sheets, validity, share, charge = TICKET_TERMS[kind]
    base = fare(a, b)
    if charge == "express":
        base += express(a, b)
    elif charge == "express-green":
        base += express(a, b) - c.FREE_SEAT_DISCOUNT + green_charge(a, b)
    else:
        base += free_seat_shown(a, b)
    if validity is None:
        validity = 2 * validity_days(abs(KM[a] - KM[b]))
    return sheets, validity, sheets * c.floor10(base * share)


# --------------------------------------------------------------------------

def build_trains() -> dict:
    return {1: c.build_direction(MODEL, DOWN_PLAN, 1), 2: c.build_direction(MODEL, UP_PLAN, 2)}


def generate() -> dict:
    return c.branched_edition_files(sys.modules[__name__], 2,
                                    "Edition 2: Tohoku, Yamagata and Akita Shinkansen, timetable of March 2000.",
                                    "tools/make_edition2.py",
                                    "validity in months (kind 7: days); price of the whole set.")


# --------------------------------------------------------------------------
# Checks

def check_layout(p: c.Problems) -> None:
    """The rows that the Edition 2 rules name hold what data/README.md says."""
    down, up = ROWS[1], ROWS[2]
    name = "layout"

    def names(rows: list, first: int, last: int) -> list:
        return [rows[r - 1][0] for r in range(first, last + 1)]

    p.check(names(down, 1, 16) == TRUNK, name, 0, "down rows 1..16 are the trunk 東京 .. 盛岡")
    p.check(c.first_row(down, "盛岡", (0, 1)) == TERMINUS_ROW and down[16] == ("盛岡", 2), name, 0,
            "down row 16 is 盛岡's arrival row (end of the Tohoku Shinkansen), row 17 its departure row")
    p.check(names(down, 18, 22) == AKITA, name, 0, "down rows 18..22 are the Akita line")
    p.check(names(down, 23, 32) == YAMAGATA, name, 0, "down rows 23..32 are the Yamagata line")
    p.check(down[8][0] == "福島", name, 0, "down row 9 is 福島, where the Yamagata line leaves")
    p.check(names(down, 12, 16) == ["古川", "一ノ関", "北上", "新花巻", "盛岡"], name, 0,
            "down rows 12..16 are the trunk north of 仙台")
    p.check(names(down, 28, 32) == YAMAGATA[5:], name, 0, "down rows 28..32 are 天童 .. 新庄")
    p.check({n for n in names(up, 1, 16) if n} == set(YAMAGATA), name, 0,
            "up rows 1..16 hold the Yamagata line only")
    p.check(set(names(up, 17, 27)) == set(AKITA) | {"盛岡", "新花巻", "北上", "一ノ関", "古川"}, name, 0,
            "up rows 17..27 are the Akita line and the trunk from 盛岡 to 古川")
    p.check(len(up) <= 50, name, 0, "more than 50 rows")


def check_rules(p: c.Problems, trains: dict) -> None:
    """The combination rule refuses no journey a direct train serves, except
    down journeys that start inside the Akita line (the rule refuses every
    down journey from rows 17..22), and it refuses the journeys between the
    branches in both directions."""
    served_refused, refused, served = c.rule_outcomes(MODEL, trains, combination_rejected)
    inside_akita = {(a, b) for i, a in enumerate(AKITA) for b in AKITA[i + 1:]}
    p.check(served_refused == inside_akita, "rules", 0,
            f"refused although served: {sorted(served_refused ^ inside_akita)}")
    for a in AKITA:
        for b in YAMAGATA:
            p.check((a, b) in refused, "rules", 0, f"{a} -> {b} is not refused")
            p.check((b, a) in refused, "rules", 0, f"{b} -> {a} is not refused")
    for pair in [("東京", "秋田"), ("東京", "新庄"), ("盛岡", "秋田"), ("山形", "東京"), ("秋田", "東京"),
                 ("仙台", "盛岡"), ("福島", "新庄"), ("新庄", "福島"), ("大曲", "盛岡")]:
        p.check(pair in served and pair not in refused, "rules", 0, f"{pair} should be served and accepted")
    # Long journeys: the southern half to the northern end, and onto the
    # 山形 - 新庄 extension.
    for a, b, want_long, want_class in [("東京", "盛岡", True, 1), ("福島", "盛岡", True, 2),
                                        ("東京", "仙台", False, 0), ("東京", "新庄", True, 1),
                                        ("赤湯", "新庄", True, 2), ("東京", "山形", False, 0),
                                        ("仙台", "盛岡", False, 0), ("東京", "秋田", False, 0)]:
        lo, hi = pair_rows(a, b)
        p.check(long_class(lo, hi) == want_long and free_seat_class(lo, hi) == want_class, "rules", 0,
                f"{a}-{b}: long {long_class(lo, hi)}, free-seat class {free_seat_class(lo, hi)}")


def check_files(files: dict) -> list:
    p = c.Problems()
    tables = c.read_all(files, c.expected_headers(STATION_COUNT), p)
    if p.items:
        return p.items
    edition = {f[0]: int(f[1]) for _, f in tables["edition.tsv"][1]}
    p.check(edition == {"edition": 2, "station_count": STATION_COUNT}, "edition.tsv", 0, str(edition))
    check_layout(p)
    known = {("東京", "仙台"): 5780, ("東京", "盛岡"): 8190, ("東京", "山形"): 5780, ("東京", "新庄"): 6830,
             ("東京", "秋田"): 9560}
    regions = [f[0] for _, f in tables["regions.tsv"][1]]
    c.run_checks(p, tables, [
        lambda t, q: c.check_station_lists(t, q, NETWORK, ROWS, STATION_COUNT),
        lambda t, q: c.check_trains(t, q, NETWORK, ROWS, "YOTM", 120),
        c.check_keiyo,
        lambda t, q: c.check_fare_tables(t, q, NETWORK, ROWS[1], known),
        c.check_hotels,
        lambda t, q: c.check_ini(os.path.join(DEFAULT_OUT, "vorlash3.ini"), q, ROWS[1], regions),
    ])
    kinds = {int(f[2]) for _, f in tables["tickets.tsv"][1]}
    p.check({7, 8, 13} <= kinds, "tickets.tsv", 0, f"kinds {sorted(kinds)}: 7, 8 and 13 belong here")
    vehicles = {f[2] for d in (1, 2) for _, f in tables[f"shinkansen_{d}.tsv"][1]}
    p.check(vehicles == {"", "M"}, "shinkansen", 0, "expected trains with and without vehicle M")
    check_rules(p, build_trains())
    return p.items


if __name__ == "__main__":
    sys.exit(c.main(TOOL, DEFAULT_OUT, generate, check_files))
