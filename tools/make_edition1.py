#!/usr/bin/env python3
"""Writes the sample data of Edition 1 (Tokaido/Sanyo, March 2000) as source
files for `vorlash-cli build-data`.

    python3 tools/make_edition1.py            write data/edition1/*.tsv
    python3 tools/make_edition1.py --check    fail when the checked-in files differ
    python3 tools/make_edition1.py --out DIR  write into another folder

Standard library only and deterministic: the same script always writes the
same bytes. Everything it writes is checked first (counts, headers, Shift-JIS,
times along every train, dwell at the doubly listed stations, fare figures);
nothing is written when a check fails.

The timetables are modelled, not copied: every train is built from a stopping
pattern, a departure time at its first stop, non-stop minutes per section,
a speed factor for its rolling stock and dwell times. Fares come from the
trunk-line fare rule of 2000; the express charges, coupons and hotels follow
the rules written down in data/README.md.
"""

from __future__ import annotations

import os
import sys
from dataclasses import dataclass

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import editions_common as c  # noqa: E402

TOOL = "make_edition1"
DEFAULT_OUT = os.path.join(c.ROOT, "data", "edition1")

# --------------------------------------------------------------------------
# Stations of the Tokaido and Sanyo Shinkansen, March 2000, with the fare
# kilometres from Tokyo in tenths.

STATIONS = [
    ("東京", 0), ("新横浜", 288), ("小田原", 839), ("熱海", 1046), ("三島", 1207),
    ("新富士", 1462), ("静岡", 1802), ("掛川", 2293), ("浜松", 2571), ("豊橋", 2936),
    ("三河安城", 3363), ("名古屋", 3660), ("岐阜羽島", 3963), ("米原", 4459),
    ("京都", 5136), ("新大阪", 5526), ("新神戸", 5895), ("西明石", 6123), ("姫路", 6443),
    ("相生", 6650), ("岡山", 7329), ("新倉敷", 7581), ("福山", 7912), ("新尾道", 8113),
    ("三原", 8228), ("東広島", 8624), ("広島", 8942), ("新岩国", 9356), ("徳山", 9827),
    ("小郡", 10270), ("厚狭", 10621), ("新下関", 10887), ("小倉", 11077), ("博多", 11749),
]
NAMES = [name for name, _ in STATIONS]
INDEX = {name: i for i, name in enumerate(NAMES)}
KM = dict(STATIONS)
SHIN_OSAKA = INDEX["新大阪"]

# Stations where trains wait: an arrival row followed by a departure row.
TWO_ROW = {"名古屋", "新大阪", "岡山", "広島"}

# Non-stop minutes between neighbouring stations for a 270 km/h train
# (300 series); slower stock multiplies them by its factor.
SEGMENT_MINUTES = [
    14, 14, 5, 4, 6, 8, 11, 7, 8, 10, 8, 9, 12, 14, 13,  # 東京 .. 新大阪
    12, 7, 7, 5, 14, 6, 7, 5, 3, 8, 8, 9, 10, 9, 8, 6, 6, 16,  # 新大阪 .. 博多
]
assert len(SEGMENT_MINUTES) == len(STATIONS) - 1

# The line as a network without branches (for the stop patterns and the
# checks of the trains as written).
NETWORK = c.Network(trunk=NAMES, branches={}, km=KM,
                    minutes={frozenset(pair): m for pair, m in zip(zip(NAMES, NAMES[1:]), SEGMENT_MINUTES)})

# Speed factor on the Tokaido and on the Sanyo line, by vehicle type; the
# empty type is the 0/100 series of ordinary Hikari and Kodama trains.
SPEED = {
    "N": (1.0, 1.0), "N7": (1.0, 0.95), "N5": (1.0, 0.88), "RS": (1.0, 0.95),
    "G": (1.1, 1.08), "W": (1.12, 1.1), "F": (1.12, 1.12), "": (1.12, 1.15),
}


def stop_set(text: str) -> frozenset:
    return c.stop_set(NETWORK, text)


ALL = frozenset(NAMES)
NOZ = stop_set("東京 新横浜 名古屋 京都 新大阪 新神戸 岡山 広島 小倉 博多")
T_H1 = stop_set("東京 新横浜 名古屋 京都 新大阪")
T_H2 = stop_set("東京 新横浜 静岡 浜松 名古屋 岐阜羽島 米原 京都 新大阪")
T_H3 = stop_set("東京 新横浜 小田原 熱海 三島 静岡 浜松 豊橋 名古屋 京都 新大阪")
T_H4 = stop_set("東京 新横浜 小田原 静岡 浜松 名古屋 岐阜羽島 京都 新大阪")
T_H5 = stop_set("東京 新横浜 豊橋 名古屋 米原 京都 新大阪")
T_HX = stop_set("東京 新横浜 静岡 名古屋 京都 新大阪")
S_H1 = stop_set("新大阪 新神戸 姫路 岡山 福山 広島 徳山 小郡 小倉 博多")
S_H2 = stop_set("新大阪 新神戸 西明石 姫路 相生 岡山 新倉敷 福山 三原 広島 新岩国 徳山 "
                "小郡 新下関 小倉 博多")
