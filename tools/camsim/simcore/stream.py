"""Live and playback stream on each camera's stream port.

The client sends one request (120 bytes live, 192 playback); the camera answers with a
40-byte acknowledgement that carries its 20-byte media description and then pushes one
message per video picture or 320-byte audio frame. Every head is 20 bytes, big-endian,
magic "KTVQ".

Camera keys (all optional):
    "stream": {
        "video": path of an Annex B clip, "video_codec": "h264" | "h265",
        "audio": path of raw G.711 audio, "audio_codec": "alaw" | "ulaw",
        "width": 1920, "height": 1080, "fps": 25,
        "realtime": true  (send at the clip's pace; false pushes as fast as the client reads),
        "loop": true      (start the clip again at its end; false holds the connection idle)
    }
Fault knobs in camera["faults"], applied to every connection:
    "stream_silent": true              accept, then never answer
    "stream_bad_ack": "magic" | "length" | "command" | "short"
    "stream_command3_after": N         a bare head with command 3 after frame N
    "stream_oversized_after": N        after frame N, a frame announcing
    "stream_oversized_length": L       a payload of L bytes (default 0x7FFFFFF0), never sent
    "stream_close_mid_payload_after": N  after frame N, half a frame and then a close
    "stream_bad_dollar_after": N       after frame N, a media header without '$'
    "stream_playback_extra": N         playback frames carry an extra block of N bytes
Journal entries (protocol "stream"): event "connect", "request" (command, channel, stream,
begin, end, file, request as hex), "closed".
"""
import asyncio
import struct

from simcore import annexb
from simcore.tcp_service import hold_until_closed, listen, receive_exact

MAGIC = b"KTVQ"
HEAD_SIZE = 20
LIVE_REQUEST, LIVE_ACK, LIVE_FRAME, SKIPPED_COMMAND = 0, 1, 2, 3
PLAYBACK_REQUEST, PLAYBACK_ACK, PLAYBACK_FRAME = 4, 5, 6
PAYLOAD_TYPES = {"h264": 96, "h265": 97, "alaw": 8, "ulaw": 0}
# 20 ms of 8 kHz G.711 is 160 bytes; the cameras send 40 ms per message.
AUDIO_FRAME_BYTES = 320
AUDIO_FRAME_MS = 40
# Media description word values the camera reports for its audio.
AUDIO_BITS, AUDIO_CHANNELS, AUDIO_RATE = 16, 1, 8000
NO_PAYLOAD_TYPE = 0xFF


async def start(simulator):
    async def serve(reader, writer, camera):
        await _serve(simulator, reader, writer, camera)

    await listen(simulator, simulator.cameras, lambda camera: camera["stream_port"], serve)


def make_head(length, command, byte12=0, byte13=0):
    return MAGIC + struct.pack(">IHH", length, 0x0100, command) + bytes([byte12, byte13]) + bytes(6)


class Frame:
    """One media message: payload type, key flag, timestamp (ms) and payload bytes."""

    def __init__(self, payload_type, key, timestamp, payload):
        self.payload_type = payload_type
        self.key = key
        self.timestamp = timestamp
        self.payload = payload

    def media_header(self, frame_word, length=None):
        length = len(self.payload) if length is None else length
        return struct.pack(">BBBBQII", 0x24, 0, self.payload_type, 1 if self.key else 0,
                           self.timestamp, frame_word, length)


# The frames of each clip configuration, built once: the clips do not change during a run.
_frames_cache = {}


def _frames_of(settings):
    key = repr(sorted(settings.items()))
    if key not in _frames_cache:
        _frames_cache[key] = _build_frames(settings)
    return _frames_cache[key]


def _build_frames(settings):
    frames = []
    if settings.get("video"):
        codec = settings.get("video_codec", "h264")
        with open(settings["video"], "rb") as clip:
            units = annexb.split_access_units(clip.read(), codec)
        interval = 1000.0 / max(1, int(settings.get("fps", 25)))
        frames += [Frame(PAYLOAD_TYPES[codec], key, int(index * interval), unit)
                   for index, (unit, key) in enumerate(units)]
    if settings.get("audio"):
        payload_type = PAYLOAD_TYPES[settings.get("audio_codec", "alaw")]
        with open(settings["audio"], "rb") as clip:
            audio = clip.read()
        frames += [Frame(payload_type, False, index * AUDIO_FRAME_MS, audio[offset:offset + AUDIO_FRAME_BYTES])
                   for index, offset in enumerate(range(0, len(audio), AUDIO_FRAME_BYTES))]
    # Stable sort: at equal times video stays ahead of audio.
    frames.sort(key=lambda frame: frame.timestamp)
    return frames


