"""Shared parts of the generators of the sample data (tools/make_edition1.py,
tools/make_edition2.py, tools/make_edition3.py).

The timing model, the Keiyo line, the fare rule of 2000, the hotels, the
checks of the files as written and the writing itself live here once. On top
of it this module times trains on a line with branches and couples branch
trains to a trunk train (Editions 2 and 3).

Standard library only and deterministic.
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

# Smallest gap, in minutes, between two trains of one direction at a station
# (departing, passing or arriving).
HEADWAY = 2

def hhmm(minutes: int) -> str:
    return f"{minutes // 60}:{minutes % 60:02d}"


def minutes_of(text: str) -> int:
    hour, minute = text.split(":")
    return int(hour) * 60 + int(minute)


def hours(first: int, last: int, minute: int) -> list:
    return [f"{h}:{minute:02d}" for h in range(first, last + 1)]


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


def floor10(amount: float) -> int:
    return int(amount // 10) * 10


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
    ("仙台", 2, "022", [("仙台駅前", "仙台", 6, "bcl"), ("国分町", "勾当台公園", 4, "bc"),
                       ("一番町", "広瀬通", 3, "bc"), ("秋保温泉", "仙台", 3, "r"), ("作並温泉", "作並", 2, "r")]),
    ("盛岡", 2, "019", [("駅前", "盛岡", 4, "bcl"), ("大通", "盛岡", 2, "bc"), ("つなぎ温泉", "盛岡", 2, "r")]),
    ("一関", 2, "0191", [("駅前", "一ノ関", 2, "b"), ("平泉", "平泉", 2, "r")]),
    ("北上", 2, "0197", [("駅前", "北上", 2, "b")]),
    ("花巻", 2, "0198", [("新花巻", "新花巻", 1, "b"), ("花巻温泉", "花巻", 3, "r")]),
    ("青森", 2, "017", [("駅前", "青森", 2, "bc")]),
    ("秋田", 2, "018", [("駅前", "秋田", 4, "bcl"), ("川反", "秋田", 2, "bc")]),
    ("角館", 2, "0187", [("武家屋敷", "角館", 2, "r"), ("田沢湖", "田沢湖", 2, "r")]),
    ("大曲", 2, "0187", [("駅前", "大曲", 2, "b")]),
    ("山形", 2, "023", [("駅前", "山形", 4, "bc"), ("蔵王温泉", "山形", 3, "r"), ("かみのやま", "かみのやま温泉", 2, "r")]),
    ("米沢", 2, "0238", [("駅前", "米沢", 2, "b"), ("赤湯温泉", "赤湯", 2, "r")]),
    ("天童", 2, "023", [("温泉街", "天童", 3, "r"), ("東根", "さくらんぼ東根", 1, "b")]),
    ("新庄", 2, "0233", [("駅前", "新庄", 2, "b"), ("銀山温泉", "大石田", 2, "r")]),
    ("福島", 2, "024", [("駅前", "福島", 3, "bc"), ("飯坂温泉", "福島", 2, "r")]),
    ("白石", 2, "0224", [("白石蔵王", "白石蔵王", 1, "b"), ("遠刈田温泉", "白石蔵王", 2, "r")]),
    ("郡山", 2, "024", [("駅前", "郡山", 4, "bc"), ("磐梯熱海", "磐梯熱海", 2, "r")]),
    ("会津若松", 2, "0242", [("駅前", "会津若松", 2, "b"), ("東山温泉", "会津若松", 2, "r")]),
    ("新潟", 3, "025", [("駅前", "新潟", 5, "bcl"), ("万代", "新潟", 3, "c"), ("古町", "白山", 2, "bc")]),
    ("長岡", 3, "0258", [("駅前", "長岡", 3, "bc")]),
    ("燕三条", 3, "0256", [("燕三条駅前", "燕三条", 2, "b")]),
    ("越後湯沢", 3, "0257", [("駅前", "越後湯沢", 3, "br"), ("苗場", "越後湯沢", 2, "cl"), ("浦佐", "浦佐", 1, "b")]),
    ("富山", 3, "076", [("駅前", "富山", 2, "bc")]),
    ("金沢", 3, "076", [("駅前", "金沢", 2, "bc"), ("香林坊", "金沢", 2, "cl")]),
    ("福井", 3, "0776", [("駅前", "福井", 2, "b")]),
    ("長野", 3, "026", [("駅前", "長野", 4, "bc"), ("善光寺", "長野", 2, "r"), ("湯田中温泉", "湯田中", 2, "r")]),
    ("上田", 3, "0268", [("駅前", "上田", 2, "b"), ("別所温泉", "別所温泉", 2, "r")]),
    ("軽井沢", 3, "0267", [("駅前", "軽井沢", 3, "cl"), ("旧軽井沢", "軽井沢", 2, "lr"), ("佐久平", "佐久平", 1, "b")]),
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
    ("宇都宮", 4, "028", [("駅前", "宇都宮", 4, "bc"), ("小山", "小山", 1, "b")]),
    ("那須", 4, "0287", [("那須塩原", "那須塩原", 2, "b"), ("那須高原", "那須塩原", 3, "lr"), ("新白河", "新白河", 1, "b")]),
    ("高崎", 4, "027", [("駅前", "高崎", 3, "bc"), ("上毛高原", "上毛高原", 1, "r"), ("熊谷", "熊谷", 2, "b")]),
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


def make_hotels(regions: list = REGIONS) -> list:
    """The invented hotels of the regions, in region and district order."""
    rng = Lcg(20000311)
    used: set = set()
    hotels = []
    serial = 0
    for region, _area, code, districts in regions:
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


def district_names(regions: list = REGIONS) -> list:
    names = []
    for _region, _area, _code, districts in regions:
        for district, *_ in districts:
            if district not in names:
                names.append(district)
    return names



def tsv(header: list, rows: list, comment: str = "") -> str:
    lines = [f"# {line}" if line else "#" for line in comment.splitlines()] if comment else []
    lines.append("\t".join(header))
    lines += ["\t".join(str(v) for v in row) for row in rows]
    return "\n".join(lines) + "\n"


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


# --------------------------------------------------------------------------
# A line with branches

@dataclass
class Network:
    """Stations of a line family: a trunk from 東京 and branches that leave it
    (or another branch) at a junction. `km` holds the operating kilometres in
    tenths along the route from 東京.
    """
    trunk: list
    branches: dict  # branch name -> (junction, [stations after the junction])
    km: dict
    minutes: dict  # frozenset({a, b}) of neighbours -> non-stop minutes (base stock)
    # Sections every train runs at the same speed (the slow approach to 東京,
    # the conventional lines of the mini-Shinkansen trains).
    fixed_speed: frozenset = frozenset()

    def route(self, name: str) -> list:
        """The stations from 東京 to name, in order."""
        if name in self.trunk:
            return self.trunk[:self.trunk.index(name) + 1]
        for junction, stations in self.branches.values():
            if name in stations:
                return self.route(junction) + stations[:stations.index(name) + 1]
        raise KeyError(name)

    def names(self) -> list:
        out = list(self.trunk)
        for _, stations in self.branches.values():
            out += stations
        return out

    def path(self, origin: str, dest: str) -> list:
        """Stations from origin to dest along one route, either direction."""
        for a, b, flip in ((origin, dest, False), (dest, origin, True)):
            route = self.route(b)
            if a in route:
                path = route[route.index(a):]
                return list(reversed(path)) if flip else path
        raise ValueError(f"{origin} and {dest} are not on one route")

    def junction_of(self, a: str, b: str) -> str:
        """The last station the routes to a and b share."""
        ra, rb = self.route(a), self.route(b)
        common = [x for x, y in zip(ra, rb) if x == y]
        return common[-1]

    def distance(self, a: str, b: str, table: dict) -> int:
        """Tenths of a km between a and b over the network (via the junction
        when they lie on different branches)."""
        j = self.junction_of(a, b)
        return table[a] - table[j] + table[b] - table[j]


def station_rows(layout: list) -> list:
    """(name, kind) rows from a list of names; a name written "X*" is listed
    twice: its arrival row (kind 1) and its departure row (kind 2); an empty
    name is an unused row."""
    rows = []
    for item in layout:
        if item.endswith("*"):
            rows += [(item[:-1], 1), (item[:-1], 2)]
        else:
            rows.append((item, 0))
    return rows


def row_of(rows: list, name: str, kind: str) -> int:
    """1-based row of a station: kind 'arr' or 'dep' picks the row of a
    doubly listed station, otherwise its only row."""
    for i, (row_name, row_kind) in enumerate(rows, start=1):
        if row_name != name:
            continue
        if row_kind == 0 or (row_kind == 1 and kind == "arr") or (row_kind == 2 and kind == "dep"):
            return i
    raise KeyError(name)


def first_row(rows: list, name: str, kinds: tuple = (0, 1, 2)) -> int:
    """First row with this name and one of the kinds, 0 when there is none
    (the program looks stations up this way)."""
    for i, (row_name, row_kind) in enumerate(rows, start=1):
        if row_name == name and row_kind in kinds:
            return i
    return 0


# --------------------------------------------------------------------------
# Trains

@dataclass
class Coupled:
    """A train that runs coupled to its carrier between 東京 and `split`
    and alone between `split` and `end` (the branch terminus)."""
    letter: str
    split: str
    end: str
    stops: frozenset
    stock: str


@dataclass
class Service:
    """One line of the plan: trains of one kind and pattern, one per time."""
    letter: str
    stops: frozenset       # the pattern; origin and destination are added
    origin: str
    dest: str
    times: list            # departure times at the origin, "H:MM"
    stock: object          # a stock key, or a list with one key per time
    days: int = 0
    group: str = ""        # numbering group
    rank: int = 5          # timed in rank order (lower first), then by speed
    coupled: object = None  # a Coupled branch train, or None


@dataclass
class Train:
    letter: str
    group: str
    days: int
    vehicle: str
    times: dict = field(default_factory=dict)  # row -> minutes
    code: str = ""
    carrier: object = None  # the train a coupled branch train runs with


@dataclass
class Model:
    """What timing needs to know about one Edition."""
    network: Network
    rows: dict               # direction -> [(name, kind)]
    speed: dict              # stock -> factor on high-speed sections
    max_stock: frozenset     # stocks of the double-deck trains (vehicle "M")
    dwell: dict              # station -> least dwell of a train that calls there
    # (split station, direction) -> (dwell of a carrier that calls there,
    # minutes from the carrier's arrival to the branch train's departure going
    # down, or from the branch train's arrival to the joint departure going up)
    couple_dwell: dict
    number_base: dict        # group -> first train number


def stop_set(network: Network, text: str) -> frozenset:
    names = frozenset(text.split())
    unknown = names - set(network.names())
    assert not unknown, unknown
    return names


def section_minutes(model: Model, a: str, b: str, stock: str) -> float:
    key = frozenset((a, b))
    base = model.network.minutes[key]
    return base if key in model.network.fixed_speed else base * model.speed[stock]


def offsets_of(model: Model, path: list, stops: list, stock: str, loss: float = 1.0) -> list:
    """Running minutes from the first station; a stop costs `loss` minutes of
    braking and starting, half on each side."""
    offsets = [0.0]
    for i in range(1, len(path)):
        run = section_minutes(model, path[i - 1], path[i], stock)
        run += (loss / 2 if stops[i - 1] else 0) + (loss / 2 if stops[i] else 0)
        offsets.append(offsets[-1] + run)
    return offsets


def record(train: Train, rows: list, name: str, arr: int, dep: int, first: bool, last: bool) -> None:
    """Times of one call: a doubly listed station gets its arrival and its
    departure row (only the one that applies at the first and the last stop);
    any other station its departure (its arrival at the last stop)."""
    doubled = first_row(rows, name, (1,)) != 0
    if first:
        train.times[row_of(rows, name, "dep")] = dep
    elif last:
        train.times[row_of(rows, name, "arr")] = arr
    elif doubled:
        train.times[row_of(rows, name, "arr")] = arr
        train.times[row_of(rows, name, "dep")] = dep
    else:
        train.times[row_of(rows, name, "dep")] = dep


def shifts_for(rank: int, start: int) -> range:
    """Departure minutes a train may move from its planned time to wait less
    on the way; never before 6:00."""
    earliest, latest = (0, 3) if rank <= 1 else (-3, 8)
    return range(max(earliest, 6 * 60 - start), latest + 1)


def time_carrier(model: Model, service: Service, direction: int, start: int, stock: str,
                 placed: Placed) -> tuple:
    """Places one train of the service; returns (path, stops, arr, dep)."""
    path = model.network.path(service.origin, service.dest)
    stops = [name in service.stops or k in (0, len(path) - 1) for k, name in enumerate(path)]
    dwells = [model.dwell.get(name, 1) for name in path]
    if service.coupled is not None and service.coupled.split in path[1:-1]:
        k = path.index(service.coupled.split)
        carrier_dwell = model.couple_dwell[(service.coupled.split, direction)][0]
        dwells[k] = max(dwells[k], carrier_dwell)
        stops[k] = True
    offsets = offsets_of(model, path, stops, stock)
    arr, dep = place(path, stops, offsets, dwells, start, placed, lambda name: True,
                     shifts=shifts_for(service.rank, start))
    return path, stops, arr, dep


def make_train(model: Model, letter: str, group: str, days: int, stock: str, direction: int,
               path: list, stops: list, arr: list, dep: list) -> Train:
    train = Train(letter, group, days, "M" if stock in model.max_stock else "")
    last = len(path) - 1
    for k, name in enumerate(path):
        if stops[k]:
            record(train, model.rows[direction], name, arr[k], dep[k], k == 0, k == last)
    return train


def time_branch(model: Model, coupled: Coupled, direction: int, carrier: Train, c_path: list,
                c_arr: list, c_dep: list, placed: Placed) -> Train:
    """The coupled train: the carrier's times between 東京 and the split
    station, then its own on the branch (placed on the branch sections)."""
    rows = model.rows[direction]
    split = coupled.split
    k = c_path.index(split)
    branch = Train(coupled.letter, "", carrier.days, "M" if coupled.stock in model.max_stock else "")
    branch.carrier = carrier
    split_rows = {row_of(rows, split, "arr"), row_of(rows, split, "dep")}
    branch_dwell = model.couple_dwell[(split, direction)][1]
    if direction == 1:
        # Down: both trains arrive together; the branch train leaves after
        # the carrier has gone.
        for row, minute in carrier.times.items():
            if row < min(split_rows):
                branch.times[row] = minute
        path = model.network.path(split, coupled.end)
        stops = [name in coupled.stops or i in (0, len(path) - 1) for i, name in enumerate(path)]
        offsets = offsets_of(model, path, stops, coupled.stock)
        dwells = [model.dwell.get(name, 1) for name in path]
        start = c_arr[k] + branch_dwell
        arr, dep = place(path, stops, offsets, dwells, start, placed, lambda name: True)
        dep[0] = max(dep[0], start)
        if first_row(rows, split, (1,)):
            branch.times[row_of(rows, split, "arr")] = c_arr[k]
        branch.times[row_of(rows, split, "dep")] = dep[0]
        for i in range(1, len(path)):
            if stops[i]:
                record(branch, rows, path[i], arr[i], dep[i], False, i == len(path) - 1)
        return branch
    # Up: the branch train arrives first and is coupled to the carrier, and
    # both leave the split station together.
    leave = c_dep[k]
    target = leave - branch_dwell
    path = model.network.path(coupled.end, split)
    stops = [name in coupled.stops or i in (0, len(path) - 1) for i, name in enumerate(path)]
    offsets = offsets_of(model, path, stops, coupled.stock)
    dwells = [model.dwell.get(name, 1) for name in path]
    start = target - math.floor(offsets[-1] + 0.5) - sum(dwells[i] for i in range(1, len(path) - 1) if stops[i])
    for _ in range(50):
        arr, dep = time_train(path, stops, offsets, dwells, start, placed, lambda name: True)
        if arr[-1] <= target:
            break
        start -= arr[-1] - target
    else:
        raise RuntimeError(f"cannot time {coupled.letter} from {coupled.end} to meet the carrier at {split}")
    placed.add(path, arr, dep)
    for i in range(len(path) - 1):
        if stops[i]:
            record(branch, rows, path[i], arr[i], dep[i], i == 0, False)
    if first_row(rows, split, (1,)):
        branch.times[row_of(rows, split, "arr")] = arr[-1]
    branch.times[row_of(rows, split, "dep")] = leave
    for row, minute in carrier.times.items():
        if row > max(split_rows):
            branch.times[row] = minute
    return branch


def priority(model: Model, service: Service) -> tuple:
    """Higher-ranked and faster trains are timed first; slower ones wait for
    them. Trains that run on some days only come after the daily trains."""
    path = model.network.path(service.origin, service.dest)
    stops = [name in service.stops or k in (0, len(path) - 1) for k, name in enumerate(path)]
    stock = service.stock[0] if isinstance(service.stock, list) else service.stock
    offsets = offsets_of(model, path, stops, stock)
    km = model.network.distance(service.origin, service.dest, model.network.km)
    return (service.rank, service.days != 0, offsets[-1] / km)


def build_direction(model: Model, plan: list, direction: int) -> list:
    """Times every train of the plan (a coupled train right after its
    carrier), orders the trains by their first departure and numbers them by
    group; a coupled train takes its carrier's number."""
    placed = Placed()
    trains = []
    for service in sorted(plan, key=lambda s: priority(model, s)):
        stocks = service.stock if isinstance(service.stock, list) else [service.stock] * len(service.times)
        assert len(stocks) == len(service.times), service
        for start, stock in sorted(zip(service.times, stocks), key=lambda ts: minutes_of(ts[0])):
            path, stops, arr, dep = time_carrier(model, service, direction, minutes_of(start), stock, placed)
            train = make_train(model, service.letter, service.group, service.days, stock, direction,
                               path, stops, arr, dep)
            trains.append(train)
            if service.coupled is not None:
                trains.append(time_branch(model, service.coupled, direction, train, path, arr, dep,
                                          placed))
    return number_trains(trains, direction, model.number_base, lambda t: t.letter)


