#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planner as a blind user meets it: the real window, the keyboard alone,
and what real Orca says, read from what the synthesizer starts to speak.

  tst_orca.py TAVRIN [--untimed]  the end-to-end test; untimed for a
                                  sanitizer build, which is slow by design
  tst_orca.py --run CMD        runs CMD in the same setting without Orca

Checks that Orca keeps up with a held arrow on the year and in the months
(the final year or day the last one spoken, within 2 s of the last press, no
event flood), that a move in the months speaks the day it lands on first and no
other day, a new month by name, the ends of the year, a mark and why a day
cannot be marked, and a print at the press and on a second press.

The setting is this run's own and goes with it: Xvfb, openbox, a session bus
and the accessibility bus it starts, speech-dispatcher whose stand-in
synthesizer writes down when it starts each utterance and then takes a while
to speak it, so speech cut short by the next is seen as such (audio to ALSA's
null device), and Orca with its own home."""
import ctypes, datetime, os, re, shutil, signal, socket, subprocess, sys, tempfile, time

# Each process started here ends with this script, however it ends.
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
             preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))  # PR_SET_PDEATHSIG
# Orca refuses to start while any other Orca of this user runs, even one on
# another display and bus; this one has its own, so the check is left out.
# Its log is written line by line, so it can be read as Orca goes.
ORCA = ("import runpy, sys; sys.argv[0] = 'orca'; main = runpy.run_path('/usr/bin/orca', run_name='launcher')['main'];"
        " main.__globals__.update(otherOrcas=list, open=lambda path, mode: open(path, mode, buffering=1));"
        " sys.exit(main())")
WAIT_FOR_OPENBOX = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'desktop', 'wait-for-openbox')
NEEDED = ['Xvfb', 'openbox', 'xprop', 'xmessage', 'dbus-daemon', 'dbus-send', 'speech-dispatcher', 'orca', 'xdotool']


def start_setting(home, started, orca):
    env = os.environ
    for name in ['XDG_CONFIG_HOME', 'XDG_DATA_HOME', 'XDG_CACHE_HOME', 'XDG_RUNTIME_DIR']:
        os.makedirs(path := os.path.join(home, name.lower()), mode=0o700)
        env[name] = path
    read, write = os.pipe()
    # No reset when the last client leaves: a client connecting meanwhile (openbox) would be turned away.
    started.append(subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp', '-noreset'], pass_fds=[write],
                                    **QUIET))
    os.close(write)
    display = os.read(read, 16).decode().strip() or sys.exit('Xvfb did not start')
    started.append(bus := subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address'],
                                           text=True, **dict(QUIET, stdout=subprocess.PIPE)))
    env.update(HOME=home, DISPLAY=':' + display, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(),
               GSETTINGS_BACKEND='memory', QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
               SPEECHD_ADDRESS='unix_socket:' + os.path.join(home, 'speechd.sock'))
    subprocess.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
                    'org.a11y.Bus.GetAddress'], check=True, timeout=20, **QUIET)
    with open(os.path.join(home, 'openbox.log'), 'w') as log:  # read out should openbox never come up
        started.append(openbox := subprocess.Popen(['openbox'], **dict(QUIET, stdout=log, stderr=log)))
    if (ready := subprocess.run([WAIT_FOR_OPENBOX, str(openbox.pid)], capture_output=True, text=True)).returncode:
        sys.exit('%s (exit status %s): %s' % (ready.stdout.strip(), openbox.poll(),
                                              ' / '.join(open(os.path.join(home, 'openbox.log')).read().split('\n'))))
    if not orca:
        return
    os.makedirs(os.path.join(home, 'speechd', 'modules'))
    for name, text in [('speechd.conf', 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule generic\n'
                        'AddModule "generic" "sd_generic" "generic.conf"\nLanguageDefaultModule "en" "generic"\n'),
                       # about 14 characters a second: a long phrase takes its real time
                       ('modules/generic.conf', 'GenericExecuteSynth "d=\\\'$DATA\\\'; echo $(date +%%s.%%N) \\"$d\\" >> %s/said;'
                        ' sleep $((${#d} / 14)).$((${#d} * 10 / 14 %% 10))"\n' % home
                        + 'AddVoice "en" "MALE1" "stand-in"\nGenericLanguage "en" "en" "utf-8"\n')]:
        with open(os.path.join(home, 'speechd', name), 'w') as conf:
            conf.write(text)
    started.append(subprocess.Popen(['speech-dispatcher', '-s', '-t', '0', '-C', os.path.join(home, 'speechd'),
                                     '-S', os.path.join(home, 'speechd.sock')], **QUIET))
    started.append(subprocess.Popen([sys.executable, '-c', ORCA, '--debug-file=' + os.path.join(home, 'orca.log')],
                                    **QUIET))


class Orca:
    """What the synthesizer started to speak since the last mark(), with when."""
    def __init__(self, home):
        self.log, self.said_file, self.seen = os.path.join(home, 'orca.log'), os.path.join(home, 'said'), 0
        open(self.said_file, 'a').close()  # the synthesizer appends to it

    def mark(self):
        self.seen = os.path.getsize(self.said_file)
        return time.time()

    def wait(self, words, seconds, since):
        """Seconds from `since` to the start of the first utterance with `words`."""
        while not (said := [(at, text) for at, text in self.said() if words in text]):
            if time.time() - since > seconds:  # what Orca last asked for shows what was cut short
                asked = re.findall(r"SPEECH OUTPUT: '(.*?)'\{", open(self.log).read())[-3:]
                raise AssertionError(f'Orca did not say "{words}" in {seconds} s: {self.said()[-6:]}; it asked for {asked}')
            time.sleep(0.02)
        return said[0][0] - since

    def said(self):
        """(start, text) of each utterance, key echo left out."""
        with open(self.said_file, errors='replace') as said:
            text = (said.seek(self.seen), said.read())[1]  # an utterance may hold line breaks
        return [(float(at), words.strip()) for at, words in re.findall(UTTERANCE, text, re.M)
                if words.strip().lower() not in ECHO]


UTTERANCE = r'^(\d+\.\d+) (.*(?:\n(?!\d+\.\d+ ).*)*)'
ECHO = {'up', 'down', 'left', 'right', 'tab', 'space', 'page up', 'page down', 'left shift', 'shift'}


def keys(*names, repeat=1):
    subprocess.run(['xdotool', 'key', '--repeat', str(repeat), '--delay', '33', *names], check=True)


DATE = re.compile(r'\d+ [A-Z][a-z]+ \d+')


def end_to_end(tavrin, home, started, timed):
    # The times given below are what a user must get; they hold on a quiet machine only. With both cores busy
    # (two busy loops), Orca handles a held arrow's presses a second or more late, and each one it handles cuts
    # short what it was saying, the final year and its notice 400 ms after the last step included: then the
    # year is not said at all, however long this waits. Starting up has all the time a busy machine needs.
    orca, limit = Orca(home), (lambda seconds: seconds if timed else 30)
    orca.wait('Screen reader on', 60, time.time())  # Orca greets, then starts listening
    while 'Starting ATSPI registry' not in open(orca.log).read():
        time.sleep(0.1)
    # A print server that takes the connection and never answers, until closed.
    server = socket.socket(socket.AF_UNIX)
    server.bind(os.path.join(home, 'never-answers.sock'))
    server.listen()
    started.append(subprocess.Popen([tavrin], env=dict(os.environ, CUPS_SERVER=server.getsockname()),
                                    **dict(QUIET, stderr=None)))
    year = datetime.date.today().year
    orca.wait(f'{year}', 60, time.time())
    for key, step in [('Up', 1), ('Down', -1), ('Up', 1)]:
        keys(key, repeat=60)  # held for 2 s, at 30 presses a second
        year = min(max(year + 60 * step, 0), 3000)
        print(f'{key} held: {year} said {orca.wait(str(year), limit(2), orca.mark()):.2f} s after the last press')
        time.sleep(1)  # anything still to come
        years = [text for _, text in orca.said() if re.search(r'\d', text)]
        assert str(year) in re.findall(r'\d+', years[-1]), f'{key} held: the last year spoken was not {year}: {years[-3:]}'
    # Held in the months, the arrows end on the focus's day, and it is the last date spoken.
    orca.wait(f'1 January {year}', limit(1.5), (orca.mark(), keys('Tab'))[0])
    keys('Right', repeat=60)
    day = (datetime.date(year, 1, 1) + datetime.timedelta(60)).strftime('%-d %B %Y')
    print(f'Right held: {day} said {orca.wait(day, limit(2), orca.mark()):.2f} s after the last press')
    time.sleep(1)
    assert DATE.findall(' '.join(text for _, text in orca.said()))[-1] == day, f'Right held: {orca.said()[-3:]}'
    keys('shift+Tab')
    february = datetime.date(year, 2, 1).strftime('%A 1 February %Y')
    # What each press must say, within its time; a day it lands on, alone.
    for press, words, seconds in [
            ('Tab', f'1 January {year}', 1), ('Down', f'8 January {year}', 2), ('Down', f'15 January {year}', 2),
            ('space', '15 January marked', 2), ('space', 'already marked', 2), ('Up', f'8 January {year}', 2),
            ('Up', f'1 January {year}', 2), ('Left', f'first day of {year}', 1.5), ('Prior', f'first month of {year}', 1.5),
            ('Next', february, 1), ('space', 'only January days', 2), ('Next ' * 10, f'1 December {year}', 5),
            ('Next', f'last month of {year}', 1.5), ('Tab', 'Print', 2), ('space', 'Printing', 1.5),
            ('space', 'already on its way', 1.5)]:
        since = orca.mark()
        keys(*press.split())
        print(f'{press.strip()}: "{words}" said after {orca.wait(words, limit(seconds), since):.2f} s')
        time.sleep(0.5)
        said = ' / '.join(text for _, text in orca.said())
        only_day = ' ' in press.strip() or set(DATE.findall(said)) <= set(DATE.findall(words))
        assert only_day and not re.search('column header|table with', said), f'{press}: {said}'
    server.close()  # the print server goes away: the outcome follows the acknowledgement
    orca.wait('Nothing was printed', limit(3), orca.mark())
    assert not re.search('FLOOD|DELUGE', open(orca.log).read()), 'Orca was flooded with events'


def main(args):
    if missing := [program for program in NEEDED if not shutil.which(program)]:
        sys.exit('tst_orca: missing ' + ', '.join(missing) + ' (scripts/setup installs them)')
    started = []
    with tempfile.TemporaryDirectory(prefix='tavrin-orca.') as home:
        try:
            start_setting(home, started, args[0] != '--run')
            if args[0] == '--run':
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
