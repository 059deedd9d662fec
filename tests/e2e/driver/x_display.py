"""A private X server (Xvfb) with real input (xdotool), the real CLIPBOARD selection
(xclip) and screenshots (ImageMagick's import)."""
import os
import select
import subprocess

from .waiting import wait_until


class XDisplay:
    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 30)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self._server.kill()
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()

    def environment(self, base):
        return dict(base, DISPLAY=self.name)

    def _run(self, *command, stdin=None, timeout=15):
        return subprocess.run(command, env=self.environment(os.environ), input=stdin, capture_output=True,
                              timeout=timeout, check=True).stdout

    # Input

    def click(self, x, y):
        # No --sync: it waits forever when the pointer is there already.
        self._run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def double_click(self, x, y):
        self._run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", "2", "--delay", "80", "1")

    def drag(self, from_x, from_y, to_x, to_y):
        self._run("xdotool", "mousemove", str(from_x), str(from_y), "mousedown", "1", "sleep", "0.2",
                  "mousemove", str(to_x), str(to_y), "sleep", "0.2", "mouseup", "1")

    def key(self, *keys):
        self._run("xdotool", "key", "--delay", "30", *keys)

    def type_text(self, text):
        self._run("xdotool", "type", "--delay", "30", text)

    # The CLIPBOARD selection

    def clipboard_text(self):
        """The clipboard's text as bytes, or None when no program offers text."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                                env=self.environment(os.environ), capture_output=True, timeout=10)
        return result.stdout if result.returncode == 0 else None

    def set_clipboard_text(self, text):
        """Makes xclip own the clipboard with this text; it serves it until another takes over."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(),
                       env=self.environment(os.environ), timeout=10, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: self.clipboard_text() == text.encode(), "xclip to own the clipboard")

    # Windows and pixels

    def window_geometry(self, name):
        """(x, y, width, height) of the only visible X window with that name, else None."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                               env=self.environment(os.environ), capture_output=True, text=True, timeout=10)
        ids = found.stdout.split()
        if len(ids) != 1:
            return None
        shell = self._run("xdotool", "getwindowgeometry", "--shell", ids[0]).decode()
        values = dict(line.split("=", 1) for line in shell.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self, x, y, width, height):
        """The screen's pixels in that rectangle, as rows of RGB bytes."""
        raw = self._run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                        "-depth", "8", "rgb:-", timeout=30)
        return [raw[row * width * 3:(row + 1) * width * 3] for row in range(height)]

    def save_screenshot(self, x, y, width, height, path):
        self._run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", path,
                  timeout=30)

    def close(self):
        self._server.terminate()
        try:
            self._server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._server.kill()
            self._server.wait()
