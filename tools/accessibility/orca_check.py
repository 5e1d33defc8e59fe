# Listens to the suite with the Orca screen reader: walks every entry window,
# the Complete Reading and the Circle by keyboard, as a blind user would, and
# compares what Orca says with heard.txt beside this file. Each step waits on
# what is said, up to a time limit, never for a fixed time.
#
# usage: orca_check.py <velmora-suite> [--table FILE] [--transcript FILE]
# Needs orca, speech-dispatcher, speech-dispatcher-espeak-ng, xvfb, openbox,
# at-spi2-core, dbus-x11 (dbus-send) and xdotool (tools/bootstrap.sh test
# installs them).
import argparse
import os
import signal
import subprocess
import sys
import time

from listening_session import ListeningSession, SessionError

HERE = os.path.dirname(os.path.abspath(__file__))
FORBIDDEN = ["layered pane"]
STEP_SECONDS = 15
RETRY_SECONDS = 3
TRIES = 3
# The whole check ends itself before the test command's limit would kill it,
# so that it can still end every process it started.
TOTAL_SECONDS = 110


class CheckFailed(Exception):
    pass


class Step:
    def __init__(self, keys, words, next_only, undo):
        self.keys = keys
        self.words = words
        self.next_only = next_only
        # Keys that undo what `keys` began when their words are not heard
        # soon, before `keys` are pressed again.
        self.undo = undo


def read_table(path):
    """[(window, [Step])] from the table's text."""
    windows = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                windows.append((line[1:-1], []))
                continue
            fields = [part.strip() for part in line.split("|")]
            if len(fields) not in (2, 3) or not fields[1] or not windows:
                raise ValueError("%s:%d: expected '[window]' or 'keys | words [| keys to undo]'" % (path, number))
            keys, words = fields[0], fields[1]
            undo = fields[2].split() if len(fields) == 3 else []
            windows[-1][1].append(Step([] if keys == "-" else keys.split(), words.lstrip("="),
                                       words.startswith("="), undo))
    return windows


def is_key_echo(utterance):
    # Orca says a pressed key's name followed by its locking state, which is
    # blank here: "tab ", "left alt ".
    return utterance.endswith(" ")


class Listener:
    def __init__(self, session, deadline):
        self.session = session
        self.deadline = deadline
        self.heard_up_to = 0

    def expect(self, words, next_only, seconds=STEP_SECONDS):
        """Waits until an utterance that starts with `words` is said after
        what was heard so far."""
        limit = min(time.monotonic() + seconds, self.deadline)
        while True:
            said = self.session.utterances()
            for index in range(self.heard_up_to, len(said)):
                if said[index].startswith(words):
                    self.heard_up_to = index + 1
                    return
                if next_only and not is_key_echo(said[index]):
                    raise CheckFailed("heard %r where %r was due" % (said[index], words))
            if time.monotonic() > limit:
                raise CheckFailed("never heard %r" % words)
            time.sleep(0.05)


def take(session, listener, step):
    """Presses the step's keys and listens for its words. A step that can be
    undone is tried again when its words are not heard soon: a menu opened
    while the desktop still settles on a new window may close at once."""
    for _ in range(TRIES - 1 if step.undo else 0):
        session.key(*step.keys)
        try:
            listener.expect(step.words, False, RETRY_SECONDS)
            return
        except CheckFailed:
            session.key(*step.undo)
    if step.keys:
        session.key(*step.keys)
    listener.expect(step.words, step.next_only)


def walk(session, program, window, steps, deadline):
    start = session.mark()
    listener = Listener(session, deadline)
    listener.heard_up_to = start
    session.start_program(program)
    try:
        for step in steps:
            take(session, listener, step)
    finally:
        transcript = session.said_since(start)
        print("--- %s" % window)
        for utterance in transcript:
            print("    " + utterance)
    for utterance in transcript:
        for words in FORBIDDEN:
            if words in utterance:
                raise CheckFailed("heard %r in %r" % (words, utterance))
    session.key("ctrl+q")
    session.wait_for_program_end(15)


def end_on_signal(signum, frame):
    raise SystemExit(128 + signum)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--table", default=os.path.join(HERE, "heard.txt"))
    parser.add_argument("--keep", action="store_true", help="keep the session's folder and logs")
    args = parser.parse_args()
    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(sig, end_on_signal)

    started = time.monotonic()
    deadline = started + TOTAL_SECONDS
    windows = read_table(args.table)
    program = [os.path.abspath(args.program)]
    passed = failed = 0
    with ListeningSession(keep=args.keep) as session:
        try:
            session.start_desktop()
            session.start_orca()
        except SessionError as error:
            print("the listening desktop did not start: %s" % error)
            return 1
        for window, steps in windows:
            try:
                walk(session, program, window, steps, deadline)
                passed += 1
            except (CheckFailed, SessionError, subprocess.CalledProcessError) as error:
                print("FAILED %s: %s" % (window, error))
                failed += 1
                session.end_program()
        if args.keep:
            print("session folder: " + session.root)
    print("Orca heard every input as expected in %d of %d windows (%.1f s)" %
          (passed, len(windows), time.monotonic() - started))
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
