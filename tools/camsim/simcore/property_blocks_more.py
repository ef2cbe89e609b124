"""The property blocks of fill light, IR cut, detection, masks, audio, image sensor and the
GB/T 28181 registration, added to the first blocks of property_blocks.

Camera keys read here (all optional): "light_modes" (the light modes offered, in the
camera's order; a list may repeat a mode, as some firmware does), "ircut_polarity",
"motion_grid" ([columns, rows] of the watched grid) and "gb28181_server".
"""
import struct

from simcore.property_blocks import LAYOUTS as FIRST_LAYOUTS, Layout
from simcore.wire import (OPTION_SLOT_BYTES, RANGE_SLOT_BYTES, SHORT_SLOT_BYTES,
                          TIME_SEGMENT_BYTES, put_float, put_option_slot, put_range_slot,
                          put_short_slot, put_text, put_word)

DAY_SECONDS = 86400
EVERY_DAY = 0x7F  # bit 0 Sunday ... bit 6 Saturday


def _values(*offsets):
    return [(offset, 4) for offset in offsets]


def _slot_values(first, count, stride):
    """The value words (+8) of count slots that follow each other from first."""
    return _values(*(first + 8 + stride * index for index in range(count)))


def _put_time_segment(block, offset, in_use, start, end, days=EVERY_DAY, fourth=0):
    put_short_slot(block, offset, in_use)
    ranges = offset + SHORT_SLOT_BYTES
    put_range_slot(block, ranges, start, 0, DAY_SECONDS - 1)
    put_range_slot(block, ranges + RANGE_SLOT_BYTES, end, 0, DAY_SECONDS - 1)
    put_range_slot(block, ranges + 2 * RANGE_SLOT_BYTES, days, 0, EVERY_DAY)
    put_range_slot(block, ranges + 3 * RANGE_SLOT_BYTES, fourth, 0, 1)


def _time_segment_values(offset):
    return _values(offset + 8) + _slot_values(offset + SHORT_SLOT_BYTES, 4, RANGE_SLOT_BYTES)


def _put_float_range(block, offset, value, low=0.0, high=100.0):
    put_range_slot(block, offset, 0)
    put_float(block, offset + 8, value)
    put_float(block, offset + 12, value)
    put_float(block, offset + 16, low)
    put_float(block, offset + 20, high)


# ---- Command 20: fill light ------------------------------------------------------------------

LIGHT_MODES = (0, 1, 2, 16, 17, 18)
LIGHT_NIGHT = 2924


def _light(camera, _channel):
    block = bytearray(3564)
    modes = camera.get("light_modes", LIGHT_MODES)
    put_option_slot(block, 0, 0, (0, 1))                     # hard photosensor
    put_option_slot(block, 148, 2, (2, 4, 8, 16))            # image mode: auto
    put_option_slot(block, 296, modes[0], modes)             # light mode
    put_option_slot(block, 444, 4, (2, 4, 8))                # turn-on sensitivity: medium
    put_option_slot(block, 592, 4, (2, 4, 8))                # auto-adjust: medium
    put_short_slot(block, 740, 0)
    for index in range(6):
        put_range_slot(block, 756 + RANGE_SLOT_BYTES * index, 0, 0, 100)
    put_option_slot(block, 1692, 0, (0, 1))                  # red light: auto dimming
    put_range_slot(block, 1840, 80, 0, 100)                  # red brightness
    put_range_slot(block, 1996, 0, 0, 100)
    put_range_slot(block, 2152, 0, 0, 100)
    put_option_slot(block, 2308, 0, (0, 1))                  # warm light: auto dimming
    put_range_slot(block, 2456, 60, 0, 100)                  # warm brightness
    put_range_slot(block, 2612, 0, 0, 100)
    put_range_slot(block, 2768, 0, 0, 100)
    _put_time_segment(block, LIGHT_NIGHT, 1, 18 * 3600, 6 * 3600)
    return block


def _light_written(_body):
    return (_slot_values(0, 5, OPTION_SLOT_BYTES) + _values(748)
            + _slot_values(756, 6, RANGE_SLOT_BYTES) + _values(1700)
            + _slot_values(1840, 3, RANGE_SLOT_BYTES) + _values(2316)
            + _slot_values(2456, 3, RANGE_SLOT_BYTES) + _time_segment_values(LIGHT_NIGHT))


