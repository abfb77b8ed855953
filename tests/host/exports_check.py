#!/usr/bin/env python3
"""What the host exports, checked from outside: scripts played by the real
voprof program with the test module (tests/host/test_module), their files read
back with independent tools.

  exports_check.py svg  VOPROF MODULE WORK   the chart on the clipboard as SVG and PNG
  exports_check.py xlsx VOPROF MODULE WORK   the spreadsheet link's workbook

svg: the SVG must parse as XML with a viewBox; the plot's polyline must pass
through the module's data points, mapped by the axes' own ticks (each tick
line and the number after it); rsvg-convert's rendering of it must put its
dark pixels where the CF_DIB picture (saved as PNG) has them, within 2 pixels.
xlsx: openpyxl must find one sheet per send, named after the image and the
send's number, numbers as numbers and text as text, with the Comma setting.
"""
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib

SVG = "{http://www.w3.org/2000/svg}"


def fail(message):
    print("exports_check: " + message, file=sys.stderr)
    sys.exit(1)


def play(voprof, module, work, script, ini=None):
    with open(os.path.join(work, "t.mac"), "w") as f:
        f.write(script)
    env = dict(os.environ, VO_MODULE=module, HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"))
    env.pop("DISPLAY", None)  # never open the workbook with the desktop
    env.pop("VO_TEST_MODULE_LOG", None)
    args = [voprof, "run", "t.mac"] + (["--ini", ini] if ini else [])
    done = subprocess.run(args, cwd=work, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        fail("voprof failed (%d): %s" % (done.returncode, done.stderr))
    return done.stdout


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder


def read_png(path):
    """8-bit RGB or RGBA, not interlaced: rows of (r, g, b) over white."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail(path + " is not a PNG")
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if depth != 8 or colour not in (2, 6) or interlace:
        fail("%s: a PNG layout this check does not read" % path)
    bpp = 3 if colour == 2 else 4
    raw, stride, rows, prev = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        row = []
        for x in range(width):
            px = line[x * bpp:(x + 1) * bpp]
            alpha = px[3] / 255 if bpp == 4 else 1
            row.append(tuple(round(v * alpha + 255 * (1 - alpha)) for v in px[:3]))
        rows.append(row)
    return width, height, rows


def dark_pixels(rows):
    return {(x, y) for y, row in enumerate(rows) for x, (r, g, b) in enumerate(row)
            if 0.299 * r + 0.587 * g + 0.114 * b < 100}


def share_near(these, those, radius=2):
    near = sum(1 for (x, y) in these
               if any((x + dx, y + dy) in those for dx in range(-radius, radius + 1)
                      for dy in range(-radius, radius + 1)))
    return near / max(len(these), 1)


def fit(pairs):
    """Least squares pixel = a + b * value over the ticks."""
    n = len(pairs)
    if n < 2:
        fail("an axis has fewer than two ticks")
    mv = sum(v for v, _ in pairs) / n
    mp = sum(p for _, p in pairs) / n
    b = sum((v - mv) * (p - mp) for v, p in pairs) / sum((v - mv) ** 2 for v, _ in pairs)
    return lambda value: mp + b * (value - mv)


def check_svg(voprof, module, work):
    out = play(voprof, module, work,
               'ImgNew(64, 48, "gray8", "ramp-x")\nLineProfile()\nProfCommand(1314)\n'
               'ClipboardSave("chart.svg")\nClipboardSave("chart.png")\n')
    data = [tuple(map(float, line.split()[2:4])) for line in out.splitlines()
            if line.startswith("module: plot ")]
    root = ET.parse(os.path.join(work, "chart.svg")).getroot()
    if root.tag != SVG + "svg" or root.get("viewBox") != "0 0 360 240":
        fail("the SVG's root is %s with viewBox %s" % (root.tag, root.get("viewBox")))
    texts = {t.text for t in root.iter(SVG + "text")}
    for expected in ("Test Chart", "Pixel", "Count", "Legend", "Zigzag"):
        if expected not in texts:
            fail("the SVG has no text '%s'" % expected)

    groups = {(g.get("class"), g.findtext(SVG + "title")): g for g in root.iter(SVG + "g")}
    plot, axes = groups.get(("plot", "Zigzag")), groups.get(("axes", None))
    if plot is None or axes is None:
        fail("the SVG has no plot group 'Zigzag' or no axes group")
    points = [tuple(map(float, p.split(","))) for line in plot.iter(SVG + "polyline")
              for p in line.get("points").split()]
    xticks, yticks, children = [], [], list(axes)
    for line, label in zip(children, children[1:]):
        if line.tag != SVG + "line" or label.tag != SVG + "text":
            continue
        x1, y1, x2, y2 = (float(line.get(k)) for k in ("x1", "y1", "x2", "y2"))
        (xticks if x1 == x2 else yticks).append((float(label.text), x1 if x1 == x2 else y1))
    to_x, to_y = fit(xticks), fit(yticks)
    if len(points) != len(data) or not data:
        fail("the polyline has %d points for %d data points" % (len(points), len(data)))
    for (dx, dy), (px, py) in zip(data, points):
        if abs(to_x(dx) - px) > 1 or abs(to_y(dy) - py) > 1:
            fail("data point (%g, %g) is drawn at (%g, %g), the axes put it at (%.2f, %.2f)"
                 % (dx, dy, px, py, to_x(dx), to_y(dy)))

    render = os.path.join(work, "render.png")
    subprocess.run(["rsvg-convert", "-o", render, os.path.join(work, "chart.svg")], check=True)
    w1, h1, picture = read_png(os.path.join(work, "chart.png"))
    w2, h2, rendered = read_png(render)
    if (w1, h1) != (w2, h2):
        fail("the picture is %dx%d, the SVG renders %dx%d" % (w1, h1, w2, h2))
    a, b = dark_pixels(picture), dark_pixels(rendered)
    if len(a) < 300 or share_near(a, b) < 0.9 or share_near(b, a) < 0.9:
        fail("dark pixels: %d in the picture, %d rendered; %.2f and %.2f of them near the other's"
             % (len(a), len(b), share_near(a, b), share_near(b, a)))


def cell_values(sheet):
    return [[c.value for c in row] for row in sheet.iter_rows()]


def check_xlsx(voprof, module, work):
    import openpyxl
    script = 'ImgNew(64, 48, "gray8", "checker:8")\nLineProfile()\nProfCommand(1108)\nProfCommand(1108)\n'
    sheet = "gray8 checker_8 %d"  # the image's title, ':' not allowed in a sheet name

    plain = fresh(os.path.join(work, "point"))
    open(os.path.join(plain, "send1.txt"), "w", newline="").write(
        "# Profile Data\r\n\r\n#      Pixel\t Gray Level\r\n          1\t       12.5\r\n          2\t       -3e2\r\n")
    open(os.path.join(plain, "send2.txt"), "w", newline="").write("1,5\t x \r\n")
    open(os.path.join(plain, "v.ini"), "w").write("[DDE]\nWorkbook=book.xlsx\n[DDEEXCEL]\nComma=0\n")
    out = play(voprof, module, plain, script, "v.ini")
    if "send1.txt sent 1" not in out or "send2.txt sent 1" not in out:
        fail("the sends failed:\n" + out)
    book = openpyxl.load_workbook(os.path.join(plain, "book.xlsx"))
    expected = {sheet % 1: [["# Profile Data", None], [None, None], ["#      Pixel", "Gray Level"],
                            [1, 12.5], [2, -300]],
                sheet % 2: [["1,5", "x"]]}
    if book.sheetnames != list(expected):
        fail("sheets %s, expected %s" % (book.sheetnames, list(expected)))
    for name, rows in expected.items():
        if cell_values(book[name]) != rows:
            fail("sheet %s holds %s, expected %s" % (name, cell_values(book[name]), rows))
    if any(f.startswith(".") for f in os.listdir(plain)):
        fail("scratch files left: %s" % os.listdir(plain))

    comma = fresh(os.path.join(work, "comma"))
    open(os.path.join(comma, "send1.txt"), "w", newline="").write("1,5\t2.5\r\n")
    open(os.path.join(comma, "v.ini"), "w").write("[DDEEXCEL]\nComma=1\n")
    out = play(voprof, module, comma, script, "v.ini")
    if "send2.txt sent 0" not in out:
        fail("an empty clipboard was sent:\n" + out)
    book = openpyxl.load_workbook(os.path.join(comma, "profile-data.xlsx"))
    if book.sheetnames != [sheet % 1] or cell_values(book[sheet % 1]) != [[1.5, "2.5"]]:
        fail("with Comma=1: %s %s" % (book.sheetnames, cell_values(book.worksheets[0])))


if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[1] not in ("svg", "xlsx"):
        fail("usage: exports_check.py svg|xlsx VOPROF MODULE WORK")
    work = fresh(os.path.abspath(sys.argv[4]))
    (check_svg if sys.argv[1] == "svg" else check_xlsx)(sys.argv[2], sys.argv[3], work)
