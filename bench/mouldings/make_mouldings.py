#!/usr/bin/env python3
"""Draws classical mouldings from their geometry (arcs, fillets and straight runs at catalogue
sizes) as the section of the stock that remains, in SVG and DXF, for kerf_bench_match.

Each profile is worked on the edge that meets the top face and the fence face; lengths are
inches, measured from the stock's bottom-left corner with the fence face on the right.
Run it in this folder: python3 make_mouldings.py
"""
import math

STEPS = 48  # points along a quarter circle


def arc(cx, cy, r, a0, a1, rx=None):
    """Points of an arc (degrees, anticlockwise when a1 > a0); rx makes it elliptic."""
    rx = r if rx is None else rx
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / STEPS)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / STEPS)))
            for i in range(STEPS + 1)]


def section(across, up, edge):
    """The stock's section with the edge profile (points from the fence face to the top face)."""
    return [(0, 0), (across, 0)] + edge + [(0, up)]


def mouldings():
    A, U = 3.0, 0.75  # 3/4" x 3" stock lying flat
    q = 1 / 16        # a fillet
    shapes = {}
    r = 0.5
    shapes["quarter_round"] = (A, U, section(A, U, arc(A - r, U - r, r, 0, 90)), "1-2! Roundover")
    shapes["cove"] = (A, U, section(A, U, arc(A, U, r, 270, 180)), "1-2! Cove")
    shapes["rebate"] = (A, U, section(A, U, [(A, U - 3 / 8), (A - 3 / 8, U - 3 / 8), (A - 3 / 8, U)]),
                        "3-8! Rabbeting")
    shapes["chamfer"] = (A, U, section(A, U, [(A, U - 0.25), (A - 0.25, U)]), "45% Chamfer")
    r = 3 / 8  # bullnose: both edges of the 3/4" stock rounded to one half circle
    shapes["bullnose"] = (A, U, [(0, 0)] + arc(A - r, r, r, 270, 450) + [(0, U)], "3-8! Roundover")
    r = 3 / 8  # ovolo: a quarter round between two fillets
    shapes["ovolo"] = (A, U, section(A, U, [(A, U - r - q), (A - q, U - r - q)] +
                                      arc(A - q - r, U - q - r, r, 0, 90) + [(A - q - r, U)]), "")
    r = 3 / 8  # cavetto: a hollow quarter circle between two fillets
    shapes["cavetto"] = (A, U, section(A, U, [(A, U - r - q), (A - q, U - r - q)] +
                                        arc(A - q, U - q, r, 270, 180) + [(A - q - r, U)]), "")
    r = 1 / 4  # cyma recta: hollow above, round below
    shapes["cyma_recta"] = (A, U, section(A, U, arc(A - r, U - 2 * r, r, 0, 90) +
                                           arc(A - r, U, r, 270, 180)[1:]), "")
    shapes["cyma_reversa"] = (A, U, section(A, U, arc(A, U - r, r, 270, 180) +
                                             arc(A - 2 * r, U - r, r, 0, 90)[1:]), "")
    r = 1 / 4  # astragal: a half-round bead with the face cut back above and below it
    shapes["astragal"] = (A, U, [(0, 0), (A - r, 0), (A - r, U / 2 - r)] +
                          arc(A - r, U / 2, r, -90, 90)[1:] + [(A - r, U), (0, U)], "")
    U1, r, f = 1.0, 3 / 8, 1 / 8  # torus: a large half round on a 1" board, a fillet above
    shapes["torus"] = (A, U1, [(0, 0), (A - r, 0), (A - r, U1 - 2 * r - f)] +
                       arc(A - r, U1 - r - f, r, -90, 90)[1:] + [(A - r - f, U1 - f), (A - r - f, U1),
                                                                (0, U1)], "")
    # thumbnail: a flattened quarter ellipse, 1/2" across the top and 1/4" down the edge
    shapes["thumbnail"] = (A, U, section(A, U, arc(A - 0.5, U - 0.25, 0.25, 0, 90, rx=0.5)), "")
    return shapes


def write_svg(name, across, up, points):
    path = " ".join(("M" if i == 0 else "L") + f"{x:.5f},{up - y:.5f}" for i, (x, y) in enumerate(points))
    with open(name + ".svg", "w") as out:
        out.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{across}in" height="{up}in" '
                  f'viewBox="0 0 {across} {up}">\n<path d="{path} Z" fill="black"/>\n</svg>\n')


def write_dxf(name, points):
    lines = ["0", "SECTION", "2", "HEADER", "9", "$INSUNITS", "70", "1", "0", "ENDSEC",
             "0", "SECTION", "2", "ENTITIES", "0", "LWPOLYLINE", "8", "0", "90", str(len(points)),
             "70", "1"]
    for x, y in points:
        lines += ["10", f"{x:.5f}", "20", f"{y:.5f}"]
    lines += ["0", "ENDSEC", "0", "EOF"]
    with open(name + ".dxf", "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    with open("mouldings.txt", "w") as index:
        index.write("# name  stock (width x height, hundredths)  the supplied bit whose own profile it is\n")
        for name, (across, up, points, bit) in sorted(mouldings().items()):
            write_svg(name, across, up, points)
            write_dxf(name, points)
            index.write(f"{name} {round(up * 100)}x{round(across * 100)} {bit.replace(' ', '_') or '-'}\n")


if __name__ == "__main__":
    main()