S_H3 = stop_set("新大阪 新神戸 岡山 福山 広島 徳山 小倉 博多")
S_W = stop_set("新大阪 新神戸 姫路 岡山 福山 三原 広島 新岩国 徳山 小郡 小倉 博多")
HX_H1 = T_HX | S_H1


ROWS = {d: c.station_rows([name + "*" if name in TWO_ROW else name
                          for name in (NAMES if d == 1 else reversed(NAMES))]) for d in (1, 2)}
STATION_COUNT = len(ROWS[1])


# --------------------------------------------------------------------------
# Shinkansen trains


@dataclass
class Service:
    """One line of the plan: trains of one kind and pattern, one per time."""
    letter: str          # N, H, K
    stops: frozenset     # the pattern; origin and destination are added
    origin: str
    dest: str
    times: list          # departure times at the origin, "H:MM"
    vehicle: object = ""  # a type, or a list with one type per time
    days: int = 0
    group: str = ""      # numbering group, see NUMBER_BASE


# First train number of each numbering group; down trains take odd numbers
# from it, up trains even numbers.
NUMBER_BASE = {
    "N-through": 1, "N-extra": 71, "N-osaka": 201,
    "H-through": 101, "H-tokaido": 201, "H-sanyo": 401, "H-extra": 501,
    "K-tokaido": 301, "K-sanyo": 501, "K-short": 601, "K-extra": 701,
}


def running_minutes(a: int, b: int, vehicle: str) -> float:
    """Non-stop minutes between station indices a and b (either order)."""
    lo, hi = min(a, b), max(a, b)
    tokaido, sanyo = SPEED[vehicle]
    return sum(SEGMENT_MINUTES[i] * (tokaido if i < SHIN_OSAKA else sanyo) for i in range(lo, hi))


def dwell(letter: str, name: str) -> int:
    if name == "新大阪":
        return 3
    if name in TWO_ROW and letter != "N":
        return 2
    return 1


def service_path(service: Service, direction: int) -> list:
    a, b = INDEX[service.origin], INDEX[service.dest]
    assert (a < b) == (direction == 1), (service.origin, service.dest, direction)
    step = 1 if a < b else -1
    return list(range(a, b + step, step))


def natural_offsets(path: list, stops: list, vehicle: str, loss: float) -> list:
    """Running minutes from the first station; a stop costs `loss` minutes
    of braking and starting, half on each side."""
    offsets = [0.0]
    for i in range(1, len(path)):
        run = running_minutes(path[i - 1], path[i], vehicle)
        run += (loss / 2 if stops[i - 1] else 0) + (loss / 2 if stops[i] else 0)
        offsets.append(offsets[-1] + run)
    return offsets


def build_train(service: Service, direction: int, start: str, vehicle: str, placed: c.Placed) -> c.Train:
    path = service_path(service, direction)
    stops = [NAMES[i] in service.stops or i in (path[0], path[-1]) for i in path]
    loss = 2 if service.letter == "K" else 1
    offsets = natural_offsets(path, stops, vehicle, loss)
    dwells = [dwell(service.letter, NAMES[i]) for i in path]
    arr, dep = c.place(path, stops, offsets, dwells, c.minutes_of(start), placed,
                       lambda i: True,  # every station has room to be overtaken
                       shifts=train_shifts(service.letter, c.minutes_of(start)))
    train = c.Train(service.letter, service.group, service.days, vehicle)
    last = len(path) - 1
    for k, i in enumerate(path):
        if stops[k]:
            c.record(train, ROWS[direction], NAMES[i], arr[k], dep[k], k == 0, k == last)
    return train


def train_shifts(letter: str, start: int) -> range:
    """Departure minutes a train may move from its planned time to wait
    less on the way; never before 6:00."""
    earliest, latest = {"N": (0, 3), "H": (-3, 8), "K": (-8, 14)}[letter]
    return range(max(earliest, 6 * 60 - start), latest + 1)


def priority(service: Service, direction: int) -> tuple:
    """Faster trains are timed first; slower ones wait for them. Trains that
    run on some days only come after the daily trains of their kind."""
    path = service_path(service, direction)
    stops = [NAMES[i] in service.stops or i in (path[0], path[-1]) for i in path]
    vehicle = service.vehicle[0] if isinstance(service.vehicle, list) else service.vehicle
    offsets = natural_offsets(path, stops, vehicle, 2 if service.letter == "K" else 1)
    km = abs(KM[NAMES[path[-1]]] - KM[NAMES[path[0]]])
    return ({"N": 0, "H": 1, "K": 2}[service.letter], service.days != 0, offsets[-1] / km)


