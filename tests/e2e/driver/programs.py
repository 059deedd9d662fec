"""How to start a build of the program and look at its windows. Scenarios see only the
Program interface, so the same scenarios can drive another build of the program."""
import json
import os
import subprocess
import tempfile

PREPARE_WINE_PREFIX = os.path.join(os.path.dirname(__file__), "..", "..", "..", "scripts", "prepare_wine_prefix")


class WineProgram:
    """quorvane.exe under Wine, in a prefix of its own, looked at with window_probe.exe;
    clipboard_tool.exe reads and holds the Windows side of the clipboard."""

    name = "windows"

    def __init__(self, exe, prefix, probe, clipboard_tool):
        self.exe, self.prefix, self.probe, self.clipboard_tool = exe, prefix, probe, clipboard_tool

    def environment(self, base):
        # No Mono or Gecko installer prompts; Wine's debug output off.
        return dict(base, WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")

    def _wine(self, *arguments, env=None, timeout=120):
        # Output goes through a file, not a pipe: the Wine server and explorer.exe that a
        # command may start live on and would keep a pipe open.
        with tempfile.TemporaryFile() as output:
            subprocess.run(["wine", *arguments], env=self.environment(env or os.environ), stdout=output,
                           stderr=subprocess.DEVNULL, timeout=timeout, check=True)
            output.seek(0)
            return output.read()

    def prepare(self, describe_tool, description_path):
        """Makes the prefix and writes the window description that the scenarios use."""
        headless = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        subprocess.run([PREPARE_WINE_PREFIX, self.prefix, "--unmanaged"], env=self.environment(headless),
                       stdout=subprocess.DEVNULL, timeout=300, check=True)
        description = self._wine(describe_tool, env=headless)
        with open(description_path, "wb") as file:
            file.write(description)
        self.shut_down(headless)

    def start(self, env, arguments=()):
        return subprocess.Popen(["wine", self.exe, *arguments], env=self.environment(env), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def windows(self, env):
        """Every visible top-level window with its children, as window_probe prints them."""
        return json.loads(self._wine(self.probe, env=env, timeout=30))

    def native_clipboard(self, env):
        """The clipboard as Windows programs see it: {"text": ..., "registered_formats": {name: hex}}.
        Wine hands the text to X with "\n" for each "\r\n"."""
        return json.loads(self._wine(self.clipboard_tool, "read", env=env, timeout=30))

    def hold_clipboard(self, env, milliseconds):
        """Starts a Windows process that keeps the clipboard open; returns once it holds it."""
        holder = subprocess.Popen(["wine", self.clipboard_tool, "hold", str(milliseconds)], env=self.environment(env),
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        if holder.stdout.readline().strip() != "held":
            holder.kill()
            raise AssertionError("the clipboard holder did not get the clipboard")
        return holder

    def shut_down(self, env):
        """Ends every process of the prefix and waits for the Wine server to go."""
        for option in ("-k", "-w"):
            subprocess.run(["wineserver", option], env=self.environment(env), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
