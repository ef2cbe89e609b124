"""Sabbeth's print-only run, from outside: the program prints through a private CUPS queue into a
PDF, which is rendered with pdftoppm and read back with zbarimg."""

import argparse
import datetime
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

import labeldoc
from private_cups import PrivateCups

SABBETH = None
TEMPLATE = None
RUN_TIMEOUT = 60
RENDER_DPI = 300
PAGE_POINTS = 288  # the default page, 101.6 mm square
LARGE_PAGE_INCHES = 6  # wider and taller than the 4 x 2 inch label
QVARIANT_SIZEF = 22

CODE = "CAM-7F3A21"
SERIAL = "SN88412"
LITERAL = "Hello label"
# Four codes, one per quarter of the page, with a blank cross between them on which the grid's
# middle lines would fall.
QR_SIZE = 100
QR_SPOTS = ((20, 20), (168, 20), (20, 168), (168, 168))
GRID_LINE = 144


def four_code_document():
    texts = ("{%code%}", "{%SERIAL%}", "{%date%}", LITERAL)
    return labeldoc.document(*(labeldoc.qr_record(text, pos=spot, size=(QR_SIZE, QR_SIZE))
                               for text, spot in zip(texts, QR_SPOTS)))


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    match = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(match.group(1)), int(match.group(2))
    return width, height, data[match.end():]


