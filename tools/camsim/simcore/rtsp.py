"""RTSP live video on each camera's RTSP port (554 unless "rtsp_port" says otherwise).

One presentation, "/mpeg4cif", with one H.264 track. The client asks OPTIONS, DESCRIBE,
SETUP (RTP over the RTSP connection only: "RTP/AVP/TCP;interleaved=a-b"), PLAY and
TEARDOWN; after PLAY the camera sends the clip as RTP packets framed by '$', the channel
and a 16-bit length, looping it at its own pace until TEARDOWN or the client leaves.
Requests need Digest authorisation (MD5, qop "auth" or none) with the camera's user and
password, which may be any UTF-8 text.

Camera keys (all optional):
    "rtsp_port": 554
    "rtsp": {"video": path of an Annex B H.264 clip, "fps": 25, "loop": true}
Fault knobs in camera["faults"]:
    "rtsp_auth": "basic"        ask for Basic authorisation instead of Digest
    "rtsp_outage_after": S      S seconds after the camera's first PLAY, close every RTSP
    "rtsp_outage_for": T        connection of the camera and refuse new ones (accept and close
                                at once) for T seconds; then serve again (one outage a run)
    "rtsp_stall_after": S       once a stream has played S seconds, send nothing for T
    "rtsp_stall_for": T         seconds with the connection kept open, then go on (one stall
                                a run), as a camera whose encoder hangs
Journal entries (protocol "rtsp"): one per request (method, uri, cseq, user, scheme of its
Authorization header or "", status, transport, session, range); event "closed" when the connection ends; event "refused" for a
connection closed at once during an outage; event "stalled" when a stall starts.
"""
import asyncio
import random

from simcore import annexb, rtp_h264
from simcore.rtsp_auth import Authenticator
from simcore.tcp_service import READ_CHUNK, listen

DEFAULT_PORT = 554
PATH = "/mpeg4cif"
TRACK = "track1"
PUBLIC = "OPTIONS, DESCRIBE, SETUP, PLAY, TEARDOWN"
# Bounds on what one request may bring: a head of header lines, and a body.
MAX_HEAD_BYTES = 16384
MAX_BODY_BYTES = 65536
SESSION_TIMEOUT = 60
REASONS = {200: "OK", 400: "Bad Request", 401: "Unauthorized", 404: "Not Found",
           454: "Session Not Found", 455: "Method Not Valid in This State",
           461: "Unsupported Transport", 501: "Not Implemented"}


async def start(simulator):
    sides = {}

    async def serve(reader, writer, camera):
        if camera["id"] not in sides:
            sides[camera["id"]] = CameraSide(simulator, camera)
        await sides[camera["id"]].serve(reader, writer)

    def refused(port, error):
        # Port 554 needs privileges; the other protocols are still worth serving.
        print(f"camsim: no RTSP on port {port}: {error}", flush=True)

    await listen(simulator, simulator.cameras,
                 lambda camera: camera.get("rtsp_port", DEFAULT_PORT), serve, refused)


# The access units of each clip, split once: clips do not change during a run.
_units_cache = {}


def _clip(path):
    if path not in _units_cache:
        with open(path, "rb") as source:
            data = source.read()
        _units_cache[path] = (annexb.split_access_units(data, annexb.H264),
                              rtp_h264.sprop_parameter_sets(data))
    return _units_cache[path]


class CameraSide:
    """What a camera's RTSP connections share: the authenticator, the outage and the stall."""

    def __init__(self, simulator, camera):
        self.simulator = simulator
        self.camera = camera
        self.authenticator = Authenticator(camera)
        faults = camera["faults"]
        self.outage_after = faults.get("rtsp_outage_after")
        self.outage_for = float(faults.get("rtsp_outage_for", 0))
        self.outage_starts = None
        self.stall_after = faults.get("rtsp_stall_after")
        self.stall_for = float(faults.get("rtsp_stall_for", 0))
        self.stalled = False
        self.connections = set()

    async def serve(self, reader, writer):
        if self._in_outage():
            self.simulator.journal.record(self.camera["id"], "rtsp", event="refused")
            return
        client = Connection(self, reader, writer)
        self.connections.add(client)
        try:
            await client.serve()
        finally:
            self.connections.discard(client)

    def played(self):
        """Arms the outage at the camera's first PLAY."""
        if self.outage_after is None or self.outage_starts is not None:
            return
        loop = asyncio.get_running_loop()
        self.outage_starts = loop.time() + float(self.outage_after)
        loop.call_at(self.outage_starts, self._cut_connections)

    def stall_due(self, played_for):
        """Seconds a stream that has played played_for seconds sends nothing for now: the
        stall, once, when it is due; else 0."""
        if self.stall_after is None or self.stalled or played_for < float(self.stall_after):
            return 0.0
        self.stalled = True
        self.simulator.journal.record(self.camera["id"], "rtsp", event="stalled")
        return self.stall_for

    def _in_outage(self):
        if self.outage_starts is None:
            return False
        now = asyncio.get_running_loop().time()
        return self.outage_starts <= now < self.outage_starts + self.outage_for

    def _cut_connections(self):
        for client in list(self.connections):
            client.cut()


