#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planner as a blind user meets it: the real window, the keyboard alone,
and what real Orca says, read from what the synthesizer starts to speak.

  with-a11y-session --orca tst_orca.py TAVRIN [--untimed]
  (untimed for a sanitizer build, which is slow by design)

Checks that Orca keeps up with a held arrow on the year and in the months
(the final year or day the last one spoken, within 2 s of the last press,
nothing silent for longer, the days passed told short, no event flood), that a move in the months speaks the day it lands on first and no
other day, a new month by name, the ends of the year, a mark and why a day
cannot be marked, Where am I and flat review on a day, and a print at the press
and on a second press.

The session, with Orca and a synthesizer that writes down when it starts
each utterance, is session/with-a11y-session's."""
import ctypes, datetime, os, re, signal, socket, subprocess, sys, time
from orcaspeech import Orca, keys

# The planner ends with this script, however it ends (PR_SET_PDEATHSIG).
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))
DATE = re.compile(r'\d+ [A-Z][a-z]+ \d+')


def end_to_end(tavrin, home, timed):
    # The times given below are what a user must get; they hold on a quiet machine only. With both cores busy
    # (two busy loops), Orca may hear a held arrow's presses seconds late, each cutting short what it was
    # saying: the planner tells the final year once Orca has heard them all, later then than these times.
    # Starting up has all the time a busy machine needs.
    orca, limit = Orca(home), (lambda seconds: seconds if timed else 30)
    orca.wait('Screen reader on', 60, time.time())  # Orca greets, then starts listening
    while 'Starting ATSPI registry' not in open(orca.log).read():
        time.sleep(0.1)
    # A print server that takes the connection and never answers, until closed.
    server = socket.create_server(os.path.join(home, 'never-answers.sock'), family=socket.AF_UNIX)
    subprocess.Popen([tavrin], env=dict(os.environ, CUPS_SERVER=server.getsockname()), **QUIET)
    year = datetime.date.today().year
    orca.wait(f'{year}', 60, time.time())
    def hold(key, final):
        """Holds a key for 2 s, at 30 presses a second; what was said from the first press to the final words."""
        pressed = (orca.mark(), keys(key, repeat=60))[0]
        print(f'{key} held: {final} said {orca.wait(final, limit(2), time.time()):.2f} s after the last press')
        time.sleep(1)  # anything still to come
        said = orca.said()
        silence = max(b - a for a, b in zip([pressed] + [at for at, _ in said], [at for at, _ in said]))
        assert not timed or silence <= 2, f'{key} held: {silence:.2f} s without a word: {said}'
        return [text for _, text in said]

    for key, step in [('Up', 1), ('Down', -1), ('Up', 1)]:
        year = min(max(year + 60 * step, 0), 3000)
        years = [text for text in hold(key, str(year)) if re.search(r'\d', text)]
        assert str(year) in re.findall(r'\d+', years[-1]), f'{key} held: the last year spoken was not {year}: {years[-3:]}'
    # Held in the months, the arrows end on the focus's day, and it is the last date spoken; the days passed are
    # told short, the first alone in full.
    orca.wait(f'1 January {year}', limit(1.5), (orca.mark(), keys('Tab'))[0])
    day = (datetime.date(year, 1, 1) + datetime.timedelta(60)).strftime('%-d %B %Y')
    dates = DATE.findall(' / '.join(hold('Right', day)))
    assert dates[-1] == day and (not timed or len(dates) <= 2), f'Right held: {dates}'
    orca.wait(f'Year {year}', limit(2), (orca.mark(), keys('shift+Tab'))[0])  # heard out, as a listener does
    february = datetime.date(year, 2, 1).strftime('%A 1 February %Y')
    # What each press must say, within its time; a day it lands on, alone. Where am I counts the month's days (its
    # words all begun within 4 s, at the synthesizer's pace); flat review (KP_Up, KP_Home) reads the days as
    # numbers, then the headers and the titles in their rows.
    for press, words, seconds in [
            ('Tab', f'1 January {year}', 1), ('Down', f'8 January {year}', 2), ('Down', f'15 January {year}', 2),
            ('space', '15 January marked', 2), ('space', 'already marked', 2), ('Up', f'8 January {year}', 2),
            ('Up', f'1 January {year}', 2), ('Left', f'first day of {year}', 1.5), ('Prior', f'first month of {year}', 1.5),
            ('KP_Enter', f'1 January {year} / can be marked / 1 of 31', 4), ('KP_Up', '1 2 ', 20), ('KP_Home', 'Sun Mon Tue', 3),
            ('KP_Home', 'JANUARY FEBRUARY MARCH APRIL', 3),
            ('Next', february, 1), ('space', 'only January days', 2), ('Next ' * 10, f'1 December {year}', 5),
            ('Next', f'last month of {year}', 1.5), ('Down ' * 4, f'29 December {year}', 5),
            ('Down', f'29 December is in the last week of {year}', 1.5), ('Tab', 'Print', 2), ('space', 'Printing', 1.5),
            ('space', 'already on its way', 1.5)]:
        since = orca.mark()
        keys(*press.split())
        print(f'{press.strip()}: "{words}" said after {max(orca.wait(w, limit(seconds), since) for w in words.split(" / ")):.2f} s')
        time.sleep(0.5)
        said = ' / '.join(text for _, text in orca.said())
        only_day = ' ' in press.strip() or set(DATE.findall(said)) <= set(DATE.findall(words))
        assert only_day and not re.search('column header|table with|notification', said), f'{press}: {said}'
    orca.wait('Still waiting for the print server', limit(10), orca.mark())  # 10 s after the first press, not at the bound
    server.close()  # the print server goes away: the outcome follows the acknowledgement
    orca.wait('Nothing was printed', limit(3), orca.mark())
    assert not re.search('FLOOD|DELUGE', open(orca.log).read()), 'Orca was flooded with events'


# xdotool and the session are checked for by with-a11y-session --orca.
end_to_end(os.path.abspath(sys.argv[1]), os.environ['HOME'], '--untimed' not in sys.argv)
