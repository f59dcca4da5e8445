#!/usr/bin/env python3
"""Writes the sample data of Edition 3 (Joetsu and Nagano Shinkansen, March
2000) as source files for `vorlash-cli build-data`.

    python3 tools/make_edition3.py            write data/edition3/*.tsv
    python3 tools/make_edition3.py --check    fail when the checked-in files differ
    python3 tools/make_edition3.py --out DIR  write into another folder

Standard library only and deterministic. Everything is checked before it is
written: the station lists against the row numbers that the program's
Edition 3 rules name (see data/README.md), the trains, the fares and the
hotels; nothing is written when a check fails.
"""

from __future__ import annotations

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import editions_common as c  # noqa: E402

TOOL = "make_edition3"
DEFAULT_OUT = os.path.join(c.ROOT, "data", "edition3")

# --------------------------------------------------------------------------
# Stations: the Joetsu Shinkansen 東京 - 新潟 (東京 - 大宮 shared with the
# Tohoku line), the Nagano line 高崎 - 長野, and the winter spur 越後湯沢 -
# ガーラ湯沢. Kilometres in tenths from 東京.

TRUNK = ["東京", "上野", "大宮", "熊谷", "高崎", "上毛高原", "越後湯沢", "浦佐", "長岡", "燕三条", "新潟"]
NAGANO = ["安中榛名", "軽井沢", "佐久平", "上田", "長野"]
GALA = ["ガーラ湯沢"]

KM = {
    "東京": 0, "上野": 36, "大宮": 303, "熊谷": 647, "高崎": 1050, "上毛高原": 1516, "越後湯沢": 1992,
    "浦佐": 2289, "長岡": 2706, "燕三条": 2938, "新潟": 3339,
    "安中榛名": 1235, "軽井沢": 1468, "佐久平": 1644, "上田": 1892, "長野": 2224,
    "ガーラ湯沢": 2010,
}

# Non-stop minutes between neighbours for a 240 km/h train (200 series).
MINUTES = [
    ("東京", "上野", 5), ("上野", "大宮", 19), ("大宮", "熊谷", 13), ("熊谷", "高崎", 12),
    ("高崎", "上毛高原", 13), ("上毛高原", "越後湯沢", 13), ("越後湯沢", "浦佐", 8), ("浦佐", "長岡", 11),
    ("長岡", "燕三条", 7), ("燕三条", "新潟", 10),
    ("高崎", "安中榛名", 6), ("安中榛名", "軽井沢", 9), ("軽井沢", "佐久平", 7), ("佐久平", "上田", 9),
    ("上田", "長野", 11),
    ("越後湯沢", "ガーラ湯沢", 3),
]

NETWORK = c.Network(
    trunk=TRUNK,
    branches={"nagano": ("高崎", NAGANO), "gala": ("越後湯沢", GALA)},
    km=KM,
    minutes={frozenset((a, b)): m for a, b, m in MINUTES},
    fixed_speed=frozenset({frozenset(("東京", "上野")), frozenset(("上野", "大宮")),
                           frozenset(("越後湯沢", "ガーラ湯沢"))}),
)
NAMES = NETWORK.names()

# Station lists. "X*" is a station listed twice (arrival row, departure
# row); "" an unused row. The row numbers are the ones the Edition 3 rules of
# the program name: data/README.md explains each.
DOWN_LIST = TRUNK + NAGANO + GALA
UP_LIST = (list(reversed(NAGANO)) + GALA + [""] * 3
           + ["新潟", "燕三条", "長岡*", "浦佐", "越後湯沢", "上毛高原", "高崎", "熊谷", "大宮", "上野", "東京"])
ROWS = {1: c.station_rows(DOWN_LIST), 2: c.station_rows(UP_LIST)}
# Both directions share one row count: the up list's.
STATION_COUNT = max(len(ROWS[1]), len(ROWS[2]))

MODEL = c.Model(
    network=NETWORK,
    rows=ROWS,
    # 200 series 240 km/h; E2 (あさま) on the steep Nagano line; E1 and E4 Max.
    speed={"200": 1.0, "E2": 0.92, "E4": 1.0, "E1": 1.03},
    max_stock=frozenset({"E1", "E4"}),
    dwell={"長岡": 2, "高崎": 1},
    couple_dwell={},
    number_base={"A": 301, "A-extra": 381, "G": 401, "G-extra": 481, "S": 501, "S-extra": 591},
)


