#!/usr/bin/env python3
"""Draws the pictures of the program's resources into gui/controls/pictures/ (the logo into print/pictures/).

Every picture is described here as SVG:

  1101.jpg            the product picture of the info window (500 x 220): an air
                      handling unit with its rotary heat exchanger
  1900.jpg ... 9900.jpg  the energy slogan strips (220 x 14), one per language
  101.svg             the Quorvane logo of the datasheets
  packaging/icons/    the application icon: the logo's mark as SVG and as PNG
                      in the sizes of the desktop's icon theme
  glyphs/*.svg        the 16 x 16 button glyphs
  pictures.qrc        the resource list, each picture aliased by its number

The SVG files are written as they are; the JPEG and PNG pictures are
rasterised by scripts/svg_render.cpp (Qt's SVG renderer, libjpeg encoder), which this
script builds with CMake in a temporary folder. Needs the packages of
scripts/install-deps.sh (Qt 6 with Svg, libjpeg, the DejaVu and Noto CJK
fonts).

Usage: python3 scripts/draw_pictures.py [--keep-svg DIR]

The output is committed; run the script again only when a picture changes and
look at the result before committing it.
"""

import argparse
import math
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "gui", "controls", "pictures")
LOGO_OUT = os.path.join(ROOT, "print", "pictures")
ICON_OUT = os.path.join(ROOT, "packaging", "icons")
ICON_NAME = "example.quorvane.wrg"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

# House colours.
HOUSE_BLUE = "#1e82e6"      # RGB 30, 130, 230, the chart blue
WARM_RED = "#e0463a"
NAVY_TOP = "#123a66"
NAVY_BOTTOM = "#0b2545"
BAND = "#081c36"
STEEL_LIGHT = "#e3eaf1"
STEEL = "#b7c5d3"
STEEL_DARK = "#7f93a8"
INTERIOR = "#2b4d73"

LATIN_FONT = "DejaVu Sans"
LATIN_CONDENSED = "DejaVu Sans Condensed"
CJK_FONT = "Noto Sans CJK SC"


