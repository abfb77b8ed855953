#!/usr/bin/python3
"""voprof-studio on a real X display, driven by real X events.

Run under xvfb-run (CTest does). A reference run of voprof does the same steps
headless; the app must end in the same state: the same profile geometry, the
same clipboard text, the same pixels on the screen. Dialogs are answered with
the keyboard (a name typed into the field that has the focus, Return). Then the
spreadsheet link sends the profile's data to a workbook named in its options
dialog, and a file dropped on the window (a real XDND drop, xdnd_drop.py)
opens. Menu and control positions are found on screenshots (menu bar texts,
the highlighted menu bar item) and from the headless snapshots, never written
in as numbers.

Usage: desktop_test.py --studio PATH --voprof PATH --work DIR
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import traceback
import zipfile

import xdnd_drop

DESKTOP = (0, 128, 128)    # the desktop colour behind windows
HIGHLIGHT = (0, 0, 128)    # a highlighted menu item, and the active caption
WHITE = (255, 255, 255)
POPUP_ITEM = 17            # popup menu row heights
POPUP_SEPARATOR = 9
POPUP_MARGIN = 2
WINDOW_FRAME = 4           # sizing frame, caption and menu bar above a client area
CAPTION = 19
MENU_BAR = 19
IDC_CIRCLE = 1017
IDM_CLIPBOARD = 1107
TIMEOUT = 60
# Rows of the popups used: the frame's Macro menu, the profile window's File menu.
MACRO_ROWS = ["item", "item", "separator", "item"]
PROFILE_FILE_ROWS = ["item"] * 4 + ["separator"] + ["item"] * 2 + ["separator"] + ["item"] * 2 + ["separator", "item"]


class Image:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        i = (y * self.width + x) * 3
        return self.rgb[i:i + width * 3]


def parse_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", fields
    width, height = int(fields[1]), int(fields[2])
    return Image(width, height, data[pos + 1:pos + 1 + width * height * 3])


def load_png(path):
    return parse_ppm(subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout)


def poll(what, probe, timeout=TIMEOUT):
    """probe() until it gives something other than None or False."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result not in (None, False):
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.1)


def find(haystack, needle):
    """Top-left corner of needle inside haystack, exact pixels, or None."""
    first = needle.row(0)
    for y in range(haystack.height - needle.height + 1):
        row, start = haystack.row(y), 0
        while (x3 := row.find(first, start)) >= 0:
            start = x3 + 1
            if x3 % 3:
                continue
            x = x3 // 3
            if all(haystack.row(y + k, x, needle.width) == needle.row(k) for k in range(1, needle.height)):
                return x, y
    return None


def colour_run(image, y, left, right, colour, length):
    """The first run of a colour at least `length` pixels long on a row."""
    row, pattern, start = image.row(y, left, right - left), bytes(colour) * length, 0
    while (at := row.find(pattern, start)) >= 0:
        if at % 3 == 0:
            end = at + len(pattern)
            while row[end:end + 3] == bytes(colour):
                end += 3
            return left + at // 3, left + end // 3
        start = at + 1
    return None


def active_caption(image):
    """(left, top, right) of the first wide caption in the active colour: a
    dialog's, once it has the activation."""
    for y in range(CAPTION, image.height):  # below the frame's own caption
        if run := colour_run(image, y, 0, image.width, HIGHLIGHT, 250):
            return run[0], y, run[1]
    return None


def dark(p):
    return max(p) < 90