def stops(text: str) -> frozenset:
    return c.stop_set(NETWORK, text)


ALL = frozenset(NAMES)
ASAHI_FAST = stops("上野 大宮 高崎 長岡")
ASAHI_FAST2 = stops("上野 大宮 越後湯沢 長岡")
ASAHI_SEMI = stops("上野 大宮 高崎 越後湯沢 浦佐 長岡 燕三条")
ASAMA_FAST = stops("上野 大宮 高崎 軽井沢 佐久平 上田")
ASAMA_ALL = stops("上野 大宮 熊谷 高崎 安中榛名 軽井沢 佐久平 上田")
TANIGAWA = stops("上野 大宮 熊谷 高崎 上毛高原 越後湯沢")

hours = c.hours


def alternate(first: int, last: int, even, odd) -> list:
    return [even if h % 2 == 0 else odd for h in range(first, last + 1)]


DOWN_PLAN = [
    # あさひ 東京 - 新潟.
    c.Service("A", ASAHI_FAST, "東京", "新潟", hours(6, 20, 0), alternate(6, 20, "E1", "200"), group="A", rank=0),
    c.Service("A", ASAHI_SEMI, "東京", "新潟", hours(7, 20, 32), alternate(7, 20, "200", "E4"), group="A", rank=2),
    c.Service("A", ALL, "東京", "長岡", hours(8, 19, 48)[::2], "200", group="A", rank=3),
    c.Service("A", ALL, "越後湯沢", "新潟", ["6:05", "21:35"], "200", group="A", rank=3),
    c.Service("A", ALL, "長岡", "新潟", ["6:30"], "200", group="A", rank=3),
    # あさま 東京 - 長野.
    c.Service("S", ASAMA_FAST, "東京", "長野", hours(6, 21, 12), "E2", group="S", rank=1),
    c.Service("S", ASAMA_ALL, "東京", "長野", hours(7, 20, 28), "E2", group="S", rank=2),
    c.Service("S", ASAMA_FAST, "東京", "長野", hours(10, 20, 44)[::2], "E2", group="S", rank=1),
    c.Service("S", ASAMA_ALL, "東京", "軽井沢", ["8:50", "9:50", "16:50"], "E2", group="S", rank=2),
    c.Service("S", ALL, "軽井沢", "長野", ["6:10", "22:20"], "E2", group="S", rank=3),
    # たにがわ 東京 - 越後湯沢 / 高崎 / ガーラ湯沢.
    c.Service("G", TANIGAWA, "東京", "越後湯沢", hours(6, 21, 20), alternate(6, 21, "E1", "200"), group="G", rank=3),
    c.Service("G", TANIGAWA, "東京", "越後湯沢", hours(7, 20, 8)[::2], "E4", group="G", rank=3),
    c.Service("G", TANIGAWA, "東京", "高崎", ["7:52", "8:52", "9:52", "17:52", "18:52", "19:52", "20:52",
                                           "21:52", "22:40"], alternate(1, 9, "E4", "200"), group="G", rank=4),
    c.Service("G", TANIGAWA, "東京", "ガーラ湯沢", ["7:40", "8:40", "9:40"], "E1", group="G", rank=3),
    c.Service("G", TANIGAWA, "高崎", "越後湯沢", ["6:15", "22:00"], "200", group="G", rank=4),
    # Extra trains that run on some days only.
    c.Service("A", ASAHI_FAST2, "東京", "新潟", ["7:15"], "E1", days=11, group="A-extra", rank=0),
    c.Service("A", ASAHI_SEMI, "東京", "新潟", ["18:45"], "200", days=50, group="A-extra", rank=2),
    c.Service("A", ASAHI_SEMI, "東京", "新潟", ["16:15"], "E4", days=51, group="A-extra", rank=2),
    c.Service("S", ASAMA_FAST, "東京", "長野", ["8:35"], "E2", days=70, group="S-extra", rank=1),
    c.Service("S", ASAMA_ALL, "東京", "長野", ["13:35"], "E2", days=170, group="S-extra", rank=2),
    c.Service("G", TANIGAWA, "東京", "ガーラ湯沢", ["10:40"], "E4", days=70, group="G-extra", rank=3),
    c.Service("G", TANIGAWA, "東京", "越後湯沢", ["12:35"], "200", days=10, group="G-extra", rank=3),
    c.Service("G", TANIGAWA, "東京", "高崎", ["22:55"], "200", days=1, group="G-extra", rank=4),
]

