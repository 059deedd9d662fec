"""The end-to-end scenarios. Each takes a Program and the window description and starts
the program itself, as often as it needs; controls are found through the description."""
import os
import string
import tempfile

from driver.session import Session
from driver.waiting import wait_until

ALL = {}


def scenario(function):
    ALL[function.__name__] = function
    return function


SYMBOLS = "~!@#$%^&*()_+-=,./<>?;:[]{}|"

# The characters that each row label promises, by its words.
CHARACTERS_OF_LABEL = {
    "纯数字密码：": string.digits,
    "纯小写字母密码：": string.ascii_lowercase,
    "纯大写字母密码：": string.ascii_uppercase,
    "纯特殊符号密码：": SYMBOLS,
    "数字小写字母混合密码：": string.digits + string.ascii_lowercase,
    "数字大写字母混合密码：": string.digits + string.ascii_uppercase,
    "数字大小写字母混合密码：": string.digits + string.ascii_letters,
    "数字小写字母符号混合密码：": string.digits + string.ascii_lowercase + SYMBOLS,
    "数字大写字母符号混合密码：": string.digits + string.ascii_uppercase + SYMBOLS,
    "数字大小写字母符号混合密码：": string.digits + string.ascii_letters + SYMBOLS,
}

LENGTH_BOX, COUNT_BOX, PREFIX_BOX = "编辑框_密码位数", "编辑框_批量", "编辑框_前缀"
ERROR_CAPTION = "错误"


def generate_button(description):
    (button,) = description.with_command("generate")
    return button.name


def assert_password(password, characters, length, row):
    assert len(password) == length, f"{row.label.text} {password!r}: {len(password)} characters, not {length}"
    stray = set(password) - set(characters)
    assert not stray, f"{row.label.text} {password!r} holds {''.join(sorted(stray))!r}"


@scenario
def window_size_and_position(program, description):
    # An odd screen size checks that the centre is truncated, not rounded.
    for width, height in ((1280, 1024), (1025, 769)):
        with Session(program, description, screen=(width, height)) as session:
            expected = ((width - description.outer_width) // 2, (height - description.outer_height) // 2,
                        description.outer_width, description.outer_height)
            assert session.display.window_geometry(description.caption) == expected
            assert tuple(session.window["outer"]) == expected