def number_trains(trains: list, direction: int, number_base: dict, tie) -> list:
    """Orders the trains by their first departure (then first row, then
    tie(train)) and numbers them by group: down trains take odd numbers from
    the group's base, up trains even ones. A coupled train takes its
    carrier's number."""
    trains.sort(key=lambda t: (min(t.times.values()), min(t.times), tie(t)))
    counters = dict(number_base)
    for train in trains:
        if train.carrier is not None:
            continue
        number = counters[train.group] + (0 if direction == 1 else 1)
        counters[train.group] += 2
        train.code = f"{train.letter}{number}"
    for train in trains:
        if train.carrier is not None:
            train.code = train.letter + train.carrier.code[1:]
    return trains


def timetable_rows(trains: list, station_count: int) -> list:
    return [[t.code, t.days, t.vehicle] + [hhmm(t.times[r]) if r in t.times else ""
                                           for r in range(1, station_count + 1)] for t in trains]


# --------------------------------------------------------------------------
# Fares shared by Editions 2 and 3 (JR East, March 2000; modelled)

# Reserved-seat express charge of the Shinkansen, normal season, by distance
# (upper km, yen).
SHINKANSEN_EXPRESS = [
    (50, 2180), (100, 2510), (150, 2930), (200, 3360), (250, 3880), (300, 4080),
    (400, 4810), (500, 5130), (600, 5650), (700, 6170),
]
# Reserved-seat limited-express charge of the conventional lines the
# mini-Shinkansen trains run on, by distance.
CONVENTIONAL_EXPRESS = [(50, 1240), (100, 1660), (150, 2200), (200, 2400)]
ADJACENT_FREE_SEAT = 840   # flat free-seat charge between neighbouring stations
FREE_SEAT_DISCOUNT = 510
# Green charges by distance; there are no private rooms on these lines.
GREEN = [(100, 1240), (200, 2670), (400, 4000), (600, 5150), (800, 6300), (9999, 7440)]


