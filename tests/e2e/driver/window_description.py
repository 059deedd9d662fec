"""The window description that the core's quorvane_describe_window tool prints."""
import json
from dataclasses import dataclass


@dataclass(frozen=True)
class Control:
    name: str
    kind: str
    style: str
    left: int
    top: int
    width: int
    height: int
    text: str
    command: str | None  # what a click runs, for buttons
    box: str | None  # the box that command copies

    @property
    def centre(self):
        return self.left + self.width // 2, self.top + self.height // 2

    @property
    def rect(self):
        return self.left, self.top, self.width, self.height


class WindowDescription:
    def __init__(self, data):
        self.caption = data["caption"]
        self.outer_width = data["outer_width"]
        self.outer_height = data["outer_height"]
        self.web_page_url = data["web_page_url"]
        self.controls = [
            Control(c["name"], c["kind"], c["style"], c["left"], c["top"], c["width"], c["height"],
                    c["text"], c.get("click", {}).get("command"), c.get("click", {}).get("box") or None)
            for c in data["controls"]
        ]
        self.by_name = {control.name: control for control in self.controls}
        self.tab_order = [self.by_name[name] for name in data["tab_order"]]

    @classmethod
    def load(cls, path):
        with open(path, encoding="utf-8") as file:
            return cls(json.load(file))

    def at_rect(self, rect):
        """The control whose client rectangle this is, or None."""
        return next((c for c in self.controls if c.rect == tuple(rect)), None)

    def with_command(self, command):
        return [c for c in self.controls if c.command == command]

    def rows(self):
        """The category rows from top to bottom: each label with a copy button level with
        it, and the result box and batch button that stand level with it too."""

        def level_with(label, candidates):
            found = [c for c in candidates
                     if c.top < label.top + label.height and label.top < c.top + c.height]
            return found[0] if len(found) == 1 else None

        rows = []
        for label in sorted((c for c in self.controls if c.kind == "label"), key=lambda c: c.top):
            copy_button = level_with(label, self.with_command("copy"))
            if copy_button is None:
                continue
            boxes = [c for c in self.controls if c.style == "single-line box" and c.left > label.left]
            rows.append(Row(label, level_with(label, boxes), copy_button,
                            level_with(label, self.with_command("batch_copy"))))
        return rows


@dataclass(frozen=True)
class Row:
    label: Control
    result_box: Control
    copy_button: Control
    batch_button: Control