UP_PLAN = [
    c.Service("A", ASAHI_FAST, "新潟", "東京", hours(6, 20, 10), alternate(6, 20, "E1", "200"), group="A", rank=0),
    c.Service("A", ASAHI_SEMI, "新潟", "東京", hours(6, 19, 40), alternate(6, 19, "200", "E4"), group="A", rank=2),
    c.Service("A", ALL, "長岡", "東京", hours(7, 18, 20)[::2], "200", group="A", rank=3),
    c.Service("A", ALL, "新潟", "越後湯沢", ["6:00", "21:30"], "200", group="A", rank=3),
    c.Service("A", ALL, "新潟", "長岡", ["22:30"], "200", group="A", rank=3),
    c.Service("S", ASAMA_FAST, "長野", "東京", hours(6, 21, 5), "E2", group="S", rank=1),
    c.Service("S", ASAMA_ALL, "長野", "東京", hours(6, 19, 35), "E2", group="S", rank=2),
    c.Service("S", ASAMA_FAST, "長野", "東京", hours(9, 19, 50)[::2], "E2", group="S", rank=1),
    c.Service("S", ASAMA_ALL, "軽井沢", "東京", ["15:30", "17:30", "19:30"], "E2", group="S", rank=2),
    c.Service("S", ALL, "長野", "軽井沢", ["6:00", "22:10"], "E2", group="S", rank=3),
    c.Service("G", TANIGAWA, "越後湯沢", "東京", hours(6, 21, 25), alternate(6, 21, "E1", "200"), group="G", rank=3),
    c.Service("G", TANIGAWA, "越後湯沢", "東京", hours(7, 19, 55)[::2], "E4", group="G", rank=3),
    c.Service("G", TANIGAWA, "高崎", "東京", ["6:00", "6:30", "7:00", "7:30", "8:00", "18:30", "20:30",
                                           "21:30", "22:10"], alternate(1, 9, "E4", "200"), group="G", rank=4),
    c.Service("G", TANIGAWA, "ガーラ湯沢", "東京", ["15:20", "16:20", "17:20"], "E1", group="G", rank=3),
    c.Service("G", TANIGAWA, "越後湯沢", "高崎", ["6:10", "22:20"], "200", group="G", rank=4),
    c.Service("A", ASAHI_FAST2, "新潟", "東京", ["7:25"], "E1", days=11, group="A-extra", rank=0),
    c.Service("A", ASAHI_SEMI, "新潟", "東京", ["17:45"], "200", days=70, group="A-extra", rank=2),
    c.Service("A", ASAHI_SEMI, "新潟", "東京", ["19:15"], "E4", days=51, group="A-extra", rank=2),
    c.Service("S", ASAMA_FAST, "長野", "東京", ["18:20"], "E2", days=70, group="S-extra", rank=1),
    c.Service("S", ASAMA_ALL, "長野", "東京", ["7:20"], "E2", days=11, group="S-extra", rank=2),
    c.Service("G", TANIGAWA, "ガーラ湯沢", "東京", ["18:20"], "E4", days=70, group="G-extra", rank=3),
    c.Service("G", TANIGAWA, "越後湯沢", "東京", ["12:40"], "200", days=10, group="G-extra", rank=3),
    c.Service("G", TANIGAWA, "高崎", "東京", ["6:15"], "200", days=1, group="G-extra", rank=4),
]


# --------------------------------------------------------------------------
# Edition 3 rules of the program, on row numbers (written as the program has
# them), used here to check that the lists give them their meaning.

