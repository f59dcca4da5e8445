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

import argparse
import math
import os
import re
import sys
import tempfile
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUT = os.path.join(ROOT, "data", "edition1")

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

# Speed factor on the Tokaido and on the Sanyo line, by vehicle type; the
# empty type is the 0/100 series of ordinary Hikari and Kodama trains.
SPEED = {
    "N": (1.0, 1.0), "N7": (1.0, 0.95), "N5": (1.0, 0.88), "RS": (1.0, 0.95),
    "G": (1.1, 1.08), "W": (1.12, 1.1), "F": (1.12, 1.12), "": (1.12, 1.15),
}

# Smallest gap, in minutes, between two trains of one direction at a station
# (departing, passing or arriving).
HEADWAY = 2

def stop_set(text: str) -> frozenset:
    names = frozenset(text.split())
    unknown = names - set(NAMES)
    assert not unknown, unknown
    return names


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


def station_rows(direction: int) -> list:
    """(name, kind) of rows 1..S in travel order."""
    order = NAMES if direction == 1 else list(reversed(NAMES))
    rows = []
    for name in order:
        if name in TWO_ROW:
            rows += [(name, 1), (name, 2)]
        else:
            rows.append((name, 0))
    return rows


ROWS = {d: station_rows(d) for d in (1, 2)}
STATION_COUNT = len(ROWS[1])


def row_of(direction: int, name: str, kind: str) -> int:
    """1-based row of a station: kind 'arr' or 'dep' picks the row of a
    doubly listed station, otherwise its only row."""
    for i, (row_name, row_kind) in enumerate(ROWS[direction], start=1):
        if row_name != name:
            continue
        if row_kind == 0 or (row_kind == 1 and kind == "arr") or (row_kind == 2 and kind == "dep"):
            return i
    raise KeyError(name)


def hhmm(minutes: int) -> str:
    return f"{minutes // 60}:{minutes % 60:02d}"


def minutes_of(text: str) -> int:
    hour, minute = text.split(":")
    return int(hour) * 60 + int(minute)


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


@dataclass
class Train:
    letter: str
    group: str
    days: int
    vehicle: str
    times: dict = field(default_factory=dict)  # row -> minutes
    code: str = ""


# First train number of each numbering group; down trains take odd numbers
# from it, up trains even numbers.
NUMBER_BASE = {
    "N-through": 1, "N-extra": 71, "N-osaka": 201,
    "H-through": 101, "H-tokaido": 201, "H-sanyo": 401, "H-extra": 501,
    "K-tokaido": 301, "K-sanyo": 501, "K-short": 601, "K-extra": 701,
}


def hours(first: int, last: int, minute: int) -> list:
    return [f"{h}:{minute:02d}" for h in range(first, last + 1)]


def running_minutes(a: int, b: int, vehicle: str) -> float:
    """Non-stop minutes between station indices a and b (either order)."""
    lo, hi = min(a, b), max(a, b)
    tokaido, sanyo = SPEED[vehicle]
    return sum(SEGMENT_MINUTES[i] * (tokaido if i < SHIN_OSAKA else sanyo) for i in range(lo, hi))


class Placed:
    """Clocks of the trains timed so far, per section of one direction:
    (station a, station b) -> [(departure or passing time at a, arrival or
    passing time at b)]."""

    def __init__(self) -> None:
        self.sections: dict = {}

    def add(self, path: list, arr: list, dep: list) -> None:
        for i in range(1, len(path)):
            self.sections.setdefault((path[i - 1], path[i]), []).append((dep[i - 1], arr[i]))


def place(path: list, stops: list, offsets: list, dwells: list, start: int, placed: Placed,
          can_wait, shifts: range = range(1)) -> tuple:
    """Times the train (time_train) for each departure start + shift and
    keeps the one with the shortest journey (a train that leaves a little
    earlier or later often waits less for overtaking trains); the chosen
    times are added to placed."""
    best = None
    for shift in shifts:
        arr, dep = time_train(path, stops, offsets, dwells, start + shift, placed, can_wait)
        cost = arr[-1] - dep[0] + abs(shift) / 2
        if best is None or cost < best[0]:
            best = (cost, arr, dep)
    _, arr, dep = best
    placed.add(path, arr, dep)
    return arr, dep


def time_train(path: list, stops: list, offsets: list, dwells: list, start: int, placed: Placed,
               can_wait) -> tuple:
    """Times one train along path (station keys in travel order).

    offsets[i] is the natural running time from path[0] to path[i] without
    dwell; stops[i] tells whether the train stops at path[i]; dwells[i] is its
    least dwell there. The train keeps HEADWAY to every train already placed
    in each section, and never overtakes or is overtaken between stations:
    when it would be, it waits longer at its last stop where waiting is
    possible (can_wait(station), or the first station). Returns the arrival
    and departure minutes at every station of the path (equal when passing).
    """
    n = len(path)
    extra = [0] * n
    for _ in range(1000):
        arr, dep = [start + extra[0]] * n, [start + extra[0]] * n
        anchor = 0
        for i in range(1, n):
            arr[i] = dep[anchor] + math.floor(offsets[i] - offsets[anchor] + 0.5)
            if stops[i] and i < n - 1:
                dep[i] = arr[i] + dwells[i] + extra[i]
                anchor = i
            else:
                dep[i] = arr[i]
        deficit, where = 0, 0
        for i in range(1, n):
            for x_dep, x_arr in placed.sections.get((path[i - 1], path[i]), ()):
                if x_dep <= dep[i - 1]:  # the other train is ahead: follow it
                    need = max(x_dep + HEADWAY - dep[i - 1], x_arr + HEADWAY - arr[i])
                elif x_dep < dep[i - 1] + HEADWAY or x_arr < arr[i] + HEADWAY:
                    need = x_dep + HEADWAY - dep[i - 1]  # it comes too close: let it pass first
                else:
                    need = 0
                if need > deficit:
                    deficit = need
            if deficit > 0:
                where = max(j for j in range(i) if j == 0 or (stops[j] and can_wait(path[j])))
                break
        if deficit == 0:
            return arr, dep
        extra[where] += deficit
    raise RuntimeError(f"cannot place the train leaving {path[0]} at {hhmm(start)}")


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


def build_train(service: Service, direction: int, start: str, vehicle: str, placed: Placed) -> Train:
    path = service_path(service, direction)
    stops = [NAMES[i] in service.stops or i in (path[0], path[-1]) for i in path]
    loss = 2 if service.letter == "K" else 1
    offsets = natural_offsets(path, stops, vehicle, loss)
    dwells = [dwell(service.letter, NAMES[i]) for i in path]
    arr, dep = place(path, stops, offsets, dwells, minutes_of(start), placed,
                     lambda i: True,  # every station has room to be overtaken
                     shifts=train_shifts(service.letter, minutes_of(start)))
    train = Train(service.letter, service.group, service.days, vehicle)
    last = len(path) - 1
    for k, i in enumerate(path):
        if not stops[k]:
            continue
        name = NAMES[i]
        if k == 0:
            train.times[row_of(direction, name, "dep")] = dep[k]
        elif k == last:
            train.times[row_of(direction, name, "arr")] = arr[k]
        elif name in TWO_ROW:
            train.times[row_of(direction, name, "arr")] = arr[k]
            train.times[row_of(direction, name, "dep")] = dep[k]
        else:
            train.times[row_of(direction, name, "dep")] = dep[k]
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
    placed = Placed()
    trains = []
    for service in sorted(plan, key=lambda s: priority(s, direction)):
        vehicles = service.vehicle if isinstance(service.vehicle, list) else [service.vehicle] * len(service.times)
        assert len(vehicles) == len(service.times)
        for start, vehicle in sorted(zip(service.times, vehicles), key=lambda tv: minutes_of(tv[0])):
            trains.append(build_train(service, direction, start, vehicle, placed))
    trains.sort(key=lambda t: (min(t.times.values()), min(t.times), t.group))
    counters = dict(NUMBER_BASE)
    for train in trains:
        number = counters[train.group] + (0 if direction == 1 else 1)
        counters[train.group] += 2
        train.code = f"{train.letter}{number}"
    return trains


def through_vehicles(first: int, last: int, n5: set, n7: set) -> list:
    return ["N5" if h in n5 else "N7" if h in n7 else "N" for h in range(first, last + 1)]