@scenario
def window_cannot_be_resized_or_maximised(program, description):
    size = (description.outer_width, description.outer_height)
    with Session(program, description) as session:
        x, y, width, height = session.window["outer"]
        caption_y = (y + session.window["client"][1]) // 2
        session.display.double_click(x + width // 2, caption_y)
        session.display.drag(x + width - 2, y + height - 2, x + width + 100, y + height + 100)
        assert session.display.window_geometry(description.caption)[2:] == size
        assert tuple(session.refresh()["outer"][2:]) == size


@scenario
def two_copies_side_by_side(program, description):
    first = description.rows()[0]
    with Session(program, description) as session:
        second = program.start(session.env)
        try:
            wait_until(lambda: len([w for w in session.top_windows() if w["caption"] == description.caption]) == 2,
                       "the second window")
            # The newer window is active; Esc closes it alone.
            session.key("Escape")
            assert second.wait(timeout=20) == 0
        finally:
            if second.poll() is None:
                second.kill()
        assert session.is_running()
        session.click(generate_button(description))
        assert_password(session.copy_by_click(first.copy_button.name).decode(),
                        CHARACTERS_OF_LABEL[first.label.text], 16, first)


@scenario
def starting_state(program, description):
    # Arguments make no difference, a toolkit's own options included.
    with Session(program, description, arguments=("-platform", "offscreen", "--length=8", "/?")) as session:
        assert session.wait_for_focus() == description.tab_order[0].name == "编辑框1"
        texts = session.texts()
        assert set(texts) == set(description.by_name), "controls missing or unknown"
        for control in description.controls:
            assert texts[control.name] == control.text, f"{control.name} shows {texts[control.name]!r}"


@scenario
def generate_and_copy_each_row(program, description):
    rows = description.rows()
    assert [row.result_box.name for row in rows[6:]] == ["编辑框10", "编辑框7", "编辑框8", "编辑框9"]
    with Session(program, description) as session:
        session.click(generate_button(description))
        for row in rows:
            copied = session.copy_by_click(row.copy_button.name).decode()
            assert copied == session.text_of(row.result_box.name), f"{row.copy_button.name} copied another box"
            assert_password(copied, CHARACTERS_OF_LABEL[row.label.text], 16, row)
        passwords = [session.text_of(row.result_box.name) for row in rows]
        session.click(generate_button(description))
        wait_until(lambda: session.text_of(rows[0].result_box.name) != passwords[0], "new passwords")
        assert all(session.text_of(row.result_box.name) != old for row, old in zip(rows, passwords))


@scenario
def prefixes(program, description):
    rows = description.rows()
    with Session(program, description) as session:
        # Typed, and pasted: xdotool cannot type Chinese into Wine. A Chinese character
        # counts two towards the length.
        for prefix, typed, rest in (("ab", True, 14), ("密码", False, 12)):
            if typed:
                session.replace_text(PREFIX_BOX, prefix)
            else:
                session.display.set_clipboard_text(prefix)
                session.replace_text(PREFIX_BOX, "")
                session.key("ctrl+v")
            wait_until(lambda: session.text_of(PREFIX_BOX) == prefix, f"the prefix {prefix}")
            session.click(generate_button(description))
            for row in rows:
                copied = session.copy_by_click(row.copy_button.name).decode()
                assert copied.startswith(prefix), f"{row.label.text} {copied!r} lacks the prefix {prefix}"
                assert_password(copied[len(prefix):], CHARACTERS_OF_LABEL[row.label.text], rest, row)


@scenario
def batch_of_each_row(program, description):
    with Session(program, description) as session:
        for row in description.rows():
            on_x = session.copy_by_click(row.batch_button.name).decode()
            batch = session.native_clipboard()["text"]
            assert len(batch.encode()) == 180 and batch.endswith("\r\n"), f"{row.batch_button.name}: {batch!r}"
            lines = batch.split("\r\n")[:-1]
            assert on_x.splitlines() == lines, f"X offers {on_x!r}"
            assert len(lines) == 10, f"{row.batch_button.name}: {lines}"
            for line in lines:
                assert_password(line, CHARACTERS_OF_LABEL[row.label.text], 16, row)
            assert len(set(lines)) == 10, f"{row.batch_button.name} repeats passwords: {lines}"


@scenario
def copies_stay_out_of_clipboard_history(program, description):
    first = description.rows()[0]
    with Session(program, description) as session:
        session.click(generate_button(description))
        for button in (first.copy_button, first.batch_button):
            on_x = session.copy_by_click(button.name).decode()
            clipboard = session.native_clipboard()
            assert clipboard["text"].replace("\r\n", "\n") == on_x
            assert clipboard["registered_formats"] == {
                "ExcludeClipboardContentFromMonitorProcessing": "00000000",
                "CanIncludeInClipboardHistory": "00000000",
                "CanUploadToCloudClipboard": "00000000",
            }, clipboard["registered_formats"]


@scenario
def batch_of_none(program, description):
    with Session(program, description) as session:
        session.replace_text(COUNT_BOX, "0")
        for row in description.rows()[:2]:
            session.copy_by_click(row.batch_button.name)
            assert session.native_clipboard()["text"] == ""


@scenario
def number_boxes_filter_typing_only(program, description):
    with Session(program, description) as session:
        for box in (LENGTH_BOX, COUNT_BOX):
            session.replace_text(box, "a1b2")
            wait_until(lambda: session.text_of(box) == "12", f"{box} to show 12")
            session.type_text("x-3 ")
            wait_until(lambda: session.text_of(box) == "12-3", f"{box} to show 12-3")
            session.display.set_clipboard_text("abc")
            session.click(box)
            session.key("End", "ctrl+v")
            wait_until(lambda: session.text_of(box) == "12-3abc", f"{box} to take the pasted abc")


@scenario
def tab_order_wraps_around(program, description):
    order = [control.name for control in description.tab_order]
    with Session(program, description) as session:
        assert session.wait_for_focus() == order[0]
        for expected in order[1:] + order[:1]:
            session.key("Tab")
            session.wait_for_focus(expected)
        session.key("shift+Tab")
        session.wait_for_focus(order[-1])
        session.key("Tab")
        session.wait_for_focus(order[0])


@scenario
def enter_and_f1_do_nothing(program, description):
    rows = description.rows()
    with Session(program, description) as session:
        session.display.set_clipboard_text("untouched")
        for name in ("编辑框1", generate_button(description), rows[0].copy_button.name, rows[0].batch_button.name,
                     LENGTH_BOX):
            session.focus_by_tab(name)
            before = session.texts()
            session.key("Return", "KP_Enter", "F1")
            # A command would change a box or the clipboard; a help window would be a new window.
            assert session.focused_control() == name
            assert session.texts() == before, f"Enter on {name} changed a text"
            assert session.clipboard() == b"untouched"
            assert len([w for w in session.top_windows() if w["outer"][2] > 0]) == 1
        # An accumulator takes Enter as a line break.
        accumulator = description.tab_order[-1].name
        session.focus_by_tab(accumulator)
        session.key("Return")
        wait_until(lambda: session.text_of(accumulator) == "\r\n", f"a line break in {accumulator}")


@scenario
def escape_and_alt_f4_close(program, description):
    for keys, focus in (("Escape", PREFIX_BOX), ("Escape", generate_button(description)), ("alt+F4", LENGTH_BOX)):
        with Session(program, description) as session:
            session.focus_by_tab(focus)
            session.key(keys)
            assert session.wait_for_exit() == 0, f"{keys} in {focus}: exit status not 0"


@scenario
def web_page_button_opens_the_address(program, description):
    stand_in = os.path.join(os.path.dirname(os.path.abspath(__file__)), "stand_in_browser")
    with tempfile.TemporaryDirectory() as folder:
        log = os.path.join(folder, "opened")
        environment = {"PATH": stand_in + os.pathsep + os.environ["PATH"], "QUORVANE_E2E_BROWSER_LOG": log}
        with Session(program, description, extra_env=environment) as session:
            (button,) = description.with_command("open_web_page")
            session.click(button.name)
            opened = wait_until(lambda: os.path.exists(log) and open(log).read(), "the browser", timeout=30)
            assert opened.split() == [description.web_page_url]
            assert description.web_page_url.startswith("https://")
            assert session.is_running()


@scenario
def too_large_length_shows_an_error(program, description):
    first = description.rows()[0]
    with Session(program, description) as session:
        session.replace_text(LENGTH_BOX, "99999999")
        session.click(generate_button(description))
        error_box = wait_until(lambda: next((w for w in session.top_windows() if w["caption"] == ERROR_CAPTION), None),
                               "the error box")
        assert any("太大" in child["text"] for child in error_box["children"]), error_box
        assert session.is_running()
        (ok,) = [child for child in error_box["children"] if child["class"].lower() == "button"]
        x, y, width, height = ok["rect"]
        session.display.click(x + width // 2, y + height // 2)
        wait_until(lambda: all(w["caption"] != ERROR_CAPTION for w in session.top_windows()), "the box to close")
        assert session.text_of(first.result_box.name) == ""
        # Active again, the window gives the focus back to the button that had it.
        session.wait_for_focus(generate_button(description))
        # The program goes on.
        session.replace_text(LENGTH_BOX, "4")
        session.click(generate_button(description))
        assert_password(session.copy_by_click(first.copy_button.name).decode(),
                        CHARACTERS_OF_LABEL[first.label.text], 4, first)


@scenario
def clipboard_held_by_another_program(program, description):
    first = description.rows()[0]
    with Session(program, description) as session:
        session.click(generate_button(description))
        wait_until(lambda: session.text_of(first.result_box.name), "a password")
        session.display.set_clipboard_text("before")
        holder = program.hold_clipboard(session.env, 2000)
        session.click(first.copy_button.name)
        assert holder.wait(timeout=30) == 0
        assert session.clipboard() == b"before"
        assert session.is_running()
        # Once the clipboard is free again, the same button copies.
        assert session.copy_by_click(first.copy_button.name).decode() == session.text_of(first.result_box.name)
        # A hold as brief as a clipboard manager's only delays the copy. (Should the click
        # come after the hold, the copy is not delayed at all.)
        session.display.set_clipboard_text("before")
        holder = program.hold_clipboard(session.env, 50)
        session.click(first.copy_button.name)
        assert holder.wait(timeout=30) == 0
        wait_until(lambda: session.clipboard() == session.text_of(first.result_box.name).encode(),
                   "the copy after the brief hold")


def visible_pixels(session, control):
    """The control's pixels, leaving out those of controls that lie above it."""
    left, top = session.window["client"][:2]
    rows = session.display.screenshot(left + control.left, top + control.top, control.width, control.height)
    above = session.description.controls[:session.description.controls.index(control)]
    return [row[3 * x:3 * x + 3] for y, row in enumerate(rows) for x in range(control.width)
            if not any(c.left <= control.left + x < c.left + c.width and c.top <= control.top + y < c.top + c.height
                       for c in above)]


@scenario
def chinese_labels_under_any_locale(program, description):
    shown = [c for c in description.controls if c.kind in ("label", "button")]
    # Labels and the generate button have fonts of fixed pixel heights, so they look the
    # same under every locale; the system's default control font itself varies by locale.
    fixed_font = [c for c in shown if c.kind == "label" or c.command == "generate"]
    pictures = {}
    for locale in ("zh_CN.UTF-8", "C"):
        with Session(program, description, extra_env={"LANG": locale, "LC_ALL": locale}) as session:
            texts = session.texts()
            for control in shown:
                assert texts[control.name] == control.text, f"{locale}: {control.name} shows {texts[control.name]!r}"
            pictures[locale] = [visible_pixels(session, control) for control in fixed_font]
    for control, chinese, other in zip(fixed_font, pictures["zh_CN.UTF-8"], pictures["C"]):
        assert chinese == other, f"{control.name} looks different under LANG=C"
        # Drawn text has dark pixels; a label left blank has none.
        assert any(min(pixel) < 96 for pixel in chinese), f"{control.name} shows no text"


def save_screenshot(program, description, path):
    """The window after one click on the generate button, for the README."""
    with Session(program, description) as session:
        session.click(generate_button(description))
        wait_until(lambda: session.text_of(description.rows()[0].result_box.name), "passwords")
        x, y, width, height = session.window["outer"]
        session.display.save_screenshot(x, y, width, height, path)