def band(bands: list, tenths: int) -> int:
    for upper, amount in bands:
        if tenths <= upper * 10:
            return amount
    raise ValueError(tenths)


def km_text(tenths: int) -> str:
    return f"{tenths // 10}.{tenths % 10}"


def green_rows() -> list:
    return [(upper, g, 0, 0) for upper, g in GREEN]


# --------------------------------------------------------------------------
# Files every Edition writes alike: Keiyo line, regions, districts, hotels

def keiyo_files(generator: str) -> dict:
    files = {}
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
                                      f"Keiyo line, {KEIYO_TABLE_NAMES[k]}. Generated by {generator}.")
    return files


def hotel_files(regions: list = REGIONS) -> dict:
    files = {}
    files["regions.tsv"] = tsv(["name", "area", "digit"], [(name, area, 0) for name, area, _, _ in regions],
                               "Areas: 1 北海道 2 東北 3 北陸・中部 4 東京 5 大阪 6 中国 7 四国 8 九州 9 沖縄.")
    files["districts.tsv"] = tsv(["name"], [(name,) for name in district_names(regions)])
    files["hotels.tsv"] = tsv(
        ["region", "district", "name", "tel", "rooms", "access", "charge", "remarks"],
        [(h.region, h.district, h.name, h.tel, h.rooms, h.access, h.charge, h.remarks)
         for h in make_hotels(regions)],
        "Invented hotels; the telephone numbers (exchange 0000) do not exist.")
    return files


