"""The Linux program (Qt) on the session's X display, under a window manager, looked at
through the accessibility bus of a D-Bus session of its own."""
import json
import os
import subprocess
import sys

from .waiting import wait_until

TOOLS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "linux_tools")


# What an X selection offers besides marks of its own: the text in its several forms and
# the selection protocol's targets.
TEXT_TARGETS = {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "UTF8_STRING", "STRING", "TEXT",
                "COMPOUND_TEXT", "text/plain", "text/plain;charset=utf-8"}


class LinuxProgram:
    name = "linux"

    def __init__(self, exe):
        self.exe = exe
        self._sessions = {}  # by DISPLAY: the processes that one session started

    def prepare(self, describe_tool, description_path):
        """Writes the window description that the scenarios use."""
        with open(description_path, "wb") as file:
            file.write(subprocess.run([describe_tool], capture_output=True, timeout=60, check=True).stdout)

    def _desktop(self, env):
        """The session bus and window manager of this display, started on first use."""
        display = env["DISPLAY"]
        if display not in self._sessions:
            read_end, write_end = os.pipe()
            bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                                   pass_fds=(write_end,), env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(read_end) as addresses:
                address = addresses.readline().strip()
            manager = subprocess.Popen(["openbox", "--config-file", os.path.join(TOOLS, "openbox_rc.xml")],
                                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self._sessions[display] = {"bus": address, "processes": [manager, bus]}
            wait_until(lambda: self._window_manager_running(env), "the window manager")
        return self._sessions[display]

    def _with_bus(self, env):
        return dict(env, DBUS_SESSION_BUS_ADDRESS=self._desktop(env)["bus"])

    @staticmethod
    def _window_manager_running(env):
        result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
                                text=True, timeout=10)
        return "window id" in result.stdout

    def start(self, env, arguments=()):
        # Qt serves the accessibility bus only when asked to or when a screen reader runs.
        program_env = dict(self._with_bus(env), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        process = subprocess.Popen([self.exe, *arguments], env=program_env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self._desktop(env)["processes"].insert(0, process)
        return process

    def windows(self, env):
        """Every showing top-level window of the program with its controls, as the probe prints them."""
        output = subprocess.run([sys.executable, os.path.join(TOOLS, "window_probe.py")], env=self._with_bus(env),
                                capture_output=True, timeout=30, check=True).stdout
        return json.loads(output)

    def native_clipboard(self, env):
        """The CLIPBOARD selection as X programs see it: {"text": ..., "registered_formats":
        {target: value}} with every target that is not one of the text's own forms."""

        def read(target):
            return subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", target], env=env,
                                  capture_output=True, timeout=10, check=True).stdout

        targets = read("TARGETS").decode().split()
        marks = [target for target in targets if target not in TEXT_TARGETS]
        return {"text": read("UTF8_STRING").decode(),
                "registered_formats": {target: read(target).decode() for target in marks}}

    def hold_clipboard(self, env, milliseconds):
        # An X11 selection has an owner but no lock: no process can keep another from
        # taking the clipboard, so there is nothing to hold.
        raise NotImplementedError("the X11 clipboard cannot be held by another program")

    def shut_down(self, env):
        """Ends the program, the window manager and the session bus of this display."""
        desktop = self._sessions.pop(env["DISPLAY"], None)
        for process in desktop["processes"] if desktop else []:
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
