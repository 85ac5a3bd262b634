#!/usr/bin/python3
"""Tallimo as a screen reader meets it, through AT-SPI, on an X server and a session
bus of this check's own: keys pressed by their accessible actions must bring each
result as one notification carrying it, a word query on the output box must be
answered within a second, and a memory cell's send button must send the cell.
Usage: atspi_check.py PATH_TO_TALLIMO. Exits 77, skipped, where the X server, the
bus or AT-SPI cannot start."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20  # seconds for the program to appear, generous for a sanitizer build


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(77)


def start(processes, command, **options):
    if shutil.which(command[0]) is None:
        skip("no " + command[0])
    options.setdefault("stderr", subprocess.DEVNULL)
    processes.append(subprocess.Popen(command, **options))
    return processes[-1]


def start_x_and_bus(processes):
    read_end, write_end = os.pipe()
    start(processes, ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset", "-screen", "0",
                      "1024x768x24"], pass_fds=[write_end], stdout=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    bus = start(processes, ["dbus-daemon", "--session", "--nofork", "--print-address"],
                stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    if os.environ["DISPLAY"] == ":" or not os.environ["DBUS_SESSION_BUS_ADDRESS"]:
        skip("Xvfb or the session bus did not start")
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    # What a screen reader does as it starts: the program's bridge then wakes up.
    if shutil.which("dbus-send") is None or subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
             "variant:boolean:true"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=WAIT).returncode:
        skip("AT-SPI's bus could not start")


def check(atspi, GLib):
    failures, told = [], []

    def expect(what, condition):
        if not condition:
            failures.append(what)
            print("FAILED: " + what)

    def heard(event):
        try:
            if event.detail1 and event.source.getRole() == atspi.ROLE_NOTIFICATION:
                told.append(event.source.name)
        except Exception as error:  # a source gone meanwhile is no announcement
            print("an event could not be read: %s" % error)

    def pump(seconds, until=lambda: False):
        end = time.monotonic() + seconds
        while time.monotonic() < end and not until():
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.01)

    atspi.Registry.registerEventListener(heard, "object:state-changed:showing")
    def application():
        return next((a for a in atspi.Registry.getDesktop(0) if a is not None and a.name == "Tallimo"), None)

    pump(WAIT, lambda: application() is not None)
    if application() is None:
        skip("Tallimo did not appear on AT-SPI")
    controls, pending = {}, [application()]
    while pending:
        for child in pending.pop(0):
            if child is not None:
                controls.setdefault(child.name, child)
                pending.append(child)

    def press(*names):
        for name in names:
            # A key clicks some 100 ms after its action, and the key it enables or shows
            # takes no action until then.
            pump(5, lambda: all(controls[name].getState().contains(state)
                                for state in (atspi.STATE_SENSITIVE, atspi.STATE_SHOWING)))
            controls[name].queryAction().doAction(0)

    def expect_told(results, what):
        pump(5, lambda: len(told) >= len(results))
        pump(0.3)  # a second telling of a result would come by now
        expect("%s told %s once each, heard %s" % (what, results, told), told == results)
        del told[:]

    press("Digit 1", "Digit 2", "Plus", "Digit 3", "Equals, sum")
    expect_told(["15"], "12 + 3 =")

    # Qt's own interface never answered this: the program hung for good.
    atspi.setTimeout(1000, 1000)
    asked = time.monotonic()
    try:
        word = controls["Output"].queryText().getTextAtOffset(2, atspi.TEXT_BOUNDARY_WORD_START)
    except Exception as error:
        expect("a word query answered within a second: %s" % error, False)
        return failures  # the program hangs: nothing more can be asked of it
    expect("a word query answered within a second", time.monotonic() - asked < 1)
    expect("the word at the end of the output is 15, got %r" % (word,), tuple(word) == ("15", 0, 2))

    press("Square root")
    expect_told(["3.87298334620742"], "sqr")
    pump(1.2)
    expect("nothing told while the clock ticks, heard %s" % told, not told)

    # A memory cell's send button reads as a radio button and its action sends the cell.
    send = controls["Send memory cell 1"]
    expect("the send button is a radio button, got %s" % send.getRoleName(), send.getRole() == atspi.ROLE_RADIO_BUTTON)
    press("Memory plus", "Memory recall", "Send memory cell 1")
    expect_told(["3.87298334620742"], "sending memory cell 1")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    processes = []
    folder = tempfile.mkdtemp(prefix="tallimo-atspi-")
    try:
        start_x_and_bus(processes)
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import GLib
            import pyatspi
        except (ImportError, ValueError) as error:
            skip("no AT-SPI for Python: %s" % error)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
        program = start(processes, [os.path.abspath(sys.argv[1])], cwd=folder, stdout=subprocess.DEVNULL,
                        stderr=None, env=environment)
        failures = check(pyatspi, GLib)
        if program.poll() is not None:
            failures.append("Tallimo ended")
        return 1 if failures else 0
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
