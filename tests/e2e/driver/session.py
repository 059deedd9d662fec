"""One run of the program on its own X display, driven as a user would drive it."""
import os
import subprocess

from .waiting import wait_until
from .x_display import XDisplay


class Session:
    def __init__(self, program, description, extra_env=None, screen=(1280, 1024), arguments=()):
        self.program, self.description = program, description
        self.display = XDisplay(*screen)
        self.env = self.display.environment(dict(os.environ, **(extra_env or {})))
        self.process = None
        try:
            self.process = program.start(self.env, arguments)
            self.window = wait_until(self._main_window, "the main window to show", timeout=60)
            self.wait_for_focus()
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    # Looking at the window

    def _main_window(self):
        return next((w for w in self.program.windows(self.env) if w["caption"] == self.description.caption
                     and w["outer"][2] > 0), None)

    def top_windows(self):
        return self.program.windows(self.env)

    def refresh(self):
        window = self._main_window()
        assert window is not None, "the main window is gone"
        self.window = window
        return window

    def _control_of(self, child):
        left, top = self.window["client"][:2]
        x, y, width, height = child["rect"]
        return self.description.at_rect((x - left, y - top, width, height))

    def focused_control(self):
        """The name of the control that has the keyboard focus, or None."""
        window = self.refresh()
        focused = [child for child in window["children"] if child["focused"]]
        control = self._control_of(focused[0]) if focused else None
        return control.name if control else None

    def texts(self):
        """The current text of every control of the description, by name."""
        window = self.refresh()
        found = {}
        for child in window["children"]:
            control = self._control_of(child)
            if control is not None:
                found[control.name] = child["text"]
        return found

    def text_of(self, name):
        return self.texts()[name]

    def wait_for_focus(self, name=None):
        """Waits until some control (or the named one) has the focus; returns its name."""
        def reached():
            focused = self.focused_control()
            return focused if focused and (name is None or focused == name) else None

        return wait_until(reached, f"the focus to reach {name or 'a control'}")

    # Acting on the window

    def screen_point(self, name):
        x, y = self.description.by_name[name].centre
        return self.window["client"][0] + x, self.window["client"][1] + y

    def click(self, name):
        self.display.click(*self.screen_point(name))

    def key(self, *keys):
        self.display.key(*keys)

    def type_text(self, text):
        self.display.type_text(text)

    def focus_by_tab(self, name):
        """Presses Tab as often as the tab order says it takes to reach the named control."""
        order = [control.name for control in self.description.tab_order]
        steps = (order.index(name) - order.index(self.wait_for_focus())) % len(order)
        if steps:
            self.key(*["Tab"] * steps)
        self.wait_for_focus(name)

    def replace_text(self, name, text):
        """Clicks into a box, empties it with the keyboard and types text."""
        self.click(name)
        self.wait_for_focus(name)
        self.key("End", "shift+Home", "BackSpace")
        wait_until(lambda: self.text_of(name) == "", f"{name} to be empty")
        if text:
            self.type_text(text)

    def clipboard(self):
        """The X CLIPBOARD selection's text, as bytes."""
        return self.display.clipboard_text()

    def native_clipboard(self):
        """The clipboard as the program's own platform sees it."""
        return self.program.native_clipboard(self.env)

    def copy_by_click(self, name, sentinel="(the clipboard before the click)"):
        """Puts a known text on the clipboard, clicks the button and returns the clipboard's
        text as bytes (None if it offers no text) once it has changed."""
        self.display.set_clipboard_text(sentinel)
        self.click(name)

        def changed():
            text = self.clipboard()
            return (text,) if text != sentinel.encode() else None

        return wait_until(changed, f"{name} to change the clipboard", timeout=20)[0]

    # The process

    def wait_for_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} s") from None

    def is_running(self):
        return self.process.poll() is None

    def close(self):
        try:
            self.program.shut_down(self.env)
            if self.process is not None:
                try:
                    self.process.wait(timeout=20)
                except subprocess.TimeoutExpired:
                    self.process.kill()
        finally:
            self.display.close()

