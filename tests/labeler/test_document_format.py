"""Sabbeth's documents checked byte by byte by an independent reader and writer (labeldoc.py)."""

import argparse
import json
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

import labeldoc

DOCTOOL = None

DEFAULT_PEN = {"style": 1, "cap": 0x10, "join": 0x40, "cosmetic": False, "width": 1.0,
               "miter": 2.0, "dashes": [], "dash_offset": 0.0, "default_width": True}
BLACK = {"model": labeldoc.COLOR_MODEL_RGB, "rgba": (0, 0, 0, 255)}


class DocumentFormat(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="sabbeth-format-")
        self.addCleanup(shutil.rmtree, self.dir, ignore_errors=True)
        self.env = dict(os.environ, HOME=self.dir, XDG_CONFIG_HOME=os.path.join(self.dir, "cfg"))

    def path(self, name):
        return os.path.join(self.dir, name)

    def doctool(self, *args):
        result = subprocess.run([DOCTOOL, *args], env=self.env, capture_output=True, text=True,
                                timeout=60)
        # In a sanitizer build a refused document must be refused, not crash.
        self.assertNotRegex(result.stderr, "Sanitizer|runtime error")
        return result

    def written(self, scenario):
        out = self.path(scenario + ".tmq")
        result = self.doctool("write", scenario, out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, "rb") as f:
            return f.read()

    def dump(self, data):
        path = self.path("in.tmq")
        with open(path, "wb") as f:
            f.write(data)
        return self.doctool("dump", path)

    def loaded(self, data):
        result = self.dump(data)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    # ---- what the program writes ----

    def test_empty_document_is_the_six_byte_header(self):
        self.assertEqual(self.written("empty"), bytes.fromhex("034A9F21 0002"))

    def test_default_qr_code_record(self):
        version, records = labeldoc.read_document(self.written("qr"))
        self.assertEqual(version, 2)
        self.assertEqual(records, [{"type": "qr", "pos": (10.0, 20.0), "angle": 0.0,
                                    "size": (50, 50), "z": 0.0, "text": "{%code%}"}])

    def test_default_box_record_with_pen_and_brush(self):
        _, [box] = labeldoc.read_document(self.written("box"))
        # A box made over (10, 20, 90, 30) has its origin at the rectangle's integer centre.
        self.assertEqual((box["type"], box["pos"], box["size"]), ("box", (54.0, 34.0), (90, 30)))
        self.assertEqual(box["rect"], (-45.0, -15.0, 90.0, 30.0))
        pen = dict(box["pen"])
        self.assertEqual(pen.pop("brush")["style"], labeldoc.SOLID_PATTERN)
        self.assertEqual(pen, DEFAULT_PEN)
        self.assertEqual(box["brush"]["style"], 0)
        self.assertEqual(box["brush"]["color"], BLACK)
        self.assertEqual(box["brush"]["transform"], labeldoc.IDENTITY)

    def test_text_record_keeps_plain_text_in_one_font(self):
        _, [text] = labeldoc.read_document(self.written("text"))
        self.assertEqual(text["text"], "Bold and plain")
        self.assertEqual(text["pos"], (5.0, 6.0))
        self.assertEqual((text["font"]["family"], text["font"]["point_size"]), ("Helvetica", 3.0))
        self.assertEqual(text["font"]["pixel_size"], -1)

    def test_stacking_survives_save_and_load(self):
        data = self.written("stack")
        _, records = labeldoc.read_document(data)
        self.assertEqual([r["type"] for r in records], ["text", "box"], "bottom first")
        again = self.path("again.tmq")
        result = self.doctool("roundtrip", self.path("stack.tmq"), again)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(again, "rb") as f:
            self.assertEqual(f.read(), data)

    # ---- what the program reads ----

    def test_reads_documents_of_the_independent_writer(self):
        red_dash = labeldoc.pen(width=2.5, flags=2 | 0x10 | 0x40, rgb=(255, 0, 0))
        data = labeldoc.document(
            labeldoc.box_record(pos=(100.0, 50.0), angle=30.0, size=(80, 40), z=-1.0,
                                pen_bytes=red_dash, brush_bytes=labeldoc.brush(4, (0, 0, 255))),
            labeldoc.qr_record("{%serial%}", pos=(5.0, 7.0), size=(60, 40), z=0.5),
            labeldoc.text_record("Größe 7", pos=(1.5, 2.5), family="DejaVu Sans",
                                 point_size=12.0, z=2.0))
        box, qr, text = self.loaded(data)
        self.assertEqual(box, {"type": "box", "pos": [100, 50], "z": -1, "angle": 30,
                               "size": [80, 40], "rect": [-40, -20, 80, 40], "pen_width": 2.5,
                               "pen_style": 2, "pen_color": "#ff0000", "pen_dash_offset": 0,
                               "pen_dashes": [4, 2], "brush_style": 4,
                               "brush_color": "#0000ff"})
        self.assertEqual(qr, {"type": "qr", "pos": [5, 7], "z": 0.5, "angle": 0, "size": [60, 40],
                              "text": "{%serial%}", "modules": [60, 40]})
        self.assertEqual(text, {"type": "text", "pos": [1.5, 2.5], "z": 2, "text": "Größe 7",
                                "family": "DejaVu Sans", "point_size": 12})

    def test_older_versions_read_like_version_two(self):
        record = labeldoc.qr_record("x1")
        for version in (1, 0, -1):
            with self.subTest(version=version):
                self.assertEqual(len(self.loaded(labeldoc.document(record, version=version))), 1)

    def test_sizes_are_held_to_the_editor_ranges(self):
        # The editor's sizes reach across the largest page, 500 mm (1417.3 pt).
        data = labeldoc.document(
            labeldoc.qr_record("big", size=(50000, -3)),
            labeldoc.box_record(size=(4000, 20), box_rect=(0.0, 0.0, 4000.0, 1e9)),
            labeldoc.box_record(size=(1417, 1100), box_rect=(-700.0, -550.0, 1417.0, 1100.0)),
            labeldoc.text_record("huge", point_size=1e6))
        qr, box, page_box, text = self.loaded(data)
        self.assertEqual(qr["size"], [1418, 0])
        self.assertEqual(box["size"], [1418, 1418])
        self.assertEqual((page_box["size"], page_box["rect"]), ([1417, 1100], [-700, -550, 1417, 1100]))
        self.assertEqual(text["point_size"], 280)

    def test_pen_widths_are_held_to_the_editor_range(self):
        # Qt's pen ignores a width change below 1e-8, so a tiny negative width needs care.
        cases = [(2.5, 2.5), (25.0, 20), (-5.0, 0), (-1e-149, 0), (-1e-9, 0)]
        boxes = self.loaded(labeldoc.document(
            *(labeldoc.box_record(pen_bytes=labeldoc.pen(width=width)) for width, _ in cases)))
        for (width, held), box in zip(cases, boxes):
            with self.subTest(width=width):
                self.assertEqual(box["pen_width"], held)

    def test_dashes_are_held_to_what_the_editor_makes(self):
        """A dash offset far along the line would keep drawing busy for ever."""
        dashed = labeldoc.pen(width=20.0, flags=2 | 0x10 | 0x40, dashes=(4.0, 2.0),
                              dash_offset=1e12)
        odd_pattern = labeldoc.pen(width=20.0, flags=2 | 0x10 | 0x40, dashes=(1e-9, 1e12))
        boxes = self.loaded(labeldoc.document(labeldoc.box_record(pen_bytes=dashed),
                                              labeldoc.box_record(pen_bytes=odd_pattern)))
        for box in boxes:
            self.assertEqual((box["pen_style"], box["pen_width"]), (2, 20))
            self.assertEqual((box["pen_dash_offset"], box["pen_dashes"]), (0, [4, 2]))

    def test_refuses_what_is_not_a_whole_document(self):
        good = labeldoc.qr_record("ok")
        box = labeldoc.box_record()
        nan = struct.pack(">d", math.nan)
        cases = {
            "broken magic": labeldoc.document(good, magic=0x034A9F22),
            "version 3": labeldoc.document(good, version=3),
            "header cut short": bytes.fromhex("034A9F2100"),
            "record cut short": labeldoc.document(good, box[:-9]),
            "type code cut short": labeldoc.document(good, b"\x00\x01"),
            "unknown item type": labeldoc.document(good, labeldoc.i32(0x10004), good),
            "position not a number": labeldoc.document(labeldoc.i32(labeldoc.QRCODE) + nan +
                                                       good[12:]),
            "angle infinite": labeldoc.document(labeldoc.box_record(angle=math.inf)),
            "dash count beyond the data": labeldoc.document(labeldoc.box_record(
                pen_bytes=labeldoc.pen(dash_count=0x7FFFFFFF))),
            "gradient brush": labeldoc.document(labeldoc.box_record(
                brush_bytes=labeldoc.brush(15))),
            "brush style that is no style": labeldoc.document(labeldoc.box_record(
                brush_bytes=labeldoc.brush(200))),
            "pen style that is no style": labeldoc.document(labeldoc.box_record(
                pen_bytes=labeldoc.pen(flags=9 | 0x10 | 0x40))),
            "custom dash pattern": labeldoc.document(labeldoc.box_record(
                pen_bytes=labeldoc.pen(flags=6 | 0x10 | 0x40, dashes=(1.0, 1.0)))),
            "box corner beyond the int range": labeldoc.document(labeldoc.box_record(
                box_rect=(3e9, 0.0, 10.0, 10.0))),
            "negative font pixel size": labeldoc.document(labeldoc.text_record(
                "tiny", point_size=-1.0, pixel_size=-100000)),
            "font without a size": labeldoc.document(labeldoc.text_record(
                "none", point_size=-1.0, pixel_size=-1)),
            "odd string length": labeldoc.document(labeldoc.i32(labeldoc.TEXT) +
                                                   labeldoc.point(0, 0) + labeldoc.f64(0) +
                                                   struct.pack(">I", 3) + b"abc"),
        }
        for name, data in cases.items():
            with self.subTest(name):
                result = self.dump(data)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stdout, "", "no item is created")
                self.assertIn("in.tmq", result.stderr)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--doctool", required=True)
    args, rest = parser.parse_known_args()
    DOCTOOL = os.path.abspath(args.doctool)
    unittest.main(argv=[sys.argv[0], *rest])
