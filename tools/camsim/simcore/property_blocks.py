"""The cameras' property blocks: wire length, factory contents and the fields a write
carries, per command code of the 16-byte block head.

Each layout gives factory(camera, channel) -> bytearray of the wire length, and
written(body) -> [(offset, width), ...], the wire fields that a PUT of that block sets (a
camera keeps every other byte, so defaults, lists and unsent fields survive a write).
"""
import time

from simcore import user_accounts
from simcore.wire import (OPTION_SLOT_BYTES, RANGE_SLOT_BYTES, put_float, put_option_slot,
                          put_range_slot, put_short_slot, put_text, put_word, word_at)


class Layout:
    def __init__(self, length, factory, written, per_channel=False, writable=True, apply=None):
        self.length = length
        self.factory = factory
        self.written = written
        self.per_channel = per_channel  # one block per head channel (the stream encoders)
        self.writable = writable
        # apply(block, body) -> bool, for a block whose write is a command rather than new
        # field values (the user accounts); it takes the place of merging the written fields.
        self.apply = apply


def _values(*offsets):
    return [(offset, 4) for offset in offsets]


# ---- Command 0: the device record (read only; the SDK's login reads it) --------------------

def _device(camera, _channel):
    block = bytearray(1552)
    put_word(block, 0, 1)
    put_text(block, 4, 32, camera["hardware_version"])
    put_text(block, 52, 32, camera["firmware_version"])
    put_text(block, 84, 32, camera.get("build_time", "2024-05-01 12:00:00"))
    put_text(block, 116, 64, camera.get("serial", camera["id"]))
    put_text(block, 180, 64, camera.get("product_id", camera["id"]))
    return block


# ---- Command 12: the clock ----------------------------------------------------------------

MODE_NTP, MODE_MANUAL = 0, 1


def _time(camera, _channel):
    block = bytearray(880)
    put_option_slot(block, 0, camera.get("time_mode", MODE_NTP), (MODE_NTP, MODE_MANUAL))
    put_word(block, 148, int(time.time()))
    put_word(block, 152, camera.get("time_zone", 8))
    put_word(block, 156, 1)
    put_text(block, 172, 129, camera.get("ntp_server", "pool.ntp.org"))
    put_range_slot(block, 568, 123, 1, 65535)
    put_range_slot(block, 724, 60, 1, 1440)
    return block


def _time_written(body):
    mode = word_at(body, 8)
    if mode == MODE_NTP:
        return _values(8, 156, 576, 732) + [(172, 129)]
    if mode == MODE_MANUAL:
        return _values(8, 148, 152)
    return _values(8)


# ---- Command 15: scheduled maintenance --------------------------------------------------------

def _maintain(camera, _channel):
    block = bytearray(168)
    put_short_slot(block, 0, camera.get("maintain_enabled", 0))
    put_option_slot(block, 16, camera.get("maintain_days", 128), (1, 2, 4, 8, 16, 32, 64, 128))
    put_word(block, 164, camera.get("maintain_time", 3 * 3600))
    return block


# ---- Small records ----------------------------------------------------------------------------

def _dns(camera, _channel):
    block = bytearray(24)
    block[8:12] = bytes(int(part) for part in camera["dns1"].split("."))
    block[20:24] = bytes(int(part) for part in camera["dns2"].split("."))
    return block


def _ip_adaption(_camera, _channel):
    block = bytearray(20)
    put_short_slot(block, 0, 1)
    return block


def _alarm_linkage(_camera, _channel):
    block = bytearray(64)
    for index, value in enumerate((0, 1, 0, 1)):
        put_short_slot(block, 16 * index, value)
    return block


# ---- Command 3: the encoder of one stream (channel 0 main, 1 sub) -------------------------------

MAIN_RESOLUTIONS = (19201080, 12800720)
SUB_RESOLUTIONS = (6400360, 3520288)


def _video_encode(_camera, channel):
    main = channel == 0
    block = bytearray(1060)
    put_option_slot(block, 0, 1, (1, 2))
    put_option_slot(block, OPTION_SLOT_BYTES, 0, (0,))
    resolutions = MAIN_RESOLUTIONS if main else SUB_RESOLUTIONS
    put_option_slot(block, 2 * OPTION_SLOT_BYTES, resolutions[0], resolutions)
    put_option_slot(block, 3 * OPTION_SLOT_BYTES, 0, (0, 1))
    put_range_slot(block, 592, 4096 if main else 512, 64, 8192)
    put_range_slot(block, 592 + RANGE_SLOT_BYTES, 25 if main else 15, 1, 30)
    put_range_slot(block, 592 + 2 * RANGE_SLOT_BYTES, 50, 1, 200)
    return block


# ---- Command 5: OSD ---------------------------------------------------------------------

TITLE_WIRE = 1060
TITLE_VALUES = (156, 172, 328, 484, 640, 796)
TITLE_TEXT = 812
DATE_VALUES = (4396, 4412, 4568, 4724, 4880, 5036, 5052, 5068, 5084, 5232)


def _osd(camera, _channel):
    block = bytearray(5372)
    put_option_slot(block, 0, 0, (0,))
    for k in range(4):
        base = 148 + TITLE_WIRE * k
        put_short_slot(block, base, 1 if k == 0 else 0)
        put_range_slot(block, base + 16, 0, 0, 100)
        put_float(block, base + 24, 5.0)
        put_range_slot(block, base + 172, 0, 0, 100)
        put_float(block, base + 180, 10.0 + 10 * k)
        put_text(block, base + 664, 129, camera["device_name"] if k == 0 else "")
    put_short_slot(block, 4388, 1)
    put_float(block, 4412, 60.0)
    put_float(block, 4568, 5.0)
    put_short_slot(block, 5028, 1)
    put_option_slot(block, 5076, 0, range(6))
    return block


def _osd_written(_body):
    fields = []
    for k in range(4):
        fields += _values(*(offset + TITLE_WIRE * k for offset in TITLE_VALUES))
        fields.append((TITLE_TEXT + TITLE_WIRE * k, 129))
    return fields + _values(*DATE_VALUES)


# ---- Command 6: the wired interface --------------------------------------------------------------

def _address(text):
    return bytes(int(part) for part in text.split("."))


def _network(camera, _channel):
    nic = camera["nics"][0]
    block = bytearray(3072)
    put_word(block, 816, 1 if nic.get("dhcp") else 0)
    block[832:838] = bytes(int(part, 16) for part in nic["mac"].split(":"))
    block[848:852] = _address(nic["ip"])
    block[860:864] = _address(nic["mask"])
    block[872:876] = _address(nic["gateway"])
    return block


LAYOUTS = {
    0: Layout(1552, _device, lambda body: [], writable=False),
    12: Layout(880, _time, _time_written),
    15: Layout(168, _maintain, lambda body: _values(8, 24, 164)),
    18: Layout(4464, lambda camera, channel: bytearray(4464), lambda body: [], writable=False),
    19: Layout(48, lambda camera, channel: bytearray(48), lambda body: [], writable=False),
    7: Layout(24, _dns, lambda body: [(0, 24)]),
    8: Layout(20, _ip_adaption, lambda body: _values(8)),
    17: Layout(64, _alarm_linkage, lambda body: _values(8, 24, 40, 56)),
    14: Layout(user_accounts.LENGTH, user_accounts.factory, lambda body: [],
               apply=user_accounts.apply),
    3: Layout(1060, _video_encode,
              lambda body: _values(8, 156, 304, 452, 600, 756, 912), per_channel=True),
    5: Layout(5372, _osd, _osd_written),
    6: Layout(3072, _network, lambda body: _values(816) + [(840, 36)]),
}
