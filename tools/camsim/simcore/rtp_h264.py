"""H.264 over RTP: one access unit becomes RTP packets, each NAL unit in a packet of its
own when it fits and split into FU-A fragments when it does not; the marker bit closes
the access unit. Also the SDP parameter sets of a clip.
"""
import base64
import struct

from simcore import annexb

PAYLOAD_TYPE = 96
CLOCK_RATE = 90000
# Payload bytes per RTP packet: a camera keeps packets inside an Ethernet frame.
MAX_PAYLOAD = 1400
FU_A = 28
NAL_SPS, NAL_PPS = 7, 8


def nal_units(access_unit):
    """The NAL units of an Annex B access unit, start codes removed."""
    starts = annexb.nal_starts(access_unit)
    units = []
    for index, (_, header) in enumerate(starts):
        end = starts[index + 1][0] if index + 1 < len(starts) else len(access_unit)
        if end > header:
            units.append(access_unit[header:end])
    return units


def payloads(nal):
    """The RTP payloads that carry one NAL unit: itself, or FU-A fragments."""
    if len(nal) <= MAX_PAYLOAD:
        return [nal]
    indicator = (nal[0] & 0xE0) | FU_A
    nal_type = nal[0] & 0x1F
    body = nal[1:]
    step = MAX_PAYLOAD - 2
    pieces = [body[offset:offset + step] for offset in range(0, len(body), step)]
    fragments = []
    for index, piece in enumerate(pieces):
        start_bit = 0x80 if index == 0 else 0
        end_bit = 0x40 if index == len(pieces) - 1 else 0
        fragments.append(bytes([indicator, start_bit | end_bit | nal_type]) + piece)
    return fragments


class Packetiser:
    """Numbers and stamps the packets of one RTP session."""

    def __init__(self, ssrc, first_sequence=0):
        self.ssrc = ssrc
        self.sequence = first_sequence

    def packets(self, access_unit, timestamp):
        """RTP packets for one access unit at the given 90 kHz timestamp."""
        all_payloads = [payload for nal in nal_units(access_unit) for payload in payloads(nal)]
        packets = []
        for index, payload in enumerate(all_payloads):
            marker = 0x80 if index == len(all_payloads) - 1 else 0
            header = struct.pack(">BBHII", 0x80, marker | PAYLOAD_TYPE, self.sequence & 0xFFFF,
                                 timestamp & 0xFFFFFFFF, self.ssrc)
            packets.append(header + payload)
            self.sequence += 1
        return packets


def sprop_parameter_sets(clip):
    """The first SPS and PPS of the clip in base64, comma-joined, for the SDP's fmtp; and
    the profile-level-id (three bytes of the SPS in hex). Empty texts when absent."""
    found = {}
    for nal in nal_units(clip):
        kind = nal[0] & 0x1F
        if kind in (NAL_SPS, NAL_PPS) and kind not in found:
            found[kind] = nal
        if len(found) == 2:
            break
    sets = ",".join(base64.b64encode(found[kind]).decode() for kind in (NAL_SPS, NAL_PPS)
                    if kind in found)
    sps = found.get(NAL_SPS, b"")
    profile = sps[1:4].hex().upper() if len(sps) >= 4 else ""
    return sets, profile