def build_direction(plan: list, direction: int) -> list:
    """Times every train of the plan, then orders the trains by their first
    departure and numbers them by group."""
    placed = c.Placed()
    trains = []
    for service in sorted(plan, key=lambda s: priority(s, direction)):
        vehicles = service.vehicle if isinstance(service.vehicle, list) else [service.vehicle] * len(service.times)
        assert len(vehicles) == len(service.times)
        for start, vehicle in sorted(zip(service.times, vehicles), key=lambda tv: c.minutes_of(tv[0])):
            trains.append(build_train(service, direction, start, vehicle, placed))
    return c.number_trains(trains, direction, NUMBER_BASE, lambda t: t.group)


def through_vehicles(first: int, last: int, n5: set, n7: set) -> list:
    return ["N5" if h in n5 else "N7" if h in n7 else "N" for h in range(first, last + 1)]


# The day's down trains, by pattern and departure time at the first stop.
DOWN_PLAN = [
    # Nozomi: hourly 東京 - 博多, and 東京 - 新大阪 in the peaks and late.
    Service("N", NOZ, "東京", "博多", c.hours(6, 18, 0),
            through_vehicles(6, 18, {6, 9, 12, 15, 17}, {7, 11, 14}), group="N-through"),
    Service("N", NOZ, "東京", "新大阪", c.hours(19, 21, 0) + ["7:30", "8:30", "17:30", "18:30", "19:30"],
            ["N", "N7", "N", "N7", "N", "N", "N7", "N"], group="N-osaka"),
    Service("N", NOZ, "名古屋", "博多", ["6:20"], "N", group="N-through"),
    # Hikari through to the Sanyo line.
    Service("H", HX_H1, "東京", "博多", ["6:03", "9:03", "12:03", "15:03"], "G", group="H-through"),
    Service("H", HX_H1, "東京", "岡山", ["7:03", "10:03", "13:03", "16:03", "18:03"], "N", group="H-through"),
    Service("H", HX_H1, "東京", "広島", ["8:03", "11:03", "14:03", "17:03"], ["G", "N", "G", "N"], group="H-through"),
    Service("H", T_HX | S_H3, "名古屋", "博多", ["6:30"], "N", group="H-through"),
    # Tokaido Hikari.
    Service("H", T_H1, "東京", "新大阪", c.hours(6, 21, 10),
            ["N" if h % 2 == 0 else "" for h in range(6, 22)], group="H-tokaido"),
    Service("H", T_H2, "東京", "新大阪", c.hours(7, 20, 21),
            ["" if h % 3 else "N" for h in range(7, 21)], group="H-tokaido"),
    Service("H", T_H3, "東京", "新大阪", c.hours(7, 19, 42)[::2], "", group="H-tokaido"),
    Service("H", T_H4, "東京", "新大阪", c.hours(8, 20, 42)[::2], "", group="H-tokaido"),
    Service("H", T_H3, "東京", "名古屋", ["21:42"], "", group="H-tokaido"),
    Service("H", T_H5, "東京", "新大阪", c.hours(8, 19, 52), ["N" if h % 2 else "" for h in range(8, 20)],
            group="H-tokaido"),
    # Tokaido Kodama.
    Service("K", ALL, "東京", "名古屋", c.hours(6, 20, 7), group="K-tokaido"),
    Service("K", ALL, "東京", "新大阪", c.hours(6, 18, 35), group="K-tokaido"),
    Service("K", ALL, "東京", "名古屋", ["19:35", "20:35"], group="K-tokaido"),
    Service("K", ALL, "東京", "静岡", c.hours(7, 21, 49)[::2] + c.hours(8, 20, 56)[::2], group="K-tokaido"),
    Service("K", ALL, "東京", "三島", ["22:07", "22:35"], group="K-tokaido"),
    Service("K", ALL, "三島", "名古屋", ["6:10"], group="K-tokaido"),
    Service("K", ALL, "静岡", "新大阪", ["6:00"], group="K-tokaido"),
    Service("K", ALL, "名古屋", "新大阪", ["6:00", "6:40", "21:30", "22:20"], group="K-tokaido"),
    # Sanyo Hikari.
    Service("H", S_H1, "新大阪", "博多", c.hours(7, 18, 20)[::2], "RS", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "博多", c.hours(8, 19, 20)[::2], "RS", group="H-sanyo"),
    Service("H", S_W, "新大阪", "博多", ["8:44", "11:44", "14:44", "17:44"], "W", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "岡山", ["9:50", "15:50", "21:00"], "", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "広島", ["6:15", "12:50", "19:50"], "", group="H-sanyo"),
    Service("H", S_H1, "岡山", "博多", ["6:40"], "RS", group="H-sanyo"),
    Service("H", S_H1, "広島", "博多", ["6:15"], "", group="H-sanyo"),
    # Sanyo Kodama.
    Service("K", ALL, "新大阪", "博多", c.hours(6, 18, 5)[::2], group="K-sanyo"),
    Service("K", ALL, "新大阪", "岡山", c.hours(7, 21, 33)[::2], group="K-sanyo"),
    Service("K", ALL, "新大阪", "広島", ["6:38", "9:38", "12:38", "15:38", "18:38", "20:10"], group="K-sanyo"),
    Service("K", ALL, "岡山", "博多", ["6:00", "10:12", "14:12", "17:12"], group="K-short"),
    Service("K", ALL, "広島", "博多", ["6:00", "7:25"] + c.hours(9, 21, 25)[::2], group="K-short"),
    Service("K", ALL, "小倉", "博多", ["6:10", "7:05", "22:30"], group="K-short"),
    Service("K", ALL, "岡山", "広島", ["6:20", "20:45", "21:50"], group="K-short"),
    Service("K", ALL, "姫路", "岡山", ["6:05"], group="K-short"),
    # Extra trains that run on some days only.
    Service("N", NOZ, "東京", "新大阪", ["6:30"], "N", days=1, group="N-extra"),
    Service("N", NOZ, "東京", "博多", ["9:30"], "N7", days=170, group="N-extra"),
    Service("N", NOZ, "東京", "新大阪", ["20:30"], "N", days=50, group="N-extra"),
    Service("N", NOZ, "東京", "新大阪", ["16:30"], "N7", days=70, group="N-extra"),
    Service("H", T_H1, "東京", "新大阪", ["7:52"], "N", days=11, group="H-extra"),
    Service("H", T_H2, "東京", "新大阪", ["8:15"], "", days=10, group="H-extra"),
    Service("H", HX_H1, "東京", "博多", ["10:45"], "F", days=51, group="H-extra"),
    Service("H", HX_H1, "東京", "岡山", ["9:15"], "F", days=70, group="H-extra"),
    Service("H", T_H4, "東京", "新大阪", ["13:45"], "", days=51, group="H-extra"),
    Service("H", HX_H1, "東京", "広島", ["15:15"], "G", days=1, group="H-extra"),
    Service("H", S_H1, "新大阪", "博多", ["9:50"], "RS", days=170, group="H-extra"),
    Service("H", S_H1, "岡山", "博多", ["7:15"], "", days=11, group="H-extra"),
    Service("H", T_H3, "東京", "名古屋", ["18:45"], "", days=50, group="H-extra"),
    Service("K", ALL, "東京", "静岡", ["22:20"], days=11, group="K-extra"),
    Service("K", ALL, "東京", "三島", ["22:50"], days=50, group="K-extra"),
    Service("K", ALL, "名古屋", "新大阪", ["22:40"], days=170, group="K-extra"),
    Service("K", ALL, "新大阪", "岡山", ["22:00"], days=10, group="K-extra"),
    Service("K", ALL, "広島", "博多", ["21:55"], days=1, group="K-extra"),
    Service("K", ALL, "東京", "名古屋", ["19:55"], days=51, group="K-extra"),
    Service("K", ALL, "静岡", "名古屋", ["7:30"], days=11, group="K-extra"),
]