def fmt(value):
    """A coordinate with at most two decimals and no trailing zeros."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def points(coords):
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in coords)


def svg_document(width, height, body, view_box=None):
    box = view_box or f"0 0 {width} {height}"
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{width}" height="{height}" viewBox="{box}">\n'
        + body
        + "</svg>\n"
    )


def text(x, y, content, size, fill="#ffffff", weight="normal", anchor="start", family=LATIN_FONT):
    return (
        f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="{family}" font-size="{fmt(size)}" '
        f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}">{content}</text>\n'
    )


# --------------------------------------------------------------------------
# 1101: the product picture
# --------------------------------------------------------------------------

# Where things sit in the picture. InfoWindow.cpp places the click areas of the
# certification badges and the product logo over the same spots.
WHEEL_CX, WHEEL_CY, WHEEL_R = 252, 128, 50
CASING = (98, 70, 396, 186)          # front face: left, top, right, bottom
DEPTH = (10, -8)                      # offset of the back edges
EUROVENT_BADGE = (16, 97, 62, 62)     # x, y, width, height
AHRI_BADGE = (410, 103, 89, 50)


def arrow(x_from, x_to, y, colour, shaft=8.0, head_length=13.0, head_width=20.0):
    """A flat block arrow from x_from to x_to at height y."""
    direction = 1 if x_to > x_from else -1
    neck = x_to - direction * head_length
    half_shaft, half_head = shaft / 2, head_width / 2
    outline = [
        (x_from, y - half_shaft),
        (neck, y - half_shaft),
        (neck, y - half_head),
        (x_to, y),
        (neck, y + half_head),
        (neck, y + half_shaft),
        (x_from, y + half_shaft),
    ]
    return f'<polygon points="{points(outline)}" fill="{colour}"/>\n'


def honeycomb(cx, cy, radius, cell):
    """The outlines of the hexagonal cells that lie wholly inside the wheel."""
    parts = []
    dx = cell * math.sqrt(3)
    dy = cell * 1.5
    rows = int(radius / dy) + 2
    cols = int(radius / dx) + 2
    for row in range(-rows, rows + 1):
        offset = dx / 2 if row % 2 else 0.0
        for col in range(-cols, cols + 1):
            hx = cx + col * dx + offset
            hy = cy + row * dy
            corners = [
                (hx + cell * math.cos(math.radians(90 + 60 * k)),
                 hy + cell * math.sin(math.radians(90 + 60 * k)))
                for k in range(6)
            ]
            if all(math.hypot(px - cx, py - cy) <= radius for px, py in corners):
                parts.append("M" + " L".join(f"{fmt(px)},{fmt(py)}" for px, py in corners) + " Z")
    return " ".join(parts)


def wheel():
    cx, cy, r = WHEEL_CX, WHEEL_CY, WHEEL_R
    out = []
    # Matrix of aluminium foil with its honeycomb channels.
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{r - 2}" fill="url(#matrix)"/>\n')
    out.append(f'<path d="{honeycomb(cx, cy, r - 3, 3.1)}" fill="none" stroke="#8496a9" stroke-width="0.55"/>\n')
    # Spokes from the hub to the rim.
    for k in range(8):
        angle = math.radians(22.5 + 45 * k)
        x1, y1 = cx + 9 * math.cos(angle), cy + 9 * math.sin(angle)
        x2, y2 = cx + (r - 2) * math.cos(angle), cy + (r - 2) * math.sin(angle)
        out.append(
            f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
            f'stroke="#5f7286" stroke-width="1.6"/>\n'
        )
    # Rim and hub.
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{STEEL_LIGHT}" stroke-width="4.5"/>\n')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{r + 2.6}" fill="none" stroke="{STEEL_DARK}" stroke-width="0.8"/>\n')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="10" fill="#55687c" stroke="{STEEL_LIGHT}" stroke-width="1.5"/>\n')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="3.5" fill="#1d2c3b"/>\n')
    return "".join(out)


def casing():
    left, top, right, bottom = CASING
    ddx, ddy = DEPTH
    out = []
    top_face = [(left, top), (left + ddx, top + ddy), (right + ddx, top + ddy), (right, top)]
    side_face = [(right, top), (right + ddx, top + ddy), (right + ddx, bottom + ddy), (right, bottom)]
    out.append(f'<polygon points="{points(top_face)}" fill="#f4f7fa" stroke="{STEEL_DARK}" stroke-width="0.8"/>\n')
    out.append(f'<polygon points="{points(side_face)}" fill="{STEEL}" stroke="{STEEL_DARK}" stroke-width="0.8"/>\n')
    out.append(
        f'<rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}" '
        f'fill="{STEEL_LIGHT}" stroke="{STEEL_DARK}" stroke-width="0.8"/>\n'
    )
    # The opened front: the interior with its two air paths.
    inset = 6
    out.append(
        f'<rect x="{left + inset}" y="{top + inset}" width="{right - left - 2 * inset}" '
        f'height="{bottom - top - 2 * inset}" fill="url(#interior)" stroke="{STEEL_DARK}" stroke-width="0.8"/>\n'
    )
    mid = (top + bottom) / 2
    out.append(
        f'<rect x="{left + inset}" y="{fmt(mid - 1.5)}" width="{right - left - 2 * inset}" height="3" fill="{STEEL}"/>\n'
    )
    # Inlet and outlet grilles on both ends.
    for x in (left + inset, right - inset - 4):
        for y0 in (top + inset + 6, mid + 6):
            for k in range(6):
                y = y0 + k * 7
                out.append(f'<rect x="{x}" y="{fmt(y)}" width="4" height="3" fill="{STEEL}"/>\n')
    # Casing feet.
    for x in (left + 12, right - 30):
        out.append(f'<rect x="{x}" y="{bottom}" width="18" height="4" fill="{STEEL_DARK}"/>\n')
    return "".join(out)


def air_paths():
    left, top, right, bottom = CASING
    mid = (top + bottom) / 2
    upper, lower = (top + mid) / 2 + 2, (mid + bottom) / 2 - 2
    near_left = WHEEL_CX - WHEEL_R - 8
    near_right = WHEEL_CX + WHEEL_R + 8
    far_left, far_right = left + 16, right - 16
    out = [
        # Outdoor air in (cold) and supply air out (warmed) above ...
        arrow(far_left, near_left, upper, HOUSE_BLUE),
        arrow(near_right, far_right, upper, WARM_RED),
        # ... extract air in (warm) and exhaust air out (cooled) below.
        arrow(far_right, near_right, lower, WARM_RED),
        arrow(near_left, far_left, lower, HOUSE_BLUE),
    ]
    label_size = 8
    out.append(text((far_left + near_left) / 2, upper - 13, "ODA", label_size, "#dbe6f2", "bold", "middle"))
    out.append(text((near_right + far_right) / 2, upper - 13, "SUP", label_size, "#dbe6f2", "bold", "middle"))
    out.append(text((near_right + far_right) / 2, lower + 20, "ETA", label_size, "#dbe6f2", "bold", "middle"))
    out.append(text((far_left + near_left) / 2, lower + 20, "EHA", label_size, "#dbe6f2", "bold", "middle"))
    return "".join(out)


def badge_round(x, y, w, h, title):
    cx, cy = x + w / 2, y + h / 2
    r = min(w, h) / 2 - 3
    check = [(cx - 8, cy - 9), (cx - 3, cy - 4), (cx + 8, cy - 15)]
    return (
        f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="#0e2c50" stroke="{HOUSE_BLUE}" stroke-width="2"/>\n'
        f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r - 4)}" fill="none" stroke="#5d8fc4" stroke-width="0.7"/>\n'
        f'<polyline points="{points(check)}" fill="none" stroke="#ffffff" stroke-width="2.4"/>\n'
        + text(cx, cy + 6, title, 8.5, "#ffffff", "bold", "middle")
        + text(cx, cy + 15, "directory", 6.5, "#c7d7ea", "normal", "middle")
    )


def badge_plate(x, y, w, h, title):
    inset = 4
    bx, by, bw, bh = x + inset, y + inset, w - 2 * inset, h - 2 * inset
    return (
        f'<rect x="{bx}" y="{by}" width="{bw}" height="{bh}" rx="4" ry="4" fill="#0e2c50" '
        f'stroke="{HOUSE_BLUE}" stroke-width="2"/>\n'
        + text(bx + bw / 2, by + 19, title, 14, "#ffffff", "bold", "middle")
        + f'<line x1="{bx + 10}" y1="{by + 24}" x2="{bx + bw - 10}" y2="{by + 24}" stroke="#5d8fc4" stroke-width="0.7"/>\n'
        + text(bx + bw / 2, by + 34, "directory", 6.5, "#c7d7ea", "normal", "middle")
    )


def product_picture():
    width, height = 500, 220
    defs = (
        "<defs>\n"
        f'<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{NAVY_TOP}"/><stop offset="1" stop-color="{NAVY_BOTTOM}"/></linearGradient>\n'
        f'<linearGradient id="interior" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="#33587f"/><stop offset="1" stop-color="{INTERIOR}"/></linearGradient>\n'
        f'<radialGradient id="matrix" cx="{WHEEL_CX}" cy="{WHEEL_CY}" r="{WHEEL_R}" gradientUnits="userSpaceOnUse">'
        f'<stop offset="0" stop-color="#e6ecf2"/><stop offset="1" stop-color="#a9b8c7"/></radialGradient>\n'
        "</defs>\n"
    )
    body = [defs, f'<rect x="0" y="0" width="{width}" height="{height}" fill="url(#sky)"/>\n']
    # Top line under the company name, bottom band for the contact lines.
    body.append(f'<rect x="0" y="192" width="{width}" height="{height - 192}" fill="{BAND}"/>\n')
    body.append(f'<rect x="0" y="192" width="{width}" height="1.5" fill="{HOUSE_BLUE}"/>\n')
    body.append(f'<rect x="150" y="33" width="200" height="0.8" fill="#3f6a97"/>\n')
    body.append(casing())
    body.append(air_paths())
    body.append(wheel())
    body.append(badge_round(*EUROVENT_BADGE, "Eurovent"))
    body.append(badge_plate(*AHRI_BADGE, "AHRI"))
    return svg_document(width, height, "".join(body))


# --------------------------------------------------------------------------
# 1900 ... 9900: the energy slogan strips
# --------------------------------------------------------------------------

SLOGANS = {
    1900: ("Energie sparen mit Wärmerückgewinnung", LATIN_FONT),
    2900: ("Save energy with heat recovery", LATIN_FONT),
    3900: ("Récupérer la chaleur, économiser l’énergie", LATIN_FONT),
    7900: ("Oszczędzaj energię dzięki odzyskowi ciepła", LATIN_FONT),
    8900: ("利用热回收节约能源", CJK_FONT),
    9900: ("Экономия энергии с рекуперацией тепла", LATIN_FONT),
}

STRIP_WIDTH, STRIP_HEIGHT = 220, 14
SLOGAN_LEFT, SLOGAN_RIGHT = 17, 216   # room right of the leaf
SLOGAN_SIZE = 10.0                    # largest lettering
SLOGAN_SMALLEST = 8.6                 # below this the condensed face is used


def slogan_strip(slogan, family, size, with_id=False):
    leaf = "M4,10.5 C4,5.5 7.5,3 12,3 C12,8 9,11 4,10.5 Z M4,10.5 L8,6.5"
    element = text((SLOGAN_LEFT + SLOGAN_RIGHT) / 2, 10.6, slogan, size, "#ffffff", "bold", "middle", family)
    if with_id:
        element = element.replace("<text ", '<text id="slogan" ', 1)
    body = (
        f'<rect x="0" y="0" width="{STRIP_WIDTH}" height="{STRIP_HEIGHT}" fill="{HOUSE_BLUE}"/>\n'
        f'<path d="{leaf}" fill="#ffffff" stroke="#ffffff" stroke-width="0.6"/>\n'
        + element
    )
    return svg_document(STRIP_WIDTH, STRIP_HEIGHT, body)


def fitted_strip(tool, work, slogan, family):
    """The strip with the slogan as large as it fits, at most SLOGAN_SIZE."""
    room = SLOGAN_RIGHT - SLOGAN_LEFT

    def width_at(face, size):
        probe = os.path.join(work, "probe.svg")
        write(probe, slogan_strip(slogan, face, size, with_id=True))
        result = subprocess.run([tool, "--bounds", probe, "slogan"], check=True,
                                capture_output=True, text=True, env=tool_environment(work))
        return float(result.stdout.split()[2])

    size = min(SLOGAN_SIZE, SLOGAN_SIZE * room / width_at(family, SLOGAN_SIZE))
    if size < SLOGAN_SMALLEST and family == LATIN_FONT:
        family = LATIN_CONDENSED
        size = min(SLOGAN_SIZE, SLOGAN_SIZE * room / width_at(family, SLOGAN_SIZE))
    size = math.floor(size * 10) / 10
    return slogan_strip(slogan, family, size)


# --------------------------------------------------------------------------
# 101: the logo
# --------------------------------------------------------------------------


def ring_arc(cx, cy, r, start_deg, end_deg):
    """An SVG arc path clockwise from start_deg to end_deg (0 degrees = right, y down)."""
    x1 = cx + r * math.cos(math.radians(start_deg))
    y1 = cy + r * math.sin(math.radians(start_deg))
    x2 = cx + r * math.cos(math.radians(end_deg))
    y2 = cy + r * math.sin(math.radians(end_deg))
    large = 1 if (end_deg - start_deg) % 360 > 180 else 0
    return f"M{fmt(x1)},{fmt(y1)} A{r},{r} 0 {large} 1 {fmt(x2)},{fmt(y2)}"


def logo_mark(cx, cy, r):
    """The mark: a wheel of two half rings, the cold and the warm air stream, round a hub."""
    return (
        f'<path d="{ring_arc(cx, cy, r, 102, 258)}" fill="none" stroke="{HOUSE_BLUE}" stroke-width="10"/>\n'
        f'<path d="{ring_arc(cx, cy, r, 282, 438)}" fill="none" stroke="{WARM_RED}" stroke-width="10"/>\n'
        f'<circle cx="{cx}" cy="{cy}" r="7.5" fill="#0b2545"/>\n'
    )


def logo():
    # The mark, then the word.
    body = logo_mark(32, 32, 25) + text(72, 45, "Quorvane", 36, "#0b2545", "bold", "start", LATIN_FONT)
    return svg_document(290, 64, body)


def app_icon():
    # The mark on a light rounded tile, so that it reads on dark and light
    # panels alike; no text, so that every size renders the same everywhere.
    body = (
        f'<rect x="1" y="1" width="62" height="62" rx="12" fill="#f4f7fb" stroke="{STEEL}" stroke-width="1.5"/>\n'
        + logo_mark(32, 32, 20)
    )
    return svg_document(64, 64, body)


# --------------------------------------------------------------------------
# Button glyphs (16 x 16)
# --------------------------------------------------------------------------

INK = "#1f3b5a"

GLYPHS = {
    "BUTTON_FRAGE": (
        f'<circle cx="8" cy="8" r="7" fill="{HOUSE_BLUE}"/>\n'
        '<path d="M5.6,6.2 C5.6,4.6 6.7,3.7 8.1,3.7 C9.6,3.7 10.6,4.6 10.6,5.9 C10.6,7.6 8.4,7.7 8.4,9.6" '
        'fill="none" stroke="#ffffff" stroke-width="1.7"/>\n'
        '<circle cx="8.4" cy="12.1" r="1.1" fill="#ffffff"/>\n'
    ),
    "BUTTON_PRINT": (
        f'<rect x="4" y="1.5" width="8" height="5" fill="#ffffff" stroke="{INK}" stroke-width="1"/>\n'
        f'<rect x="1.5" y="6" width="13" height="6" rx="1" fill="#9fb3c8" stroke="{INK}" stroke-width="1"/>\n'
        f'<rect x="4" y="10" width="8" height="4.5" fill="#ffffff" stroke="{INK}" stroke-width="1"/>\n'
        f'<line x1="5.5" y1="12" x2="10.5" y2="12" stroke="{INK}" stroke-width="0.8"/>\n'
        f'<circle cx="12.3" cy="8" r="0.8" fill="{HOUSE_BLUE}"/>\n'
    ),
    "BUTTON_CLOSE": (
        f'<rect x="2" y="1.5" width="8" height="13" fill="#d8e2ec" stroke="{INK}" stroke-width="1"/>\n'
        f'<circle cx="8" cy="8.5" r="0.8" fill="{INK}"/>\n'
        f'<polygon points="9,6.5 12,6.5 12,4.5 15,8 12,11.5 12,9.5 9,9.5" fill="{WARM_RED}"/>\n'
    ),
    "BUTTON_NOTES": (
        f'<rect x="2.5" y="1.5" width="11" height="13" fill="#fff8d6" stroke="{INK}" stroke-width="1"/>\n'
        + "".join(
            f'<line x1="4.5" y1="{y}" x2="11.5" y2="{y}" stroke="#6f8aa6" stroke-width="0.9"/>\n'
            for y in (5, 7.5, 10, 12.5)
        )
    ),
    "BUTTON_PREVIOUS": f'<polygon points="11.5,2.5 11.5,13.5 4,8" fill="{INK}"/>\n',
    "BUTTON_NEXT": f'<polygon points="4.5,2.5 4.5,13.5 12,8" fill="{INK}"/>\n',
    "BUTTON_FIRST": (
        f'<rect x="2.5" y="2.5" width="2" height="11" fill="{INK}"/>\n'
        f'<polygon points="13,2.5 13,13.5 5.5,8" fill="{INK}"/>\n'
    ),
    "BUTTON_LAST": (
        f'<rect x="11.5" y="2.5" width="2" height="11" fill="{INK}"/>\n'
        f'<polygon points="3,2.5 3,13.5 10.5,8" fill="{INK}"/>\n'
    ),
}


# --------------------------------------------------------------------------
# Output
# --------------------------------------------------------------------------


def resource_list():
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/pictures">']
    lines.append('    <file alias="1101.jpg">1101.jpg</file>')
    for number in sorted(SLOGANS):
        lines.append(f'    <file alias="{number}.jpg">{number}.jpg</file>')
    lines.append("  </qresource>")
    lines.append('  <qresource prefix="/glyphs">')
    for name in GLYPHS:
        lines.append(f'    <file alias="{name}.svg">glyphs/{name.lower()}.svg</file>')
    lines.append("  </qresource>")
    lines.append("</RCC>")
    return "\n".join(lines) + "\n"


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as stream:
        stream.write(content)


def tool_environment(work):
    """The rasteriser runs on Qt's offscreen platform with a private runtime folder."""
    environment = dict(os.environ)
    environment["QT_QPA_PLATFORM"] = "offscreen"
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    environment["XDG_RUNTIME_DIR"] = runtime
    return environment