def menu_bar(image, left, top, width):
    """The menu bar texts below (left, top): the first band of rows with dark
    pixels in the left part of the window, then its texts as column clusters.
    Returns (centre y, [(left x, right x), ...]), or None while there is none."""
    xs = range(left, left + min(width, image.width - left) * 3 // 5)
    rows = [y for y in range(top, min(top + 80, image.height)) if any(dark(image.pixel(x, y)) for x in xs)]
    if not rows:
        return None
    band = [rows[0]]
    while band[-1] + 1 in rows:
        band.append(band[-1] + 1)
    columns = [x for x in xs if any(dark(image.pixel(x, y)) for y in band)]
    items = [[columns[0], columns[0]]]
    for x in columns[1:]:
        if x - items[-1][1] > 7:  # item texts are at least 16 pixels apart
            items.append([x, x])
        else:
            items[-1][1] = x
    return (band[0] + band[-1]) // 2, [tuple(i) for i in items]


class App:
    """One voprof-studio process and its X window."""
    last_shot = None

    running = []  # ended when the test ends, passed or not

    def __init__(self, studio, args, output):
        env = dict(os.environ, SDL_VIDEODRIVER="x11", SDL_RENDER_DRIVER="software", VO_PROGRESS="0")
        env.pop("FREETYPE_PROPERTIES", None)
        self.output = output
        with open(output, "wb") as out:
            self.process = subprocess.Popen([studio] + args, stdout=out, stderr=subprocess.STDOUT, env=env)
        App.running.append(self.process)
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^VOPROF32$"],
                               check=True, capture_output=True, text=True, timeout=TIMEOUT)
        self.window = found.stdout.split()[0]

    def grab(self):
        shot = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"], check=True,
                              capture_output=True, timeout=TIMEOUT)
        App.last_shot = shot.stdout  # kept for a look when the test fails
        return parse_ppm(shot.stdout)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True)

    def move(self, x, y):
        self.xdotool("mousemove", "--window", self.window, x, y)

    def click(self, x, y):
        self.move(x, y)
        self.xdotool("click", "1")

    def drag(self, x1, y1, x2, y2):
        self.move(x1, y1)
        self.xdotool("mousedown", "1")
        self.move(x2, y2)
        self.xdotool("mouseup", "1")

    def wait_for(self, what, needle):
        return poll(what, lambda: find(self.grab(), needle))

    def choose(self, bar_left, bar_top, bar_width, item, rows, row, stays=True):
        """Opens menu bar item number `item` of the menu bar below (bar_left,
        bar_top) and clicks row number `row` of its popup, whose rows are
        `rows` ('item' or 'separator')."""
        # Polled: the window may still be on its way to the screen.
        y, items = poll("a menu bar with item %d" % item, lambda: (
            lambda bar: bar if bar and len(bar[1]) > item else None)(menu_bar(self.grab(), bar_left, bar_top, bar_width)))
        text_left, text_right = items[item]
        self.click((text_left + text_right) // 2, y)
        probe_x = text_left - 3  # inside the item's padding, beside its text
        poll("the menu bar item to open", lambda: self.grab().pixel(probe_x, y) == HIGHLIGHT)
        shot = self.grab()
        bottom = y
        while shot.pixel(probe_x, bottom + 1) == HIGHLIGHT:
            bottom += 1
        left = probe_x
        while shot.pixel(left - 1, y) == HIGHLIGHT:
            left -= 1
        popup_top = bottom + 2  # the popup opens one pixel below the item
        offset = sum(POPUP_ITEM if r == "item" else POPUP_SEPARATOR for r in rows[:row])
        self.click(left + 30, popup_top + POPUP_MARGIN + offset + POPUP_ITEM // 2)
        if stays:  # else the command ends the app
            poll("the menu to close", lambda: self.grab().pixel(probe_x, y) != HIGHLIGHT)

    def dialog(self, typed, owner_top=None):
        """Types into the dialog that has just opened (its first field has the
        focus) and presses Return, as a hand does it, then waits for it to go.
        The active caption of an owner whose window starts at row `owner_top`
        is not the dialog's."""
        owners = range(owner_top, owner_top + WINDOW_FRAME + CAPTION) if owner_top is not None else ()
        caption = poll("the dialog", lambda: (lambda c: c if c and c[1] not in owners else None)(
            active_caption(self.grab())))
        self.xdotool("type", "--delay", "20", typed)
        self.xdotool("key", "Return")
        poll("the dialog to close", lambda: active_caption(self.grab()) != caption)

    def output_lines(self):
        with open(self.output, encoding="latin-1") as f:
            return f.read().splitlines()

    def close(self):
        """What the desktop does when the window is closed: a quit request."""
        self.process.send_signal(signal.SIGTERM)
        status = self.process.wait(timeout=TIMEOUT)
        assert status == 0, "voprof-studio ended with status %d" % status

    def quit(self):
        """File > Exit, then the process must end by itself with status 0."""
        self.choose(0, 0, self.grab().width, 0, ["item", "item", "item", "separator", "item"], 4, stays=False)
        status = self.process.wait(timeout=TIMEOUT)
        assert status == 0, "voprof-studio ended with status %d:\n%s" % (status, "\n".join(self.output_lines()))


def sheet_values(workbook):
    """The numbers of the workbook's first sheet, row by row, or None while
    it cannot be read."""
    try:
        with zipfile.ZipFile(workbook) as book:
            return [float(v) for v in re.findall(rb"<v>([^<]*)</v>", book.read("xl/worksheets/sheet1.xml"))]
    except (OSError, KeyError, zipfile.BadZipFile):
        return None


def voprof(voprof_path, script_text, work, name):
    script = os.path.join(work, name + ".mac")
    with open(script, "w") as f:
        f.write(script_text)
    env = dict(os.environ, VO_PROGRESS="0")
    env.pop("FREETYPE_PROPERTIES", None)
    done = subprocess.run([voprof_path, "run", script, "--ini", os.path.join(work, name + ".ini")],
                          capture_output=True, text=True, env=env, cwd=work)
    assert done.returncode == 0, done.stdout + done.stderr
    return done.stdout.splitlines()


def profile_lines(lines):
    """The VoProfGet lines of some output: they start with a result code."""
    return [l for l in lines if l[:1].isdigit() or l[:2] == "-1"]


def radio_position(before, after):
    """The Circle radio button in the profile window: of the pixels at the
    left edge that change when the profile switches from line to circle, the
    lower group is the circle's indicator (the upper one the line's)."""
    changed = [(x, y) for y in range(before.height) for x in range(min(40, before.width))
               if before.pixel(x, y) != after.pixel(x, y)]
    assert changed, "switching to circle changed nothing at the left"
    ys = sorted({y for _, y in changed})
    split = max(range(1, len(ys)), key=lambda i: ys[i] - ys[i - 1])
    lower = [(x, y) for x, y in changed if y >= ys[split]]
    return (sum(x for x, _ in lower) // len(lower), sum(y for _, y in lower) // len(lower))


def compare_screens(reference, shot):
    """Every pixel of the reference's windows (all but the bare desktop) is
    the same on the app's screen; the app shows its frame where the headless
    screen shows the desktop."""
    assert (reference.width, reference.height) == (shot.width, shot.height), \
        "screen %dx%d, window %dx%d" % (reference.width, reference.height, shot.width, shot.height)
    compared = 0
    for y in range(reference.height):
        ref_row, row = reference.row(y), shot.row(y)
        if ref_row == row:
            compared += reference.width
            continue
        for x in range(reference.width):
            p = reference.pixel(x, y)
            if p == DESKTOP:
                continue
            assert shot.pixel(x, y) == p, "pixel (%d, %d): app %s, headless %s" % (x, y, shot.pixel(x, y), p)
            compared += 1
    assert compared > 10000, "too few window pixels compared: %d" % compared


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--studio", required=True)
    parser.add_argument("--voprof", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    work = args.work
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.environ["XDG_CONFIG_HOME"] = work
    sample = os.path.join(work, "sample.tif")

    # The image, and the headless reference in two passes: the first finds
    # the line the profile starts with and where the Circle button is.
    dropped = os.path.join(work, "dropped.png")
    voprof(args.voprof, 'ImgNew(160, 120, "rgb", "ramp-x")\nImgFill(40, 30, 119, 89, 255, 255, 255)\n'
           'ImgSave("%s")\nImgNew(56, 40, "gray8", "checker:8")\nImgSave("%s")\n'
           'Snapshot("image", "dropped0.png")\n' % (sample, dropped), work, "make")
    opening = 'ImgOpen("%s")\nSnapshot("image", "image0.png")\nLineProfile()\nVoProfGet(102)\n' % sample
    first = voprof(args.voprof, opening + 'Snapshot("profile", "profile-line.png")\nProfCommand(%d)\n'
                   'Snapshot("profile", "profile-circle.png")\n' % IDC_CIRCLE, work, "probe")
    _, _, _, x2, y2 = map(int, profile_lines(first)[0].split())
    radio = radio_position(load_png(os.path.join(work, "profile-line.png")),
                           load_png(os.path.join(work, "profile-circle.png")))
    drag = (x2, y2, x2 - 10, y2 - 25)
    # The frame places the image window below its caption and menu bar; the
    # headless run has no frame, so there the window is moved down by as much
    # more. Both then move it down by the same amount, and the profile window
    # opens beside it alike.
    grip, lowered = (20, -CAPTION // 2), 200
    steps = [
        'ImgOpen("%s")' % sample,
        'Drag(%d, %d, %d, %d)' % (grip[0], grip[1], grip[0], grip[1] + lowered + CAPTION + MENU_BAR),
        'LineProfile()',
        'Snapshot("profile", "profile1.png")',
        'Drag(%d, %d, %d, %d)' % drag,
        'KeyDown("right")',
        'KeyUp("right")',
        'VoProfGet(102)',
        'ProfClick(%d, %d)' % (radio[0] - WINDOW_FRAME, radio[1] - WINDOW_FRAME - CAPTION - MENU_BAR),
        'VoProfGet(102)',
        'ProfCommand(%d)' % IDM_CLIPBOARD,
        'ClipboardSave("clip.txt")',
        'Snapshot("screen", "screen.png")',
    ]
    reference = profile_lines(voprof(args.voprof, "\n".join(steps) + "\n", work, "reference"))

    # The same by hand in the app, recording a macro on the way.
    app = App(args.studio, [sample], os.path.join(work, "studio1.out"))
    width = app.grab().width
    record = os.path.join(work, "recorded.mac")
    image_at = app.wait_for("the image window", load_png(os.path.join(work, "image0.png")))
    app.drag(image_at[0] + grip[0], image_at[1] + grip[1], image_at[0] + grip[0], image_at[1] + grip[1] + lowered)
    image_at = (image_at[0], image_at[1] + lowered)
    app.choose(0, 0, width, 3, MACRO_ROWS, 0)  # Macro > Record to file...
    app.dialog(record)
    app.choose(0, 0, width, 2, ["item"], 0)  # Analysis > Line Profile
    profile_at = app.wait_for("the profile window", load_png(os.path.join(work, "profile1.png")))
    app.drag(image_at[0] + drag[0], image_at[1] + drag[1], image_at[0] + drag[2], image_at[1] + drag[3])
    app.xdotool("key", "Right")
    app.click(profile_at[0] + radio[0], profile_at[1] + radio[1])
    app.choose(profile_at[0], profile_at[1], 240, 0, PROFILE_FILE_ROWS, 5)  # File > Data to Clipboard
    expected_clip = open(os.path.join(work, "clip.txt"), "rb").read()
    clip = poll("the clipboard text", lambda: (lambda t: t if t == expected_clip else None)(
        subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True).stdout), timeout=20)
    assert clip == expected_clip
    reference_screen = load_png(os.path.join(work, "screen.png"))
    shot = app.grab()
    shot_path = os.path.join(work, "studio.ppm")
    with open(shot_path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (shot.width, shot.height) + shot.rgb)
    subprocess.run(["convert", shot_path, os.path.join(work, "studio.png")], check=True)
    compare_screens(reference_screen, shot)
    # The screen follows the window's size, and the frame is fitted to it.
    app.xdotool("windowsize", app.window, 1000, 700)
    resized = poll("the screen to follow the window", lambda: (lambda g: g if (g.width, g.height) == (1000, 700)
                                                               and g.pixel(999, 699) != (0, 0, 0) else None)(app.grab()))
    for y in (0, resized.height // 2, resized.height - 1):
        assert DESKTOP not in {resized.pixel(x, y) for x in range(resized.width)}, "the frame does not cover row %d" % y
    app.choose(0, 0, width, 3, MACRO_ROWS, 1)  # Macro > Stop Recording

    # The spreadsheet link from the profile window's menu: File > DDE Options
    # names the workbook, File > DDE To Excel sends the data as a new sheet.
    workbook = os.path.join(work, "sent.xlsx")
    app.choose(profile_at[0], profile_at[1], 240, 0, PROFILE_FILE_ROWS, 9)  # File > DDE Options
    app.dialog(workbook, owner_top=profile_at[1])
    app.choose(profile_at[0], profile_at[1], 240, 0, PROFILE_FILE_ROWS, 8)  # File > DDE To Excel
    sheet = poll("the workbook", lambda: sheet_values(workbook))
    assert sheet == [float(v) for v in expected_clip.split()], "the sheet holds other numbers than the clipboard"

    # A file dropped on the window opens in a new image window.
    geometry = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", app.window], check=True, capture_output=True,
        text=True).stdout.split())
    xdnd_drop.drop_files(int(app.window), [dropped], int(geometry["X"]) + 500, int(geometry["Y"]) + 400)
    app.wait_for("the dropped image", load_png(os.path.join(work, "dropped0.png")))
    app.quit()

    # The recording holds the line as the hand left it, and played in a
    # second start it gives what it gives played headless.
    recorded = open(record).read()
    nudged = reference[0].split()[1:]
    assert "VoProfLineMove(%s)" % ", ".join(nudged) in recorded, recorded
    play = os.path.join(work, "play.mac")
    with open(play, "w") as f:
        f.write(recorded + "VoProfGet(102)\n")
    headless = profile_lines(voprof(args.voprof, 'ImgOpen("%s")\n' % sample + recorded + "VoProfGet(102)\n", work,
                                    "played"))
    # Fresh settings, as the headless run has: the first run saved its own.
    # Drawn at scale 2 this time: every screen pixel a 2 x 2 block.
    second = App(args.studio, [sample, "--play", play, "--ini", os.path.join(work, "second.ini"), "--scale", "2"],
                 os.path.join(work, "studio2.out"))
    played = poll("the played macro's output", lambda: profile_lines(second.output_lines()) or None)
    assert played == headless, "played %s, headless %s" % (played, headless)
    scaled = second.grab()
    for y in range(0, scaled.height, 97 * 2):
        row, below = scaled.row(y), scaled.row(y + 1)
        assert row == below, "row %d is not doubled" % y
        assert all(row[x * 6:x * 6 + 3] == row[x * 6 + 3:x * 6 + 6] for x in range(scaled.width // 2)), y
    second.close()
    print("desktop test passed: profile %s, %d clipboard bytes" % (reference[-1], len(clip)))


def run():
    """main() with the apps ended whatever happens, and on failure the last
    screenshot kept next to the work files."""
    try:
        main()
        return 0
    except (AssertionError, IndexError, subprocess.SubprocessError) as error:
        traceback.print_exc()
        print("FAILED:", error, file=sys.stderr)
        if App.last_shot:
            failed = os.path.join(sys.argv[sys.argv.index("--work") + 1], "failed.ppm")
            with open(failed, "wb") as f:
                f.write(App.last_shot)
            print("The app's last screenshot:", failed, file=sys.stderr)
        return 1
    finally:
        for process in App.running:
            if process.poll() is None:
                process.kill()


if __name__ == "__main__":
    sys.exit(run())