# The day's down trains, by pattern and departure time at the first stop.
DOWN_PLAN = [
    # Nozomi: hourly 東京 - 博多, and 東京 - 新大阪 in the peaks and late.
    Service("N", NOZ, "東京", "博多", hours(6, 18, 0),
            through_vehicles(6, 18, {6, 9, 12, 15, 17}, {7, 11, 14}), group="N-through"),
    Service("N", NOZ, "東京", "新大阪", hours(19, 21, 0) + ["7:30", "8:30", "17:30", "18:30", "19:30"],
            ["N", "N7", "N", "N7", "N", "N", "N7", "N"], group="N-osaka"),
    Service("N", NOZ, "名古屋", "博多", ["6:20"], "N", group="N-through"),
    # Hikari through to the Sanyo line.
    Service("H", HX_H1, "東京", "博多", ["6:03", "9:03", "12:03", "15:03"], "G", group="H-through"),
    Service("H", HX_H1, "東京", "岡山", ["7:03", "10:03", "13:03", "16:03", "18:03"], "N", group="H-through"),
    Service("H", HX_H1, "東京", "広島", ["8:03", "11:03", "14:03", "17:03"], ["G", "N", "G", "N"], group="H-through"),
    Service("H", T_HX | S_H3, "名古屋", "博多", ["6:30"], "N", group="H-through"),
    # Tokaido Hikari.
    Service("H", T_H1, "東京", "新大阪", hours(6, 21, 10),
            ["N" if h % 2 == 0 else "" for h in range(6, 22)], group="H-tokaido"),
    Service("H", T_H2, "東京", "新大阪", hours(7, 20, 21),
            ["" if h % 3 else "N" for h in range(7, 21)], group="H-tokaido"),
    Service("H", T_H3, "東京", "新大阪", hours(7, 19, 42)[::2], "", group="H-tokaido"),
    Service("H", T_H4, "東京", "新大阪", hours(8, 20, 42)[::2], "", group="H-tokaido"),
    Service("H", T_H3, "東京", "名古屋", ["21:42"], "", group="H-tokaido"),
    Service("H", T_H5, "東京", "新大阪", hours(8, 19, 52), ["N" if h % 2 else "" for h in range(8, 20)],
            group="H-tokaido"),
    # Tokaido Kodama.
    Service("K", ALL, "東京", "名古屋", hours(6, 20, 7), group="K-tokaido"),
    Service("K", ALL, "東京", "新大阪", hours(6, 18, 35), group="K-tokaido"),
    Service("K", ALL, "東京", "名古屋", ["19:35", "20:35"], group="K-tokaido"),
    Service("K", ALL, "東京", "静岡", hours(7, 21, 49)[::2] + hours(8, 20, 56)[::2], group="K-tokaido"),
    Service("K", ALL, "東京", "三島", ["22:07", "22:35"], group="K-tokaido"),
    Service("K", ALL, "三島", "名古屋", ["6:10"], group="K-tokaido"),
    Service("K", ALL, "静岡", "新大阪", ["6:00"], group="K-tokaido"),
    Service("K", ALL, "名古屋", "新大阪", ["6:00", "6:40", "21:30", "22:20"], group="K-tokaido"),
    # Sanyo Hikari.
    Service("H", S_H1, "新大阪", "博多", hours(7, 18, 20)[::2], "RS", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "博多", hours(8, 19, 20)[::2], "RS", group="H-sanyo"),
    Service("H", S_W, "新大阪", "博多", ["8:44", "11:44", "14:44", "17:44"], "W", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "岡山", ["9:50", "15:50", "21:00"], "", group="H-sanyo"),
    Service("H", S_H2, "新大阪", "広島", ["6:15", "12:50", "19:50"], "", group="H-sanyo"),
    Service("H", S_H1, "岡山", "博多", ["6:40"], "RS", group="H-sanyo"),
    Service("H", S_H1, "広島", "博多", ["6:15"], "", group="H-sanyo"),
    # Sanyo Kodama.
    Service("K", ALL, "新大阪", "博多", hours(6, 18, 5)[::2], group="K-sanyo"),
    Service("K", ALL, "新大阪", "岡山", hours(7, 21, 33)[::2], group="K-sanyo"),
    Service("K", ALL, "新大阪", "広島", ["6:38", "9:38", "12:38", "15:38", "18:38", "20:10"], group="K-sanyo"),
    Service("K", ALL, "岡山", "博多", ["6:00", "10:12", "14:12", "17:12"], group="K-short"),
    Service("K", ALL, "広島", "博多", ["6:00", "7:25"] + hours(9, 21, 25)[::2], group="K-short"),
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
    Service("N", NOZ, "博多", "東京", hours(6, 18, 0),
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
    Service("H", T_H1, "新大阪", "東京", hours(6, 20, 5),
            ["N" if h % 2 == 0 else "" for h in range(6, 21)], group="H-tokaido"),
    Service("H", T_H2, "新大阪", "東京", hours(6, 19, 16),
            ["" if h % 3 else "N" for h in range(6, 20)], group="H-tokaido"),
    Service("H", T_H3, "新大阪", "東京", hours(6, 18, 38)[::2], "", group="H-tokaido"),
    Service("H", T_H4, "新大阪", "東京", hours(7, 19, 38)[::2], "", group="H-tokaido"),
    Service("H", T_H3, "名古屋", "東京", ["6:00", "21:00"], "", group="H-tokaido"),
    Service("H", T_H5, "新大阪", "東京", hours(8, 19, 50), ["N" if h % 2 else "" for h in range(8, 20)],
            group="H-tokaido"),
    # Tokaido Kodama.
    Service("K", ALL, "新大阪", "東京", hours(6, 19, 12), group="K-tokaido"),
    Service("K", ALL, "名古屋", "東京", hours(6, 20, 24), group="K-tokaido"),
    Service("K", ALL, "静岡", "東京", ["6:05", "6:45", "7:20", "8:05", "10:15", "13:15", "16:15",
                                     "19:15", "21:30"], group="K-tokaido"),
    Service("K", ALL, "三島", "東京", ["6:12", "7:00", "22:10"], group="K-tokaido"),
    Service("K", ALL, "浜松", "東京", ["6:00"], group="K-tokaido"),
    Service("K", ALL, "新大阪", "名古屋", ["20:30", "21:20", "22:10"], group="K-tokaido"),
    # Sanyo Hikari.
    Service("H", S_H1, "博多", "新大阪", hours(6, 17, 50)[::2], "RS", group="H-sanyo"),
    Service("H", S_H2, "博多", "新大阪", hours(7, 18, 50)[::2], "RS", group="H-sanyo"),
    Service("H", S_W, "博多", "新大阪", ["8:20", "11:20", "14:20", "17:20"], "W", group="H-sanyo"),
    Service("H", S_H2, "岡山", "新大阪", ["6:00", "12:20", "20:40"], "", group="H-sanyo"),
    Service("H", S_H2, "広島", "新大阪", ["6:20", "15:20", "19:30"], "", group="H-sanyo"),
    Service("H", S_H1, "博多", "岡山", ["19:20"], "RS", group="H-sanyo"),
    Service("H", S_H1, "博多", "広島", ["21:00"], "", group="H-sanyo"),
    # Sanyo Kodama.
    Service("K", ALL, "博多", "新大阪", hours(6, 18, 8)[::2], group="K-sanyo"),
    Service("K", ALL, "岡山", "新大阪", ["6:10"] + hours(8, 20, 30)[::2] + ["22:00"], group="K-sanyo"),
    Service("K", ALL, "広島", "新大阪", ["6:05", "8:45", "11:45", "14:45", "17:45", "19:55"],
            group="K-sanyo"),
    Service("K", ALL, "博多", "岡山", ["7:35", "11:35", "15:35", "18:35"], group="K-short"),
    Service("K", ALL, "博多", "広島", ["6:20", "7:50"] + hours(9, 21, 45)[::2], group="K-short"),
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

KEIYO = ["東京", "八丁堀", "新木場", "葛西臨海公園", "舞浜", "新浦安", "南船橋", "新習志野",
         "海浜幕張", "千葉みなと", "蘇我"]
KEIYO_RAPID_SKIPS = {"葛西臨海公園", "新習志野"}
KEIYO_SHORT_END = "新習志野"
# Minutes between the positions going down, for a local (it also stops at
# 越中島, 潮見, 市川塩浜, 二俣新町, 検見川浜 and 稲毛海岸, which the tables leave
# out) and for a rapid (which passes 越中島, 潮見, 葛西臨海公園, 市川塩浜,
# 二俣新町 and 新習志野).
KEIYO_LOCAL_MINUTES = [2, 8, 4, 3, 3, 9, 3, 4, 9, 5]
KEIYO_RAPID_MINUTES = [2, 7, 2, 3, 3, 7, 2, 2, 8, 5]

# Trains per hour (by departure at the first position): (hour, trains,
# rapids, trains that run only between 東京 and 新習志野).
KEIYO_HOURS = {
    1: [(5, 3, 0, 0), (6, 7, 1, 1), (7, 9, 1, 2), (8, 9, 2, 2), (9, 8, 2, 1), (10, 6, 2, 0),
        (11, 6, 2, 0), (12, 6, 2, 0), (13, 6, 2, 0), (14, 6, 2, 0), (15, 6, 2, 0), (16, 7, 2, 1),
        (17, 9, 2, 2), (18, 10, 3, 2), (19, 10, 2, 2), (20, 8, 2, 1), (21, 7, 1, 1), (22, 7, 0, 1),
        (23, 5, 0, 1)],
    2: [(5, 4, 0, 1), (6, 9, 2, 2), (7, 12, 3, 3), (8, 11, 2, 2), (9, 8, 2, 1), (10, 6, 2, 0),
        (11, 6, 2, 0), (12, 6, 2, 0), (13, 6, 2, 0), (14, 6, 2, 0), (15, 6, 2, 0), (16, 7, 2, 0),
        (17, 7, 2, 1), (18, 7, 2, 1), (19, 7, 2, 1), (20, 7, 1, 1), (21, 7, 1, 1), (22, 5, 0, 1),
        (23, 3, 0, 0)],
    3: [(5, 2, 0, 0), (6, 5, 1, 0), (7, 6, 2, 1), (8, 7, 2, 1), (9, 7, 3, 0), (10, 8, 3, 0),
        (11, 8, 3, 0), (12, 8, 3, 0), (13, 8, 3, 0), (14, 8, 3, 0), (15, 8, 3, 0), (16, 8, 2, 0),
        (17, 7, 2, 1), (18, 7, 2, 1), (19, 7, 2, 1), (20, 7, 2, 1), (21, 6, 2, 1), (22, 5, 0, 1),
        (23, 4, 0, 1)],
    4: [(5, 3, 0, 1), (6, 5, 1, 1), (7, 6, 2, 1), (8, 7, 2, 1), (9, 7, 3, 0), (10, 8, 3, 0),
        (11, 8, 3, 0), (12, 8, 3, 0), (13, 8, 3, 0), (14, 8, 3, 0), (15, 8, 3, 0), (16, 8, 3, 0),
        (17, 7, 2, 0), (18, 7, 2, 1), (19, 7, 2, 1), (20, 7, 2, 1), (21, 7, 2, 1), (22, 5, 1, 1),
        (23, 3, 0, 0)],
}
KEIYO_TABLE_NAMES = {1: "weekday down", 2: "weekday up", 3: "holiday down", 4: "holiday up"}


def keiyo_order(table: int) -> list:
    return KEIYO if table in (1, 3) else list(reversed(KEIYO))


def keiyo_steps(table: int, rapid: bool) -> list:
    minutes = KEIYO_RAPID_MINUTES if rapid else KEIYO_LOCAL_MINUTES
    return list(minutes) if table in (1, 3) else list(reversed(minutes))


@dataclass
class KeiyoTrain:
    code: str
    times: list  # minutes at positions 1..11, None = no stop


def keiyo_table(table: int) -> list:
    """The trains of one Keiyo table. Rapids are timed first; a local that a
    rapid would catch waits for it at 葛西臨海公園, the one station with a
    passing loop."""
    down = table in (1, 3)
    order = keiyo_order(table)
    short_pos = order.index(KEIYO_SHORT_END)
    # Locals leave at even intervals that follow the trains per hour; a
    # rapid leaves a few minutes after a local and overtakes it at
    # 葛西臨海公園 (going up it gains less before that station).
    hours_plan = {hour: (count, rapids, shorts) for hour, count, rapids, shorts in KEIYO_HOURS[table]}
    first_hour, last_hour = min(hours_plan), max(hours_plan)
    by_hour: dict = {}
    clock = first_hour * 60 + 10 + table * 3
    while clock < (last_hour + 1) * 60:
        count, rapids, _ = hours_plan[int(clock // 60)]
        by_hour.setdefault(int(clock // 60), []).append(math.floor(clock + 0.5))
        clock += 60 / (count - rapids)
    planned = []
    for hour, starts in sorted(by_hour.items()):
        _, rapids, shorts = hours_plan[hour]
        n = len(starts)
        spacing = 60 / n
        # Far enough behind the local to reach 葛西臨海公園 after it has
        # stopped there, and ahead of the next local.
        follow = min(5 if down else 9, math.floor(spacing) - 2)
        rapid_after = {math.floor((i + 0.5) * n / rapids) for i in range(rapids)} if rapids else set()
        candidates = [i for i in range(n) if i not in rapid_after] or list(range(n))
        short_slots = set(candidates[1::max(1, len(candidates) // max(1, shorts))][:shorts]) if shorts else set()
        for i, start in enumerate(starts):
            planned.append((True, start, i in short_slots))
            if i in rapid_after:
                planned.append((False, start + follow, False))

    placed = Placed()
    trains = []
    for local, start, short in sorted(planned):
        rapid = not local
        steps = keiyo_steps(table, rapid)
        offsets = [0]
        for step in steps:
            offsets.append(offsets[-1] + step)
        positions = list(range(len(order)))
        if short and down:
            positions = positions[:short_pos + 1]
        elif short:
            # An up train from 新習志野 runs at the times it would have had
            # coming from 蘇我.
            start += offsets[short_pos]
            positions = positions[short_pos:]
        path = [order[p] for p in positions]
        stops = [not (rapid and name in KEIYO_RAPID_SKIPS) for name in path]
        run = [offsets[p] - offsets[positions[0]] for p in positions]
        arr, dep = place(path, stops, run, [0] * len(path), start, placed,
                         lambda name: name == "葛西臨海公園")
        times = [None] * len(order)
        for k, p in enumerate(positions):
            if stops[k]:
                times[p] = dep[k]
        trains.append((rapid, times))

    trains.sort(key=lambda t: min(x for x in t[1] if x is not None))
    result = []
    per_hour: dict = {}
    for rapid, times in trains:
        hour = min(x for x in times if x is not None) // 60
        k = per_hour.get(hour, 0)
        per_hour[hour] = k + 1
        number = hour * 100 + 2 * k + (1 if down else 2) + (0 if table <= 2 else 2000)
        result.append(KeiyoTrain(f"{number}{'A' if rapid else 'Y'}", times))
    return result


# --------------------------------------------------------------------------
# Fares

def fare_for_km(whole_km: int) -> int:
    """Ordinary fare of the trunk-line table (tax 5 %), from whole km."""
    if whole_km <= 3:
        return 140
    if whole_km <= 6:
        return 180
    if whole_km <= 10:
        return 190
    if whole_km <= 50:
        width, first = 5, 11
    elif whole_km <= 100:
        width, first = 10, 51
    elif whole_km <= 600:
        width, first = 20, 101
    else:
        width, first = 40, 601
    lower = first + (whole_km - first) // width * width
    mid = lower + {5: 2, 10: 4, 20: 9, 40: 19}[width]  # the band's midpoint
    # Yen per km in hundredths: 16.20 to 300 km, 12.85 to 600 km, 7.05 beyond.
    hundredths = (min(mid, 300) * 1620 + max(0, min(mid, 600) - 300) * 1285
                  + max(0, mid - 600) * 705)
    if mid <= 100:
        pre_tax = -(-hundredths // 1000) * 10  # round up to 10 yen
    else:
        pre_tax = (hundredths + 5000) // 10000 * 100  # half up to 100 yen
    return (pre_tax * 105 + 500) // 1000 * 10  # 5 % tax, half up to 10 yen


# Past 徳山 the fare counts the 岩徳線 route, 4.4 km longer than the line.
IWATOKU_EAST, IWATOKU_WEST = INDEX["新岩国"], INDEX["徳山"]


def fare_km_tenths(a: str, b: str) -> int:
    lo, hi = sorted((INDEX[a], INDEX[b]))
    tenths = KM[NAMES[hi]] - KM[NAMES[lo]]
    if lo <= IWATOKU_EAST and hi >= IWATOKU_WEST:
        tenths += 44
    return tenths


def fare(a: str, b: str) -> int:
    return fare_for_km((fare_km_tenths(a, b) + 9) // 10)


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
FREE_SEAT_DISCOUNT = 510

GREEN = [(100, 1240), (200, 2670), (400, 4000), (600, 5150), (800, 6300), (9999, 7440)]


def band(bands: list, tenths: int) -> int:
    for upper, amount in bands:
        if tenths <= upper * 10:
            return amount
    raise ValueError(tenths)


def express(a: str, b: str) -> int:
    return band(EXPRESS_BANDS, distance_tenths(a, b))


def free_seat(a: str, b: str) -> int:
    if abs(INDEX[a] - INDEX[b]) == 1:
        return ADJACENT_FREE_SEAT
    return express(a, b) - FREE_SEAT_DISCOUNT


def nozomi_express(a: str, b: str) -> int:
    return express(a, b) + band(NOZOMI_BANDS, distance_tenths(a, b))


def green_charge(a: str, b: str) -> int:
    return band(GREEN, distance_tenths(a, b))


def floor10(amount: float) -> int:
    return int(amount // 10) * 10


# Pairs with a six-sheet free-seat coupon set.
COUPON_PAIRS = [
    ("東京", "小田原"), ("東京", "三島"), ("東京", "名古屋"), ("東京", "京都"),
    ("東京", "新大阪"), ("名古屋", "京都"), ("名古屋", "新大阪"), ("新大阪", "岡山"),
    ("新大阪", "広島"), ("新大阪", "博多"), ("岡山", "広島"), ("広島", "博多"),
    ("小倉", "博多"),
]


def coupon(a: str, b: str) -> int:
    return 6 * floor10((fare(a, b) + free_seat(a, b)) * 0.96)


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
        base += nozomi_express(a, b) - FREE_SEAT_DISCOUNT + green_charge(a, b)
    elif charge == "express":
        base += express(a, b)
    elif charge == "express-green":
        base += express(a, b) - FREE_SEAT_DISCOUNT + green_charge(a, b)
    else:
        base += free_seat(a, b)
    return sheets, months, sheets * floor10(base * factor)


def ordered(a: str, b: str) -> tuple:
    return (a, b) if INDEX[a] < INDEX[b] else (b, a)


# --------------------------------------------------------------------------
# Hotels

class Lcg:
    """A small fixed-seed generator, so the output never depends on the
    random module of a Python version."""

    def __init__(self, seed: int) -> None:
        self.state = seed

    def next(self, n: int) -> int:
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return (self.state >> 8) % n


# Regions in area order: name, area, telephone area code, districts.
# A district is (name, nearest station or place, hotel count, style); the
# style picks names, sizes and charges: b business, c city, l luxury,
# r ryokan, a airport.
REGIONS = [
    ("札幌", 1, "011", [("札幌駅前", "札幌", 3, "bcl"), ("すすきの", "すすきの", 2, "bc"), ("大通", "大通", 1, "c")]),
    ("函館", 1, "0138", [("駅前", "函館", 2, "br")]),
    ("旭川", 1, "0166", [("駅前", "旭川", 2, "bc")]),
    ("釧路", 1, "0154", [("駅前", "釧路", 2, "b")]),
    ("帯広", 1, "0155", [("駅前", "帯広", 2, "bc")]),
    ("小樽", 1, "0134", [("運河", "小樽", 2, "cr")]),
    ("仙台", 2, "022", [("仙台駅前", "仙台", 3, "bcl"), ("国分町", "勾当台公園", 2, "bc")]),
    ("盛岡", 2, "019", [("駅前", "盛岡", 2, "bc")]),
    ("青森", 2, "017", [("駅前", "青森", 2, "bc")]),
    ("秋田", 2, "018", [("駅前", "秋田", 2, "bc")]),
    ("山形", 2, "023", [("駅前", "山形", 2, "b")]),
    ("福島", 2, "024", [("駅前", "福島", 2, "b")]),
    ("郡山", 2, "024", [("駅前", "郡山", 2, "bc")]),
    ("新潟", 3, "025", [("駅前", "新潟", 2, "bc"), ("万代", "新潟", 1, "c")]),
    ("富山", 3, "076", [("駅前", "富山", 2, "bc")]),
    ("金沢", 3, "076", [("駅前", "金沢", 2, "bc"), ("香林坊", "金沢", 2, "cl")]),
    ("福井", 3, "0776", [("駅前", "福井", 2, "b")]),
    ("長野", 3, "026", [("駅前", "長野", 2, "bc"), ("善光寺", "長野", 1, "r")]),
    ("松本", 3, "0263", [("駅前", "松本", 2, "bc")]),
    ("甲府", 3, "055", [("駅前", "甲府", 2, "b")]),
    ("高山", 3, "0577", [("古い町並", "高山", 2, "r")]),
    ("熱海", 3, "0557", [("駅前", "熱海", 2, "bc"), ("温泉街", "熱海", 4, "r")]),
    ("三島", 3, "055", [("駅前", "三島", 3, "bc")]),
    ("富士", 3, "0545", [("新富士駅前", "新富士", 2, "b")]),
    ("静岡", 3, "054", [("駅前", "静岡", 5, "bc"), ("市街", "静岡", 2, "c")]),
    ("掛川", 3, "0537", [("駅前", "掛川", 2, "b")]),
    ("浜松", 3, "053", [("駅前", "浜松", 5, "bcl"), ("浜名湖", "舘山寺", 2, "r")]),
    ("豊橋", 3, "0532", [("駅前", "豊橋", 4, "bc")]),
    ("名古屋", 3, "052", [("名駅", "名古屋", 8, "bcl"), ("栄", "栄", 6, "bcl"), ("伏見", "伏見", 3, "bc"),
                         ("金山", "金山", 3, "b"), ("三河安城", "三河安城", 2, "b")]),
    ("岐阜", 3, "058", [("駅前", "岐阜", 3, "bc"), ("長良川", "岐阜", 2, "r"), ("岐阜羽島", "岐阜羽島", 1, "b")]),
    ("東京／羽田", 4, "03", [("丸の内", "東京", 5, "cl"), ("八重洲", "東京", 5, "bc"), ("日本橋", "日本橋", 3, "bc"),
                            ("銀座", "銀座", 5, "bcl"), ("新橋", "新橋", 4, "b"), ("浜松町", "浜松町", 3, "bc"),
                            ("品川", "品川", 4, "bcl"), ("新宿", "新宿", 6, "bcl"), ("渋谷", "渋谷", 3, "bc"),
                            ("池袋", "池袋", 4, "bc"), ("上野", "上野", 4, "b"), ("浅草", "浅草", 2, "br"),
                            ("赤坂", "赤坂見附", 3, "cl"), ("六本木", "六本木", 2, "l"),
                            ("羽田空港", "羽田空港", 2, "a")]),
    ("東京／成田", 4, "0476", [("成田空港", "成田空港", 4, "a"), ("成田市街", "成田", 2, "b")]),
    ("横浜", 4, "045", [("新横浜", "新横浜", 5, "bc"), ("横浜駅前", "横浜", 5, "bcl"),
                       ("みなとみらい", "桜木町", 3, "l"), ("関内", "関内", 3, "bc"), ("山下町", "元町", 2, "c")]),
    ("川崎", 4, "044", [("駅前", "川崎", 3, "bc")]),
    ("小田原", 4, "0465", [("駅前", "小田原", 4, "bc"), ("小田原城", "小田原", 1, "r")]),
    ("箱根", 4, "0460", [("温泉街", "箱根湯本", 4, "r")]),
    ("千葉", 4, "043", [("駅前", "千葉", 3, "bc"), ("蘇我", "蘇我", 1, "b")]),
    ("幕張", 4, "043", [("新都心", "海浜幕張", 4, "cl")]),
    ("舞浜", 4, "047", [("舞浜駅前", "舞浜", 3, "l"), ("新浦安", "新浦安", 2, "c")]),
    ("大宮", 4, "048", [("駅前", "大宮", 3, "bc")]),
    ("宇都宮", 4, "028", [("駅前", "宇都宮", 2, "b")]),
    ("水戸", 4, "029", [("駅前", "水戸", 2, "b")]),
    ("大阪／伊丹", 5, "06", [("梅田", "梅田", 6, "bcl"), ("新大阪", "新大阪", 5, "bc"), ("淀屋橋", "淀屋橋", 3, "cl"),
                            ("本町", "本町", 3, "bc"), ("心斎橋", "心斎橋", 3, "bc"), ("難波", "難波", 5, "bcl"),
                            ("天王寺", "天王寺", 3, "bc"), ("大阪城", "森ノ宮", 2, "l"), ("伊丹空港", "伊丹空港", 2, "a")]),
    ("大阪／関西", 5, "0724", [("関西空港", "関西空港", 3, "a"), ("りんくう", "りんくうタウン", 2, "bc")]),
    ("京都", 5, "075", [("京都駅前", "京都", 7, "bcl"), ("四条河原町", "河原町", 5, "bcl"), ("烏丸", "烏丸", 3, "bc"),
                       ("東山", "祇園四条", 3, "r"), ("嵐山", "嵐山", 2, "r")]),
    ("神戸", 5, "078", [("三宮", "三ノ宮", 5, "bcl"), ("新神戸", "新神戸", 3, "cl"), ("元町", "元町", 2, "bc"),
                       ("ハーバー", "神戸", 2, "l")]),
    ("彦根", 5, "0749", [("駅前", "彦根", 2, "b"), ("米原", "米原", 1, "b")]),
    ("奈良", 5, "0742", [("駅前", "奈良", 2, "bc"), ("奈良公園", "近鉄奈良", 1, "r")]),
    ("和歌山", 5, "073", [("駅前", "和歌山", 2, "b")]),
    ("大津", 5, "077", [("駅前", "大津", 2, "bc")]),
    ("白浜", 5, "0739", [("温泉街", "白浜", 3, "r")]),
    ("姫路", 5, "0792", [("駅前", "姫路", 4, "bc"), ("姫路城", "姫路", 1, "c")]),
    ("岡山", 6, "086", [("岡山駅前", "岡山", 6, "bcl"), ("表町", "県庁通り", 2, "bc")]),
    ("倉敷", 6, "086", [("駅前", "倉敷", 2, "b"), ("美観地区", "倉敷", 2, "r"), ("新倉敷", "新倉敷", 1, "b")]),
    ("福山", 6, "0849", [("駅前", "福山", 4, "bc")]),
    ("尾道", 6, "0848", [("駅前", "尾道", 2, "b"), ("海岸", "尾道", 1, "r"), ("三原", "三原", 1, "b")]),
    ("広島", 6, "082", [("広島駅前", "広島", 6, "bcl"), ("紙屋町", "紙屋町", 4, "bcl"), ("八丁堀", "八丁堀", 3, "bc"),
                       ("平和公園", "原爆ドーム前", 2, "c"), ("東広島", "東広島", 1, "b")]),
    ("岩国", 6, "0827", [("新岩国", "新岩国", 1, "b"), ("錦帯橋", "岩国", 1, "r")]),
    ("徳山", 6, "0834", [("駅前", "徳山", 3, "bc")]),
    ("山口", 6, "083", [("湯田温泉", "湯田温泉", 3, "r"), ("小郡", "小郡", 2, "b")]),
    ("下関", 6, "0832", [("駅前", "下関", 3, "bc"), ("海峡", "下関", 1, "r"), ("新下関", "新下関", 1, "b")]),
    ("鳥取", 6, "0857", [("駅前", "鳥取", 2, "b")]),
    ("松江", 6, "0852", [("駅前", "松江", 2, "bc"), ("宍道湖", "松江", 1, "r")]),
    ("高松", 7, "087", [("駅前", "高松", 2, "bc"), ("瓦町", "瓦町", 1, "b")]),
    ("松山", 7, "089", [("駅前", "松山", 1, "b"), ("道後温泉", "道後温泉", 3, "r")]),
    ("高知", 7, "088", [("駅前", "高知", 2, "bc")]),
    ("徳島", 7, "088", [("駅前", "徳島", 2, "b")]),
    ("小倉", 8, "093", [("小倉駅前", "小倉", 6, "bcl"), ("門司港", "門司港", 2, "cr")]),
    ("博多", 8, "092", [("博多駅前", "博多", 7, "bcl"), ("天神", "天神", 5, "bcl"), ("中洲", "中洲川端", 4, "bc"),
                       ("福岡空港", "福岡空港", 2, "a")]),
    ("佐賀", 8, "0952", [("駅前", "佐賀", 2, "b")]),
    ("長崎", 8, "095", [("駅前", "長崎", 2, "bc"), ("グラバー園", "大浦天主堂", 1, "l")]),
    ("熊本", 8, "096", [("駅前", "熊本", 2, "b"), ("上通", "通町筋", 2, "c")]),
    ("大分", 8, "097", [("駅前", "大分", 2, "b")]),
    ("別府", 8, "0977", [("温泉街", "別府", 4, "r")]),
    ("宮崎", 8, "0985", [("駅前", "宮崎", 2, "bc"), ("海岸", "宮崎", 1, "l")]),
    ("鹿児島", 8, "099", [("駅前", "西鹿児島", 2, "b"), ("天文館", "天文館", 2, "c")]),
    ("那覇", 9, "098", [("国際通り", "牧志", 3, "bc"), ("那覇空港", "那覇空港", 1, "a"), ("海岸", "那覇", 1, "l")]),
    ("石垣", 9, "09808", [("港周辺", "石垣港", 2, "cr")]),
    ("宮古", 9, "09807", [("市街", "平良", 2, "bc")]),
]

# Invented words for hotel names.
HOTEL_WORDS = [
    "アルシオン", "ベルフォート", "ミラリオ", "エストレア", "フォレスタ", "カナリエ", "ルミナス",
    "オルディネ", "セレスタ", "ヴィオラ", "リベルタ", "ソラーノ", "アズーリ", "グラネーロ",
    "ポルトベル", "ノヴァリス", "シエロ", "フィオーレ", "エルミタ", "マレーア", "テラノーヴァ",
    "ルシエル", "アステラ", "ヴェルデ", "カスターニャ", "ロザリオ", "サンテラ", "ベルカント",
    "オリゾン", "ミストラル", "クオーレ", "アルモニア", "リュミエ", "ノルテ", "エスパシオ",
    "カリオン", "パルティア", "ステラリア", "ブリーゼ", "ラピスタ",
]
INN_WORDS = ["松風", "清流", "月見", "桜雲", "鶴翔", "白波", "緑水", "紅葉", "山翠", "朝凪", "花月",
             "湯煙", "若竹", "菊水", "千鳥", "潮騒"]
INN_SUFFIX = ["荘", "館", "亭", "閣"]

STYLE_ROOMS = {"b": (40, 260), "c": (100, 450), "l": (200, 800), "r": (20, 80), "a": (150, 500)}
STYLE_CHARGE = {"b": (5800, 9800, 200), "c": (9800, 18000, 500), "l": (22000, 40000, 1000),
                "r": (12000, 30000, 1000), "a": (9800, 16000, 500)}
STYLE_REMARKS = {"b": ["★", "★★", "C", "B"], "c": ["★★", "★★★", "B", "A"],
                 "l": ["★★★★", "★★★★★", "A", "S"], "r": ["★★★", "★★★★", "A", "B"],
                 "a": ["★★", "★★★", "B"]}


@dataclass
class Hotel:
    region: str
    district: str
    name: str
    tel: str
    rooms: int
    access: str
    charge: str
    remarks: str


def yen(amount: int) -> str:
    return "\\" + f"{amount:,}"


def hotel_name(rng: Lcg, style: str, region: str, district: str, used: set) -> str:
    place = district if district not in ("駅前", "市街", "海岸", "温泉街") else region
    place = place.split("／")[0]
    for attempt in range(200):
        word = HOTEL_WORDS[rng.next(len(HOTEL_WORDS))]
        if style == "r":
            name = INN_WORDS[rng.next(len(INN_WORDS))] + INN_SUFFIX[rng.next(len(INN_SUFFIX))]
            if attempt % 2:
                name = "旅館" + name
        elif style == "a":
            name = ["ホテル{w}{p}", "{p}{w}イン", "{w}エアポート{p}"][rng.next(3)].format(w=word, p=place)
        elif style == "l":
            name = ["グランド{w}{p}", "ホテル{w}{p}", "{w}パレス{p}"][rng.next(3)].format(w=word, p=place)
        elif style == "c":
            name = ["ホテル{w}{p}", "{p}{w}ホテル", "{w}シティ{p}"][rng.next(3)].format(w=word, p=place)
        else:
            name = ["{p}{w}イン", "ビジネスホテル{w}", "ホテル{w}{p}", "{w}イン{p}"][rng.next(4)].format(
                w=word, p=place)
        if len(name) <= 16 and name not in used:
            used.add(name)
            return name
    raise RuntimeError(f"no free hotel name for {region} {district}")


def access_text(rng: Lcg, style: str, station: str) -> str:
    if style == "a":
        options = [f"{station}直結", f"{station}バス{rng.next(8) + 3}分", f"{station}車{rng.next(10) + 5}分"]
        text = options[rng.next(3)]
    elif style == "r" and rng.next(2):
        text = f"{station}駅車{rng.next(12) + 3}分"
    else:
        text = f"{station}駅徒歩{rng.next(10) + 1}分"
    if len(text) > 12:
        text = text.replace("徒歩", "")
    if len(text) > 12:
        text = f"{station}駅{rng.next(9) + 1}分"[-12:]
    return text


def make_hotels() -> list:
    rng = Lcg(20000311)
    used: set = set()
    hotels = []
    serial = 0
    for region, _area, code, districts in REGIONS:
        for district, station, count, styles in districts:
            for i in range(count):
                style = styles[i % len(styles)]
                serial += 1
                zeros = "0" * (6 - len(code))
                tel = f"{code}-{zeros}-{(serial * 37) % 9000 + 1000:04d}" if zeros else \
                    f"{code}-{(serial * 37) % 9000 + 1000:04d}"
                low, high = STYLE_ROOMS[style]
                rooms = low + rng.next(high - low + 1)
                c_low, c_high, c_step = STYLE_CHARGE[style]
                charge = c_low + rng.next((c_high - c_low) // c_step + 1) * c_step
                remarks_pool = STYLE_REMARKS[style]
                hotels.append(Hotel(region, district, hotel_name(rng, style, region, district, used), tel,
                                    rooms, access_text(rng, style, station), yen(charge),
                                    remarks_pool[rng.next(len(remarks_pool))]))
    return hotels


def district_names() -> list:
    names = []
    for _region, _area, _code, districts in REGIONS:
        for district, *_ in districts:
            if district not in names:
                names.append(district)
    return names


# --------------------------------------------------------------------------
# Writing the files

def tsv(header: list, rows: list, comment: str = "") -> str:
    lines = [f"# {line}" if line else "#" for line in comment.splitlines()] if comment else []
    lines.append("\t".join(header))
    lines += ["\t".join(str(v) for v in row) for row in rows]
    return "\n".join(lines) + "\n"


def generate() -> dict:
    files = {}
    files["edition.tsv"] = tsv(["key", "value"], [("edition", 1), ("station_count", STATION_COUNT)],
                               "Edition 1: Tokaido and Sanyo Shinkansen, timetable of March 2000.")

    station_rows = [(d, r, name, kind) for d in (1, 2) for r, (name, kind) in enumerate(ROWS[d], start=1)]
    files["shinkansen_stations.tsv"] = tsv(
        ["direction", "row", "name", "kind"], station_rows,
        "Direction 1 runs 東京 -> 博多, direction 2 博多 -> 東京. Kind 1 is the arrival\n"
        "row and kind 2 the departure row of a station where trains wait.")

    for d, plan in ((1, DOWN_PLAN), (2, UP_PLAN)):
        rows = []
        for train in build_direction(plan, d):
            times = [hhmm(train.times[r]) if r in train.times else "" for r in range(1, STATION_COUNT + 1)]
            rows.append([train.code, train.days, train.vehicle] + times)
        header = ["code", "days", "vehicle"] + [f"r{i}" for i in range(1, STATION_COUNT + 1)]
        files[f"shinkansen_{d}.tsv"] = tsv(header, rows, "Generated by tools/make_edition1.py.")

    keiyo_rows = []
    for k in range(1, 5):
        names = keiyo_order(k) + [""] * (15 - len(KEIYO))
        keiyo_rows.append([k, len(KEIYO)] + names)
    files["keiyo_stations.tsv"] = tsv(["table", "count"] + [f"name{i}" for i in range(1, 16)], keiyo_rows,
                                      "Tables: 1 weekday down, 2 weekday up, 3 Saturday/holiday down, "
                                      "4 Saturday/holiday up.")
    for k in range(1, 5):
        rows = []
        for train in keiyo_table(k):
            times = [hhmm(t) if t is not None else "" for t in train.times] + [""]
            rows.append([train.code] + times)
        files[f"keiyo_{k}.tsv"] = tsv(["code"] + [f"p{i}" for i in range(1, 13)], rows,
                                      f"Keiyo line, {KEIYO_TABLE_NAMES[k]}. Generated by tools/make_edition1.py.")

    files["km.tsv"] = tsv(["station", "km"], [(name, f"{km // 10}.{km % 10}") for name, km in STATIONS],
                          "Operating kilometres from 東京.")
    pair_rows = []
    coupon_pairs = {ordered(a, b) for a, b in COUPON_PAIRS}
    for i, a in enumerate(NAMES):
        for b in NAMES[i + 1:]:
            explicit_free = ADJACENT_FREE_SEAT if abs(INDEX[a] - INDEX[b]) == 1 else 0
            pair_rows.append((a, b, fare(a, b), express(a, b), explicit_free,
                              coupon(a, b) if (a, b) in coupon_pairs else 0))
    files["fare_pairs.tsv"] = tsv(["station_a", "station_b", "fare", "express", "free_seat_express", "coupon"],
                                  pair_rows, "Fares and reserved-seat express charges (normal season); see "
                                  "data/README.md.")
    files["green.tsv"] = tsv(["upper_km", "green", "room_1_2", "room_3_4"],
                             [(upper, g, floor10(g * 1.55 + 5), floor10(g * 1.25 + 5)) for upper, g in GREEN])
    ticket_rows = []
    for a, b, kinds in TICKET_PAIRS:
        a, b = ordered(a, b)
        for kind in kinds:
            sheets, months, price = ticket_price(a, b, kind)
            ticket_rows.append((a, b, kind, sheets, months, price))
    files["tickets.tsv"] = tsv(["station_a", "station_b", "kind", "sheets", "validity", "price"], ticket_rows,
                               "validity in months; price of the whole set.")
    nozomi_rows = []
    nozomi_stops = [name for name in NAMES if name in NOZ]
    for i, a in enumerate(nozomi_stops):
        for b in nozomi_stops[i + 1:]:
            nozomi_rows.append((a, b, nozomi_express(a, b), nozomi_express(a, b) - express(a, b), 0))
    files["nozomi.tsv"] = tsv(["station_a", "station_b", "nozomi_express", "supplement", "spare"], nozomi_rows)

    files["regions.tsv"] = tsv(["name", "area", "digit"], [(name, area, 0) for name, area, _, _ in REGIONS],
                               "Areas: 1 北海道 2 東北 3 北陸・中部 4 東京 5 大阪 6 中国 7 四国 8 九州 9 沖縄.")
    files["districts.tsv"] = tsv(["name"], [(name,) for name in district_names()])
    files["hotels.tsv"] = tsv(
        ["region", "district", "name", "tel", "rooms", "access", "charge", "remarks"],
        [(h.region, h.district, h.name, h.tel, h.rooms, h.access, h.charge, h.remarks) for h in make_hotels()],
        "Invented hotels; the telephone numbers (exchange 0000) do not exist.")
    return files


# --------------------------------------------------------------------------
# Checking the files as written

class Problems:
    def __init__(self) -> None:
        self.items: list = []

    def add(self, file: str, line: int, text: str) -> None:
        self.items.append(f"{file}:{line}: {text}")

    def check(self, ok: bool, file: str, line: int, text: str) -> None:
        if not ok:
            self.add(file, line, text)


def read_table(text: str) -> tuple:
    """(header, [(line number, fields)]) of a source text."""
    header = None
    rows = []
    for number, line in enumerate(text.split("\n"), start=1):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if header is None:
            header = fields
        else:
            rows.append((number, fields + [""] * (len(header) - len(fields))))
    return header, rows


def sjis_ok(text: str) -> bool:
    try:
        return text.encode("cp932").decode("cp932") == text
    except UnicodeError:
        return False


def single_byte(text: str) -> bool:
    try:
        return len(text.encode("cp932")) == len(text)
    except UnicodeError:
        return False


def parse_time(text: str) -> int:
    m = re.fullmatch(r"(\d{1,2}):(\d\d)", text)
    if not m or int(m.group(1)) > 47 or int(m.group(2)) > 59:
        raise ValueError(text)
    return int(m.group(1)) * 60 + int(m.group(2))


EXPECTED_HEADERS = {
    "edition.tsv": ["key", "value"],
    "regions.tsv": ["name", "area", "digit"],
    "districts.tsv": ["name"],
    "keiyo_stations.tsv": ["table", "count"] + [f"name{i}" for i in range(1, 16)],
    "shinkansen_stations.tsv": ["direction", "row", "name", "kind"],
    "km.tsv": ["station", "km"],
    "fare_pairs.tsv": ["station_a", "station_b", "fare", "express", "free_seat_express", "coupon"],
    "green.tsv": ["upper_km", "green", "room_1_2", "room_3_4"],
    "tickets.tsv": ["station_a", "station_b", "kind", "sheets", "validity", "price"],
    "nozomi.tsv": ["station_a", "station_b", "nozomi_express", "supplement", "spare"],
    "hotels.tsv": ["region", "district", "name", "tel", "rooms", "access", "charge", "remarks"],
}
for _k in range(1, 5):
    EXPECTED_HEADERS[f"keiyo_{_k}.tsv"] = ["code"] + [f"p{i}" for i in range(1, 13)]
for _d in (1, 2):
    EXPECTED_HEADERS[f"shinkansen_{_d}.tsv"] = ["code", "days", "vehicle"] + [
        f"r{i}" for i in range(1, STATION_COUNT + 1)]

VEHICLES = {"", "N", "G", "W", "N5", "F", "N7", "RS"}
DAY_CODES = {0, 1, 10, 11, 50, 51, 70, 170}


def check_shinkansen(tables: dict, p: Problems) -> None:
    _, station_rows = tables["shinkansen_stations.tsv"]
    rows = {1: {}, 2: {}}
    for line, (d, r, name, kind) in station_rows:
        rows[int(d)][int(r)] = (name, int(kind), line)
    for d in (1, 2):
        p.check(sorted(rows[d]) == list(range(1, STATION_COUNT + 1)), "shinkansen_stations.tsv", 0,
                f"direction {d} rows are not 1..{STATION_COUNT}")
        for r, (name, kind, line) in rows[d].items():
            if kind == 1:
                nxt = rows[d].get(r + 1)
                p.check(nxt is not None and nxt[0] == name and nxt[1] == 2, "shinkansen_stations.tsv", line,
                        f"arrival row of {name} is not followed by its departure row")
        names = [rows[d][r][0] for r in sorted(rows[d])]
        expected = NAMES if d == 1 else list(reversed(NAMES))
        p.check([n for i, n in enumerate(names) if i == 0 or names[i - 1] != n] == expected,
                "shinkansen_stations.tsv", 0, f"direction {d} does not list the stations in travel order")
    p.check(STATION_COUNT <= 50, "edition.tsv", 0, "more than 50 rows")

    for d in (1, 2):
        name = f"shinkansen_{d}.tsv"
        _, trains = tables[name]
        p.check(200 <= len(trains) <= 250, name, 0, f"{len(trains)} trains, expected 200..250")
        codes = set()
        last_first = -1
        for line, fields in trains:
            code, days, vehicle = fields[0], int(fields[1]), fields[2]
            p.check(re.fullmatch(r"[NHK]\d{1,3}", code) is not None, name, line, f"train code {code!r}")
            p.check(code not in codes, name, line, f"train code {code} twice")
            codes.add(code)
            p.check(int(code[1:]) % 2 == (1 if d == 1 else 0), name, line, f"{code}: number parity")
            p.check(days in DAY_CODES, name, line, f"operating-day code {days}")
            p.check(vehicle in VEHICLES, name, line, f"vehicle type {vehicle!r}")
            times = {r: parse_time(t) for r, t in enumerate(fields[3:], start=1) if t}
            p.check(len(times) >= 2, name, line, f"{code} has fewer than two stops")
            if not times:
                continue
            ordered_rows = sorted(times)
            values = [times[r] for r in ordered_rows]
            p.check(all(a < b for a, b in zip(values, values[1:])), name, line,
                    f"{code}: times do not increase along the route")
            p.check(values[0] >= 6 * 60 and values[-1] <= 23 * 60 + 59, name, line,
                    f"{code}: runs outside 6:00..23:59")
            first, last = ordered_rows[0], ordered_rows[-1]
            p.check(rows[d][first][1] != 1, name, line, f"{code} starts on an arrival row")
            p.check(rows[d][last][1] != 2, name, line, f"{code} ends on a departure row")
            for r in ordered_rows:
                kind = rows[d][r][1]
                if kind == 1 and r != last:
                    p.check(r + 1 in times, name, line, f"{code} arrives at {rows[d][r][0]} but never leaves")
                if kind == 2 and r != first:
                    p.check(r - 1 in times and times[r - 1] < times[r], name, line,
                            f"{code}: no dwell at {rows[d][r][0]}")
            p.check(values[0] >= last_first, name, line, f"{code} is out of timetable order")
            last_first = values[0]


def check_keiyo(tables: dict, p: Problems) -> None:
    _, station_rows = tables["keiyo_stations.tsv"]
    p.check(len(station_rows) == 4, "keiyo_stations.tsv", 0, "expected four tables")
    for line, fields in station_rows:
        k, count = int(fields[0]), int(fields[1])
        p.check(fields[2:2 + count] == keiyo_order(k) and count == 11, "keiyo_stations.tsv", line,
                f"table {k}: stations")
    for k in range(1, 5):
        name = f"keiyo_{k}.tsv"
        _, trains = tables[name]
        p.check(120 <= len(trains) <= 200, name, 0, f"{len(trains)} trains, expected 120..200")
        order = keiyo_order(k)
        codes = set()
        last_first = -1
        for line, fields in trains:
            code = fields[0]
            m = re.fullmatch(r"(\d{1,4})([A-Z])", code)
            p.check(m is not None and len(code) <= 5, name, line, f"train code {code!r}")
            if not m:
                continue
            number = int(m.group(1))
            p.check(code not in codes, name, line, f"train code {code} twice")
            codes.add(code)
            p.check(number <= 5000, name, line, f"{code}: number above 5000")
            p.check(fields[12] == "", name, line, f"{code}: time at position 12")
            times = [parse_time(t) if t else None for t in fields[1:12]]
            stops = [(i, t) for i, t in enumerate(times) if t is not None]
            p.check(len(stops) >= 2, name, line, f"{code} has fewer than two stops")
            values = [t for _, t in stops]
            p.check(all(a < b for a, b in zip(values, values[1:])), name, line,
                    f"{code}: times do not increase")
            positions = [i for i, _ in stops]
            p.check(positions == list(range(positions[0], positions[-1] + 1)) or m.group(2) == "A",
                    name, line, f"{code}: a local skips a position")
            hhmm_values = [v // 60 * 100 + v % 60 for v in values]
            p.check(max(hhmm_values) + number < 8192, name, line, f"{code}: time + number reaches 8192")
            if m.group(2) == "A":
                p.check(all(times[order.index(s)] is None for s in KEIYO_RAPID_SKIPS), name, line,
                        f"{code}: a rapid stops at a station it passes")
            p.check(values[0] >= last_first, name, line, f"{code} is out of timetable order")
            last_first = values[0]


# Fares of the trunk-line table, 2000: (highest km of the band, fare).
FARE_BANDS_2000 = [
    (3, 140), (6, 180), (10, 190), (15, 230), (20, 320), (25, 400), (30, 480), (35, 570),
    (40, 650), (45, 740), (50, 820), (60, 950), (70, 1110), (80, 1280), (90, 1450), (100, 1620),
    (120, 1890), (140, 2210), (160, 2520), (180, 2940), (200, 3260), (220, 3570), (240, 3890),
    (260, 4310), (280, 4620), (300, 4940), (320, 5250), (340, 5460), (360, 5780), (380, 6090),
    (400, 6300), (420, 6620), (440, 6830), (460, 7140), (480, 7350), (500, 7670), (520, 7980),
    (540, 8190), (560, 8510), (580, 8720), (600, 9030), (640, 9350), (680, 9560), (720, 9870),
    (760, 10190), (800, 10500), (840, 10820), (880, 11030), (920, 11340), (960, 11660),
    (1000, 11970), (1040, 12290), (1080, 12600), (1120, 12810), (1160, 13130), (1200, 13440),
]


def check_fare_rule(p: Problems) -> None:
    low = 1
    for high, expected in FARE_BANDS_2000:
        for whole_km in range(low, high + 1):
            got = fare_for_km(whole_km)
            p.check(got == expected, "fare rule", whole_km, f"{whole_km} km gives {got}, expected {expected}")
        low = high + 1


def check_fares(tables: dict, p: Problems) -> None:
    check_fare_rule(p)
    _, km_rows = tables["km.tsv"]
    km = {f[0]: f[1] for _, f in km_rows}
    p.check(list(km) == NAMES and len(km_rows) <= 50, "km.tsv", 0, "one entry per station, in order")
    _, pairs = tables["fare_pairs.tsv"]
    seen = {}
    for line, (a, b, fare_text, express_text, free_text, coupon_text) in pairs:
        p.check(a in INDEX and b in INDEX and INDEX[a] < INDEX[b], "fare_pairs.tsv", line, f"pair {a}-{b}")
        seen[(a, b)] = (int(fare_text), int(express_text), int(free_text), int(coupon_text))
        p.check(0 < int(fare_text) <= 32767 and 0 < int(express_text) <= 32767, "fare_pairs.tsv", line,
                "amount outside 16 bits")
        p.check(int(coupon_text) % 6 == 0, "fare_pairs.tsv", line, "coupon not divisible into six sheets")
    n = len(NAMES)
    p.check(len(pairs) == n * (n - 1) // 2 == len(seen) and len(pairs) <= 1000, "fare_pairs.tsv", 0,
            "one record for every station pair")
    known = {("東京", "名古屋"): (6090, 4490), ("東京", "京都"): (7980, None), ("東京", "新大阪"): (8510, 5240),
             ("東京", "岡山"): (10190, None), ("東京", "広島"): (11340, None), ("東京", "博多"): (13440, 8280)}
    for pair, (want_fare, want_express) in known.items():
        got = seen.get(pair, (0, 0, 0, 0))
        p.check(got[0] == want_fare, "fare_pairs.tsv", 0, f"{pair} fare {got[0]}, expected {want_fare}")
        p.check(want_express is None or got[1] == want_express, "fare_pairs.tsv", 0,
                f"{pair} express {got[1]}, expected {want_express}")
    _, green_rows = tables["green.tsv"]
    p.check([int(f[0]) for _, f in green_rows] == [100, 200, 400, 600, 800, 9999], "green.tsv", 0,
            "brackets 100, 200, 400, 600, 800, 9999")
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


def region_block_bytes(names: list) -> int:
    return 4 + sum(4 + len(n.encode("cp932")) for n in names)


def check_hotels(tables: dict, p: Problems) -> None:
    _, region_rows = tables["regions.tsv"]
    regions = [f[0] for _, f in region_rows]
    p.check(60 <= len(regions) <= 100, "regions.tsv", 0, f"{len(regions)} regions, expected 60..100")
    p.check(len(set(regions)) == len(regions), "regions.tsv", 0, "a region name twice")
    p.check(region_block_bytes(regions) <= 1024, "regions.tsv", 0, "the names do not fit in one block")
    areas = [int(f[1]) for _, f in region_rows]
    p.check(areas == sorted(areas) and set(areas) == set(range(1, 10)), "regions.tsv", 0,
            "regions must cover areas 1..9 in area order")
    for required in ("東京／羽田", "東京／成田", "大阪／伊丹", "大阪／関西"):
        p.check(required in regions, "regions.tsv", 0, f"{required} missing")
    p.check("東京" not in regions and "大阪" not in regions, "regions.tsv", 0, "bare 東京/大阪 in the table")
    _, district_rows = tables["districts.tsv"]
    districts = [f[0] for _, f in district_rows]
    p.check(len(districts) <= 200 and len(set(districts)) == len(districts), "districts.tsv", 0,
            "at most 200 distinct districts")
    for line, (name,) in district_rows:
        p.check(len(name) <= 6, "districts.tsv", line, f"{name}: longer than 6 characters")
    _, hotel_rows = tables["hotels.tsv"]
    p.check(300 <= len(hotel_rows) <= 900, "hotels.tsv", 0, f"{len(hotel_rows)} hotels, expected 300..900")
    names = set()
    per_folded: dict = {}
    runs: dict = {}
    for line, (region, district, name, tel, rooms, access, charge, remarks) in hotel_rows:
        p.check(region in regions, "hotels.tsv", line, f"region {region} unknown")
        p.check(district in districts, "hotels.tsv", line, f"district {district} unknown")
        p.check(len(name) <= 16 and name not in names, "hotels.tsv", line, f"name {name}")
        names.add(name)
        p.check(single_byte(tel) and len(tel) <= 12 and re.fullmatch(r"0\d+-0+-\d{4}|0\d+-\d{4}", tel) is not None,
                "hotels.tsv", line, f"telephone {tel}")
        p.check(20 <= int(rooms) <= 800, "hotels.tsv", line, f"rooms {rooms}")
        p.check(len(access) <= 12, "hotels.tsv", line, f"access {access}")
        p.check(single_byte(charge) and len(charge) <= 8 and charge.startswith("\\"), "hotels.tsv", line,
                f"charge {charge}")
        p.check(0 < len(remarks) <= 8, "hotels.tsv", line, f"remarks {remarks}")
        folded = "東京" if region.startswith("東京") else "大阪" if region.startswith("大阪") else region
        per_folded[folded] = per_folded.get(folded, 0) + 1
        previous = runs.setdefault(folded, [])
        if not previous or previous[-1] != district:
            p.check(district not in previous, "hotels.tsv", line,
                    f"{folded}: district {district} is split into two runs")
            previous.append(district)
    for folded, count in per_folded.items():
        p.check(count <= 200, "hotels.tsv", 0, f"{folded}: {count} hotels, the list shows 200")
    for region in regions:
        folded = "東京" if region.startswith("東京") else "大阪" if region.startswith("大阪") else region
        p.check(folded in per_folded, "hotels.tsv", 0, f"region {region} has no hotel")


def check_files(files: dict) -> list:
    p = Problems()
    tables = {}
    for name, header in EXPECTED_HEADERS.items():
        if name not in files:
            p.add(name, 0, "not written")
            continue
        text = files[name]
        p.check(sjis_ok(text), name, 0, "text that Shift-JIS cannot hold")
        got_header, rows = read_table(text)
        p.check(got_header == header, name, 0, f"header {got_header}")
        for line, fields in rows:
            p.check(len(fields) == len(header), name, line, f"{len(fields)} fields, header has {len(header)}")
        tables[name] = (got_header, rows)
    if p.items:
        return p.items
    edition = {f[0]: int(f[1]) for _, f in tables["edition.tsv"][1]}
    p.check(edition == {"edition": 1, "station_count": STATION_COUNT}, "edition.tsv", 0, str(edition))
    for check in (check_shinkansen, check_keiyo, check_fares, check_hotels):
        try:
            check(tables, p)
        except (ValueError, KeyError, IndexError) as error:
            p.add(check.__name__, 0, f"unreadable value: {error}")
    return p.items


# --------------------------------------------------------------------------

def summary(files: dict) -> str:
    counts = {name: len(read_table(text)[1]) for name, text in sorted(files.items())}
    return ", ".join(f"{name} {n}" for name, n in counts.items())


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="folder to write (default data/edition1)")
    parser.add_argument("--check", action="store_true", help="compare with the files in the folder instead")
    args = parser.parse_args()

    files = generate()
    problems = check_files(files)
    if problems:
        print("make_edition1: the generated data is not valid:", file=sys.stderr)
        for problem in problems:
            print("  " + problem, file=sys.stderr)
        return 1

    if args.check:
        stale = []
        for name, text in files.items():
            path = os.path.join(args.out, name)
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    if f.read() != text:
                        stale.append(name)
            except FileNotFoundError:
                stale.append(name)
        if stale:
            print("make_edition1: out of date: " + ", ".join(sorted(stale)), file=sys.stderr)
            return 1
        print(f"make_edition1: {args.out} is up to date")
        return 0

    os.makedirs(args.out, exist_ok=True)
    for name, text in files.items():
        # Temporary file and rename, so an interrupted run leaves no half file.
        fd, tmp = tempfile.mkstemp(dir=args.out, prefix=f".{name}.")
        with os.fdopen(fd, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        os.replace(tmp, os.path.join(args.out, name))
    print("make_edition1: wrote " + summary(files))
    return 0


if __name__ == "__main__":
    sys.exit(main())
