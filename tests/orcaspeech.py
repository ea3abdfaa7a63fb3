# SPDX-License-Identifier: GPL-3.0-or-later
"""What real Orca says in a session/with-a11y-session --orca, read from the
stand-in synthesizer's log, and keys pressed as a user presses them."""
import os, re, subprocess, time


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
