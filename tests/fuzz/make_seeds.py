#!/usr/bin/env python3
"""Writes the menu fuzzer's seed corpus (tests/fuzz/corpus) and its dictionary
(tests/fuzz/menu.dict) in the input format MenuScenario.cpp, ScenarioPages.cpp
and ScenarioGame.cpp read. Each seed is one readable scenario; the fuzzer
mutates them into others. Inputs that once broke the menu are kept beside the
seeds under names of their own, which this leaves alone."""
import os
import struct

IDS = {0: 0, 1: 1, 2: 2, 5: 3, 7: 4, -1: 5, -3: 6, 1000000: 7}
CONTROLS = dict(up=0, down=1, left=2, right=3, select=4, back=5, modifier=6, chord=7,
                click=8, right_click=9, wheel_up=10, wheel_down=11, page_up=12, page_down=13)
# The natives with a result, in host/NativeList.h's order.
NATIVES = dict(input_device=0, pressed_disabled_aware=1, just_released=2, just_pressed=3,
               just_pressed_disabled_aware=4, prompt_valid=5, prompt_active=6, prompt_completed=7,
               begin_prompt=8, game_string=9, player=10, hash_of_name=11, clock_hours=12)
BEHAVIOURS = dict(nothing=0, empty=1, throw=2, reregister=3, reregister_and_throw=4, register_failing=5,
                  refresh=6, add_task=7, open=8, toggle_mouse=9, change_targets=10, draw=11)
# Indices into the tables of ScenarioPages.cpp.
WHOLE = {-2**31: 0, -1000000: 1, -1: 2, 0: 3, 1: 4, 23: 5, 1000000: 6, 2**31 - 1: 7}
WHOLE_STEPS = {1: 0, 2: 1, 7: 2, 1000000: 3, 2**31 - 1: 4, 0: 5, -1: 6}
REAL = {-3e38: 0, -1e12: 1, -1000.5: 2, -1.0: 3, 0.0: 4, 0.1: 5, 1.0: 6, 2.5: 7, 1e12: 8, 3e38: 9,
        "nan": 10, "inf": 11}
REAL_STEPS = {1e-6: 0, 0.1: 1, 0.25: 2, 1.0: 3, 1e30: 4, 0.0: 5, "nan": 6}
MAX_LENGTHS = {1: 0, 2: 1, 10: 2, 100: 3, 4096: 4, 2**31 - 1: 5, 0: 6}
# HostileTexts(): 0 empty, 1 "$25", 2 long, 3 control characters, 4 not UTF-8,
# 5 accents and an emoji, 6 markup, 7 placeholders, 8 long and not UTF-8, 9 surrogates,
# 10 a NUL inside, 11 "ROW 1" (a filter's text some rows hold).
TEXTS = 12


def event(behaviour="nothing", id=0, template=0, task=0):
    out = [BEHAVIOURS[behaviour]]
    if behaviour in ("reregister", "reregister_and_throw"):
        out += [IDS[id], template]
    elif behaviour in ("register_failing", "refresh", "open"):
        out += [IDS[id]]
    elif behaviour == "add_task":
        out += [task]
    return out


def decoration(disabled=False, right=None, badge=None, hover=None):
    out = [int(disabled) | (right is not None) << 1 | (badge is not None) << 2 | (hover is not None) << 3]
    if right is not None:
        out.append(right)
    if badge is not None:
        out.append(badge)
    if hover is not None:
        out += hover
    return out


def action(does=None, kind=0, target=0, values=1, start=0, **decorated):
    """target 3 is none; a list of 0 values, or starting at `values`, is refused."""
    return [kind, target, values] + ([start] if kind == 2 else []) + (does or event()) + decoration(**decorated)


def toggle(flag=None, does=None, **decorated):
    return action(does, kind=1, target=3 if flag is None else flag, **decorated)


def lst(values, does=None, start=0, **decorated):
    return action(does, kind=2, values=values, start=start, **decorated)


def link(id, **decorated):
    return [3, IDS[id]] + decoration(**decorated)


def separator(**decorated):
    return [4] + decoration(**decorated)


def filter_row(**decorated):
    return [8] + decoration(**decorated)


def whole(lo, hi, step=1, target=0, does=None, **decorated):
    return [5, target, WHOLE[lo], WHOLE[hi], WHOLE_STEPS[step]] + (does or event()) + decoration(**decorated)


