"""Splits an Annex B elementary stream (H.264 or H.265) into access units.

A camera sends one picture per stream message; a key frame carries its parameter sets in
front of the IDR picture. The units returned here, joined, give back the input exactly.
"""

H264 = "h264"
H265 = "h265"


def nal_starts(data):
    """Offsets of each NAL unit's start code (its leading zero byte included when four long)
    and of its header byte, as (start, header) pairs."""
    starts = []
    position = data.find(b"\x00\x00\x01")
    while position != -1 and position + 3 < len(data):
        start = position - 1 if position > 0 and data[position - 1] == 0 else position
        starts.append((start, position + 3))
        position = data.find(b"\x00\x00\x01", position + 3)
    return starts


def _h264_kind(data, header):
    nal_type = data[header] & 0x1F
    if nal_type in (1, 5):
        # first_mb_in_slice == 0 (its ue(v) code is a single 1 bit) opens a new picture.
        first_in_picture = header + 1 < len(data) and data[header + 1] & 0x80
        return ("slice", nal_type == 5, bool(first_in_picture))
    if nal_type in (6, 7, 8, 9):
        return ("prefix", False, False)
    return ("other", False, False)


def _h265_kind(data, header):
    nal_type = (data[header] >> 1) & 0x3F
    if nal_type <= 31:
        # first_slice_segment_in_pic_flag is the first bit after the two header bytes.
        first_in_picture = header + 2 < len(data) and data[header + 2] & 0x80
        return ("slice", 16 <= nal_type <= 21, bool(first_in_picture))
    if nal_type in (32, 33, 34, 35, 39):
        return ("prefix", False, False)
    return ("other", False, False)


def split_access_units(data, codec):
    """Returns [(unit bytes, is key frame)], one entry per picture."""
    kind_of = _h264_kind if codec == H264 else _h265_kind
    starts = nal_starts(data)
    if not starts:
        return [(bytes(data), False)] if data else []
    units = []
    unit_begin = 0
    has_slice = False
    is_key = False
    for start, header in starts:
        kind, key, first_in_picture = kind_of(data, header)
        opens_unit = has_slice and (kind == "prefix" or (kind == "slice" and first_in_picture))
        if opens_unit and start > unit_begin:
            units.append((bytes(data[unit_begin:start]), is_key))
            unit_begin, has_slice, is_key = start, False, False
        if kind == "slice":
            has_slice = True
            is_key = is_key or key
    units.append((bytes(data[unit_begin:]), is_key))
    return units