class PrintOnlyRun(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cups = PrivateCups()
        cls.cups.start()
        cls.cups.add_pdf_queue()

    @classmethod
    def tearDownClass(cls):
        cls.cups.stop()

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="sabbeth-print-")
        self.addCleanup(shutil.rmtree, self.dir, ignore_errors=True)
        for pdf in self.cups.pdfs():
            os.remove(pdf)
        self.jobs_before = len(self.cups.jobs())

    def write(self, name, data):
        path = os.path.join(self.dir, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def run_sabbeth(self, document, cups_env=None, extra=(), cwd=None):
        home = os.path.join(self.dir, "home")
        os.makedirs(home, exist_ok=True)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   QT_QPA_PLATFORM="offscreen",
                   **(cups_env if cups_env is not None else self.cups.env))
        env.pop("LPDEST", None)
        env.pop("PRINTER", None)
        result = subprocess.run([SABBETH, "--print", "--config", document, *extra], env=env,
                                capture_output=True, text=True, timeout=RUN_TIMEOUT, cwd=cwd)
        # In a sanitizer build a refused document must be refused, not crash.
        self.assertNotRegex(result.stderr, "Sanitizer|runtime error")
        return result

    def stored_document(self):
        conf = os.path.join(self.dir, "home", ".config", "Korvel", "Sabbeth.conf")
        with open(conf) as f:
            match = re.search(r"^MostRecentFile=(.*)$", f.read(), re.M)
        return match.group(1) if match else None

    def test_prints_filled_placeholders_on_one_label_page(self):
        data = four_code_document()
        document = self.write("label.tmq", data)
        result = self.run_sabbeth("label.tmq", extra=("--code", CODE, "-s", SERIAL), cwd=self.dir)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.stored_document(), document, "--config is stored absolute")
        pdf = self.cups.wait_for_pdf()

        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True)
        self.assertRegex(info.stdout, r"Pages:\s+1\n")
        self.assertRegex(info.stdout, rf"Page size:\s+{PAGE_POINTS} x {PAGE_POINTS} pts")

        prefix = os.path.join(self.dir, "page")
        subprocess.run(["pdftoppm", "-r", str(RENDER_DPI), "-gray", "-singlefile", pdf, prefix],
                       check=True, timeout=RUN_TIMEOUT)
        image = prefix + ".pgm"
        scan = subprocess.run(["zbarimg", "--raw", "-q", image], capture_output=True, text=True,
                              timeout=RUN_TIMEOUT)
        today = datetime.date.today().isoformat()
        self.assertEqual(sorted(scan.stdout.splitlines()), sorted([CODE, SERIAL, today, LITERAL]))

        with open(document, "rb") as f:
            self.assertEqual(f.read(), data, "printing changed the document")
        self.assert_blank_cross(image)
        self.assert_printed_full_size(image)

    def store_page_size(self, side_mm):
        """The square page Sabbeth prints on, stored as its page setting dialog stores it: a
        QSizeF goes into the settings file as a QVariant streamed in Qt 4.0's format (the type,
        then two big-endian doubles), every byte escaped."""
        folder = os.path.join(self.dir, "home", ".config", "Korvel")
        os.makedirs(folder, exist_ok=True)
        streamed = struct.pack(">I2d", QVARIANT_SIZEF, side_mm, side_mm)
        escaped = "".join(f"\\x{byte:02x}" for byte in streamed)
        with open(os.path.join(folder, "Sabbeth.conf"), "w") as f:
            f.write(f"[Printer]\nPageSizeMM=@Variant({escaped})\n")

    def test_factory_template_prints_the_device_on_a_4x2_label(self):
        """The template that Tarnwick hands over, as the build writes it, on a page larger than
        the label both ways, so that ink past the label's right or bottom edge would show."""
        code, serial = "KV0123456789ABCD", "SN-2026-000417"
        self.store_page_size(LARGE_PAGE_INCHES * 25.4)
        result = self.run_sabbeth(TEMPLATE, extra=("--code", code, "--serial", serial))
        self.assertEqual(result.returncode, 0, result.stderr)
        pdf = self.cups.wait_for_pdf()
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True)
        self.assertRegex(info.stdout, r"Pages:\s+1\n")
        large = LARGE_PAGE_INCHES * 72
        self.assertRegex(info.stdout, rf"Page size:\s+{large} x {large} pts")

        prefix = os.path.join(self.dir, "template")
        subprocess.run(["pdftoppm", "-r", str(RENDER_DPI), "-gray", "-singlefile", pdf, prefix],
                       check=True, timeout=RUN_TIMEOUT)
        image = prefix + ".pgm"
        width, height, pixels = read_pgm(image)
        self.assertEqual((width, height), (LARGE_PAGE_INCHES * RENDER_DPI,) * 2)
        label = (4 * RENDER_DPI, 2 * RENDER_DPI)
        outside = [(i % width, i // width) for i in range(len(pixels))
                   if pixels[i] < 250 and (i % width >= label[0] or i // width >= label[1])]
        self.assertEqual(outside[:1], [],
                         f"{len(outside)} inked pixels beyond the 4 x 2 inch label, the first")
        # As a 203 dpi label printer puts it on paper: black and white, no smoothing.
        label_printer = os.path.join(self.dir, "203dpi")
        subprocess.run(["pdftoppm", "-r", "203", "-mono", "-aa", "no", "-aaVector", "no",
                        "-singlefile", pdf, label_printer], check=True, timeout=RUN_TIMEOUT)
        scan = subprocess.run(["zbarimg", "--raw", "-q", label_printer + ".pbm"],
                              capture_output=True, text=True, timeout=RUN_TIMEOUT)
        self.assertEqual(scan.stdout.splitlines(), [code])
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True,
                              check=True, timeout=RUN_TIMEOUT).stdout
        self.assertIn(serial, text)
        self.assertIn(datetime.date.today().isoformat(), text)

    def assert_printed_full_size(self, image):
        """The label fills the page 1:1: the codes' corners are where the document puts them."""
        width, height, pixels = read_pgm(image)
        dark = [(i % width, i // width) for i in range(len(pixels)) if pixels[i] < 128]
        scale = RENDER_DPI / 72
        first, last = QR_SPOTS[0][0] * scale, (QR_SPOTS[-1][0] + QR_SIZE) * scale
        for axis in (0, 1):
            self.assertAlmostEqual(min(p[axis] for p in dark), first, delta=2)
            self.assertAlmostEqual(max(p[axis] for p in dark) + 1, last, delta=2)

    def assert_blank_cross(self, image):
        """No grid line: the middle column and row of the page stay paper white."""
        width, height, pixels = read_pgm(image)
        self.assertEqual((width, height), (PAGE_POINTS * RENDER_DPI // 72,) * 2)
        line = GRID_LINE * RENDER_DPI // 72
        column = [pixels[y * width + line] for y in range(height)]
        row = pixels[line * width:(line + 1) * width]
        self.assertGreaterEqual(min(column), 250)
        self.assertGreaterEqual(min(row), 250)

    def assert_nothing_printed(self, result):
        self.assertNotEqual(result.returncode, 0)
        self.assertTrue(result.stderr.strip(), "the failure is reported on standard error")
        self.assertEqual(len(self.cups.jobs()), self.jobs_before)
        self.assertEqual(self.cups.pdfs(), [])

    def test_unreadable_documents_print_nothing(self):
        good = four_code_document()
        cases = {
            "broken magic": b"\x00" + good[1:],
            "version 3": labeldoc.document(version=3),
            "truncated record": good[:-5],
            "unknown item type": labeldoc.document(labeldoc.i32(0x10009)),
        }
        for name, data in cases.items():
            with self.subTest(name):
                self.assert_nothing_printed(self.run_sabbeth(self.write("bad.tmq", data)))
        with self.subTest("missing file"):
            self.assert_nothing_printed(
                self.run_sabbeth(os.path.join(self.dir, "missing.tmq")))

    def test_config_naming_no_document_keeps_the_most_recent_one(self):
        document = self.write("label.tmq", four_code_document())
        self.assertEqual(self.run_sabbeth(document).returncode, 0)
        self.cups.wait_for_pdf()
        for pdf in self.cups.pdfs():
            os.remove(pdf)
        self.jobs_before = len(self.cups.jobs())
        for config in ("", os.path.join(self.dir, "missing.tmq")):
            with self.subTest(config=config):
                self.assert_nothing_printed(self.run_sabbeth(config))
                self.assertEqual(self.stored_document(), document)

    def test_without_printer_fails_without_hanging(self):
        document = self.write("label.tmq", four_code_document())
        no_server = {"CUPS_SERVER": os.path.join(self.dir, "no-cups.sock")}
        result = self.run_sabbeth(document, cups_env=no_server)
        self.assertNotEqual(result.returncode, 0)
        # Said in the program's language, Chinese unless the user chose English.
        self.assertRegex(result.stderr.lower(), "printer|打印机")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--sabbeth", required=True)
    parser.add_argument("--template", required=True)
    args, rest = parser.parse_known_args()
    SABBETH = os.path.abspath(args.sabbeth)
    TEMPLATE = os.path.abspath(args.template)
    unittest.main(argv=[sys.argv[0], *rest])