def real(lo, hi, step, decimals, target=0, does=None, **decorated):
    return [6, target, REAL[lo], REAL[hi], REAL_STEPS[step], decimals] + (does or event()) \
        + decoration(**decorated)


def text(max_length, target=0, does=None, **decorated):
    return [7, target, MAX_LENGTHS[max_length]] + (does or event()) + decoration(**decorated)


def page(rows, dynamic=False, enter=None, leave=None):
    out = [int(dynamic) | (enter is not None) << 1]
    if enter is not None:
        out += enter + (leave or event())
    return out + [len(rows)] + sum(rows, [])


def header(pages, registrations, tasks=(), on_open=None, on_close=None):
    """pages: page() results or plain row lists."""
    out = [len(pages) - 1]
    for p in pages:
        out += page(p) if not p or isinstance(p[0], list) else p
    out.append(len(tasks))
    for t in tasks:
        out += t
    out += (on_open or event()) + (on_close or event())
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


def cursor_bits(x, y):
    return [20, 0] + list(struct.pack("<ff", x, y))


def cursor_nowhere(x, y):
    """Indices into ScenarioGame.cpp's places no screen has."""
    return [20, 1, x, y]


# Column places: 0 left, 1 right, 2 centre, 3 a value's right arrow, 4 its left arrow; side -1, 0, 1.
def cursor(column, slot, row_place=2, column_side=0, row_side=0):
    return [20, 2, column, column_side + 1, slot, row_place, row_side + 1]


def mouse():
    return [21]


def typing(*steps):
    """The game's keyboard: ("type", text), "finish", "cancel", "null", ("raw", text), "long", "as typed"."""
    out = []
    for step in steps:
        if isinstance(step, tuple) and step[0] == "type":
            out += [22, 0, step[1]]
        elif isinstance(step, tuple):
            out += [22, 4, 0, step[1]]
        else:
            out += {"finish": [22, 1], "cancel": [22, 2], "null": [22, 3], "long": [22, 4, 1],
                    "as typed": [22, 5]}[step]
    return out


def keyboard_answers(choice, value=0):
    """0 editing, 1 finished, 2 cancelled, 3 not active, 4 value, 5 as the game does."""
    return [23, choice] + (list(struct.pack("<I", value)) if choice == 4 else [])


# Look fields: 0 rows shown, 1 left, 2 width, 3 fonts, 4 sizes, 5 colours.
def look(field, *values):
    return [24, field] + list(values)


def between(*plan):
    return [25] + event(*plan)


def hold(side, ms, frames_after):
    return [26, 0 if side == "left" else 1] + list(struct.pack("<I", ms)) + [frames_after - 1]


def markup(*texts):
    """The markup builder against the placeholder filler, on six of the hostile texts."""
    return [27] + list(texts)


# Kept settings (ScenarioSettings.cpp): the values a player's file holds,
# by index, and the key names; scenarioHotkeys by index.
KEPT_VALUES = {"on": 0, "off": 1, "TRUE": 2, "0": 3, "value 1": 4, "value 9": 5, "23": 6, "-1": 7, "0.10": 8,
               "1e999": 9, "nan": 10, "spaced": 11, "": 12, "not text": 13, "0.15": 14}
KEY_NAMES = {"F8": 0, "F5": 1, "a": 2, "0x41": 3, "bogus": 4, "": 5, "0x00": 6}
HOTKEYS = {"none": 0, "F8": 1, "A": 2, "F5": 3, "1": 4}


def players_file(menu_key, pages, hotkeys):
    """pages: three lists of six KEPT_VALUES names; hotkeys: two KEY_NAMES names."""
    return [KEY_NAMES[menu_key]] + [KEPT_VALUES[v] for rows in pages for v in rows] + [KEY_NAMES[k] for k in hotkeys]


def restart_game(file="as left", players=None, noise=()):
    """The game ends and starts again on a settings file: none, as the last game left it, a player's,
    64 bytes of noise, a player's after 70 KiB, a player's cut mid-line, a player's with a BOM and CRLF."""
    kinds = ["none", "as left", "players", "noise", "huge", "cut", "bom"]
    out = [28, 2, kinds.index(file)]
    if file == "noise":
        out += list(noise) + [0] * (64 - len(noise))
    elif file in ("players", "huge", "cut", "bom"):
        out += players
    return out