def combination_rejected(d: int, st: int, ed: int) -> bool:
    if d == 1:
        return (8 <= st <= 12 and ed > 12) or (st >= 16 and ed > 16)
    return (1 <= st <= 5 and (ed == 6 or 10 <= ed <= 14)) or (6 <= st <= 9 and 10 <= ed <= 14)


TERMINUS_ROW = 11

# --------------------------------------------------------------------------
# Fares. Shinkansen charges count through 高崎 between the Joetsu and the
# Nagano line.

def distance(a: str, b: str) -> int:
    return NETWORK.distance(a, b, KM)


def fare(a: str, b: str) -> int:
    return c.fare_for_km((distance(a, b) + 9) // 10)


def express(a: str, b: str) -> int:
    return c.band(c.SHINKANSEN_EXPRESS, distance(a, b))


def neighbours(a: str, b: str) -> bool:
    path = NETWORK.path(a, b) if NETWORK.junction_of(a, b) in (a, b) else []
    return len(path) == 2


def free_seat_given(a: str, b: str) -> int:
    return c.ADJACENT_FREE_SEAT if neighbours(a, b) else 0


def free_seat_shown(a: str, b: str) -> int:
    return free_seat_given(a, b) or express(a, b) - c.FREE_SEAT_DISCOUNT


def green_charge(a: str, b: str) -> int:
    return c.band(c.GREEN, abs(KM[a] - KM[b]))


COUPON_PAIRS = [("東京", "高崎"), ("東京", "越後湯沢"), ("東京", "長岡"), ("東京", "新潟"), ("東京", "軽井沢"),
                ("東京", "長野")]


def coupon(a: str, b: str) -> int:
    return 6 * c.floor10((fare(a, b) + free_seat_shown(a, b)) * 0.96)


# Discount tickets sold between these pairs. Kinds: 5/6 Shinkansen reserved
# coupons (ordinary/green), 11 weekend, 12 off-peak, 14 free-seat coupons.
TICKET_PAIRS = [
    ("東京", "熊谷", [14]), ("東京", "高崎", [5, 14]), ("東京", "越後湯沢", [5, 11, 14]),
    ("東京", "長岡", [5, 6]), ("東京", "新潟", [5, 6, 11, 12]), ("東京", "軽井沢", [5, 11, 14]),
    ("東京", "上田", [5]), ("東京", "長野", [5, 6, 11, 12]), ("大宮", "新潟", [5]), ("大宮", "長野", [5]),
]
TICKET_TERMS = {
    5: (6, 3, 0.95, "express"), 6: (4, 3, 0.93, "express-green"), 11: (4, 3, 0.80, "free"),
    12: (6, 3, 0.86, "free"), 14: (6, 3, 0.96, "free"),
}


def ticket_price(a: str, b: str, kind: int) -> tuple:
    sheets, months, share, charge = TICKET_TERMS[kind]
    base = fare(a, b)
    if charge == "express":
        base += express(a, b)
    elif charge == "express-green":
        base += express(a, b) - c.FREE_SEAT_DISCOUNT + green_charge(a, b)
    else:
        base += free_seat_shown(a, b)
    return sheets, months, sheets * c.floor10(base * share)


# --------------------------------------------------------------------------

def build_trains() -> dict:
    return {1: c.build_direction(MODEL, DOWN_PLAN, 1), 2: c.build_direction(MODEL, UP_PLAN, 2)}


def generate() -> dict:
    return c.branched_edition_files(sys.modules[__name__], 3,
                                    "Edition 3: Joetsu and Nagano Shinkansen, timetable of March 2000.",
                                    "tools/make_edition3.py",
                                    "validity in months; price of the whole set.")


# --------------------------------------------------------------------------
# Checks

def check_layout(p: c.Problems) -> None:
    """The rows that the Edition 3 rules name hold what data/README.md says."""
    down, up = ROWS[1], ROWS[2]
    name = "layout"

    def names(rows: list, first: int, last: int) -> list:
        return [rows[r - 1][0] for r in range(first, last + 1)]

    p.check(names(down, 1, 11) == TRUNK, name, 0, "down rows 1..11 are the Joetsu line 東京 .. 新潟")
    p.check(c.first_row(down, "新潟", (0, 1)) == TERMINUS_ROW, name, 0, "down row 11 is 新潟, end of the line")
    p.check(names(down, 8, 11) == ["浦佐", "長岡", "燕三条", "新潟"], name, 0, "down rows 8..11: north of 越後湯沢")
    p.check(names(down, 12, 16) == NAGANO and names(down, 17, 17) == GALA, name, 0,
            "down rows 12..16 the Nagano line, row 17 ガーラ湯沢")
    p.check(names(up, 1, 5) == list(reversed(NAGANO)) and names(up, 6, 6) == GALA, name, 0,
            "up rows 1..5 the Nagano line, row 6 ガーラ湯沢")
    p.check(names(up, 7, 9) == ["", "", ""], name, 0, "up rows 7..9 unused")
    p.check(names(up, 10, 14) == ["新潟", "燕三条", "長岡", "長岡", "浦佐"], name, 0, "up rows 10..14 新潟 .. 浦佐")


def check_rules(p: c.Problems, trains: dict) -> None:
    """The combination rule refuses no journey a direct train serves except
    the down journeys from 安中榛名 (row 12, inside the refused range), and it
    refuses the journeys between the north of the Joetsu line and the Nagano
    line or ガーラ湯沢 in both directions."""
    served_refused, refused, served = c.rule_outcomes(MODEL, trains, combination_rejected)
    from_annaka = {("安中榛名", b) for b in NAGANO[1:]}
    p.check(served_refused == from_annaka, "rules", 0,
            f"refused although served: {sorted(served_refused ^ from_annaka)}")
    north = ["浦佐", "長岡", "燕三条", "新潟"]
    for a in north:
        for b in NAGANO[1:] + GALA:
            p.check((a, b) in refused, "rules", 0, f"{a} -> {b} is not refused")
            p.check((b, a) in refused, "rules", 0, f"{b} -> {a} is not refused")
    p.check(("長野", "ガーラ湯沢") in refused, "rules", 0, "長野 -> ガーラ湯沢 is not refused")
    for pair in [("東京", "新潟"), ("東京", "長野"), ("東京", "ガーラ湯沢"), ("越後湯沢", "ガーラ湯沢"),
                 ("ガーラ湯沢", "越後湯沢"), ("ガーラ湯沢", "東京"), ("長野", "東京"), ("新潟", "東京"),
                 ("高崎", "長野"), ("高崎", "新潟"), ("上田", "長野")]:
        p.check(pair in served and pair not in refused, "rules", 0, f"{pair} should be served and accepted")


def check_files(files: dict) -> list:
    p = c.Problems()
    tables = c.read_all(files, c.expected_headers(STATION_COUNT), p)
    if p.items:
        return p.items
    edition = {f[0]: int(f[1]) for _, f in tables["edition.tsv"][1]}
    p.check(edition == {"edition": 3, "station_count": STATION_COUNT}, "edition.tsv", 0, str(edition))
    check_layout(p)
    known = {("東京", "新潟"): 5460, ("東京", "長野"): 3890}
    regions = [f[0] for _, f in tables["regions.tsv"][1]]
    c.run_checks(p, tables, [
        lambda t, q: c.check_station_lists(t, q, NETWORK, ROWS, STATION_COUNT),
        lambda t, q: c.check_trains(t, q, NETWORK, ROWS, "ASG", 120),
        c.check_keiyo,
        lambda t, q: c.check_fare_tables(t, q, NETWORK, ROWS[1], known),
        c.check_hotels,
        lambda t, q: c.check_ini(os.path.join(DEFAULT_OUT, "vorlash4.ini"), q, ROWS[1], regions),
    ])
    kinds = {int(f[2]) for _, f in tables["tickets.tsv"][1]}
    p.check(not kinds & {7, 8, 13}, "tickets.tsv", 0, f"kinds {sorted(kinds)}: 7, 8 and 13 belong to Edition 2")
    vehicles = {f[2] for d in (1, 2) for _, f in tables[f"shinkansen_{d}.tsv"][1]}
    p.check(vehicles == {"", "M"}, "shinkansen", 0, "expected trains with and without vehicle M")
    check_rules(p, build_trains())
    return p.items


if __name__ == "__main__":
    sys.exit(c.main(TOOL, DEFAULT_OUT, generate, check_files))