# ---- Command 24: IR cut -----------------------------------------------------------------------

def _ircut(camera, _channel):
    block = bytearray(16)
    put_short_slot(block, 0, camera.get("ircut_polarity", 0), 0)
    return block


# ---- Command 9: human detection ------------------------------------------------------------

def _humanoid(_camera, _channel):
    block = bytearray(172)
    put_short_slot(block, 0, 0)
    put_range_slot(block, 16, 50, 1, 100)
    return block


# ---- Command 10: four detection regions --------------------------------------------------------

REGION_WIRE = 2980
REGION_SLOTS = 19  # colours, point count, then x and y of eight points
REGION_COLOURS = (0xFF00A0FF, 0xFFFF00FF, 0xFFFFFF00, 0xFF00FF00)
ALARM_COLOUR = 0xFFFF0000


def _signed(value):
    return struct.unpack("<i", struct.pack("<I", value))[0]


def _roi(_camera, _channel):
    block = bytearray(REGION_WIRE * 4)
    corners = ((10.0, 10.0), (90.0, 10.0), (90.0, 90.0), (10.0, 90.0))
    for region in range(4):
        base = REGION_WIRE * region
        put_short_slot(block, base, 1 if region == 0 else 0)
        put_range_slot(block, base + 16, _signed(REGION_COLOURS[region]))
        put_range_slot(block, base + 172, _signed(ALARM_COLOUR))
        put_range_slot(block, base + 328, 4 if region == 0 else 0, 0, 8)
        for point in range(8):
            x, y = corners[point] if region == 0 and point < 4 else (0.0, 0.0)
            _put_float_range(block, base + 484 + 2 * RANGE_SLOT_BYTES * point, x)
            _put_float_range(block, base + 640 + 2 * RANGE_SLOT_BYTES * point, y)
    return block


def _roi_written(_body):
    fields = []
    for region in range(4):
        base = REGION_WIRE * region
        fields += _values(base + 8) + _slot_values(base + 16, REGION_SLOTS, RANGE_SLOT_BYTES)
    return fields


# ---- Command 11: four arming tasks ---------------------------------------------------------

TASK_WIRE = 1116


def _arming(_camera, _channel):
    block = bytearray(TASK_WIRE * 4)
    for task in range(4):
        base = TASK_WIRE * task
        put_short_slot(block, base, 1 if task == 0 else 0)
        put_range_slot(block, base + 16, 0, 0, 2)               # repeat mode
        put_range_slot(block, base + 172, task, 0, 3)           # region
        put_option_slot(block, base + 328, 0, (0, 1, 2, 3))     # alarm tone
        _put_time_segment(block, base + 476, 1, 0, DAY_SECONDS - 1, EVERY_DAY, 1)
    return block


def _arming_written(_body):
    fields = []
    for task in range(4):
        base = TASK_WIRE * task
        fields += _values(*(base + offset for offset in (8, 24, 180, 336)))
        fields += _time_segment_values(base + 476)
    return fields


# ---- Command 13: motion detection --------------------------------------------------------------

MOTION_NIGHT = 344
GRID_COLUMNS_AT, GRID_ROWS_AT, GRID_CELLS_AT = 1296, 1300, 1304
GRID_ROW_BYTES, GRID_ROWS = 32, 24
MOTION_WINDOWS = 2072
MOTION_ACTIONS = 4632


def _motion(camera, _channel):
    block = bytearray(4696)
    put_short_slot(block, 0, 1)
    put_range_slot(block, 16, 50, 1, 100)                       # day sensitivity
    put_range_slot(block, 172, 30, 1, 100)                      # day threshold
    put_short_slot(block, 328, 0)                               # night parameters off
    _put_time_segment(block, MOTION_NIGHT, 0, 19 * 3600, 7 * 3600)
    put_range_slot(block, 984, 60, 1, 100)                      # night sensitivity
    put_range_slot(block, 1140, 40, 1, 100)                     # night threshold
    columns, rows = camera.get("motion_grid", (22, 18))
    put_word(block, GRID_COLUMNS_AT, columns)
    put_word(block, GRID_ROWS_AT, rows)
    for row in range(min(rows, GRID_ROWS)):
        start = GRID_CELLS_AT + GRID_ROW_BYTES * row
        block[start:start + min(columns, GRID_ROW_BYTES)] = b"\x01" * min(columns, GRID_ROW_BYTES)
    for window in range(4):
        _put_time_segment(block, MOTION_WINDOWS + TIME_SEGMENT_BYTES * window,
                          1 if window == 0 else 0, 0, DAY_SECONDS - 1)
    for index, value in enumerate((1, 0, 0, 0)):
        put_short_slot(block, MOTION_ACTIONS + SHORT_SLOT_BYTES * index, value)
    return block