def hotkey(name):
    return [28, 0, HOTKEYS[name]]


def spoil_folder(how):
    """gone: writes fail for want of the folder; taken: a folder stands where the file is written; mend."""
    return [28, 1, ["gone", "taken", "mend"].index(how)]


def downs(n):
    return sum((tap("down") + frame() for _ in range(n)), [])


SEEDS = {}

# The voice menu as the player meets it: open, three down, select, back.
SEEDS["voice_menu"] = header([[]], [(7, 0)]) + f8() + frame() + downs(3) + tap("select") + frame() \
    + tap("back") + frame() + frames(2)

# Every kind of row, separators at both ends and in a run, links to a
# registered and an unregistered submenu, lists stepped both ways.
main = [separator(), action(), toggle(0), toggle(None), lst(3), lst(1), separator(), separator(),
        link(5), link(1000000), action(event("empty")), lst(5), whole(0, 23), real(-1.0, 1.0, 0.25, 2),
        text(10), separator()]
child = [action(), separator(), lst(2), link(0), link(7), separator()]
SEEDS["all_kinds"] = header([main, child], [(0, 0), (5, 1), (7, 1)]) + f8() + frame() + downs(9) \
    + tap("select") + frame() + tap("up") + frame() + tap("up") + frame() + tap("right") + frame() \
    + tap("left") + frame() + tap("select") + frame() + tap("back") + frame() + shift_down() + tap("down") \
    + frame() + tap("up") + frame() + shift_up() + tap("select", "back") + frame() + downs(12) \
    + tap("up", "up") + frame() + f8() + frame() + f8() + frame()

# Actions that re-register the submenu they are shown in, or one saved on the
# stack, with fewer rows; actions that fail, also after a list step or a
# registration whose init fails.
big = [action()] * 8 + [action(event("reregister", 0, 1)), link(5)] + [action()] * 6 \
    + [lst(4, event("reregister", 5, 1))]
small = [action(), separator()]
child = [action(event("reregister", 0, 1)), lst(3, event("register_failing", 5)), action(event("throw")),
         action()]
SEEDS["shrinking"] = header([big, small, child], [(0, 0), (5, 2)]) + f8() + frame() + downs(9) \
    + tap("select") + frame() + tap("select") + frame() + tap("down") + frame() + tap("right") + frame() \
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

# Number rows at their edges: equal ends, a step past the range, the widest
# ranges, 0 and 6 decimals, values far from zero; held across a jump of the
# clock and its wrap; changed behind the menu's back to NaN and beyond the ends.
numbers = [whole(0, 23), whole(1, 1), whole(-2**31, 2**31 - 1, 2**31 - 1, target=1),
           whole(-1, 1, 1000000, target=2), real(-1.0, 1.0, 0.1, 1), real(0.0, 0.0, 1.0, 0, target=1),
           real(-3e38, 1e12, 1e30, 0, target=2), real(-1e12, 1e12, 1e-6, 6), real(0.1, 2.5, 1.0, 6, target=1),
           whole(0, 23, disabled=True), real(-1.0, 1.0, 0.25, 3, does=event("change_targets")),
           whole(23, 1), real(1.0, -1.0, 1.0, 1), real(0.0, 1.0, 0.0, 1), real(0.0, 1.0, 0.1, 7)]
steps = []
for row in range(10):
    steps += tap("right") + frame() + tap("right") + frame() + tap("left") + frame() + tap("select") + frame() \
        + hold("right", 450, 3) + tap("down") + frame()
SEEDS["numbers"] = header([numbers[:11], numbers[11:]], [(0, 0), (5, 1)]) + f8() + frame() + steps \
    + clock(0xFFFFFF00) + hold("left", 0xFFFFFFF0, 8) + hold("right", 300, 8) + between("change_targets") \
    + frames(2) + tap("up") + frame() + tap("right") + frame() + between("change_targets") + frames(2) \
    + tap("left") + frame() + register(0, 1) + frames(2) + press("right") + frame() + advance(500) \
    + [1, CONTROLS["right"]] + frames(6) + release("right") + frame()

