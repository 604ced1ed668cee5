#!/usr/bin/env python3
"""Writes the tool-button icons (24x24 SVG) into src/ui/resources/icons and the .qrc list.

One drawing style for all: 1.8 px round strokes in slate for tools, waveform traces in
magenta on a faint screen, pattern traces in teal. Run again after changing a drawing."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "src", "ui", "resources", "icons")
INK = "#34495e"
WAVE = "#c0399f"
PPG = "#16a085"
ACCENT = "#2e86de"


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24" '
            'fill="none" stroke-linecap="round" stroke-linejoin="round">' + body + '</svg>\n')


def path(d, color=INK, width=1.8, fill="none"):
    return f'<path d="{d}" stroke="{color}" stroke-width="{width}" fill="{fill}"/>'


def screen():
    return '<rect x="2" y="3" width="20" height="18" rx="3" fill="#f3eef7" stroke="#d9cde3" stroke-width="1"/>'


def trace(points, color=WAVE):
    d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points)
    return screen() + path(d, color, 2.0)


def sampled(f, n=40, x0=4, x1=20, yc=12, amp=6):
    return [(x0 + (x1 - x0) * i / n, yc - amp * f(i / n)) for i in range(n + 1)]


def wave_icons():
    e = math.e
    return {
        "sin": trace(sampled(lambda t: math.sin(2 * math.pi * t))),
        "sqr": trace([(4, 12), (4, 6), (12, 6), (12, 18), (20, 18), (20, 12)]),
        "tri": trace([(4, 12), (8, 6), (16, 18), (20, 12)]),
        "ramp": trace([(4, 18), (18, 6), (18, 18), (20, 16)]),
        "charge": trace(sampled(lambda t: 1 - 2 * math.exp(-4 * t))),
        "discharge": trace(sampled(lambda t: 2 * math.exp(-4 * t) - 1)),
        "sup": trace(sampled(lambda t: -math.cos(math.pi * t))),
        "sdown": trace(sampled(lambda t: math.cos(math.pi * t))),
        "dc": trace([(4, 9), (20, 9)]) + path("M4,17 L20,17", "#b9a7c8", 1.0),
        "noise": trace([(4 + i * 0.8, 12 - 6 * math.sin(i * 2.7) * math.cos(i * 1.3))
                        for i in range(21)]),
        "freehand": trace([(4, 15), (6, 10), (8, 12), (10, 7), (13, 14), (16, 9), (18, 11),
                           (20, 8)]),
        "line": screen() + path("M5,17 L19,7", WAVE, 2.0) +
                '<circle cx="5" cy="17" r="1.8" fill="#34495e"/>'
                '<circle cx="19" cy="7" r="1.8" fill="#34495e"/>',
    }


def ppg_icons():
    def bits(levels):
        pts, x = [], 4.0
        step = 16 / len(levels)
        for i, b in enumerate(levels):
            y = 7 if b else 17
            if i:
                pts.append((x, pts[-1][1]))
            pts.append((x, y))
            x += step
        pts.append((20, pts[-1][1]))
        return trace(pts, PPG)
    pen = path("M14,6 L18,10 L10,18 L6,18 L6,14 Z", INK, 1.6)
    return {
        "ppghi": bits([1, 1, 1, 1]),
        "ppglo": bits([0, 0, 0, 0]),
        "ppgclk": bits([1, 0, 1, 0, 1, 0]),
        "ppgctr": bits([0, 1, 1, 0, 1, 1, 1, 0]),
        "ppgval": screen() + '<text x="12" y="16" font-family="DejaVu Sans Mono, monospace" '
                  f'font-size="9" font-weight="bold" fill="{PPG}" text-anchor="middle">101</text>',
        "bitpen": pen,
        "bitpenh": pen + '<text x="18.5" y="21" font-family="DejaVu Sans, sans-serif" '
                   f'font-size="8" font-weight="bold" fill="{PPG}" text-anchor="middle">1</text>',
        "bitpenl": pen + '<text x="18.5" y="21" font-family="DejaVu Sans, sans-serif" '
                   f'font-size="8" font-weight="bold" fill="{PPG}" text-anchor="middle">0</text>',
        "disppair": path("M4,7 H20 M4,11 H20", PPG) + path("M4,15 H20 M4,19 H20", INK),
        "dispord": path("M4,6 H20 M4,10 H20 M4,14 H20 M4,18 H20", INK),
        "autoinv": path("M5,9 H9 V5 H15 V9 H19", PPG) + path("M5,15 H9 V19 H15 V15 H19", INK),
    }


def tool_icons():
    return {
        "filenew": path("M6,3 H14 L19,8 V21 H6 Z") + path("M14,3 V8 H19") +
                   path("M10,14 H15 M12.5,11.5 V16.5", ACCENT),
        "fileopen": path("M3,7 V19 H18 L21,11 H7 L4,19") + path("M3,7 H9 L11,9 H17 V11"),
        "filesave": path("M5,4 H16 L20,8 V20 H5 Z") + path("M8,4 V9 H15 V4") +
                    '<rect x="8" y="13" width="9" height="7" rx="1" stroke="#2e86de" '
                    'stroke-width="1.8"/>',
        "undo": path("M9,7 L5,11 L9,15") + path("M5,11 H14 A5,5 0 0 1 14,21 H10"),
        "cut": '<circle cx="7" cy="17" r="3" stroke="#34495e" stroke-width="1.8"/>'
               '<circle cx="17" cy="17" r="3" stroke="#34495e" stroke-width="1.8"/>' +
               path("M9,15 L17,4 M15,15 L7,4"),
        "copy": '<rect x="8" y="8" width="12" height="13" rx="2" stroke="#34495e" '
                'stroke-width="1.8"/>' + path("M16,8 V5 A2,2 0 0 0 14,3 H6 A2,2 0 0 0 4,5 V15 "
                                              "A2,2 0 0 0 6,17 H8"),
        "paste": path("M9,4 H6 A2,2 0 0 0 4,6 V19 A2,2 0 0 0 6,21 H18 A2,2 0 0 0 20,19 V6 "
                      "A2,2 0 0 0 18,4 H15") +
                 '<rect x="9" y="2.5" width="6" height="4" rx="1" stroke="#34495e" '
                 'stroke-width="1.8"/>' + path("M8,12 H16 M8,16 H13", ACCENT),
        "select": path("M6,4 L6,18 L10,14.5 L13,21 L15.5,20 L12.5,13.5 L18,13.5 Z", INK, 1.6),
        "cursor": path("M9,3 V21 M15,3 V21", ACCENT) + path("M3,9 H21", "#8aa4c0", 1.2),
        "cx": path("M8,3 V21 M16,3 V21", ACCENT) + path("M10,12 H14 M12,10 L14,12 L12,14",
                                                        INK, 1.4),
        "cy": path("M3,8 H21 M3,16 H21", ACCENT) + path("M12,10 V14 M10,12 L12,14 L14,12",
                                                        INK, 1.4),
        "zoommax": '<circle cx="10" cy="10" r="6" stroke="#34495e" stroke-width="1.8"/>' +
                   path("M14.5,14.5 L20,20 M7,10 H13 M10,7 V13"),
        "zoomall": '<circle cx="10" cy="10" r="6" stroke="#34495e" stroke-width="1.8"/>' +
                   path("M14.5,14.5 L20,20 M7,10 H13"),
        "selres": path("M4,6 H20 V18 H4 Z", "#8aa4c0", 1.2) + path("M8,9 L16,15 M16,9 L8,15",
                                                                   "#c0392b", 2.0),
        "rescalex": path("M3,12 H21 M3,12 L6,9 M3,12 L6,15 M21,12 L18,9 M21,12 L18,15") +
                    '<text x="12" y="8" font-family="DejaVu Sans, sans-serif" font-size="7" '
                    'font-weight="bold" fill="#2e86de" text-anchor="middle">X</text>',
        "rescaley": path("M12,3 V21 M12,3 L9,6 M12,3 L15,6 M12,21 L9,18 M12,21 L15,18") +
                    '<text x="18" y="14" font-family="DejaVu Sans, sans-serif" font-size="7" '
                    'font-weight="bold" fill="#2e86de" text-anchor="middle">Y</text>',
    }


def main():
    icons = {**tool_icons(), **wave_icons(), **ppg_icons()}
    os.makedirs(OUT, exist_ok=True)
    for name, body in icons.items():
        with open(os.path.join(OUT, name + ".svg"), "w") as f:
            f.write(svg(body))
    with open(os.path.join(OUT, "..", "icons.qrc"), "w") as f:
        f.write("<RCC>\n  <qresource prefix=\"/icons\">\n")
        for name in sorted(icons):
            f.write(f"    <file alias=\"{name}.svg\">icons/{name}.svg</file>\n")
        f.write("  </qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