# --------------------------------------------------------------------------
# Checks shared by the Editions

def expected_headers(station_count: int) -> dict:
    headers = {
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
    for k in range(1, 5):
        headers[f"keiyo_{k}.tsv"] = ["code"] + [f"p{i}" for i in range(1, 13)]
    for d in (1, 2):
        headers[f"shinkansen_{d}.tsv"] = ["code", "days", "vehicle"] + [f"r{i}" for i in range(1, station_count + 1)]
    return headers


DAY_CODES = {0, 1, 10, 11, 50, 51, 70, 170}


def check_station_lists(tables: dict, p: Problems, network: Network, model_rows: dict,
                        station_count: int) -> dict:
    """The lists as written equal model_rows (direction -> [(name, kind)]),
    every arrival row is followed by its departure row, and every station of
    the network is listed once in each direction."""
    _, station_rows_read = tables["shinkansen_stations.tsv"]
    rows = {1: {}, 2: {}}
    for line, (d, r, name, kind) in station_rows_read:
        rows[int(d)][int(r)] = (name, int(kind))
    for d in (1, 2):
        listed = [rows[d].get(r, ("", 0)) for r in range(1, station_count + 1)]
        p.check(listed == model_rows[d] + [("", 0)] * (station_count - len(model_rows[d])),
                "shinkansen_stations.tsv", 0, f"direction {d} differs from the model")
        for r, (name, kind) in enumerate(listed, start=1):
            if kind == 1:
                p.check(r < station_count and listed[r] == (name, 2), "shinkansen_stations.tsv", 0,
                        f"direction {d} row {r}: arrival row of {name} is not followed by its departure row")
            if kind == 2:
                p.check(r > 1 and listed[r - 2] == (name, 1), "shinkansen_stations.tsv", 0,
                        f"direction {d} row {r}: departure row of {name} without its arrival row")
    names = set(network.names())
    for d in (1, 2):
        listed = {name for name, _ in model_rows[d] if name}
        p.check(listed == names, "shinkansen_stations.tsv", 0, f"direction {d} does not list every station once")
    p.check(station_count <= 50, "edition.tsv", 0, "more than 50 rows")
    return rows


def check_trains(tables: dict, p: Problems, network: Network, model_rows: dict, letters: str,
                 least: int, vehicles: frozenset = frozenset({"", "M"})) -> None:
    """Codes, days, vehicles, times that increase along a real route, dwell
    at doubly listed stations, timetable order."""
    for d in (1, 2):
        name = f"shinkansen_{d}.tsv"
        _, trains = tables[name]
        p.check(least <= len(trains) <= 250, name, 0, f"{len(trains)} trains, expected {least}..250")
        rows = model_rows[d]
        codes = set()
        last_first = -1
        for line, fields in trains:
            code, days, vehicle = fields[0], int(fields[1]), fields[2]
            p.check(re.fullmatch(f"[{letters}]\\d{{1,3}}", code) is not None, name, line, f"train code {code!r}")
            p.check(code not in codes, name, line, f"train code {code} twice")
            codes.add(code)
            p.check(int(code[1:]) % 2 == (1 if d == 1 else 0), name, line, f"{code}: number parity")
            p.check(days in DAY_CODES, name, line, f"operating-day code {days}")
            p.check(vehicle in vehicles, name, line, f"vehicle type {vehicle!r}")
            times = {r: parse_time(t) for r, t in enumerate(fields[3:], start=1) if t}
            p.check(len(times) >= 2, name, line, f"{code} has fewer than two stops")
            if len(times) < 2:
                continue
            ordered_rows = sorted(times)
            values = [times[r] for r in ordered_rows]
            p.check(all(a < b for a, b in zip(values, values[1:])), name, line,
                    f"{code}: times do not increase along the route")
            p.check(values[0] >= 6 * 60 and values[-1] <= 23 * 60 + 59, name, line,
                    f"{code}: runs outside 6:00..23:59")
            first, last = ordered_rows[0], ordered_rows[-1]
            p.check(rows[first - 1][1] != 1, name, line, f"{code} starts on an arrival row")
            p.check(rows[last - 1][1] != 2, name, line, f"{code} ends on a departure row")
            for r in ordered_rows:
                kind = rows[r - 1][1]
                if kind == 1 and r != last:
                    p.check(r + 1 in times, name, line, f"{code} arrives at {rows[r - 1][0]} but never leaves")
                if kind == 2 and r != first:
                    p.check(r - 1 in times and times[r - 1] < times[r], name, line,
                            f"{code}: no dwell at {rows[r - 1][0]}")
            stations = []
            for r in ordered_rows:
                if not stations or stations[-1] != rows[r - 1][0]:
                    stations.append(rows[r - 1][0])
            try:
                path = network.path(stations[0], stations[-1])
                on_route = all(s in path for s in stations) and \
                    [s for s in path if s in stations] == stations
            except (ValueError, KeyError):
                on_route = False
            p.check(on_route, name, line, f"{code}: its stops are not along one route")
            p.check(values[0] >= last_first, name, line, f"{code} is out of timetable order")
            last_first = values[0]


def check_fare_pairs(tables: dict, p: Problems, network: Network, list1_rows: list,
                     known: dict) -> dict:
    """The fare rule, km entries, one fare record per station pair, the known
    fares ((a, b) -> fare) and the green brackets. Returns the records by
    pair: (fare, express, free-seat express, coupon)."""
    check_fare_rule(p)
    names = network.names()
    _, km_rows = tables["km.tsv"]
    p.check([f[0] for _, f in km_rows] == names and len(km_rows) <= 50, "km.tsv", 0,
            "one entry per station, in network order")
    order = {name: first_row(list1_rows, name) for name in names}
    _, pairs = tables["fare_pairs.tsv"]
    seen = {}
    for line, (a, b, fare_text, express_text, free_text, coupon_text) in pairs:
        p.check(a in order and b in order and order[a] < order[b], "fare_pairs.tsv", line, f"pair {a}-{b}")
        seen[(a, b)] = tuple(int(x) for x in (fare_text, express_text, free_text, coupon_text))
        p.check(0 < int(fare_text) <= 32767 and 0 < int(express_text) <= 32767, "fare_pairs.tsv", line,
                "amount outside 16 bits")
        p.check(int(coupon_text) % 6 == 0, "fare_pairs.tsv", line, "coupon not divisible into six sheets")
    n = len(names)
    p.check(len(pairs) == n * (n - 1) // 2 == len(seen) and len(pairs) <= 1000, "fare_pairs.tsv", 0,
            "one record for every station pair")
    for pair, want in known.items():
        got = seen.get(pair, (0, 0, 0, 0))
        p.check(got[0] == want, "fare_pairs.tsv", 0, f"{pair} fare {got[0]}, expected {want}")
    _, green_rows_read = tables["green.tsv"]
    p.check([int(f[0]) for _, f in green_rows_read] == [u for u, _ in GREEN], "green.tsv", 0, "brackets")
    return seen


def check_fare_tables(tables: dict, p: Problems, network: Network, list1_rows: list,
                      known: dict) -> dict:
    """The fare records (check_fare_pairs), and tickets only on pairs with a
    fare record; no Nozomi data."""
    seen = check_fare_pairs(tables, p, network, list1_rows, known)
    _, ticket_rows = tables["tickets.tsv"]
    p.check(len(ticket_rows) <= 500, "tickets.tsv", 0, "more than 500 tickets")
    for line, (a, b, kind, sheets, validity, price) in ticket_rows:
        p.check((a, b) in seen, "tickets.tsv", line, f"pair {a}-{b} has no fare record")
        p.check(1 <= int(kind) <= 14 and int(kind) not in (1, 2, 9, 10), "tickets.tsv", line,
                f"kind {kind}: Nozomi tickets belong to Edition 1 only")
        p.check(1 <= int(sheets) <= 63 and int(price) % int(sheets) == 0, "tickets.tsv", line,
                "sheets out of range or price not divisible by them")
    p.check(tables["nozomi.tsv"][1] == [], "nozomi.tsv", 0, "Nozomi charges outside Edition 1")
    return seen


def check_ini(path: str, p: Problems, list1_rows: list, regions: list) -> None:
    """The installed SettingsFile names stations of list 1 and known regions."""
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except FileNotFoundError:
        p.add(os.path.basename(path), 0, "missing")
        return
    name = os.path.basename(path)
    values = dict(re.findall(r"^(\w+)=(.*)$", text, re.M))
    for key in ("sinkansen_station", "st_station", "ed_station"):
        p.check(first_row(list1_rows, values.get(key, ""), (0, 1)) != 0, name, 0,
                f"{key}={values.get(key)} is not a station of list 1")
    for section in ("Departure ground", "Arrival ground"):
        m = re.search(rf"^\[{section}\]\n((?:\".*\"\n)+)", text, re.M)
        p.check(m is not None, name, 0, f"[{section}] missing")
        if m:
            for region in re.findall(r"\"(.*)\"", m.group(1)):
                p.check(region in regions, name, 0, f"[{section}] {region} is not a region")


def read_all(files: dict, headers: dict, p: Problems) -> dict:
    tables = {}
    for name, header in headers.items():
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
    return tables


def run_checks(p: Problems, tables: dict, checks: list) -> None:
    for check in checks:
        try:
            check(tables, p)
        except (ValueError, KeyError, IndexError) as error:
            p.add(getattr(check, "__name__", "check"), 0, f"unreadable value: {error}")


# --------------------------------------------------------------------------

def main(tool: str, default_out: str, generate, check_files, argv=None) -> int:
    parser = argparse.ArgumentParser(description=f"{tool}: writes the sample data sources")
    parser.add_argument("--out", default=default_out, help=f"folder to write (default {default_out})")
    parser.add_argument("--check", action="store_true", help="compare with the files in the folder instead")
    args = parser.parse_args(argv)

    files = generate()
    problems = check_files(files)
    if problems:
        print(f"{tool}: the generated data is not valid:", file=sys.stderr)
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
            print(f"{tool}: out of date: " + ", ".join(sorted(stale)), file=sys.stderr)
            return 1
        print(f"{tool}: {args.out} is up to date")
        return 0

    os.makedirs(args.out, exist_ok=True)
    for name, text in files.items():
        # Temporary file and rename, so an interrupted run leaves no half file.
        fd, tmp = tempfile.mkstemp(dir=args.out, prefix=f".{name}.")
        with os.fdopen(fd, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        os.replace(tmp, os.path.join(args.out, name))
    counts = ", ".join(f"{name} {len(read_table(text)[1])}" for name, text in sorted(files.items()))
    print(f"{tool}: wrote {counts}")
    return 0


def rule_outcomes(model: Model, trains: dict, rejected) -> tuple:
    """Applies the search window's station combination rule `rejected(d,
    st_row, ed_row)` to every ordered pair of stations, looking the names up
    as the window does, and returns (refused pairs that a direct train
    serves, refused pairs, pairs a direct train serves)."""
    names = model.network.names()
    refused, served = set(), set()
    for a in names:
        for b in names:
            if a == b:
                continue
            st, ed = first_row(model.rows[1], a, (0, 1)), first_row(model.rows[1], b, (0, 1))
            d = 1 if st < ed else 2
            if d == 2:
                st, ed = first_row(model.rows[2], a, (0, 1)), first_row(model.rows[2], b, (0, 1))
            if rejected(d, st, ed):
                refused.add((a, b))
            board, alight = first_row(model.rows[d], a, (0, 2)), first_row(model.rows[d], b, (0, 1))
            if board < alight and any(board in t.times and alight in t.times for t in trains[d]):
                served.add((a, b))
    return refused & served, refused, served


# --------------------------------------------------------------------------
# The source files of a branched Edition (2 or 3)

def branched_edition_files(ed, edition: int, summary: str, script: str, tickets_note: str) -> dict:
    """Every source file of Edition 2 or 3. `ed` is the Edition's generator
    module: its station rows, kilometres, fare rules and ticket terms."""
    def ordered(a: str, b: str) -> tuple:
        return (a, b) if first_row(ed.ROWS[1], a) < first_row(ed.ROWS[1], b) else (b, a)

    files = {}
    files["edition.tsv"] = tsv(["key", "value"], [("edition", edition), ("station_count", ed.STATION_COUNT)],
                               summary)
    station_rows = [(d, r, name, kind) for d in (1, 2) for r, (name, kind) in enumerate(ed.ROWS[d], start=1)
                    if name or kind]
    files["shinkansen_stations.tsv"] = tsv(
        ["direction", "row", "name", "kind"], station_rows,
        "Direction 1 runs from 東京, direction 2 towards 東京. Kind 1 is the arrival row and kind 2\n"
        "the departure row of a station where trains wait. Rows not listed are unused; the row\n"
        "numbers are explained in data/README.md.")
    trains = ed.build_trains()
    header = ["code", "days", "vehicle"] + [f"r{i}" for i in range(1, ed.STATION_COUNT + 1)]
    for d in (1, 2):
        files[f"shinkansen_{d}.tsv"] = tsv(header, timetable_rows(trains[d], ed.STATION_COUNT),
                                           f"Generated by {script}.")
    files.update(keiyo_files(script))

    files["km.tsv"] = tsv(["station", "km"], [(name, km_text(ed.KM[name])) for name in ed.NAMES],
                          "Operating kilometres from 東京 along each station's line.")
    pairs = []
    coupons = {ordered(a, b) for a, b in ed.COUPON_PAIRS}
    order = sorted(ed.NAMES, key=lambda n: first_row(ed.ROWS[1], n))
    for i, a in enumerate(order):
        for b in order[i + 1:]:
            pairs.append((a, b, ed.fare(a, b), ed.express(a, b), ed.free_seat_given(a, b),
                          ed.coupon(a, b) if (a, b) in coupons else 0))
    files["fare_pairs.tsv"] = tsv(["station_a", "station_b", "fare", "express", "free_seat_express", "coupon"],
                                  pairs, "Fares and reserved-seat express charges (normal season); see "
                                  "data/README.md.")
    files["green.tsv"] = tsv(["upper_km", "green", "room_1_2", "room_3_4"], green_rows(),
                             "No private rooms on these lines.")
    tickets = []
    for a, b, kinds in ed.TICKET_PAIRS:
        a, b = ordered(a, b)
        for kind in kinds:
            sheets, validity, price = ed.ticket_price(a, b, kind)
            tickets.append((a, b, kind, sheets, validity, price))
    files["tickets.tsv"] = tsv(["station_a", "station_b", "kind", "sheets", "validity", "price"], tickets,
                               tickets_note)
    files["nozomi.tsv"] = tsv(["station_a", "station_b", "nozomi_express", "supplement", "spare"], [],
                              "Nozomi charges belong to Edition 1 only.")
    files.update(hotel_files())
    return files