class Request:
    def __init__(self, method, uri, headers, body):
        self.method = method
        self.uri = uri
        self.headers = headers  # lower-case names
        self.body = body

    def header(self, name, otherwise=""):
        return self.headers.get(name.lower(), otherwise)


class Connection:
    """One client connection: reads requests, answers them, and runs the sender after
    PLAY. Replies and RTP packets share the connection's writer."""

    def __init__(self, side, reader, writer):
        self.side = side
        self.simulator = side.simulator
        self.camera = side.camera
        self.reader = _Reader(reader)
        self.writer = writer
        self.settings = self.camera.get("rtsp", {})
        self.session = None
        self.channel = None
        self.sender = None

    async def serve(self):
        try:
            while True:
                request = await self.reader.next_request()
                if request is None:
                    return
                if not await self._answer(request):
                    return
        finally:
            if self.sender is not None:
                self.sender.cancel()
            self.simulator.journal.record(self.camera["id"], "rtsp", event="closed")

    async def _answer(self, request):
        """Answers one request; False once the session is over."""
        status, extra, body = self._dispatch(request)
        self.simulator.journal.record(
            self.camera["id"], "rtsp", method=request.method, uri=request.uri,
            cseq=request.header("CSeq"),
            user=self.side.authenticator.user_of(request.header("Authorization")),
            scheme=request.header("Authorization").partition(" ")[0], status=status,
            transport=request.header("Transport"), session=request.header("Session"),
            range=request.header("Range"))
        lines = [f"RTSP/1.0 {status} {REASONS[status]}", f"CSeq: {request.header('CSeq', '0')}",
                 "Server: camsim"] + extra
        if body:
            lines.append(f"Content-Length: {len(body)}")
        self.writer.write(("\r\n".join(lines) + "\r\n\r\n").encode() + body)
        await self.writer.drain()
        if request.method == "PLAY" and status == 200:
            self.side.played()
            self.sender = asyncio.ensure_future(self._send_clip())
        return not (request.method == "TEARDOWN" and status == 200)
    def _dispatch(self, request):
        if request.method == "OPTIONS":
            return 200, [f"Public: {PUBLIC}"], b""
        if request.method not in ("DESCRIBE", "SETUP", "PLAY", "TEARDOWN"):
            return 501, [], b""
        authenticator = self.side.authenticator
        if not authenticator.authorised(request.method, request.header("Authorization")):
            return 401, [f"WWW-Authenticate: {authenticator.challenge()}"], b""
        if not _path_of(request.uri).startswith(PATH):
            return 404, [], b""
        return getattr(self, "_" + request.method.lower())(request)

    def _describe(self, request):
        if not self.settings.get("video"):
            return 404, [], b""
        sdp = self._sdp().encode()
        return 200, ["Content-Type: application/sdp",
                     f"Content-Base: {_base_uri(request.uri)}/"], sdp

    def _sdp(self):
        _, (sets, profile) = _clip(self.settings["video"])
        fmtp = "packetization-mode=1"
        if profile:
            fmtp += f";profile-level-id={profile}"
        if sets:
            fmtp += f";sprop-parameter-sets={sets}"
        address = self.camera["ip"]
        return "\r\n".join([
            "v=0", f"o=- {random.randint(1, 1 << 30)} 1 IN IP4 {address}", "s=camsim live",
            "c=IN IP4 0.0.0.0", "t=0 0", "a=control:*", "a=range:npt=0-",
            f"m=video 0 RTP/AVP {rtp_h264.PAYLOAD_TYPE}",
            f"a=rtpmap:{rtp_h264.PAYLOAD_TYPE} H264/{rtp_h264.CLOCK_RATE}",
            f"a=fmtp:{rtp_h264.PAYLOAD_TYPE} {fmtp}", f"a=control:{TRACK}", ""])

    def _setup(self, request):
        if self.session is not None:
            return 455, [], b""
        channel = _interleaved_channel(request.header("Transport"))
        if channel is None:
            return 461, [], b""
        self.channel = channel
        self.ssrc = random.randint(1, 0xFFFFFFFF)
        self.session = "%08X" % random.randint(1, 0xFFFFFFFF)
        return 200, [f"Transport: RTP/AVP/TCP;unicast;interleaved={channel}-{channel + 1};"
                     f"ssrc={self.ssrc:08X}",
                     f"Session: {self.session};timeout={SESSION_TIMEOUT}"], b""

    def _play(self, request):
        if self.session is None or self.sender is not None:
            return 455, [], b""
        if _session_id(request) != self.session:
            return 454, [], b""
        self.first_sequence = random.randint(0, 0x7FFF)
        self.first_timestamp = random.randint(0, 0x7FFFFFFF)
        return 200, [f"Session: {self.session}", "Range: npt=0.000-",
                     f"RTP-Info: url={_base_uri(request.uri)}/{TRACK};seq={self.first_sequence};"
                     f"rtptime={self.first_timestamp}"], b""

    def _teardown(self, request):
        if self.session is None:
            return 455, [], b""
        if _session_id(request) != self.session:
            return 454, [], b""
        return 200, [], b""

    def cut(self):
        """Ends the connection from the camera's side (an outage): the reader sees the end
        and the sender's next write fails."""
        self.writer.close()

    async def _send_clip(self):
        units, _ = _clip(self.settings["video"])
        fps = max(1, int(self.settings.get("fps", 25)))
        loop = self.settings.get("loop", True)
        packetiser = rtp_h264.Packetiser(self.ssrc, self.first_sequence)
        clock = asyncio.get_running_loop().time
        started = clock()
        frame = 0
        try:
            while True:
                for unit, _ in units:
                    stall = self.side.stall_due(frame / fps)
                    if stall:
                        await asyncio.sleep(stall)
                        started += stall
                    await asyncio.sleep(max(0.0, started + frame / fps - clock()))
                    timestamp = self.first_timestamp + frame * rtp_h264.CLOCK_RATE // fps
                    for packet in packetiser.packets(unit, timestamp):
                        self.writer.write(b"$" + bytes([self.channel]) +
                                          len(packet).to_bytes(2, "big") + packet)
                    await self.writer.drain()
                    frame += 1
                if not loop:
                    return
        except ConnectionError:
            self.writer.close()  # the client went away; the reader sees the end


