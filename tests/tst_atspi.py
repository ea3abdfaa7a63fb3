#!/usr/bin/python3
"""The planner as a screen reader meets it: AT-SPI on a private session.

  tst_atspi.py TAVRIN CUPS_FIXTURE       the end-to-end test of the real window
  tst_atspi.py [--listen] --run CMD...   runs CMD in the same setting; --listen
                                         adds a client that hears every event

The setting (Xvfb, a session bus, the accessibility bus it starts) belongs to
this run only and is torn down afterwards. Exits 77 where it cannot start."""
import os, subprocess, sys, time

QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_setting(started):
    read, write = os.pipe()
    started.append(subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp',
                                     '-screen', '0', '1280x1024x24'], pass_fds=[write], **QUIET))
    os.close(write)
    display = os.read(read, 16).decode().strip()
    bus = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address'], text=True,
                           stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    started.append(bus)
    os.environ.update(DISPLAY=':' + display, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(),
                      QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
    # Asking for the accessibility bus starts it, and its registry with it.
    subprocess.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
                    'org.a11y.Bus.GetAddress'], check=True, timeout=20, **QUIET)


def wait(found, seconds=20):
    deadline = time.monotonic() + seconds
    while not (result := found()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return result


def check(fact, what):
    if not fact:
        sys.exit('FAIL: ' + what)


def act(accessible, name):
    action = accessible.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    check(name in names, f'{accessible.name} offers {name}: {names}')
    action.doAction(names.index(name))


def end_to_end(tavrin, cups_fixture, started):
    import pyatspi
    find = lambda root, fact: pyatspi.findDescendant(root, lambda o: o is not None and fact(o), True)
    outdir = subprocess.run([cups_fixture, 'outdir'], capture_output=True, text=True).stdout.strip()
    printed = set(os.listdir(outdir))
    started.append(subprocess.Popen([tavrin], **QUIET))
    desktop = pyatspi.Registry.getDesktop(0)
    window = wait(lambda: next((w for app in desktop if app for w in app if w and w.name == 'Tavrin'), None))
    check(window and window.getRole() == pyatspi.ROLE_FRAME, 'a frame named Tavrin')
    year = find(window, lambda o: o.getRoleName() == 'spin button' and o.name == 'Year')
    value = year.queryValue()
    start = wait(lambda: value.currentValue)
    act(year, 'increase')
    check(value.currentValue == start + 1 and find(window, lambda o: o.name == f'January {start + 1:.0f}'),
          'Increase steps the year and the panels follow')
    value.currentValue = 1999
    january = find(window, lambda o: o.name == 'January 1999')
    day = next(c for c in january if c.getRole() == pyatspi.ROLE_CHECK_BOX and c.getState().contains(pyatspi.STATE_VISIBLE))
    check(day.name == 'Friday 1 January 1999', 'first day read after setting 1999: ' + day.name)
    check(find(january, lambda o: o.name == 'JANUARY').getRole() == pyatspi.ROLE_LABEL, 'titles are static text')
    check(find(window, lambda o: o.name == '1999').getState().contains(pyatspi.STATE_ENABLED), 'year box not dimmed')
    check(not day.getState().contains(pyatspi.STATE_CHECKED), 'unmarked day reads unmarked')
    act(day, 'press')
    check(day.getState().contains(pyatspi.STATE_CHECKED), 'marked day reads marked')
    act(find(window, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == 'Print'), 'press')
    check(wait(lambda: set(os.listdir(outdir)) - printed, 60), 'Press on Print prints a page')
    print('PASS: year, days, marks and printing through AT-SPI')


def main(args):
    started = []
    try:
        try:
            start_setting(started)
        except (OSError, subprocess.SubprocessError) as error:
            print(f'SKIP: no X server or accessibility bus here: {error}')
            return 77
        if args[0] == '--listen':
            listener = subprocess.Popen([sys.executable, __file__, '--listener'], text=True,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
            started.append(listener)
            listener.stdout.readline()
            args = args[1:]
        if args[0] == '--run':
            return subprocess.run(args[1:]).returncode
        end_to_end(*args, started)
        return 0
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def listener():
    import pyatspi

    def read(event):  # as a reader does, each event's object is asked its name
        try:
            return event.source.name
        except Exception:  # the object or the program has gone meanwhile
            return None
    pyatspi.Registry.registerEventListener(read, 'object:', 'window:', 'focus:')
    print('listening', flush=True)
    pyatspi.Registry.start()


if __name__ == '__main__':
    sys.exit(listener() if sys.argv[1:] == ['--listener'] else main(sys.argv[1:]))