# The mouse: over every place of the rows, their edges, a list's and a
# number's arrows, a heading, a scrolled page, clicks, the wheel, right clicks,
# places no screen has, another look, the gamepad, then off again.
rows = [action(), separator(), lst(3), whole(0, 23), action(disabled=True, hover=event("refresh", 0)),
        link(5), toggle(0, badge=1), whole(0, 23, badge=2)] + [action()] * 6
child = [action(hover=event("throw")), action(hover=event("open", 0)), action()]
SEEDS["mouse"] = header([rows, child], [(0, 0), (5, 1)]) + f8() + frame() + mouse() + frame() \
    + cursor(2, 3) + frame() + cursor(3, 2) + frame() + tap("click") + frame() + cursor(4, 2) + frame() \
    + tap("click") + frame() + cursor(3, 3) + frame() + tap("click") + frame() + cursor(4, 3) + tap("click") \
    + frame() + cursor(2, 2) + tap("click") + frame() + cursor(2, 1) + frame() + tap("click") + frame() \
    + cursor(3, 7) + frame() + tap("click") + frame() + cursor(4, 7) + tap("click") + frame() \
    + cursor(0, 4) + frame() + tap("click") + frame() + cursor(2, 6) + tap("click") + frame() \
    + cursor(0, 6, column_side=-1) + frame() + cursor(1, 6, column_side=1) + frame() \
    + cursor(1, 7, row_place=0) + frame() + cursor(1, 7, row_place=1, row_side=1) + frame() \
    + tap("wheel_down") + frame() + tap("wheel_up") + frame() + downs(8) + cursor(2, 7) + frame() \
    + cursor(2, 0) + frame() + tap("click") + frame() + cursor(2, 15) + frame() + tap("click") + frame() \
    + cursor_nowhere(0, 8) + frame() + cursor_nowhere(1, 2) + frame() + cursor_nowhere(9, 6) + frame() \
    + cursor_bits(0.2, 1e-30) + frame() + look(1, 5) + look(2, 6) + cursor(2, 2) + frame() \
    + tap("click") + frame() + look(1, 4) + look(2, 5) + frames(2) + cursor(2, 5) + frame() \
    + tap("click") + frame() + cursor(2, 0) + frame() + cursor(2, 1) + frame() + tap("click") + frame() \
    + tap("right_click") + frame() + tap("right_click") + frame() + f8() + frame() + cursor(2, 3) + frame() \
    + [11] + frames(2) + [11] + mouse() + frames(2)

# A click on a row the cursor came to rest on while the mouse was off: the
# click selects it first, and its hover rebuilds the page without it.
rows = [action(), action(), action(), action(hover=event("reregister", 0, 1))]
SEEDS["mouse_click"] = header([rows, [action()]], [(0, 0)]) + f8() + frame() + cursor(2, 3) + mouse() + frame() \
    + tap("click") + frame() + frames(2)

# The ends of navigation: a page without rows asked every key; a toggle
# ticked; a list stepped left past its first value; a heading at the end
# wrapped onto, then the page rebuilt under it and emptied; tasks that throw
# and tasks that draw rows and texts of their own.
rows = [action(), toggle(0), lst(3), separator(), separator()]
edges_tasks = [event("throw"), event("draw"), event("add_task", task=1), event("draw")]
SEEDS["edges"] = header([rows, [], page([action()], dynamic=True)], [(0, 0), (5, 1), (7, 2)], edges_tasks) \
    + f8() + frame() + tap("up") + frame() + between("refresh", 0) + frame() + tap("left") + frame() \
    + tap("up") + frame() \
    + tap("down") + frame() + tap("select") + frame() + frames(2) + tap("down") + frame() \
    + tap("left") + frame() + tap("left") + frame() + tap("up", "up", "up") + frame() + between("refresh", 0) \
    + frame() + between("add_task", 0, 0, 2) + frames(3) + register(0, 1) + between("refresh", 0) + frame() \
    + tap("select") + frame() + tap("up") + frame() + tap("down") + frame() + tap("left") + frame() \
    + tap("right") + frame() + tap("back") + frame() + f8() + frame() + between("open", 7) + frames(2) \
    + between("draw") + between("draw") + between("draw") + between("draw") + frames(2)