# The day's up trains.
UP_PLAN = [
    # Nozomi.
    Service("N", NOZ, "博多", "東京", c.hours(6, 18, 0),
            through_vehicles(6, 18, {7, 10, 13, 16, 18}, {8, 12, 15}), group="N-through"),
    Service("N", NOZ, "新大阪", "東京", ["6:00", "6:30", "7:00", "7:30", "8:00", "17:45", "18:45",
                                        "19:45", "20:45", "21:15"],
            ["N", "N7", "N", "N", "N7", "N", "N7", "N", "N", "N7"], group="N-osaka"),
    Service("N", NOZ, "広島", "東京", ["6:10"], "N", group="N-through"),
    # Hikari through from the Sanyo line.
    Service("H", HX_H1, "博多", "東京", ["6:30", "8:10", "11:10", "14:10"], "G", group="H-through"),
    Service("H", HX_H1, "岡山", "東京", ["6:25", "9:40", "12:40", "15:40", "17:40"], "N", group="H-through"),
    Service("H", HX_H1, "広島", "東京", ["7:05", "10:05", "13:05", "16:05"], ["G", "N", "G", "N"],
            group="H-through"),
    Service("H", T_HX | S_H3, "博多", "名古屋", ["17:30"], "N", group="H-through"),
    # Tokaido Hikari.
    Service("H", T_H1, "新大阪", "東京", c.hours(6, 20, 5),
            ["N" if h % 2 == 0 else "" for h in range(6, 21)], group="H-tokaido"),
    Service("H", T_H2, "新大阪", "東京", c.hours(6, 19, 16),
            ["" if h % 3 else "N" for h in range(6, 20)], group="H-tokaido"),
    Service("H", T_H3, "新大阪", "東京", c.hours(6, 18, 38)[::2], "", group="H-tokaido"),
    Service("H", T_H4, "新大阪", "東京", c.hours(7, 19, 38)[::2], "", group="H-tokaido"),
    Service("H", T_H3, "名古屋", "東京", ["6:00", "21:00"], "", group="H-tokaido"),
    Service("H", T_H5, "新大阪", "東京", c.hours(8, 19, 50), ["N" if h % 2 else "" for h in range(8, 20)],
            group="H-tokaido"),
    # Tokaido Kodama.
    Service("K", ALL, "新大阪", "東京", c.hours(6, 19, 12), group="K-tokaido"),
    Service("K", ALL, "名古屋", "東京", c.hours(6, 20, 24), group="K-tokaido"),
    Service("K", ALL, "静岡", "東京", ["6:05", "6:45", "7:20", "8:05", "10:15", "13:15", "16:15",
                                     "19:15", "21:30"], group="K-tokaido"),
    Service("K", ALL, "三島", "東京", ["6:12", "7:00", "22:10"], group="K-tokaido"),
    Service("K", ALL, "浜松", "東京", ["6:00"], group="K-tokaido"),
    Service("K", ALL, "新大阪", "名古屋", ["20:30", "21:20", "22:10"], group="K-tokaido"),
    # Sanyo Hikari.
    Service("H", S_H1, "博多", "新大阪", c.hours(6, 17, 50)[::2], "RS", group="H-sanyo"),
    Service("H", S_H2, "博多", "新大阪", c.hours(7, 18, 50)[::2], "RS", group="H-sanyo"),
    Service("H", S_W, "博多", "新大阪", ["8:20", "11:20", "14:20", "17:20"], "W", group="H-sanyo"),
    Service("H", S_H2, "岡山", "新大阪", ["6:00", "12:20", "20:40"], "", group="H-sanyo"),
    Service("H", S_H2, "広島", "新大阪", ["6:20", "15:20", "19:30"], "", group="H-sanyo"),
    Service("H", S_H1, "博多", "岡山", ["19:20"], "RS", group="H-sanyo"),
    Service("H", S_H1, "博多", "広島", ["21:00"], "", group="H-sanyo"),
    # Sanyo Kodama.
    Service("K", ALL, "博多", "新大阪", c.hours(6, 18, 8)[::2], group="K-sanyo"),
    Service("K", ALL, "岡山", "新大阪", ["6:10"] + c.hours(8, 20, 30)[::2] + ["22:00"], group="K-sanyo"),
    Service("K", ALL, "広島", "新大阪", ["6:05", "8:45", "11:45", "14:45", "17:45", "19:55"],
            group="K-sanyo"),
    Service("K", ALL, "博多", "岡山", ["7:35", "11:35", "15:35", "18:35"], group="K-short"),
    Service("K", ALL, "博多", "広島", ["6:20", "7:50"] + c.hours(9, 21, 45)[::2], group="K-short"),
    Service("K", ALL, "博多", "小倉", ["6:05", "22:05", "23:05"], group="K-short"),
    Service("K", ALL, "広島", "岡山", ["6:30", "21:10", "22:15"], group="K-short"),
    Service("K", ALL, "岡山", "姫路", ["22:30"], group="K-short"),
    # Extra trains that run on some days only.
    Service("N", NOZ, "新大阪", "東京", ["6:45"], "N", days=1, group="N-extra"),
    Service("N", NOZ, "博多", "東京", ["9:30"], "N7", days=170, group="N-extra"),
    Service("N", NOZ, "新大阪", "東京", ["20:15"], "N7", days=70, group="N-extra"),
    Service("N", NOZ, "新大阪", "東京", ["16:45"], "N", days=50, group="N-extra"),
    Service("H", T_H1, "新大阪", "東京", ["7:45"], "N", days=11, group="H-extra"),
    Service("H", T_H2, "新大阪", "東京", ["8:28"], "", days=10, group="H-extra"),
    Service("H", HX_H1, "博多", "東京", ["12:40"], "F", days=70, group="H-extra"),
    Service("H", HX_H1, "岡山", "東京", ["14:50"], "F", days=51, group="H-extra"),
    Service("H", T_H4, "新大阪", "東京", ["17:25"], "", days=51, group="H-extra"),
    Service("H", HX_H1, "広島", "東京", ["8:40"], "G", days=1, group="H-extra"),
    Service("H", S_H1, "博多", "新大阪", ["16:25"], "RS", days=170, group="H-extra"),
    Service("H", S_H1, "博多", "岡山", ["20:20"], "", days=50, group="H-extra"),
    Service("H", T_H3, "名古屋", "東京", ["19:50"], "", days=70, group="H-extra"),
    Service("K", ALL, "静岡", "東京", ["7:40"], days=11, group="K-extra"),
    Service("K", ALL, "三島", "東京", ["7:50"], days=11, group="K-extra"),
    Service("K", ALL, "名古屋", "東京", ["20:55"], days=51, group="K-extra"),
    Service("K", ALL, "岡山", "新大阪", ["21:35"], days=10, group="K-extra"),
    Service("K", ALL, "博多", "広島", ["22:00"], days=1, group="K-extra"),
    Service("K", ALL, "新大阪", "名古屋", ["22:35"], days=170, group="K-extra"),
]


