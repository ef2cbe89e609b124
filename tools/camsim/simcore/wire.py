"""Packing helpers for the cameras' binary property blocks (little-endian bodies)."""
import struct

OPTION_SLOT_BYTES = 148
RANGE_SLOT_BYTES = 156
SHORT_SLOT_BYTES = 16
TIME_SEGMENT_BYTES = SHORT_SLOT_BYTES + 4 * RANGE_SLOT_BYTES
LIST_PLACES = 32


def put_word(block, offset, value):
    struct.pack_into("<i", block, offset, value)


def put_float(block, offset, value):
    struct.pack_into("<f", block, offset, value)


def word_at(block, offset):
    return struct.unpack_from("<i", block, offset)[0]


def put_text(block, offset, width, text):
    """A NUL-terminated text in a field of width bytes (cut to width - 1)."""
    data = text.encode("utf-8")[: width - 1]
    block[offset:offset + width] = data + bytes(width - len(data))


def put_short_slot(block, offset, value, default=None):
    put_word(block, offset + 8, value)
    put_word(block, offset + 12, value if default is None else default)


def put_option_slot(block, offset, value, choices=(), default=None):
    put_short_slot(block, offset, value, default)
    _put_list(block, offset + 16, choices)


def put_range_slot(block, offset, value, low=0, high=0, default=None, choices=()):
    put_short_slot(block, offset, value, default)
    put_word(block, offset + 16, low)
    put_word(block, offset + 20, high)
    _put_list(block, offset + 24, choices)


def _put_list(block, offset, values):
    values = list(values)[:LIST_PLACES]
    put_word(block, offset, len(values))
    for index, value in enumerate(values):
        put_word(block, offset + 4 + 4 * index, value)