# Rows the adders refuse, each on a page of its own, so its registration fails
# whole: ends the wrong way round, steps not above 0, no target, 7 decimals, a
# float range wider than a float, a list without values or started past them.
refused = [[whole(23, 1)], [whole(0, 1, 0)], [real(1.0, -1.0, 1.0, 1)], [real(0.0, 1.0, 0.0, 1)],
           [real(0.0, 1.0, "nan", 1)], [real(0.0, 1.0, 0.1, 7)], [real(-3e38, 3e38, 1.0, 0)], [real("nan", 1.0, 1.0, 0)]]
refused_more = [[text(0)], [text(10, target=3)], [whole(0, 1, target=3)], [real(0.0, 1.0, 1.0, 1, target=3)],
                [lst(0)], [lst(2, start=2)], [action()]]
SEEDS["refused"] = header(refused, [(0, 0), (1, 1), (2, 2), (5, 3)]) + sum((register(7, t) for t in range(4, 8)), []) \
    + f8() + frames(3)
SEEDS["refused_more"] = header(refused_more, [(0, 0), (1, 1), (2, 2), (5, 3)]) \
    + sum((register(7, t) for t in range(4, 7)), []) + f8() + frames(3)

# Text rows and the game's keyboard: typed, finished, cancelled, answers the
# game does not give, results null, empty, long, without an end within reach
# or not UTF-8; keys pressed while it is open; its page registered again
# without the row; a disabled text row.
rows = [text(10), text(1, target=1), text(2**31 - 1, target=2), text(4096, disabled=True), action(),
        text(100, does=event("reregister", 0, 1))]
SEEDS["keyboard"] = header([rows, [action()], [text(0)]], [(0, 0), (5, 2)]) + f8() + frame() \
    + tap("select") + frame() + press("down") + tap("back", "select") + frame() + release("down") \
    + typing(("type", 5)) + frame() + typing("finish") + frame() + frames(2) \
    + tap("select") + frame() + typing("cancel") + frame() + frames(2) \
    + tap("select") + frame() + keyboard_answers(2) + frame() + keyboard_answers(3) + frame() \
    + keyboard_answers(4, 77) + frame() + keyboard_answers(5) + frames(2) \
    + tap("select") + frame() + typing("null", "finish") + frame() + typing("null") + frames(2) \
    + tap("select") + frame() + typing(("raw", 4), "finish") + frame() + frames(2) \
    + tap("select") + frame() + typing(("raw", 0), "finish") + frame() + frames(2) \
    + tap("select") + frame() + typing("long", "finish") + frame() + typing("as typed") + frames(2) \
    + tap("down") + frame() + tap("select") + frame() + typing(("type", 8), "finish") + frame() + frames(2) \
    + tap("down") + frame() + tap("select") + frame() + typing(("type", 2), "finish") + frame() + frames(2) \
    + tap("down") + frame() + tap("select") + frame() + tap("down") + frame() \
    + tap("down") + frame() + tap("select") + frame() + typing(("type", 1), "finish") + frame() + frames(2) \
    + tap("up") + tap("up") + frame() + tap("select") + frame() + register(0, 1) + typing("finish") \
    + frames(3) + tap("select") + frame() + register(5, 0)

# Pages built from the game: dynamic pages entered and left, their events,
# rebuilt by actions, events and frame tasks; tasks that throw, rebuild their
# own page or add tasks; the menu's open and close events.
dyn = page([action(event("refresh", 5)), action(event("refresh", 0)), separator(), separator(),
            action(event("add_task", task=1)), action(event("open", 0)), lst(2, event("toggle_mouse")),
            link(0), link(7)], dynamic=True, enter=event("refresh", 5), leave=event("throw"))
main = page([link(5), link(7), action(event("add_task", task=2)), action(event("reregister_and_throw", 5, 0)),
             separator(), action(hover=event("throw")), action(event("open", 7))],
            enter=event("change_targets"), leave=event("nothing"))
failing = page([action()], dynamic=True, enter=event("throw"), leave=event("open", 5))
tasks = [event("refresh", 5), event("throw"), event("add_task", task=3), event("refresh", 0)]
SEEDS["dynamic"] = header([main, dyn, failing], [(0, 0), (5, 1), (7, 2)], tasks, event("refresh", 0),
                          event("throw")) + f8() + frame() + tap("select") + frame() + tap("select") + frame() \
    + tap("down") + frame() + tap("select") + frame() + frames(3) + tap("down", "down") + frame() \
    + tap("down") + frame() + tap("select") + frame() + tap("back") + frame() + tap("down") + frame() \
    + tap("select") + frame() + tap("back") + frame() + tap("down") + frame() + tap("select") + frame() \
    + tap("back") + frame() + between("refresh", 5) + between("open", 5) + frames(2) + between("add_task", 0, 0, 2) \
    + frames(4) + tap("down", "down") + frame() + tap("select") + frame() + tap("back") + frame() \
    + f8() + frame() + f8() + frame() + tap("down", "down", "down") + frame() + tap("select") + frame() \
    + tap("back") + frame() + frames(3)

