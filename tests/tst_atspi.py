#!/usr/bin/python3
"""The planner as a screen reader meets it, through AT-SPI.

  tst_atspi.py TAVRIN      drives the real window; run by cups/with-cups, whose
                           queue takes the printed page
  tst_atspi.py --run CMD   runs CMD in the same setting

The end-to-end test catches what only a real client meets: accessible actions
that report success and change nothing (Increase, setting the value, a day's
Press, Print's Press), a window that is no frame, a blank cell read before the
first day, and a mark that reads like no mark.

The setting (Xvfb, a session bus and the accessibility bus it starts) is this
run's own and goes with it. Where it cannot start, fails with one line saying
what is missing."""
import glob, os, subprocess, sys, time

QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_setting(started):
    read, write = os.pipe()
    started.append(subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp'],
                                    pass_fds=[write], **QUIET))
    os.close(write)
    display = os.read(read, 16).decode().strip() or sys.exit('Xvfb did not start')
    started.append(bus := subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address'],
                                           text=True, **dict(QUIET, stdout=subprocess.PIPE)))
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


def end_to_end(tavrin, started):
    out = os.environ.get('CUPS_PDF_OUT') or sys.exit('missing: CUPS_PDF_OUT, the print server of cups/with-cups')
    try:
        import pyatspi
    except ImportError as error:
        sys.exit(f'missing: pyatspi (python3-pyatspi): {error}')
    find = lambda root, fact: pyatspi.findDescendant(root, lambda o: o is not None and fact(o), True)
    act = lambda accessible, name: (action := accessible.queryAction()).doAction(
        [action.getName(i).lower() for i in range(action.nActions)].index(name))  # ValueError: not offered
    started.append(subprocess.Popen([tavrin], **QUIET))
    window = wait(lambda: next((w for app in pyatspi.Registry.getDesktop(0) if app for w in app
                                if w and w.name == 'Tavrin'), None))
    assert window and window.getRole() == pyatspi.ROLE_FRAME, 'a frame named Tavrin'
    year = find(window, lambda o: o.getRole() == pyatspi.ROLE_SPIN_BUTTON and o.name == 'Year')
    start = wait(lambda: year.queryValue().currentValue)
    act(year, 'increase')
    assert find(window, lambda o: o.name == f'January {start + 1:.0f}'), 'Increase steps and renders'
    act(year, 'decrease')
    assert find(window, lambda o: o.name == f'January {start:.0f}'), 'Decrease steps and renders'
    year.queryValue().currentValue = 1999
    january = find(window, lambda o: o.name == 'January 1999')
    day = next(c for c in january if c.getRole() == pyatspi.ROLE_CHECK_BOX and c.getState().contains(pyatspi.STATE_VISIBLE))
    assert day.name == 'Friday 1 January 1999', 'the first day of 1999 reads ' + day.name
    assert not day.getState().contains(pyatspi.STATE_CHECKED), 'an unmarked day reads unmarked'
    act(day, 'press')
    assert day.getState().contains(pyatspi.STATE_CHECKED), 'a marked day reads marked'
    act(find(window, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == 'Print'), 'press')
    pages = lambda: any(map(os.path.getsize, glob.glob(out + '/*.pdf')))
    assert wait(pages, 60), 'a printed page'


def main(args):
    started = []
    try:
        try:
            start_setting(started)
        except (OSError, subprocess.SubprocessError) as error:
            print('missing: an X server or accessibility bus:', error, file=sys.stderr)
            return 1
        return subprocess.run(args[1:]).returncode if args[0] == '--run' else end_to_end(args[0], started)
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait(10)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
