# Runs the installed Orca screen reader with its debug log written line by
# line, so that each utterance can be read as soon as Orca says it.
#
# Orca opens its --debug-file with Python's default block buffering: the last
# utterance would only reach the file when later ones filled the buffer. This
# launcher loads /usr/bin/orca as a module, opens that one file line-buffered,
# and starts Orca's own main(). It also leaves out Orca's look for other
# copies of itself owned by this user, which would refuse to start beside
# another user session's Orca on the same machine: this copy runs on its own
# display, session bus and accessibility bus.
#
# usage: python3 orca_launch.py --debug-file FILE [other Orca options]
import argparse
import builtins
import importlib.machinery
import importlib.util
import os
import sys

ORCA = "/usr/bin/orca"


def debug_file_argument(argv):
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--debug-file", required=True)
    known, _ = parser.parse_known_args(argv)
    return os.path.abspath(known.debug_file)


def open_debug_file_line_buffered(path):
    real_open = builtins.open

    def opener(file, mode="r", buffering=-1, *args, **kwargs):
        if isinstance(file, str) and "w" in mode and os.path.abspath(file) == path:
            buffering = 1
        return real_open(file, mode, buffering, *args, **kwargs)

    builtins.open = opener


def load_orca():
    loader = importlib.machinery.SourceFileLoader("orca_command", ORCA)
    found = importlib.util.spec_from_loader("orca_command", loader)
    module = importlib.util.module_from_spec(found)
    loader.exec_module(module)
    return module


def main():
    open_debug_file_line_buffered(debug_file_argument(sys.argv[1:]))
    orca = load_orca()
    orca.otherOrcas = lambda: []
    # Keeps this process's own name, so that no other user session's Orca
    # counts it as a copy of itself either.
    orca.setProcessName = lambda name: True
    sys.argv = [ORCA] + sys.argv[1:]
    return orca.main()


if __name__ == "__main__":
    sys.exit(main())