# Decorations and the look at their limits: right-hand texts and badges of
# every hostile text, disabled rows of each kind, rows shown 1 and 14, fonts
# and sizes past their tables, colours past 0..255, a column at both sides.
rows = [action(right=t, badge=(t + 3) % TEXTS) for t in range(TEXTS)] \
    + [toggle(0, disabled=True), lst(2, disabled=True), link(5, disabled=True), separator(disabled=True),
       action(disabled=True, does=event("throw"))] + [action(badge=t) for t in range(TEXTS)]
SEEDS["looks"] = header([rows, rows[:3]], [(0, 0), (5, 1)]) + f8() + frame() \
    + sum((tap("down") + frame() for _ in range(14)), []) \
    + tap("select") + frame() + tap("right") + frame() + tap("left") + frame() \
    + look(0, 6) + register(0, 0) + frames(2) + downs(6) + look(0, 3) + register(0, 0) + frames(2) + downs(3) \
    + look(0, 0) + register(5, 1) + look(3, 0, 4) + look(4, 0, 5) + look(5, 0, 4) + frames(2) \
    + look(1, 3) + look(2, 6) + frames(2) + look(1, 5) + look(2, 6) + frames(2) \
    + look(1, 0) + look(2, 0) + frames(2) + look(1, 1) + look(2, 2) + frames(2) + look(1, 2) + look(2, 3) \
    + look(3, 1, 3) + look(4, 1, 4) + look(5, 1, 1) + frames(2) + look(0, 5) + register(0, 0) + frames(2) \
    + markup(1, 2, 3, 4, 5, 6) + markup(0, 0, 0, 0, 0, 7) + markup(7, 0, 0, 0, 0, 10) + markup(8, 9, 10, 0, 1, 2)

# The tokens of the input: each step's code with its common arguments, and the
# numbers a step reads whole.
DICTIONARY = {
    "frames": frames(16), "tap_select": tap("select"), "tap_back": tap("back"), "tap_down": tap("down"),
    "tap_right": tap("right"), "tap_click": tap("click"), "f8": f8(), "mouse": mouse(),
    "cursor_row": cursor(2, 1), "cursor_arrow": cursor(3, 0), "cursor_nan": cursor_nowhere(0, 0),
    "finish": typing("finish"), "cancel": typing("cancel"), "typed": typing(("type", 4)),
    "answer_finished": keyboard_answers(1), "answer_odd": keyboard_answers(4, 0xFFFFFFFF),
    "hold": hold("right", 500, 4), "wrap": clock(0xFFFFFFF0), "rows_shown": look(0, 6),
    "refresh": between("refresh", 0), "change": between("change_targets"), "restart": restart(),
    "number_row": whole(0, 23), "float_row": real(-1.0, 1.0, 0.1, 1), "text_row": text(10),
    "disabled_row": action(disabled=True), "badged_row": action(right=2, badge=4),
    "markup": markup(0, 1, 2, 3, 4, 7),
    "dynamic_page": page([action()], dynamic=True, enter=event("refresh", 0)),
}

# Kept settings: rows of every kind kept, hotkeys (one on the menu's key, one
# on a key taken), a page refused for a name no line holds; the game started
# again on a player's file, then on spoiled ones, with writes that fail.
kept = [toggle(0), lst(3), whole(0, 23), real(0.0, 1.0, 0.1, 2), text(10), action()]
usual = players_file("F5", [["on", "value 1", "23", "0.10", "spaced", "TRUE"],
                            ["off", "-1", "1e999", "nan", "", "not text"],
                            ["0", "value 9", "-1", "0.10", "on", "off"]], ["a", "bogus"])