# --------------------------------------------------------------------------
# Keiyo line


# --------------------------------------------------------------------------
# Fares


# Past 徳山 the fare counts the 岩徳線 route, 4.4 km longer than the line.
IWATOKU_EAST, IWATOKU_WEST = INDEX["新岩国"], INDEX["徳山"]


def fare_km_tenths(a: str, b: str) -> int:
    lo, hi = sorted((INDEX[a], INDEX[b]))
    tenths = KM[NAMES[hi]] - KM[NAMES[lo]]
    if lo <= IWATOKU_EAST and hi >= IWATOKU_WEST:
        tenths += 44
    return tenths


def fare(a: str, b: str) -> int:
    return c.fare_for_km((fare_km_tenths(a, b) + 9) // 10)


def distance_tenths(a: str, b: str) -> int:
    return abs(KM[a] - KM[b])


# Reserved-seat express charge, normal season, by distance (upper km, yen).
EXPRESS_BANDS = [
    (50, 2390), (100, 2900), (150, 3190), (200, 3520), (250, 3830), (300, 4180),
    (400, 4490), (500, 4830), (600, 5240), (700, 5670), (800, 6090), (900, 6610),
    (1000, 7140), (1100, 7660), (1200, 8280),
]
# Nozomi supplement over the Hikari charge, by distance.
NOZOMI_BANDS = [(100, 310), (200, 510), (400, 730), (600, 970), (800, 1180),
                (1000, 1390), (1200, 1600)]
ADJACENT_FREE_SEAT = 860   # free-seat charge between neighbouring stations


def express(a: str, b: str) -> int:
    return c.band(EXPRESS_BANDS, distance_tenths(a, b))


def free_seat(a: str, b: str) -> int:
    if abs(INDEX[a] - INDEX[b]) == 1:
        return ADJACENT_FREE_SEAT
    return express(a, b) - c.FREE_SEAT_DISCOUNT


def nozomi_express(a: str, b: str) -> int:
    return express(a, b) + c.band(NOZOMI_BANDS, distance_tenths(a, b))


def green_charge(a: str, b: str) -> int:
    return c.band(c.GREEN, distance_tenths(a, b))


# Pairs with a six-sheet free-seat coupon set.
COUPON_PAIRS = [
    ("東京", "小田原"), ("東京", "三島"), ("東京", "名古屋"), ("東京", "京都"),
    ("東京", "新大阪"), ("名古屋", "京都"), ("名古屋", "新大阪"), ("新大阪", "岡山"),
    ("新大阪", "広島"), ("新大阪", "博多"), ("岡山", "広島"), ("広島", "博多"),
    ("小倉", "博多"),
]


def coupon(a: str, b: str) -> int:
    return 6 * c.floor10((fare(a, b) + free_seat(a, b)) * 0.96)


# Discount tickets: per pair the kinds sold. Kinds: 1/2 Nozomi reserved
# (ordinary/green), 3/4 economy, 5/6 Shinkansen reserved, 9/10 Tokyo business,
# 11 weekend, 12 off-peak, 14 free-seat coupons.
TICKET_PAIRS = [
    ("東京", "静岡", [5, 14]), ("東京", "浜松", [5, 14]),
    ("東京", "名古屋", [1, 2, 5, 6, 9, 10, 11, 12]),
    ("東京", "京都", [1, 2, 3, 4, 5, 6, 9, 10, 11, 12]),
    ("東京", "新大阪", [1, 2, 3, 4, 5, 6, 9, 10, 11, 12]),
    ("東京", "岡山", [1, 2, 5, 6]), ("東京", "広島", [1, 2, 5, 6, 11]),
    ("東京", "博多", [1, 2, 5, 6, 11]),
    ("新横浜", "名古屋", [1, 5, 9, 14]), ("新横浜", "新大阪", [1, 2, 5, 6, 9, 10]),
    ("名古屋", "京都", [5]), ("名古屋", "新大阪", [1, 5, 11, 12]),
    ("名古屋", "広島", [1, 5]), ("名古屋", "博多", [1, 2, 5, 6]),
    ("新大阪", "岡山", [1, 5, 12]), ("新大阪", "広島", [1, 2, 5, 6, 11, 12]),
    ("新大阪", "小倉", [1, 5]), ("新大阪", "博多", [1, 2, 5, 6, 11, 12]),
    ("岡山", "博多", [1, 5, 14]), ("広島", "博多", [1, 5, 11, 12]),
]
# kind -> (sheets, validity in months, discount factor, which charge)
TICKET_TERMS = {
    1: (6, 3, 0.95, "nozomi"), 2: (4, 3, 0.93, "nozomi-green"),
    3: (2, 1, 0.85, "express"), 4: (2, 1, 0.85, "express-green"),
    5: (6, 3, 0.95, "express"), 6: (4, 3, 0.93, "express-green"),
    9: (6, 1, 0.92, "nozomi"), 10: (2, 1, 0.90, "nozomi-green"),
    11: (4, 3, 0.80, "free"), 12: (6, 3, 0.86, "free"), 14: (6, 3, 0.96, "free"),
}


def ticket_price(a: str, b: str, kind: int) -> tuple:
    sheets, months, factor, charge = TICKET_TERMS[kind]
    base = fare(a, b)
    if charge == "nozomi":
        base += nozomi_express(a, b)
    elif charge == "nozomi-green":
        base += nozomi_express(a, b) - c.FREE_SEAT_DISCOUNT + green_charge(a, b)
    elif charge == "express":
        base += express(a, b)
    elif charge == "express-green":
        base += express(a, b) - c.FREE_SEAT_DISCOUNT + green_charge(a, b)
    else:
        base += free_seat(a, b)
    return sheets, months, sheets * c.floor10(base * factor)


def ordered(a: str, b: str) -> tuple:
    return (a, b) if INDEX[a] < INDEX[b] else (b, a)


# --------------------------------------------------------------------------
# Hotels

# Edition 1 lists the regions of the shared hotel table without those the
# Tohoku and Joetsu/Nagano Editions added, and fewer hotels in some of the
# regions the Editions share (same tuple layout as c.REGIONS).
REGIONS_LEFT_OUT = {
    "一関", "北上", "花巻", "角館", "大曲", "米沢", "天童", "新庄", "白石",
    "会津若松", "長岡", "燕三条", "越後湯沢", "上田", "軽井沢", "那須", "高崎",
}
REGION_DISTRICTS = {
    "仙台": [("仙台駅前", "仙台", 3, "bcl"), ("国分町", "勾当台公園", 2, "bc")],
    "盛岡": [("駅前", "盛岡", 2, "bc")],
    "秋田": [("駅前", "秋田", 2, "bc")],
    "山形": [("駅前", "山形", 2, "b")],
    "福島": [("駅前", "福島", 2, "b")],
    "郡山": [("駅前", "郡山", 2, "bc")],
    "新潟": [("駅前", "新潟", 2, "bc"), ("万代", "新潟", 1, "c")],
    "長野": [("駅前", "長野", 2, "bc"), ("善光寺", "長野", 1, "r")],
    "宇都宮": [("駅前", "宇都宮", 2, "b")],
}
REGIONS = [(name, area, code, REGION_DISTRICTS.get(name, districts))
           for name, area, code, districts in c.REGIONS if name not in REGIONS_LEFT_OUT]


# --------------------------------------------------------------------------
# Writing the files

def generate() -> dict:
    files = {}
    files["edition.tsv"] = c.tsv(["key", "value"], [("edition", 1), ("station_count", STATION_COUNT)],
                                 "Edition 1: Tokaido and Sanyo Shinkansen, timetable of March 2000.")

    station_rows = [(d, r, name, kind) for d in (1, 2) for r, (name, kind) in enumerate(ROWS[d], start=1)]
    files["shinkansen_stations.tsv"] = c.tsv(
        ["direction", "row", "name", "kind"], station_rows,
        "Direction 1 runs 東京 -> 博多, direction 2 博多 -> 東京. Kind 1 is the arrival\n"
        "row and kind 2 the departure row of a station where trains wait.")

    for d, plan in ((1, DOWN_PLAN), (2, UP_PLAN)):
        header = ["code", "days", "vehicle"] + [f"r{i}" for i in range(1, STATION_COUNT + 1)]
        files[f"shinkansen_{d}.tsv"] = c.tsv(header, c.timetable_rows(build_direction(plan, d), STATION_COUNT),
                                             "Generated by tools/make_edition1.py.")

    files.update(c.keiyo_files("tools/make_edition1.py"))

    files["km.tsv"] = c.tsv(["station", "km"], [(name, c.km_text(km)) for name, km in STATIONS],
                            "Operating kilometres from 東京.")
    pair_rows = []
    coupon_pairs = {ordered(a, b) for a, b in COUPON_PAIRS}
    for i, a in enumerate(NAMES):
        for b in NAMES[i + 1:]:
            explicit_free = ADJACENT_FREE_SEAT if abs(INDEX[a] - INDEX[b]) == 1 else 0
            pair_rows.append((a, b, fare(a, b), express(a, b), explicit_free,
                              coupon(a, b) if (a, b) in coupon_pairs else 0))
    files["fare_pairs.tsv"] = c.tsv(["station_a", "station_b", "fare", "express", "free_seat_express", "coupon"],
                                    pair_rows, "Fares and reserved-seat express charges (normal season); see "
                                    "data/README.md.")
    files["green.tsv"] = c.tsv(["upper_km", "green", "room_1_2", "room_3_4"],
                               [(upper, g, c.floor10(g * 1.55 + 5), c.floor10(g * 1.25 + 5)) for upper, g in c.GREEN])
    ticket_rows = []
    for a, b, kinds in TICKET_PAIRS:
        a, b = ordered(a, b)
        for kind in kinds:
            sheets, months, price = ticket_price(a, b, kind)
            ticket_rows.append((a, b, kind, sheets, months, price))
    files["tickets.tsv"] = c.tsv(["station_a", "station_b", "kind", "sheets", "validity", "price"], ticket_rows,
                                 "validity in months; price of the whole set.")
    nozomi_rows = []
    nozomi_stops = [name for name in NAMES if name in NOZ]
    for i, a in enumerate(nozomi_stops):
        for b in nozomi_stops[i + 1:]:
            nozomi_rows.append((a, b, nozomi_express(a, b), nozomi_express(a, b) - express(a, b), 0))
    files["nozomi.tsv"] = c.tsv(["station_a", "station_b", "nozomi_express", "supplement", "spare"], nozomi_rows)

    files.update(c.hotel_files(REGIONS))
    return files


# --------------------------------------------------------------------------
# Checking the files as written

VEHICLES = frozenset({"", "N", "G", "W", "N5", "F", "N7", "RS"})


def check_fares(tables: dict, p: c.Problems) -> None:
    """The shared fare-record checks, the known express charges, the tickets
    (Nozomi kinds included) and the Nozomi charges."""
    known = {("東京", "名古屋"): (6090, 4490), ("東京", "京都"): (7980, None), ("東京", "新大阪"): (8510, 5240),
             ("東京", "岡山"): (10190, None), ("東京", "広島"): (11340, None), ("東京", "博多"): (13440, 8280)}
    seen = c.check_fare_pairs(tables, p, NETWORK, ROWS[1], {pair: f for pair, (f, _) in known.items()})
    for pair, (_, want_express) in known.items():
        got = seen.get(pair, (0, 0, 0, 0))
        p.check(want_express is None or got[1] == want_express, "fare_pairs.tsv", 0,
                f"{pair} express {got[1]}, expected {want_express}")
    _, ticket_rows = tables["tickets.tsv"]
    kinds = set()
    p.check(len(ticket_rows) <= 500, "tickets.tsv", 0, "more than 500 tickets")
    for line, (a, b, kind, sheets, validity, price) in ticket_rows:
        kinds.add(int(kind))
        p.check((a, b) in seen, "tickets.tsv", line, f"pair {a}-{b} has no fare record")
        p.check(1 <= int(kind) <= 14 and 1 <= int(sheets) <= 63 and int(validity) in (1, 3), "tickets.tsv", line,
                "kind, sheets or validity out of range")
        p.check(int(price) % int(sheets) == 0, "tickets.tsv", line, "price not divisible by the sheets")
    p.check({1, 2, 5, 6, 9, 10, 11, 12, 14} <= kinds, "tickets.tsv", 0, f"kinds {sorted(kinds)}")
    _, nozomi_rows = tables["nozomi.tsv"]
    p.check(0 < len(nozomi_rows) <= 100, "nozomi.tsv", 0, "1..100 records")
    for line, (a, b, charge, supplement, _spare) in nozomi_rows:
        base = seen.get((a, b), (0, 0, 0, 0))[1]
        p.check(int(charge) - int(supplement) == base, "nozomi.tsv", line,
                f"{a}-{b}: Nozomi charge is not the express charge plus the supplement")
        if (a, b) == ("東京", "新大阪"):
            p.check((int(charge), int(supplement)) == (6210, 970), "nozomi.tsv", line, "東京-新大阪 6210 / 970")


def check_files(files: dict) -> list:
    p = c.Problems()
    tables = c.read_all(files, c.expected_headers(STATION_COUNT), p)
    if p.items:
        return p.items
    edition = {f[0]: int(f[1]) for _, f in tables["edition.tsv"][1]}
    p.check(edition == {"edition": 1, "station_count": STATION_COUNT}, "edition.tsv", 0, str(edition))
    c.run_checks(p, tables, [
        lambda t, q: c.check_station_lists(t, q, NETWORK, ROWS, STATION_COUNT),
        lambda t, q: c.check_trains(t, q, NETWORK, ROWS, "NHK", 200, VEHICLES),
        c.check_keiyo,
        check_fares,
        c.check_hotels,
    ])
    return p.items


if __name__ == "__main__":
    sys.exit(c.main(TOOL, DEFAULT_OUT, generate, check_files))