def build_rasteriser(work):
    source = os.path.join(ROOT, "scripts", "svg_render.cpp")
    project = os.path.join(work, "tool")
    write(
        os.path.join(project, "CMakeLists.txt"),
        "cmake_minimum_required(VERSION 3.25)\n"
        "project(svg_render LANGUAGES CXX)\n"
        "set(CMAKE_CXX_STANDARD 20)\n"
        "find_package(Qt6 REQUIRED COMPONENTS Gui Svg)\n"
        "find_package(JPEG REQUIRED)\n"
        f'add_executable(svg_render "{source}")\n'
        "target_link_libraries(svg_render PRIVATE Qt6::Gui Qt6::Svg JPEG::JPEG)\n",
    )
    build = os.path.join(project, "build")
    subprocess.run(["cmake", "-S", project, "-B", build, "-DCMAKE_BUILD_TYPE=Release"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(build, "svg_render")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--keep-svg", help="also keep the SVG sources of the JPEG pictures in this folder")
    args = parser.parse_args()

    write(os.path.join(LOGO_OUT, "101.svg"), logo())
    for name, body in GLYPHS.items():
        write(os.path.join(OUT, "glyphs", f"{name.lower()}.svg"), svg_document(16, 16, body))
    write(os.path.join(OUT, "pictures.qrc"), resource_list())

    with tempfile.TemporaryDirectory() as work:
        tool = build_rasteriser(work)
        jpegs = {1101: (product_picture(), 500, 220)}
        for number, (slogan, family) in SLOGANS.items():
            jpegs[number] = (fitted_strip(tool, work, slogan, family), STRIP_WIDTH, STRIP_HEIGHT)
        for number, (svg, width, height) in sorted(jpegs.items()):
            source = os.path.join(work, f"{number}.svg")
            write(source, svg)
            if args.keep_svg:
                os.makedirs(args.keep_svg, exist_ok=True)
                shutil.copy(source, args.keep_svg)
            target = os.path.join(OUT, f"{number}.jpg")
            subprocess.run([tool, source, target, str(width), str(height)], check=True,
                           env=tool_environment(work))
            print(f"wrote {os.path.relpath(target, ROOT)}")
        icon = os.path.join(ICON_OUT, f"{ICON_NAME}.svg")
        write(icon, app_icon())
        for size in ICON_SIZES:
            target = os.path.join(ICON_OUT, f"{size}x{size}", f"{ICON_NAME}.png")
            os.makedirs(os.path.dirname(target), exist_ok=True)
            subprocess.run([tool, icon, target, str(size), str(size)], check=True, env=tool_environment(work))
            print(f"wrote {os.path.relpath(target, ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
