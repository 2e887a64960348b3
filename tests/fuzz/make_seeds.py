#!/usr/bin/env python3
"""Writes the menu fuzzer's seed corpus (tests/fuzz/corpus) in the input
format MenuScenario.cpp reads. Each seed is one readable scenario; the fuzzer
mutates them into others."""
import os
import struct

IDS = {0: 0, 1: 1, 2: 2, 5: 3, 7: 4, -1: 5, -3: 6, 1000000: 7}
CONTROLS = dict(up=0, down=1, left=2, right=3, select=4, back=5, modifier=6, chord=7)
# The natives with a result, in host/NativeList.h's order.
NATIVES = dict(input_device=0, pressed_disabled_aware=1, just_released=2, just_pressed=3,
               just_pressed_disabled_aware=4, prompt_valid=5, prompt_active=6, prompt_completed=7,
               begin_prompt=8, game_string=9, player=10, hash_of_name=11, clock_hours=12)
BEHAVIOURS = dict(nothing=0, empty=1, throw=2, reregister=3, reregister_and_throw=4, register_failing=5)


def action(behaviour="nothing", kind=0, flag=None, values=1, id=0, template=0):
    out = [kind]
    if kind == 1:
        out.append(0 if flag is None else flag + 1)
    out.append(BEHAVIOURS[behaviour])
    if behaviour in ("reregister", "reregister_and_throw", "register_failing"):
        out += [IDS[id], template]
    out.append(values - 1)
    return out


def toggle(flag=None, behaviour="nothing"):
    return action(behaviour, kind=1, flag=flag)


def lst(values, behaviour="nothing", **kw):
    return action(behaviour, kind=2, values=values, **kw)


def link(id):
    return [3, IDS[id]]


def separator():
    return [4]


def header(templates, registrations):
    out = [len(templates) - 1]
    for rows in templates:
        out.append(len(rows))
        for row in rows:
            out += row
    out.append(len(registrations) - 1)
    for id, template in registrations:
        out += [IDS[id], template]
    return out


def frame():
    return [0]


def frames(n):
    return [19, n - 1]


def tap(*names):
    return sum(([1, CONTROLS[n]] for n in names), [])


def press(name):
    return [2, CONTROLS[name]]


def release(name):
    return [3, CONTROLS[name]]


def f8():
    return [4, 0, 5]


def shift_down():
    return [6, 0]


def shift_up():
    return [7]


def key(code, flags):
    return [8] + list(struct.pack("<H", code)) + [flags]


def advance(ms):
    return [9] + list(struct.pack("<H", ms))


def clock(ticks):
    return [10] + list(struct.pack("<I", ticks))


def answer(native, value):
    return [14, NATIVES[native], 0] + list(struct.pack("<Q", value))


def forget(native):
    return [14, NATIVES[native], 1]


def prompt(back, field, value):
    return [15, int(back), field, {False: 0, True: 1, None: 2}[value]]


def register(id, template):
    return [16, IDS[id], template]


def restart():
    return [17]


def failing_init(id):
    return [18, IDS[id]]


SEEDS = {}

# The voice menu as the player meets it: open, three down, select, back.
SEEDS["voice_menu"] = header([[]], [(7, 0)]) + f8() + frame() + tap("down") + frame() + tap("down") + frame() \
    + tap("down") + frame() + tap("select") + frame() + tap("back") + frame() + frames(2)

# Every kind of row, separators at both ends and in a run, links to a
# registered and an unregistered submenu, lists stepped both ways.
main = [separator(), action(), toggle(0), toggle(None), lst(3), lst(1), separator(), separator(),
        link(5), link(1000000), action("empty"), lst(5), separator()]
child = [action(), separator(), lst(2), link(0), link(7), separator()]
SEEDS["all_kinds"] = header([main, child], [(0, 0), (5, 1), (7, 1)]) + f8() + frame() \
    + sum((tap("down") + frame() for _ in range(9)), []) + tap("select") + frame() \
    + tap("up") + frame() + tap("up") + frame() + tap("right") + frame() + tap("left") + frame() \
    + tap("select") + frame() + tap("back") + frame() + shift_down() + tap("down") + frame() \
    + tap("up") + frame() + shift_up() + tap("select", "back") + frame() + f8() + frame() + f8() + frame()

# Actions that re-register the submenu they are shown in, or one saved on the
# stack, with fewer rows; actions that fail, also after a list step or a
# registration whose init fails.
big = [action()] * 8 + [action("reregister", id=0, template=1), link(5)] + [action()] * 6 \
    + [lst(4, "reregister", id=5, template=1)]
small = [action(), separator()]
child = [action("reregister", id=0, template=1), lst(3, "register_failing", id=5, template=0),
         action("throw"), action()]
SEEDS["shrinking"] = header([big, small, child], [(0, 0), (5, 2)]) + f8() + frame() \
    + sum((tap("down") + frame() for _ in range(9)), []) + tap("select") + frame() \
    + tap("select") + frame() + tap("down") + frame() + tap("right") + frame() \
    + tap("down") + frame() + tap("select") + frame() + tap("back") + frame() + register(0, 0) \
    + tap("up") + frame() + tap("up") + frame() + tap("right") + frame() \
    + sum((tap("up") + frame() for _ in range(8)), []) + tap("select") + frame() + failing_init(0) + frames(3)

# A hostile game: results that are not booleans, no result slot, no script
# global, prompts that lie, a gamepad, and a clock that wraps.
rows = [action(), lst(3), link(5), toggle(1)]
SEEDS["hostile_game"] = header([rows], [(0, 0), (5, 0)]) + f8() + frame() + [11] + frames(2) \
    + answer("input_device", 0xFFFFFFFF00000000) + answer("just_pressed", 0x100000000) + frames(2) \
    + answer("just_pressed", 0xFFFFFFFFFFFFFFFF) + frames(3) + forget("just_pressed") + [12] + frames(2) \
    + [13] + frames(2) + [12] + prompt(False, 0, True) + prompt(False, 1, True) + prompt(False, 2, True) \
    + frames(2) + prompt(True, 1, False) + tap("back") + frame() + answer("begin_prompt", 0xDEADBEEF) \
    + answer("game_string", 0) + answer("player", 0xFFFFFFFF) + tap("select") + frame() \
    + clock(0xFFFFFFF0) + f8() + frame() + advance(40) + f8() + advance(99) + frame() \
    + key(0x77, 0xF) + key(299, 0xF) + key(254, 0x8) + frame() + tap("modifier") + press("modifier") \
    + tap("chord") + frame() + release("modifier") + frames(2)

# Script restarts: while open in a submenu, then again at once.
rows = [action(), link(5), lst(2)]
SEEDS["restarts"] = header([rows, [action(), action()]], [(0, 0), (5, 1)]) + f8() + frame() \
    + tap("down") + frame() + tap("select") + frame() + restart() + frame() + f8() + frame() \
    + restart() + restart() + frames(2) + f8() + tap("down") + frame() + frames(2)

here = os.path.dirname(os.path.abspath(__file__))
corpus = os.path.join(here, "corpus")
os.makedirs(corpus, exist_ok=True)
for name, data in SEEDS.items():
    assert len(data) <= 1024, name
    with open(os.path.join(corpus, name), "wb") as seed:
        seed.write(bytes(data))
