#!/usr/bin/python3
"""The planner as a blind user meets it: the real window, the keyboard alone,
and what real Orca says, read from Orca's own log.

  tst_orca.py TAVRIN [--untimed]  the end-to-end test; untimed for a
                                  sanitizer build, which is slow by design
  tst_orca.py --run CMD        runs CMD in the same setting without Orca
  tst_orca.py --with-orca CMD  and with Orca listening

Checks that Orca keeps up with a held arrow (the last year spoken within 2 s
of the last press, the next Tab within 1.5 s, no event deluge), speaks a
February day with its weekday, speaks a mark, and speaks a failed print.

The setting is this run's own and goes with it: Xvfb, openbox, a session bus
and the accessibility bus it starts, speech-dispatcher whose stand-in
synthesizer only writes down what it would say (audio to ALSA's null
device), and Orca with its own home."""
import ctypes, datetime, os, shutil, signal, subprocess, sys, tempfile, time

# Each process started here ends with this script, however it ends.
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
             preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))  # PR_SET_PDEATHSIG
# Orca refuses to start while any other Orca of this user runs, even one on
# another display and bus; this one has its own, so the check is left out.
# Its log is written line by line, so it can be read as Orca goes.
ORCA = ("import runpy, sys; sys.argv[0] = 'orca'; main = runpy.run_path('/usr/bin/orca', run_name='launcher')['main'];"
        " main.__globals__.update(otherOrcas=list, open=lambda path, mode: open(path, mode, buffering=1));"
        " sys.exit(main())")
NEEDED = ['Xvfb', 'openbox', 'xprop', 'dbus-daemon', 'dbus-send', 'speech-dispatcher', 'orca', 'xdotool']


def start_setting(home, started, orca):
    env = os.environ
    for name in ['XDG_CONFIG_HOME', 'XDG_DATA_HOME', 'XDG_CACHE_HOME', 'XDG_RUNTIME_DIR']:
        os.makedirs(path := os.path.join(home, name.lower()), mode=0o700)
        env[name] = path
    read, write = os.pipe()
    started.append(subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp'], pass_fds=[write], **QUIET))
    os.close(write)
    display = os.read(read, 16).decode().strip() or sys.exit('Xvfb did not start')
    started.append(bus := subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address'],
                                           text=True, **dict(QUIET, stdout=subprocess.PIPE)))
    env.update(HOME=home, DISPLAY=':' + display, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(),
               GSETTINGS_BACKEND='memory', QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
               SPEECHD_ADDRESS='unix_socket:' + os.path.join(home, 'speechd.sock'))
    subprocess.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
                    'org.a11y.Bus.GetAddress'], check=True, timeout=20, **QUIET)
    started.append(subprocess.Popen(['openbox'], **QUIET))
    for _ in range(100):  # until openbox manages windows
        if b'window id' in subprocess.run(['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], capture_output=True).stdout:
            break
        time.sleep(0.1)
    if not orca:
        return
    os.makedirs(os.path.join(home, 'speechd', 'modules'))
    for name, text in [('speechd.conf', 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule generic\n'
                        'AddModule "generic" "sd_generic" "generic.conf"\nLanguageDefaultModule "en" "generic"\n'),
                       ('modules/generic.conf', 'GenericExecuteSynth "echo \\\'$DATA\\\' >> %s/said"\n' % home
                        + 'AddVoice "en" "MALE1" "stand-in"\nGenericLanguage "en" "en" "utf-8"\n')]:
        with open(os.path.join(home, 'speechd', name), 'w') as conf:
            conf.write(text)
    started.append(subprocess.Popen(['speech-dispatcher', '-s', '-t', '0', '-C', os.path.join(home, 'speechd'),
                                     '-S', os.path.join(home, 'speechd.sock')], **QUIET))
    started.append(subprocess.Popen([sys.executable, '-c', ORCA, '--debug-file=' + os.path.join(home, 'orca.log')],
                                    **QUIET))


class Orca:
    """What Orca says, from its log, since the last mark()."""
    def __init__(self, home):
        self.log, self.seen = os.path.join(home, 'orca.log'), 0

    def mark(self):
        self.seen = os.path.getsize(self.log)
        return time.monotonic()

    def wait(self, words, seconds, since):
        while not any(words in line for line in self.said()):
            assert time.monotonic() - since < seconds, f'Orca did not say "{words}" in {seconds} s: {self.said()[-6:]}'
            time.sleep(0.02)
        return time.monotonic() - since

    def said(self):
        with open(self.log, 'a+', errors='replace') as log:
            return [line for line in (log.seek(self.seen), log.read())[1].splitlines() if 'SPEECH OUTPUT:' in line]


def keys(*names, repeat=1):
    subprocess.run(['xdotool', 'key', '--repeat', str(repeat), '--delay', '33', *names], check=True)


def end_to_end(tavrin, home, started, timed):
    orca = Orca(home)
    orca.wait('Screen reader on', 30, time.monotonic())  # Orca greets once it is up
    env = dict(os.environ, CUPS_SERVER=os.path.join(home, 'nobody-listens.sock'))
    started.append(subprocess.Popen([tavrin], env=env, **dict(QUIET, stderr=None)))
    year = datetime.date.today().year
    orca.wait(f'{year}', 30, time.monotonic())
    keys('Up', repeat=90)  # held for 3 s, at 30 presses a second
    year = min(year + 90, 3000)
    print(f'Up held: {year} said {orca.wait(f"{year}", 2 if timed else 30, orca.mark()):.2f} s after the last press')
    keys('Tab')
    print(f'Tab said after {orca.wait(f"1 January {year}", 1.5 if timed else 30, orca.mark()):.2f} s')
    assert not timed or 'DELUGE' not in open(orca.log).read(), 'Orca was flooded with events'
    february = datetime.date(year, 2, 1).strftime('%A 1 February %Y')
    for press, words in [('Next', f'{february[:3]} column header {february}'), ('Prior space', 'notification marked'),
                         ('Tab', 'Print'), ('space', 'Nothing was printed: the print server is not answering')]:
        keys(*press.split())
        orca.wait(words, 2 if timed else 30, orca.mark())


def main(args):
    if missing := [program for program in NEEDED if not shutil.which(program)]:
        print('tst_orca: missing ' + ', '.join(missing) + ' (scripts/setup installs them)', file=sys.stderr)
        return 1
    started = []
    with tempfile.TemporaryDirectory(prefix='tavrin-orca.') as home:
        try:
            start_setting(home, started, args[0] != '--run')
            if args[0] in ['--run', '--with-orca']:
                return subprocess.run(args[1:]).returncode
            end_to_end(os.path.abspath(args[0]), home, started, '--untimed' not in args)
        finally:
            for process in reversed(started):
                process.terminate()
            for process in started:  # what outlives its notice (Orca, a busy speech-dispatcher) is killed
                try:
                    process.wait(0 if process.args[0] == sys.executable else 5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