class _Reader:
    """Reads RTSP requests from the connection, skipping the client's interleaved
    packets (RTCP receiver reports)."""

    def __init__(self, reader):
        self.reader = reader
        self.buffer = bytearray()

    async def next_request(self):
        """The next request, or None when the peer closed or the request is malformed."""
        while True:
            if not await self._fill(1):
                return None
            if self.buffer[0] == 0x24:  # '$': an interleaved packet from the client
                if not await self._fill(4):
                    return None
                length = int.from_bytes(self.buffer[2:4], "big")
                if not await self._fill(4 + length):
                    return None
                del self.buffer[:4 + length]
                continue
            return await self._request()

    async def _request(self):
        end = self.buffer.find(b"\r\n\r\n")
        while end < 0:
            if len(self.buffer) > MAX_HEAD_BYTES or not await self._fill(len(self.buffer) + 1):
                return None
            end = self.buffer.find(b"\r\n\r\n")
        head = bytes(self.buffer[:end]).decode("latin-1").split("\r\n")
        del self.buffer[:end + 4]
        parts = head[0].split(" ")
        if len(parts) != 3 or not parts[2].startswith("RTSP/"):
            return None
        headers = {}
        for line in head[1:]:
            name, colon, value = line.partition(":")
            if colon:
                headers[name.strip().lower()] = value.strip()
        try:
            length = int(headers.get("content-length", "0"))
        except ValueError:
            return None
        if not 0 <= length <= MAX_BODY_BYTES or not await self._fill(length):
            return None
        body = bytes(self.buffer[:length])
        del self.buffer[:length]
        return Request(parts[0], parts[1], headers, body)

    async def _fill(self, count):
        """Reads until the buffer holds count bytes; False when that cannot happen."""
        while len(self.buffer) < count:
            piece = await self.reader.read(READ_CHUNK)
            if not piece:
                return False
            self.buffer += piece
        return True


def _path_of(uri):
    """The path of an rtsp:// URI (or of a bare path)."""
    if "://" in uri:
        rest = uri.split("://", 1)[1]
        slash = rest.find("/")
        return rest[slash:] if slash >= 0 else "/"
    return uri


def _base_uri(uri):
    """The presentation's URI as the client named it, without a track suffix."""
    base = uri.rstrip("/")
    if base.endswith("/" + TRACK):
        base = base[:-len(TRACK) - 1]
    return base


def _interleaved_channel(transport):
    """The first channel of "RTP/AVP/TCP;...;interleaved=a-b", or None for any other
    transport."""
    for option in transport.split(","):
        fields = [field.strip() for field in option.split(";")]
        if fields[0].upper() != "RTP/AVP/TCP":
            continue
        for field in fields[1:]:
            if field.startswith("interleaved="):
                first = field[len("interleaved="):].split("-")[0]
                if first.isdigit() and int(first) <= 254:
                    return int(first)
    return None


def _session_id(request):
    return request.header("Session").split(";")[0].strip()
