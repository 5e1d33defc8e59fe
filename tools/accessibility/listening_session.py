# A private desktop in which the Orca screen reader listens to one program:
# Xvfb, openbox, a session bus, the accessibility bus, speech-dispatcher with
# its sound sent to libao's null driver, and Orca writing what it says to its
# debug log. Everything runs under a folder of its own (home, runtime and
# config folders, sockets) and every process started is ended on close, even
# when the caller fails.
import os
import re
import shutil
import signal
import socket
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# Orca and its accessibility bindings are Debian's, for Debian's own Python.
DEBIAN_PYTHON = "/usr/bin/python3"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{'", re.S)


class SessionError(Exception):
    pass


def wait_for(what, test, timeout):
    """Polls `test` until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = test()
        if value:
            return value
        if time.monotonic() > deadline:
            raise SessionError("timed out waiting for " + what)
        time.sleep(0.05)


SPEECHD_CONF = """\
AudioOutputMethod "libao"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
LogLevel 3
LogDir "{logs}"
DefaultVolume 0
"""


class ListeningSession:
    def __init__(self, keep=False):
        self.root = tempfile.mkdtemp(prefix="velmora-orca-")
        self.keep = keep
        self.processes = []
        self.log_offset = 0
        self.env = self._environment()

    # -- set-up ---------------------------------------------------------

    def _folder(self, *parts):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "SPEECHD", "WAYLAND", "DISPLAY",
                                    "GTK_", "NO_AT_BRIDGE"))}
        home = self._folder("home")
        env.update(HOME=home,
                   XDG_RUNTIME_DIR=self._folder("run"),
                   XDG_CONFIG_HOME=self._folder("home", ".config"),
                   XDG_DATA_HOME=self._folder("home", ".local", "share"),
                   XDG_CACHE_HOME=self._folder("home", ".cache"),
                   TMPDIR=self._folder("tmp"),
                   LANG="C.UTF-8",
                   GTK_MODULES="gail:atk-bridge",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1",
                   NO_AT_BRIDGE="0")
        # libao's null driver: the synthesiser runs, nothing is played.
        with open(os.path.join(home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        return env

    def _start(self, name, argv, **kwargs):
        log = open(os.path.join(self._folder("logs"), name + ".log"), "ab")
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=kwargs.pop("stdout", log), stderr=log,
                                   start_new_session=True, **kwargs)
        log.close()
        self.processes.append((name, process))
        return process

    def _check_alive(self):
        for name, process in self.processes:
            if name != "program" and self._has_exited(process):
                raise SessionError("%s ended early; see %s" % (name, os.path.join(self.root, "logs", name + ".log")))

    def start_desktop(self):
        read, write = os.pipe()
        self._start("xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                    pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            raise SessionError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

        bus = self._start("session-bus", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise SessionError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        ready = os.path.join(self.root, "openbox-ready")
        self._start("openbox", ["openbox", "--sm-disable", "--startup", "touch " + ready])
        wait_for("the window manager", lambda: self._check_alive() or os.path.exists(ready), 20)

        self._start("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for("the accessibility bus", self._accessibility_bus_answers, 20)

        self._start_speech()
        self._check_alive()

    # Asks whether the launcher started here owns the bus's name, without
    # making the session bus start one of its own.
    def _accessibility_bus_answers(self):
        self._check_alive()
        result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                                env=self.env, capture_output=True, text=True)
        return result.returncode == 0 and "boolean true" in result.stdout

    def _start_speech(self):
        config = self._folder("speechd")
        logs = self._folder("logs", "speechd")
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF.format(logs=logs))
        modules = self._folder("speechd", "modules")
        shutil.copy("/usr/share/speech-dispatcher/conf/modules/espeak-ng.conf", modules)
        sock = os.path.join(self.env["XDG_RUNTIME_DIR"], "speechd.sock")
        self._start("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                          "--communication-method", "unix_socket", "--socket-path", sock,
                                          "--config-dir", config, "--log-dir", logs])
        wait_for("speech-dispatcher", lambda: self._accepts(sock), 20)
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + sock

    @staticmethod
    def _accepts(path):
        if not os.path.exists(path):
            return False
        with socket.socket(socket.AF_UNIX) as s:
            try:
                s.connect(path)
                return True
            except OSError:
                return False

    def start_orca(self):
        self.debug_log = os.path.join(self.root, "orca-debug.txt")
        self._start("orca", [DEBIAN_PYTHON, os.path.join(HERE, "orca_launch.py"), "--debug-file", self.debug_log])
        wait_for("Orca to start speaking", lambda: self._check_alive() or self.said_since(0), 60)
        self._check_alive()

    def start_program(self, argv):
        """Starts the program to listen to, ending one started before."""
        self.end_program()
        self.program = self._start("program", argv)

    def wait_for_program_end(self, timeout):
        wait_for("the program to end", lambda: self._has_exited(self.program), timeout)

    def end_program(self):
        program = getattr(self, "program", None)
        if program is None or self._has_exited(program):
            return
        self._signal_group(program, signal.SIGTERM)
        try:
            self.wait_for_program_end(5)
        except SessionError:
            self._signal_group(program, signal.SIGKILL)

    # -- listening ------------------------------------------------------

    def utterances(self):
        """Everything Orca has said, in order."""
        try:
            with open(self.debug_log, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            return []
        return [m.group(1) for m in SPOKEN.finditer(text)]

    def said_since(self, mark):
        return self.utterances()[mark:]

    def mark(self):
        return len(self.utterances())

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "50"] + list(keys), env=self.env, check=True)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    # -- tear-down ------------------------------------------------------

    def close(self):
        """Ends every process started, with its whole process group (the
        speech module, the accessibility bus's own daemon), in the reverse
        order of their start."""
        for _, process in reversed(self.processes):
            self._signal_group(process, signal.SIGTERM)
        deadline = time.monotonic() + 5
        for _, process in self.processes:
            while not self._has_exited(process) and time.monotonic() < deadline:
                time.sleep(0.05)
        # The leaders are not reaped yet, so their group ids are still theirs.
        for _, process in self.processes:
            self._signal_group(process, signal.SIGKILL)
            process.wait()
        self.processes.clear()
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)

    @staticmethod
    def _signal_group(process, sig):
        try:
            os.killpg(process.pid, sig)
        except (ProcessLookupError, PermissionError):
            pass

    @staticmethod
    def _has_exited(process):
        if process.returncode is not None:
            return True
        try:
            return os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None
        except ChildProcessError:
            return True

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False