def _motion_written(_body):
    # The write carries the whole grid: cells outside its rows and columns arrive as zero.
    fields = _values(8, 24, 180, 336, 992, 1148, 368, 524)
    fields += [(GRID_COLUMNS_AT, 4), (GRID_ROWS_AT, 4), (GRID_CELLS_AT, GRID_ROWS * GRID_ROW_BYTES)]
    for window in range(4):
        fields += _time_segment_values(MOTION_WINDOWS + TIME_SEGMENT_BYTES * window)
    return fields + _slot_values(MOTION_ACTIONS, 4, SHORT_SLOT_BYTES)


# ---- Command 4: four privacy masks ---------------------------------------------------------

MASK_WIRE = 796


def _privacy_mask(_camera, _channel):
    block = bytearray(MASK_WIRE * 4)
    for mask in range(4):
        base = MASK_WIRE * mask
        put_short_slot(block, base, 0)
        put_range_slot(block, base + 16, 0, 0, 2)               # state: empty
        for index in range(4):                                  # x, y, width, height
            _put_float_range(block, base + 172 + RANGE_SLOT_BYTES * index, 0.0)
    return block


def _privacy_mask_written(_body):
    fields = []
    for mask in range(4):
        base = MASK_WIRE * mask
        fields += _values(base + 8) + _slot_values(base + 16, 5, RANGE_SLOT_BYTES)
    return fields


# ---- Command 21: image sensor (wire order) ---------------------------------------------------

# (wire offset, form, value, low, high, choices)
CAPTURE_SLOTS = (
    (0, "range", 50, 0, 100, ()), (156, "range", 50, 0, 100, ()), (312, "range", 50, 0, 100, ()),
    (468, "range", 50, 0, 100, ()), (624, "range", 0, 0, 100, ()), (780, "range", 0, 0, 100, ()),
    (936, "option", 50, 0, 0, (50, 60)),
    (1084, "short", 0, 0, 0, ()), (1100, "short", 0, 0, 0, ()), (1116, "short", 0, 0, 0, ()),
    (1132, "range", 128, 0, 255, ()), (1288, "range", 16, 0, 255, ()),
    (1444, "option", 0, 0, 0, (0, 1, 2)),
    (1592, "short", 0, 0, 0, ()), (1608, "short", 0, 0, 0, ()),
    (1624, "range", 0, 0, 100, ()), (1780, "range", 0, 0, 100, ()),
    (1936, "short", 0, 0, 0, ()), (1952, "short", 1, 0, 0, ()), (1968, "range", 50, 0, 100, ()),
    (2124, "short", 0, 0, 0, ()), (2140, "short", 0, 0, 0, ()), (2156, "range", 0, 0, 100, ()),
    (2312, "short", 1, 0, 0, ()), (2328, "short", 0, 0, 0, ()), (2344, "range", 30, 0, 100, ()),
    (2500, "option", 0, 0, 0, (0, 1)),
    (2648, "short", 0, 0, 0, ()), (2664, "short", 0, 0, 0, ()),
    (2680, "short", 0, 0, 0, ()), (2696, "short", 0, 0, 0, ()), (2712, "range", 0, 0, 100, ()),
    (2868, "option", 0, 0, 0, (0, 1)),
)


def _video_capture(_camera, _channel):
    block = bytearray(3016)
    for offset, form, value, low, high, choices in CAPTURE_SLOTS:
        if form == "short":
            put_short_slot(block, offset, value)
        elif form == "option":
            put_option_slot(block, offset, value, choices)
        else:
            put_range_slot(block, offset, value, low, high)
    return block


# ---- Commands 1, 2 and 23: audio ---------------------------------------------------------------

