#!/usr/bin/python3
"""End-to-end runs of the lesson as a pupil works it, with the keyboard only.

Each run starts its own X server (Xvfb), a D-Bus session with the
accessibility bus, and the real program build/tezomat in a temporary folder
with a configuration written by build/tezomat-config.  Keys go in through
xdotool; the program is watched through the accessibility tree (AT-SPI),
where the controls are found by the same names a screen reader reads.

Scenarios:
  keyboard  every window by keys alone, and every control of it named
  answers   the pupil's answers reach the answers file and the task files
  readonly  a lesson folder that takes no files: the pupil is told, and
            the lesson stays open

Exit status: 0 passed, 1 failed, 77 skipped (no X server could start).
"""

import argparse
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

SKIP = 77

LESSON_TITLE = "Тезомат - урочно съдържание."
TASKS_TITLE = "Тезомат - задачи + речник"
ZOOM_TEXT_TITLE = "Изберете желана стойност за размер на шрифта"
TYPES_TITLE = "Тип и сложност на задачи"
PICTURE_TITLE = "Пълен размер на графиката"
COLOURS_TITLE = "Формиране на цвят/избор на шрифт"
MESSAGE_TITLE = "Електронен урок"


class Skip(Exception):
    pass


class Failure(Exception):
    pass


def wait_for(what, predicate, timeout=10.0):
    """Polls until predicate() gives a true value and returns it."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except Exception as error:  # the tree changes under our feet
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"waited {timeout:g} s for {what}{detail}")
        time.sleep(0.03)


# --- keyboard --------------------------------------------------------------

# The keyboard of the test's X server: the Bulgarian phonetic layout, as a
# pupil in Bulgaria types, with "√" on F12. Every key the tests send is on
# the first level or the shifted one of this one group, so xdotool never
# has to remap a key or switch layouts on the fly.
KEYMAP = """xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "pc+bg(phonetic)+inet(evdev)"
        key <FK12> { [ radical ] };
    };
    xkb_geometry { include "pc(pc105)" };
};
"""

CYRILLIC = {
    "а": "a", "б": "be", "в": "ve", "г": "ghe", "д": "de", "е": "ie",
    "ж": "zhe", "з": "ze", "и": "i", "й": "shorti", "к": "ka", "л": "el",
    "м": "em", "н": "en", "о": "o", "п": "pe", "р": "er", "с": "es",
    "т": "te", "у": "u", "ф": "ef", "х": "ha", "ц": "tse", "ч": "che",
    "ш": "sha", "щ": "shcha", "ъ": "hardsign", "ь": "softsign", "ю": "yu",
    "я": "ya",
}

SYMBOLS = {
    " ": "space", "=": "equal", "+": "plus", "-": "minus", ",": "comma",
    ".": "period", "(": "parenleft", ")": "parenright", "√": "radical",
}


def keysym_of(char):
    if char in CYRILLIC:
        return "Cyrillic_" + CYRILLIC[char]
    if char.lower() in CYRILLIC:
        return "Cyrillic_" + CYRILLIC[char.lower()].upper()
    if char.isdigit():
        return char
    if char in SYMBOLS:
        return SYMBOLS[char]
    raise Failure(f"no key for {char!r} on the test keyboard")


def signal_group(leader, number):
    try:
        os.killpg(leader, number)
    except ProcessLookupError:
        pass


class Desktop:
    """An X server, a D-Bus session and the accessibility bus."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.env = None
        # Every process started here leads a process group of its own, which
        # goes as a whole at the end (the buses start helpers of their own).
        self.processes = []
        self.dbus_pid = None
        self.display = None

    def start(self):
        if not shutil.which("Xvfb"):
            raise Skip("Xvfb is not installed")
        for tool in ("xkbcomp", "xdotool", "dbus-launch"):
            if not shutil.which(tool):
                raise Failure(f"{tool} is missing: run make deps")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.path.exists(launcher):
            raise Failure(f"{launcher} is missing: run make deps")
        self._start_x()
        runtime = os.path.join(self.workdir, "runtime")
        home = os.path.join(self.workdir, "home")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(home)
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": self.display,
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        }
        keymap = os.path.join(self.workdir, "keyboard.xkb")
        with open(keymap, "w", encoding="utf-8") as f:
            f.write(KEYMAP)
        run = subprocess.run(["xkbcomp", "-w", "0", keymap, self.display], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            raise Failure("the test keyboard could not be loaded: " + run.stderr.strip())
        out = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, capture_output=True,
                             text=True, check=True).stdout
        address = re.search(r"DBUS_SESSION_BUS_ADDRESS='([^']*)'", out).group(1)
        self.dbus_pid = int(re.search(r"DBUS_SESSION_BUS_PID=(\d+)", out).group(1))
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env = env
        self._spawn([launcher, "--launch-immediately"])
        # The accessibility library of this process finds the buses through
        # the environment.
        os.environ.update(env)

    def _start_x(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.workdir, "xvfb.log"), "w")
        try:
            xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=log, start_new_session=True)
        except OSError as error:
            raise Skip(f"Xvfb does not start: {error}")
        self.processes.append(xvfb)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.2)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
            elif xvfb.poll() is not None:
                break
        os.close(read_end)
        if not number.strip():
            with open(os.path.join(self.workdir, "xvfb.log"), errors="replace") as f:
                lines = [line.strip() for line in f if line.strip()]
            reason = lines[-1] if lines else "no reason given"
            raise Skip(f"no X server could start ({reason})")
        self.display = ":" + number.decode().strip()

    def _spawn(self, command, **kwargs):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            signal_group(process.pid, signal.SIGTERM)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                signal_group(process.pid, signal.SIGKILL)
                process.wait()
        if self.dbus_pid:
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass

    # --- keys ---

    def keys(self, *names, delay=40):
        """Presses and releases keys (xdotool names: Tab, Return, alt+Cyrillic_ze),
        delay milliseconds apart."""
        subprocess.run(["xdotool", "key", "--delay", str(delay), *names], env=self.env,
                       check=True)

    def type(self, text):
        self.keys(*[keysym_of(char) for char in text], delay=12)


