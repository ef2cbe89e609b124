"""An independent reader and writer of Sabbeth's label documents (".tmq") for the tests.

Written from the byte layouts alone: a document is the qint32 magic 0x034A9F21, the qint16
version 2, then item records up to the end of the file, each a qint32 type code and a body.
Everything is big-endian, as QDataStream writes it at stream version 19 (Qt 5.14).
"""

import struct

MAGIC = 0x034A9F21
VERSION = 2
BOX, QRCODE, TEXT = 0x10001, 0x10002, 0x10003

# Pen flags: style | cap style | join style, as one quint16.
SOLID_LINE, SQUARE_CAP, BEVEL_JOIN = 0x01, 0x10, 0x40
SOLID_PATTERN = 1
COLOR_MODEL_RGB = 1
IDENTITY = (1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0)


class Truncated(Exception):
    pass


# ---- writing -------------------------------------------------------------------------------

def i32(value):
    return struct.pack(">i", value)


def i16(value):
    return struct.pack(">h", value)


def f64(value):
    return struct.pack(">d", value)


def qstring(text):
    if text is None:
        return struct.pack(">I", 0xFFFFFFFF)
    data = text.encode("utf-16-be")
    return struct.pack(">I", len(data)) + data


def point(x, y):
    return f64(x) + f64(y)


def rect(x, y, w, h):
    return f64(x) + f64(y) + f64(w) + f64(h)


def color(r, g, b, a=255, model=COLOR_MODEL_RGB):
    # Each 8-bit channel is stored as 16 bits (value * 257), then a zero pad.
    return struct.pack(">bHHHHH", model, a * 257, r * 257, g * 257, b * 257, 0)


def brush(style=0, rgb=(0, 0, 0)):
    return struct.pack(">B", style) + color(*rgb) + b"".join(f64(v) for v in IDENTITY)


def pen(width=1.0, flags=SOLID_LINE | SQUARE_CAP | BEVEL_JOIN, rgb=(0, 0, 0), dashes=(),
        default_width=True, dash_count=None, dash_offset=0.0):
    count = len(dashes) if dash_count is None else dash_count
    return (struct.pack(">HB", flags, 0) + f64(width) + brush(SOLID_PATTERN, rgb) + f64(2.0) +
            struct.pack(">I", count) + b"".join(f64(d) for d in dashes) + f64(dash_offset) +
            struct.pack(">B", 1 if default_width else 0))


def font(family, point_size, weight=50, bits=0x10, pixel_size=-1):
    return (qstring(family) + qstring(None) + f64(point_size) + i32(pixel_size) +
            struct.pack(">BHBBBHB", 5, 1, 0, weight, bits, 0, 1) + i32(0) + i32(0) +
            struct.pack(">BB", 0, 0) + struct.pack(">I", 0))


def box_record(pos=(0.0, 0.0), angle=0.0, size=(90, 30), z=0.0, box_rect=None,
               pen_bytes=None, brush_bytes=None):
    w, h = size
    r = box_rect if box_rect is not None else (-w / 2, -h / 2, w, h)
    return (i32(BOX) + point(*pos) + f64(angle) + i32(w) + i32(h) + f64(z) + rect(*r) +
            (pen_bytes if pen_bytes is not None else pen()) +
            (brush_bytes if brush_bytes is not None else brush()))


def qr_record(text, pos=(0.0, 0.0), angle=0.0, size=(50, 50), z=0.0):
    return (i32(QRCODE) + point(*pos) + f64(angle) + i32(size[0]) + i32(size[1]) + f64(z) +
            qstring(text))


def text_record(text, pos=(0.0, 0.0), z=0.0, family="Helvetica", point_size=3.0,
                pixel_size=-1):
    return (i32(TEXT) + point(*pos) + f64(z) + qstring(text) +
            font(family, point_size, pixel_size=pixel_size))


def document(*records, magic=MAGIC, version=VERSION):
    return i32(magic) + i16(version) + b"".join(records)


# ---- reading -------------------------------------------------------------------------------

class Reader:
    def __init__(self, data, offset=0):
        self.data = data
        self.offset = offset

    def at_end(self):
        return self.offset >= len(self.data)

    def take(self, fmt):
        size = struct.calcsize(fmt)
        if self.offset + size > len(self.data):
            raise Truncated(f"need {size} bytes at {self.offset}")
        values = struct.unpack_from(fmt, self.data, self.offset)
        self.offset += size
        return values if len(values) > 1 else values[0]

    def qstring(self):
        size = self.take(">I")
        if size == 0xFFFFFFFF:
            return None
        if self.offset + size > len(self.data):
            raise Truncated("string")
        text = self.data[self.offset:self.offset + size].decode("utf-16-be")
        self.offset += size
        return text

    def color(self):
        model, a, r, g, b, _pad = self.take(">bHHHHH")
        return {"model": model, "rgba": (r >> 8, g >> 8, b >> 8, a >> 8)}

    def brush(self):
        style = self.take(">B")
        col = self.color()
        transform = self.take(">9d")
        return {"style": style, "color": col, "transform": transform}

    def pen(self):
        flags, cosmetic = self.take(">HB")
        width = self.take(">d")
        pen_brush = self.brush()
        miter = self.take(">d")
        count = self.take(">I")
        dashes = [self.take(">d") for _ in range(count)]
        dash_offset = self.take(">d")
        default_width = self.take(">B")
        return {"style": flags & 0x0F, "cap": flags & 0x30, "join": flags & 0x1C0,
                "cosmetic": bool(cosmetic), "width": width, "brush": pen_brush, "miter": miter,
                "dashes": dashes, "dash_offset": dash_offset, "default_width": bool(default_width)}

    def font(self):
        family = self.qstring()
        style_name = self.qstring()
        point_size = self.take(">d")
        pixel_size = self.take(">i")
        hint, strategy, _zero, weight, bits, stretch, extended = self.take(">BHBBBHB")
        letter, word = self.take(">ii")
        hinting, capital = self.take(">BB")
        families = [self.qstring() for _ in range(self.take(">I"))]
        return {"family": family, "style_name": style_name, "point_size": point_size,
                "pixel_size": pixel_size, "weight": weight, "italic": bool(bits & 0x01),
                "families": families}

    def record(self):
        code = self.take(">i")
        if code == BOX:
            rec = {"type": "box", "pos": self.take(">2d"), "angle": self.take(">d"),
                   "size": self.take(">2i"), "z": self.take(">d"), "rect": self.take(">4d")}
            rec["pen"] = self.pen()
            rec["brush"] = self.brush()
        elif code == QRCODE:
            rec = {"type": "qr", "pos": self.take(">2d"), "angle": self.take(">d"),
                   "size": self.take(">2i"), "z": self.take(">d"), "text": self.qstring()}
        elif code == TEXT:
            rec = {"type": "text", "pos": self.take(">2d"), "z": self.take(">d"),
                   "text": self.qstring()}
            rec["font"] = self.font()
        else:
            raise ValueError(f"unknown item type {code:#x}")
        return rec


def read_document(data):
    """(version, records bottom first); raises on a bad header or a damaged record."""
    reader = Reader(data)
    magic, version = reader.take(">ih")
    if magic != MAGIC:
        raise ValueError("not a label document")
    records = []
    while not reader.at_end():
        records.append(reader.record())
    return version, records