def _audio_capture(camera, _channel):
    block = bytearray(772)
    put_range_slot(block, 0, camera.get("audio_sample_rate", 8000), 8000, 32000,
                   choices=(8000, 16000, 32000))
    put_range_slot(block, 156, 16, 16, 16, choices=(16,))
    put_range_slot(block, 312, 80, 1, 100)                      # capture volume
    put_range_slot(block, 468, 80, 1, 100)                      # playback volume
    put_option_slot(block, 624, 0, (0, 1, 2))                   # input: auto
    return block


def _audio_codec(codecs):
    def factory(_camera, _channel):
        block = bytearray(164)
        put_short_slot(block, 0, 1)
        put_option_slot(block, 16, 0, codecs)
        return block
    return factory


# ---- Command 22: GB/T 28181 ----------------------------------------------------------------

ID_TEXT = 32


def _gb28181(camera, _channel):
    block = bytearray(3304)
    put_word(block, 0, 1)
    put_word(block, 4, 2)
    put_word(block, 12, 7)
    put_text(block, 16, ID_TEXT, camera.get("gb28181_server", ""))
    put_word(block, 48, 5060)
    put_text(block, 52, ID_TEXT, "34020000002000000001")
    put_text(block, 84, ID_TEXT, "3402000000")
    for offset, value in ((116, 3600), (120, 60), (124, 3), (224, 5060), (228, 0)):
        put_word(block, offset, value)
    put_text(block, 128, ID_TEXT, "34020000001320000001")
    put_text(block, 160, ID_TEXT, "34020000001320000001")
    put_text(block, 192, ID_TEXT, "12345678")
    put_text(block, 232, ID_TEXT, "34020000001310000001")
    return block


def _gb28181_written(_body):
    return [(8, 4), (16, 32), (48, 4), (52, 32), (84, 32), (116, 12), (128, 96), (224, 8),
            (232, 3 * 32 * ID_TEXT)]


# ---- Command 25: cover detection -----------------------------------------------------------------

COVER_WINDOWS = 952
COVER_ACTIONS = 3512


def _cover_detect(_camera, _channel):
    block = bytearray(3576)
    put_short_slot(block, 0, 0)
    put_range_slot(block, 16, 3, 1, 5)                           # sensitivity
    put_range_slot(block, 172, 50, 0, 100)                       # threshold
    for index, edge in enumerate((0.0, 0.0, 100.0, 100.0)):     # left, top, right, bottom
        _put_float_range(block, 328 + RANGE_SLOT_BYTES * index, edge)
    for window in range(4):
        _put_time_segment(block, COVER_WINDOWS + TIME_SEGMENT_BYTES * window,
                          1 if window == 0 else 0, 0, DAY_SECONDS - 1)
    for index, value in enumerate((0, 1, 0, 0)):
        put_short_slot(block, COVER_ACTIONS + SHORT_SLOT_BYTES * index, value)
    return block


def _cover_detect_written(_body):
    fields = _values(8) + _slot_values(16, 6, RANGE_SLOT_BYTES)
    for window in range(4):
        fields += _time_segment_values(COVER_WINDOWS + TIME_SEGMENT_BYTES * window)
    return fields + _slot_values(COVER_ACTIONS, 4, SHORT_SLOT_BYTES)


LAYOUTS = dict(FIRST_LAYOUTS)
LAYOUTS.update({
    20: Layout(3564, _light, _light_written),
    24: Layout(16, _ircut, lambda body: _values(8)),
    9: Layout(172, _humanoid, lambda body: _values(8, 24)),
    10: Layout(REGION_WIRE * 4, _roi, _roi_written),
    11: Layout(TASK_WIRE * 4, _arming, _arming_written),
    13: Layout(4696, _motion, _motion_written),
    4: Layout(MASK_WIRE * 4, _privacy_mask, _privacy_mask_written),
    21: Layout(3016, _video_capture,
               lambda body: _values(*(offset + 8 for offset, *_ in CAPTURE_SLOTS))),
    1: Layout(772, _audio_capture, lambda body: _values(8, 164, 320, 476, 632)),
    2: Layout(164, _audio_codec((0, 1)), lambda body: _values(8, 24)),
    23: Layout(164, _audio_codec((0, 1, 2)), lambda body: _values(8, 24)),
    22: Layout(3304, _gb28181, _gb28181_written),
    25: Layout(3576, _cover_detect, _cover_detect_written),
})