# --- the accessibility tree ----------------------------------------------

def load_atspi():
    global pyatspi, Atspi
    try:
        import pyatspi as _pyatspi
        from gi.repository import Atspi as _Atspi
    except ImportError as error:
        raise Failure(f"the accessibility library is missing ({error}): run make deps")
    pyatspi = _pyatspi
    Atspi = _Atspi
    # Every question goes to the program: nothing cached goes stale while
    # this process runs no event loop.
    pyatspi.Registry.getDesktop(0).setCacheMask(Atspi.Cache.NONE)


def has(node, state):
    return node.getState().contains(state)


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def children(node):
    result = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            result.append(child)
    return result


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        stack.extend(reversed(children(current)))


def text_of(node):
    return node.queryText().getText(0, -1)


def task_number(label):
    """The task of an entry of the task list ("01 ", "12")."""
    return int(label) if label and label.strip().isdigit() else None


def chosen_task(program, tasks):
    chosen = program.selected_items(tasks, "Списък на задачите")
    return task_number(chosen[0]) if len(chosen) == 1 else None


class Program:
    """The lesson program of one run, seen through its accessibility tree."""

    def __init__(self, desktop, command, folder):
        self.desktop = desktop
        self.folder = folder
        self.log = open(os.path.join(desktop.workdir, "tezomat.log"), "w")
        self.process = subprocess.Popen(command, cwd=folder, env=desktop.env,
                                        stdout=self.log, stderr=self.log,
                                        start_new_session=True)
        desktop.processes.append(self.process)
        self.app = None

    def application(self):
        if self.app is not None:
            return self.app

        def find():
            if self.process.poll() is not None:
                raise Failure(f"the lesson ended at start with status {self.process.returncode}")
            for app in children(pyatspi.Registry.getDesktop(0)):
                if app.name == "tezomat" and app.get_process_id() == self.process.pid:
                    return app
            return None
        self.app = wait_for("the lesson on the accessibility bus", find, timeout=20)
        self.app.setCacheMask(Atspi.Cache.NONE)
        return self.app

    def windows(self):
        return [w for w in children(self.application()) if showing(w)]

    def window(self, title, timeout=10.0):
        """The window whose title starts with title, once it is shown."""
        return wait_for(f"the window „{title}“",
                        lambda: next((w for w in self.windows() if w.name.startswith(title)),
                                     None), timeout)

    def gone(self, title, timeout=10.0):
        wait_for(f"the window „{title}“ to close",
                 lambda: not any(w.name.startswith(title) for w in self.windows()), timeout)

    def control(self, window, name, role=None):
        for node in descendants(window):
            if node.name == name and (role is None or node.getRoleName() == role):
                return node
        raise Failure(f"no control named „{name}“ in „{window.name}“")

    def focused(self, window, name, timeout=10.0):
        """Waits until the control named has the keyboard's focus."""
        def find():
            node = self.control(window, name)
            return node if has(node, pyatspi.STATE_FOCUSED) else None
        return wait_for(f"the focus on „{name}“", find, timeout)

    def focused_item(self, window, list_name):
        lst = self.control(window, list_name)
        for item in children(lst):
            if has(item, pyatspi.STATE_FOCUSED):
                return item.name
        return None

    def selected_items(self, window, list_name):
        return [item.name for item in children(self.control(window, list_name))
                if has(item, pyatspi.STATE_SELECTED)]

    def message(self, saying, timeout=10.0):
        """The open message box whose text holds saying, and its whole text."""
        def find():
            for box in self.windows():
                if box.name != MESSAGE_TITLE:
                    continue
                text = "\n".join(n.name for n in descendants(box)
                                 if n.getRoleName() == "label" and len(n.name) > 12)
                if saying in text:
                    return box, text
            return None
        return wait_for(f"a message saying „{saying}“", find, timeout)

    def ended(self, timeout=10.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the lesson did not end")


# --- checks of the accessibility tree --------------------------------------

# Roles of containers that only group controls and have nothing to say.
CONTAINER_ROLES = {"filler", "panel", "viewport", "scroll pane", "redundant object"}


def unnamed_controls(window):
    """Every control a screen reader meets in the window without a name."""
    faults = []
    for node in descendants(window):
        if node is window:
            continue
        role = node.getRoleName()
        focusable = has(node, pyatspi.STATE_FOCUSABLE)
        if not focusable and (role in CONTAINER_ROLES or not showing(node)):
            continue
        if not node.name.strip():
            parent = node.parent
            faults.append(f"{role} in {parent.getRoleName()} „{parent.name}“")
    return faults


def check_names(program, window, report):
    faults = unnamed_controls(window)
    if not window.name.strip():
        faults.append("the window itself")
    if window.getRoleName() not in ("frame", "dialog", "alert"):
        faults.append(f"the window is a {window.getRoleName()}, not a window")
    if faults:
        raise Failure(f"controls without a name in „{window.name}“: " + "; ".join(faults))
    count = sum(1 for _ in descendants(window))
    report.append(f"named: „{window.name}“ ({count} objects)")


# --- runs ------------------------------------------------------------------

class Run:
    def __init__(self, args):
        self.args = args
        self.program = os.path.abspath(args.program)
        self.config_tool = os.path.abspath(args.config_tool)
        self.source = os.path.abspath(args.source_dir)
        self.workdir = tempfile.mkdtemp(prefix="tezomat-e2e-", dir=self._temp_root())
        self.desktop = Desktop(self.workdir)
        self.report = []

    def _temp_root(self):
        # The lesson writes its files only on a local disk; memory file
        # systems (a /tmp in RAM) count as none, so the folders go under the
        # work folder given, in the build tree.
        root = os.path.abspath(self.args.work_dir)
        os.makedirs(root, exist_ok=True)
        return root

    def lesson_folder(self, name):
        """A folder with the lesson's configuration: that of the sample,
        except that every plan point is read in two seconds."""
        folder = os.path.join(self.workdir, name)
        os.makedirs(folder)
        with open(os.path.join(self.source, "config", "TAVN7.ini"), encoding="utf-8") as f:
            source = f.read()
        section = None
        lines = []
        for line in source.splitlines():
            match = re.match(r"\s*\[(.+)\]", line)
            if match:
                section = match.group(1)
            elif section == "точки":
                line = re.sub(r"^(\s*\d+\s*=\s*)\d+", r"\g<1>0", line)
            lines.append(line)
        ini = os.path.join(self.workdir, name + ".ini")
        with open(ini, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        subprocess.run([self.config_tool, "write", ini,
                        os.path.join(folder, "TAVN7.UFG")], check=True,
                       stdout=subprocess.DEVNULL)
        return folder

    def start_lesson(self, folder, command=None):
        program = Program(self.desktop, command or [self.program], folder)
        program.application()
        lesson = program.window(LESSON_TITLE, timeout=20)
        program.focused(lesson, "Тема на урока")
        return program, lesson

    def keys(self, *names):
        self.desktop.keys(*names)

    def step(self, text):
        self.report.append(text)
        if self.args.verbose:
            print("  " + text, flush=True)

    # --- pieces of the pupil's work ---

    def choose_point(self, program, lesson, number):
        """Tab into the plan, then Down to the point: the plan chooses as it moves."""
        self.keys("Tab")
        program.focused(lesson, "План на урока")
        self.keys(*["Down"] * number)
        title = POINTS[number - 1]
        wait_for(f"point {number} chosen",
                 lambda: program.selected_items(lesson, "План на урока") == [title])
        content = text_of(program.control(lesson, "Съдържание на точката"))
        if title.split(" ", 1)[1].split()[0] not in content:
            raise Failure(f"the content of point {number} is not shown: " + content[:80])
        self.step(f"plan point {number} chosen with Tab and Down")

    def wait_point_read(self, program, lesson, count):
        """While a point is read „Задачи/Речник“ waits: the tape tells when it is done."""
        def tape():
            return next(n.name for n in descendants(lesson) if n.getRoleName() == "label"
                        and n.name.startswith("Преминат материал от плана:"))
        wait_for(f"{count} point(s) read to the end",
                 lambda: tape() == f"Преминат материал от плана: {count} от 6 точки")

    def open_tasks(self, program, lesson):
        wait_for("„Задачи/Речник“ to be enabled",
                 lambda: has(program.control(lesson, "Задачи/Речник", "menu item"),
                             pyatspi.STATE_ENABLED))
        self.keys("alt+Cyrillic_ze")
        tasks = program.window(TASKS_TITLE)
        program.gone(LESSON_TITLE)
        program.focused(tasks, "Списък на задачите")
        return tasks

    def choose_task(self, program, tasks, number, moves):
        """Moves down the task list with the arrows, then Enter, then „Да“."""
        before = program.selected_items(tasks, "Списък на задачите")
        self.keys(*["Down"] * moves)
        wait_for(f"the cursor on task {number}",
                 lambda: task_number(program.focused_item(tasks, "Списък на задачите")) == number)
        if program.selected_items(tasks, "Списък на задачите") != before:
            raise Failure("the arrow keys chose a task by themselves")
        if any(w.name == MESSAGE_TITLE for w in program.windows()):
            raise Failure("the arrow keys asked to change the task")
        self.keys("Return")
        program.message("Да премина ли към друга задача?")
        self.keys("Cyrillic_de")
        program.gone(MESSAGE_TITLE)
        wait_for(f"task {number} chosen", lambda: chosen_task(program, tasks) == number)
        program.focused(tasks, "Списък на задачите")

    def answer(self, program, tasks, text):
        self.keys("Tab", "Tab")
        pane = program.focused(tasks, "Вашият отговор")
        self.desktop.type(text)
        wait_for("the typed answer", lambda: text_of(pane) == text)

    def back_to_lesson(self, program):
        self.keys("alt+Cyrillic_ve")
        lesson = program.window(LESSON_TITLE)
        program.gone(TASKS_TITLE)
        wait_for("the lesson window active", lambda: has(lesson, pyatspi.STATE_ACTIVE))
        return lesson

    def save_statement_and_answer(self, program, tasks):
        self.keys("alt+Cyrillic_ze")
        wait_for("the „Запис“ menu",
                 lambda: showing(program.control(tasks, "Запис условие+решение", "menu item")))
        self.keys("Cyrillic_u")

    def leave(self, program, lesson):
        self.keys("alt+Cyrillic_ha")
        program.message("Желаете ли изход от урока?")
        self.keys("Cyrillic_de")

    # --- scenarios ---

    def keyboard(self):
        folder = self.lesson_folder("keyboard")
        program, lesson = self.start_lesson(folder)
        check_names(program, lesson, self.report)

        # The menu bar and the pop-up menu from the keyboard.
        for keys in (["F10"], ["alt"]):
            self.keys(*keys)
            wait_for("the menu bar to take the focus",
                     lambda: has(program.control(lesson, "Меню на урока", "menu bar"),
                                 pyatspi.STATE_FOCUSED))
            self.keys("Escape")
            program.focused(lesson, "Тема на урока")
        self.step("F10 and Alt lead into the menu bar, Escape back")
        # The pop-up menu is „Информация за урока“ of the menu bar.
        entry = program.control(lesson, "Цел на урока", "menu item")
        for keys in (["Menu"], ["shift+F10"]):
            self.keys(*keys)
            wait_for("the pop-up menu", lambda: showing(entry))
            self.keys("Escape")
            wait_for("the pop-up menu to close", lambda: not showing(entry))
        self.step("the context-menu key and Shift+F10 open „Информация за урока“")

        self.choose_point(program, lesson, 2)
        self.wait_point_read(program, lesson, 1)
        tasks = self.open_tasks(program, lesson)
        self.step("„Задачи/Речник“ opened with Alt+З")
        check_names(program, tasks, self.report)
        self.choose_task(program, tasks, 2, 1)
        statement = text_of(program.control(tasks, "Условие на задачата"))
        if self.task_statement_line(2) not in statement:
            raise Failure("the statement of task 2 is not shown: " + statement[:120])
        self.step("task 2 chosen with Down, Enter and „Да“")
        self.answer(program, tasks, "Частното е 2х в квадрат плюс 3")
        self.step("answer typed")
        for name in ("Указание към задачата", "Решение на автора", "Термини от речника",
                     "Определение на термина"):
            self.keys("Tab")
            program.focused(tasks, name)
        self.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
        program.focused(tasks, "Вашият отговор")
        self.step("Tab and Shift+Tab go through the panes in reading order")

        # The task types window: the keys move, Escape chooses nothing.
        self.keys("alt+Cyrillic_en")
        types = program.window(TYPES_TITLE)
        program.focused(types, "Задачи по сложност")
        check_names(program, types, self.report)
        self.keys("Down", "Down")
        self.keys("Escape")
        program.gone(TYPES_TITLE)
        wait_for("the tasks window active again", lambda: has(tasks, pyatspi.STATE_ACTIVE))
        if chosen_task(program, tasks) != 2:
            raise Failure("closing „Тип и сложност на задачи“ with Escape chose a task")
        self.step("„Ниво/Вид на задачи“ opened, moved in, closed with Escape choosing nothing")

        lesson = self.back_to_lesson(program)
        self.step("back to the lesson with Alt+В")

        self.keys("alt+Cyrillic_ef")
        zoom = program.window(ZOOM_TEXT_TITLE)
        field = program.control(zoom, "Увеличен текст")
        wait_for("the enlarged content", lambda: "Уравнени" in text_of(field))
        check_names(program, zoom, self.report)
        self.keys("Escape")
        program.gone(ZOOM_TEXT_TITLE)
        wait_for("the lesson window active again", lambda: has(lesson, pyatspi.STATE_ACTIVE))
        self.step("„Фокус“ opened with Alt+Ф and closed with Escape")

        # The point's picture opens in full size from the keyboard.
        program.focused(lesson, "План на урока")
        self.keys("Tab")
        picture = wait_for("the focus on the picture", lambda: next(
            (n for n in descendants(lesson)
             if n.getRoleName() == "image" and has(n, pyatspi.STATE_FOCUSED)), None))
        if POINTS[1] not in picture.name:
            raise Failure("the picture's text does not name its point: " + picture.name)
        self.keys("Return")
        full = program.window(PICTURE_TITLE)
        check_names(program, full, self.report)
        self.keys("Escape")
        program.gone(PICTURE_TITLE)
        wait_for("the lesson window active again", lambda: has(lesson, pyatspi.STATE_ACTIVE))
        self.step("the picture opened in full size with Enter and closed with Escape")

        self.keys("alt+Cyrillic_tse")
        colours = program.window(COLOURS_TITLE)
        check_names(program, colours, self.report)
        self.keys("Escape")
        program.gone(COLOURS_TITLE)
        self.step("„Цвят/шрифт“ opened with Alt+Ц and closed with Escape")

        self.keys("alt+Cyrillic_ha")
        box, text = program.message("Желаете ли изход от урока?")
        check_names(program, box, self.report)
        self.keys("Cyrillic_de")
        status = program.ended()
        if status != 0:
            raise Failure(f"the lesson ended with status {status}")
        self.step("left through „Изход“ and „Да“")

    def write_failure_told(self, program, name, words):
        """The message that NAME could not be written, holding WORDS; Enter closes it."""
        box, text = program.message(name)
        if not text.startswith(f"Файлът „{name}“ не можа да бъде записан: ") or words not in text:
            raise Failure("unexpected message: " + text)
        self.keys("Return")
        program.gone(MESSAGE_TITLE)
        return text

    def answers(self):
        folder = self.lesson_folder("answers")
        program, lesson = self.start_lesson(folder)
        self.choose_point(program, lesson, 1)
        self.wait_point_read(program, lesson, 1)
        self.step("point 1 read to the end of its time")
        tasks = self.open_tasks(program, lesson)
        wait_for("task 1 shown", lambda: chosen_task(program, tasks) == 1)
        self.answer(program, tasks, ANSWER_1)
        self.save_statement_and_answer(program, tasks)
        status = program.control(tasks, "Лента на състоянието")
        wait_for("task 1 saved", lambda: any(
            "TAVN7_01.TXT" in n.name for n in descendants(status)))
        self.step("task 1 answered in Cyrillic and saved with „Запис условие+решение“")
        self.keys("shift+Tab", "shift+Tab")
        program.focused(tasks, "Списък на задачите")
        self.choose_task(program, tasks, 3, 2)
        self.answer(program, tasks, ANSWER_3)
        self.save_statement_and_answer(program, tasks)
        wait_for("task 3 saved", lambda: any(
            "TAVN7_03.TXT" in n.name for n in descendants(status)))
        self.step("task 3 answered with „√“ and saved")
        lesson = self.back_to_lesson(program)
        self.leave(program, lesson)
        if program.ended() != 0:
            raise Failure("the lesson did not end cleanly")
        expected = os.path.join(self.source, "tests", "data", "e2e")
        for name in ("OTGOWORI.TXT", "TAVN7_01.TXT", "TAVN7_03.TXT"):
            with open(os.path.join(folder, name), "rb") as f:
                got = f.read()
            with open(os.path.join(expected, name), "rb") as f:
                want = f.read()
            if got != want:
                raise Failure(f"{name} differs from tests/data/e2e/{name}:\n"
                              f"  written:  {got!r}\n  expected: {want!r}")
            self.step(f"{name} is byte for byte as expected")

    def readonly(self):
        folder = self.lesson_folder("readonly")
        command, method = self.unwritable_command(folder)
        program, lesson = self.start_lesson(folder, command)
        if method == "removed":
            shutil.rmtree(folder)
        self.step(f"the lesson runs in a folder that takes no files ({method})")
        tasks = self.open_tasks(program, lesson)
        self.choose_task(program, tasks, 3, 2)
        self.answer(program, tasks, ANSWER_3)
        self.save_statement_and_answer(program, tasks)
        text = self.write_failure_told(
            program, "TAVN7_03.TXT", "Написаното от вас остава в прозореца на задачите.")
        wait_for("the tasks window active again", lambda: has(tasks, pyatspi.STATE_ACTIVE))
        if text_of(program.control(tasks, "Вашият отговор")) != ANSWER_3:
            raise Failure("the answer was lost")
        self.step("saving task 3 tells „" + text.splitlines()[0] + "“; the answer stays")
        lesson = self.back_to_lesson(program)
        self.leave(program, lesson)
        if method == "removed":
            # Where the folder is gone there is no disk to record on: the
            # lesson ends without a file, as on a network drive.
            if program.ended() != 0:
                raise Failure("the lesson did not end cleanly")
            self.step("without a mount of its own the folder is removed: the lesson ends")
            return
        self.write_failure_told(program, "OTGOWORI.TXT", "урокът остава отворен")
        lesson = program.window(LESSON_TITLE)
        wait_for("the lesson window active again", lambda: has(lesson, pyatspi.STATE_ACTIVE))
        if program.process.poll() is not None:
            raise Failure("the lesson ended although its answers were not recorded")
        if sorted(os.listdir(folder)) != ["TAVN7.UFG"]:
            raise Failure("files appeared in the folder: " + ", ".join(os.listdir(folder)))
        self.step("„Изход“ tells „" + text.splitlines()[0] + "“; the lesson stays open")

    def unwritable_command(self, folder):
        """How to run the lesson in a folder that refuses files, also for root."""
        tezomat = self.program
        if os.geteuid() != 0:
            os.chmod(folder, 0o555)
            return None, "read-only folder"
        # Root writes into any folder whatever its mode: the lesson gets a
        # mount namespace of its own where the folder is mounted read-only.
        # Where that is not allowed (a container without the capability),
        # the folder is removed once the lesson runs in it.
        script = ('mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" "$1" '
                  '&& cd "$1" && exec "$2"')
        namespace = ["unshare", "--mount", "--propagation", "private", "sh", "-c", script, "sh"]
        probe = subprocess.run(namespace + [folder, "true"], capture_output=True)
        if probe.returncode == 0 and not self.args.no_namespace:
            return namespace + [folder, tezomat], "read-only mount"
        return None, "removed"

    def task_statement_line(self, task):
        with open(os.path.join(self.source, "src", "lesson_data", "tasks", f"{task:02d}.txt"),
                  encoding="utf-8") as f:
            lines = [line.strip() for line in f]
        return next(line for line in lines[1:] if line)


POINTS = ["1. Полиноми", "2. Уравнения от 2-ра и по-висока степен"]
ANSWER_1 = "Първият отговор е верен, защото корените са 1, -2, 3 и -4"
ANSWER_3 = "Частното е 3х2 - х + 2, а проверката дава √4 = 2"


def make_writable(folder):
    """Undoes a read-only lesson folder so that the temporary folder goes."""
    for path, dirs, _ in os.walk(folder):
        for name in dirs:
            try:
                os.chmod(os.path.join(path, name), 0o755)
            except OSError:
                pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("scenario", choices=["keyboard", "answers", "readonly"])
    parser.add_argument("--program", required=True, help="the lesson program (tezomat)")
    parser.add_argument("--config-tool", required=True, help="tezomat-config")
    parser.add_argument("--source-dir", required=True, help="the source tree")
    parser.add_argument("--work-dir", required=True,
                        help="where the temporary folders go (on a local disk)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    parser.add_argument("--no-namespace", action="store_true",
                        help="readonly: remove the folder instead of mounting it read-only")
    parser.add_argument("-v", "--verbose", action="store_true")
    args = parser.parse_args()

    started = time.monotonic()
    # Stopped from outside, the run still takes its X server and buses down.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    run = Run(args)
    status = 0
    try:
        run.desktop.start()
        load_atspi()
        getattr(run, args.scenario)()
    except Skip as reason:
        print(f"SKIP: {reason}")
        status = SKIP
    except Failure as fault:
        print(f"FAIL: {args.scenario}: {fault}")
        status = 1
    except Exception:
        print(f"FAIL: {args.scenario}: the harness broke down")
        traceback.print_exc()
        status = 1
    finally:
        run.desktop.stop()
        make_writable(run.workdir)
        if status == 1:
            for line in run.report:
                print("  done: " + line)
            print(f"  files kept in {run.workdir}")
        elif not args.keep:
            shutil.rmtree(run.workdir, ignore_errors=True)
    if status == 0:
        for line in run.report:
            print("  " + line)
        print(f"PASS: {args.scenario} in {time.monotonic() - started:.1f} s")
    return status


if __name__ == "__main__":
    sys.exit(main())