def media_description(settings):
    video = PAYLOAD_TYPES.get(settings.get("video_codec", "h264")) if settings.get("video") else NO_PAYLOAD_TYPE
    audio = PAYLOAD_TYPES.get(settings.get("audio_codec", "alaw")) if settings.get("audio") else NO_PAYLOAD_TYPE
    return bytes([video, audio, AUDIO_BITS, AUDIO_CHANNELS]) + struct.pack(
        ">IIII", AUDIO_RATE, int(settings.get("width", 1920)), int(settings.get("height", 1080)),
        int(settings.get("fps", 25)))


async def _serve(simulator, reader, writer, camera):
    journal = simulator.journal
    faults = camera["faults"]
    journal.record(camera["id"], "stream", event="connect")
    try:
        if faults.get("stream_silent"):
            await hold_until_closed(reader)
            return
        request = await _read_request(reader)
        if request is None:
            return
        command = struct.unpack(">H", request[10:12])[0]
        journal.record(camera["id"], "stream", event="request", command=command,
                       channel=request[20], stream=request[21], request=request.hex(),
                       **_playback_fields(request))
        settings = camera.get("stream", {})
        playback = command == PLAYBACK_REQUEST
        description = media_description(settings)
        if not await _send_ack(writer, faults, playback, description):
            return
        await _push_frames(writer, faults, settings, playback, description)
        await hold_until_closed(reader)
    finally:
        journal.record(camera["id"], "stream", event="closed")


async def _read_request(reader):
    head = await receive_exact(reader, HEAD_SIZE)
    if len(head) < HEAD_SIZE or head[:4] != MAGIC:
        return None
    length = struct.unpack(">I", head[4:8])[0]
    if length not in (120, 192):
        return None
    rest = await receive_exact(reader, length - HEAD_SIZE)
    return head + rest if len(rest) == length - HEAD_SIZE else None


def _playback_fields(request):
    if len(request) < 192:
        return {}
    begin, end = struct.unpack("<ii", request[120:128])
    return {"begin": begin, "end": end, "file": request[128:192].split(b"\0", 1)[0]}


async def _send_ack(writer, faults, playback, description):
    magic, length = MAGIC, 40
    command = PLAYBACK_ACK if playback else LIVE_ACK
    fault = faults.get("stream_bad_ack")
    if fault == "magic":
        magic = b"QVTK"
    elif fault == "length":
        length = 44
    elif fault == "command":
        command = LIVE_FRAME
    ack = magic + make_head(length, command)[4:] + description
    if fault == "short":
        writer.write(ack[:30])
        await writer.drain()
        return False
    writer.write(ack)
    await writer.drain()
    return True


async def _push_frames(writer, faults, settings, playback, description):
    frames = _frames_of(settings)
    if not frames:
        return
    realtime = settings.get("realtime", True)
    loop = settings.get("loop", True)
    clock = asyncio.get_running_loop().time
    frame_word = 0
    while True:
        started = clock()
        for frame in frames:
            if realtime:
                await asyncio.sleep(max(0.0, started + frame.timestamp / 1000.0 - clock()))
            if not _send_frame(writer, faults, frame, frame_word, playback, description):
                await writer.drain()
                return
            await writer.drain()
            frame_word += 1
        if not loop:
            return


def _send_frame(writer, faults, frame, frame_word, playback, description):
    """Queues one frame and the fault that follows it; False once the connection is done."""
    if playback:
        extra = int(faults.get("stream_playback_extra", 0))
        head = make_head(60 + extra, PLAYBACK_FRAME, 1 if extra else 0, 2 if extra else 0)
        writer.write(head + frame.media_header(frame_word) + description +
                     b"\xEE" * extra + frame.payload)
    else:
        writer.write(make_head(40, LIVE_FRAME) + frame.media_header(frame_word) + frame.payload)
    sent = frame_word + 1
    if faults.get("stream_command3_after") == sent:
        writer.write(make_head(40, SKIPPED_COMMAND))
    if faults.get("stream_oversized_after") == sent:
        length = int(faults.get("stream_oversized_length", 0x7FFFFFF0))
        writer.write(make_head(40, LIVE_FRAME) + frame.media_header(frame_word, length))
        return False
    if faults.get("stream_bad_dollar_after") == sent:
        writer.write(make_head(40, LIVE_FRAME) + b"#" + frame.media_header(frame_word)[1:] +
                     frame.payload)
    if faults.get("stream_close_mid_payload_after") == sent:
        writer.write(make_head(40, LIVE_FRAME) + frame.media_header(frame_word) +
                     frame.payload[:max(1, len(frame.payload) // 2)])
        writer.close()
        return False
    return True