# A player's file of values no row takes: not a switch, not among the values,
# not a number, too many decimals, out of range, off the steps.
unreadable = players_file("0x41", [["value 1", "value 9", "1e999", "0.15", "not text", "nan"],
                                   ["on", "TRUE", "0.10", "-1", "23", "0"],
                                   ["", "", "", "", "", ""]], ["F8", "0x00"])
# Badges 1 and 2 ask for a name no line holds and a hotkey on a list: refused.
SEEDS["kept_settings"] = header([kept, [action(), toggle(1), action()], [action(badge=1)], [lst(2, badge=2)]],
                                [(0, 0), (5, 1), (7, 2), (2, 3)]) \
    + restart_game("players", usual) + frame() + hotkey("F5") + frame() + f8() + frame() \
    + tap("select") + frame() + tap("down") + frame() + tap("right") + frame() + tap("down") + frame() \
    + tap("right") + frame() + tap("down") + frame() + tap("left") + frame() + advance(1500) + frame() \
    + hotkey("F5") + frame() + hotkey("A") + frame() + f8() + frame() + frames(2) \
    + restart_game("as left") + frames(2) + hotkey("F5") + frame() + key(0x74, 0) + frame() \
    + spoil_folder("gone") + f8() + frame() + tap("select") + frame() + f8() + frame() \
    + spoil_folder("taken") + f8() + frame() + tap("select") + frame() + f8() + frame() + advance(1500) + frame() \
    + spoil_folder("mend") + advance(1500) + frame() + hotkey("A") + frame() \
    + restart_game("noise", noise=b"\x00\xff[menu]\nkey = F5\n\x01") + frames(2) \
    + restart_game("huge", usual) + frames(2) + restart_game("cut", usual) + frames(2) \
    + restart_game("bom", unreadable) + frames(2) + restart_game("players", unreadable) + frames(2) + f8() + frame() + tap("select") + frame() \
    + typing(("type", 5), "finish") + frame() + frames(2) + restart_game("none") + frames(2)

here = os.path.dirname(os.path.abspath(__file__))
corpus = os.path.join(here, "corpus")
os.makedirs(corpus, exist_ok=True)
# A page longer than its window with a filter row: Page Up and Down, a text
# some rows hold (headings shown only above a shown row), one none holds (the
# dimmed "No match"), a link followed and Back with the filter still on, the
# cursor over the filtered rows, then an empty text showing every row again.
rows = [filter_row()] + [action() for _ in range(4)] + [separator()] + [action() for _ in range(5)] \
    + [link(1), separator()] + [action() for _ in range(6)] + [separator(), action(), action()]
SEEDS["long_filtered_page"] = header([rows, [action()]], [(0, 0), (1, 1)]) + f8() + frame() \
    + tap("page_down") + frame() + tap("page_down") + frame() + tap("page_down") + frame() \
    + tap("page_up") + frame() + tap("page_up") + frame() + tap("page_up") + frame() + tap("page_up") + frame() \
    + tap("select") + frame() + typing(("type", 11), "finish") + frame() + frames(2) \
    + tap("page_down") + frame() + tap("down") + frame() + tap("up") + frame() + tap("page_up") + frame() \
    + mouse() + cursor(0, 2) + frame() + cursor(0, 1) + frame() + mouse() + frame() \
    + tap("up") + frame() + tap("select") + frame() + typing(("type", 1), "finish") + frame() + frames(2) \
    + tap("down") + frame() + tap("select") + frame() + tap("up") + frame() \
    + tap("select") + frame() + typing(("type", 10), "finish") + frame() + frames(2) \
    + tap("select") + frame() + typing(("type", 11), "finish") + frame() + frames(2) \
    + tap("down") + tap("down") + tap("down") + frame() + tap("select") + frame() + tap("back") + frame() \
    + tap("up") + tap("up") + tap("up") + frame() + tap("select") + frame() + typing(("type", 0), "finish") \
    + frame() + frames(2) + tap("page_down") + frame()


for name, data in SEEDS.items():
    assert len(data) <= 1024, (name, len(data))
    with open(os.path.join(corpus, name), "wb") as seed:
        seed.write(bytes(data))
with open(os.path.join(here, "menu.dict"), "w") as dictionary:
    dictionary.write("# The menu fuzzer's input tokens, written by make_seeds.py.\n")
    for name, data in DICTIONARY.items():
        escaped = "".join("\\x%02x" % b for b in data)
        dictionary.write(f'{name}="{escaped}"\n')
