#!/usr/bin/python3
"""Tallimo as a screen reader meets it: through AT-SPI, on an X server and a session
bus of this check's own. Keys are pressed by their accessible actions; each result
must come as one notification carrying it, and a word query on the output box must
be answered within a second.

    atspi_check.py PATH_TO_TALLIMO

Exits 77 (skipped) where the X server, the bus or AT-SPI cannot start.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
WAIT = 20  # seconds for the program to appear, generous for a sanitizer build


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIPPED)


def start_x_server(processes):
    if shutil.which("Xvfb") is None:
        skip("no Xvfb")
    read_end, write_end = os.pipe()
    processes.append(subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset", "-screen", "0", "1024x768x24"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        skip("Xvfb did not start")
    return ":" + number


def start_session_bus(processes):
    if shutil.which("dbus-daemon") is None:
        skip("no dbus-daemon")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    processes.append(bus)
    address = bus.stdout.readline().strip()
    if not address:
        skip("the session bus did not start")
    return address


def turn_accessibility_on():
    # What a screen reader does as it starts: the program's bridge then wakes up.
    if shutil.which("dbus-send") is None:
        skip("no dbus-send")
    enabled = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
         "variant:boolean:true"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=WAIT)
    if enabled.returncode != 0:
        skip("AT-SPI's bus could not start")


class Check:
    def __init__(self, atspi, GLib):
        self.atspi = atspi
        self.GLib = GLib
        self.told = []
        self.failures = []

    def heard(self, event):
        try:
            if event.detail1 and event.source.getRole() == self.atspi.ROLE_NOTIFICATION:
                self.told.append(event.source.name)
        except Exception as error:  # a source gone meanwhile is no announcement
            print("an event could not be read: %s" % error)

    def pump(self, seconds, until=lambda: False):
        context = self.GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end and not until():
            while context.iteration(False):
                pass
            time.sleep(0.01)

    def expect(self, what, condition):
        if not condition:
            self.failures.append(what)
            print("FAILED: " + what)

    def find_application(self):
        found = []

        def look():
            desktop = self.atspi.Registry.getDesktop(0)
            found[:] = [a for a in desktop if a is not None and a.name == "Tallimo"]
            return bool(found)

        self.pump(WAIT, look)
        return found[0] if found else None


def controls(root):
    """Every named object under `root`, by accessible name; the first of a name wins."""
    named = {}
    pending = [root]
    while pending:
        node = pending.pop(0)
        for child in node:
            if child is None:
                continue
            named.setdefault(child.name, child)
            pending.append(child)
    return named


def run(check):
    atspi = check.atspi
    atspi.Registry.registerEventListener(check.heard, "object:state-changed:showing")
    application = check.find_application()
    if application is None:
        skip("Tallimo did not appear on AT-SPI")
    main = controls(application)

    def press(*names):
        for name in names:
            target = main.get(name)
            if target is None:
                check.expect("a control named %r" % name, False)
                return
            # A key is pressed some 100 ms after its action, and a key the one before
            # enables takes no action until then.
            check.pump(5, lambda: target.getState().contains(atspi.STATE_SENSITIVE))
            target.queryAction().doAction(0)

    def told(results, what):
        check.pump(5, lambda: len(check.told) >= len(results))
        check.pump(0.3)  # a second telling of a result would come by now
        check.expect("%s told %s once each, heard %s" % (what, results, check.told), check.told == results)
        del check.told[:]

    press("Digit 1", "Digit 2", "Plus", "Digit 3", "Equals, sum")
    told(["15"], "12 + 3 =")

    # Qt's own interface never answered this: the program hung for good.
    output = main["Output"].queryText()
    atspi.setTimeout(1000, 1000)
    start = time.monotonic()
    try:
        word = output.getTextAtOffset(2, atspi.TEXT_BOUNDARY_WORD_START)
    except Exception as error:
        check.expect("a word query answered within a second: %s" % error, False)
        return  # the program hangs: nothing more can be asked of it
    check.expect("a word query answered within a second", time.monotonic() - start < 1)
    check.expect("the word at the end of the output is 15, got %r" % (word,), tuple(word) == ("15", 0, 2))

    press("Square root")
    told(["3.87298334620742"], "sqr")

    # The clock ticks every second meanwhile: it is never told.
    check.pump(1.2)
    check.expect("nothing told while the clock ticks, heard %s" % check.told, not check.told)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    tallimo = os.path.abspath(sys.argv[1])
    processes = []
    folder = tempfile.mkdtemp(prefix="tallimo-atspi-")
    try:
        os.environ["DISPLAY"] = start_x_server(processes)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(processes)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ["QT_QPA_PLATFORM"] = "xcb"
        turn_accessibility_on()
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import GLib
            import pyatspi
        except (ImportError, ValueError) as error:
            skip("no AT-SPI for Python: %s" % error)
        program = subprocess.Popen([tallimo], cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(program)
        check = Check(pyatspi, GLib)
        run(check)
        if program.poll() is not None:
            check.expect("Tallimo still running", False)
        return 1 if check.failures else 0
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
