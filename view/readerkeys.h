// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

namespace tavrin {

// A screen reader hears every key before the planner acts on it, and cuts
// short what it is saying at each one. Qt's bridge lets a key through to the
// planner once the reader has heard it or 100 ms have passed: a reader that
// is behind then hears a held arrow's keys after the planner has told it
// where they ended, and the last key cuts that short. Installed, the planner
// acts on each key once every reader has heard it, or after kPatience.
// Safe to call often.
void installReaderKeys();

// A step within a run was just told: keys pressed from now wait a moment
// before the readers hear them, so that what was told starts to be spoken.
void letReadersSpeak();

// Whether keys the user pressed are still with the readers: not yet acted on,
// or let through before a reader heard them (it will cut short what it is
// saying when it does).
bool keysWithReaders();

// The presses a key event stands for: a held key's presses that came
// together are handed on as one auto-repeat event, counted. Other counts
// mean nothing (Qt Test's carry its delay).
int presses(const QKeyEvent& key);

} // namespace tavrin
