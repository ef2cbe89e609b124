"""camsim's RTSP side, spoken to with raw sockets: the request sequence, Digest and Basic
authorisation, refused transports, the outage and stall knobs, a TEARDOWN heard though the client
resets the connection right behind it, and H.264 in RTP (single NAL units and FU-A) over the
RTSP connection."""
import base64
import hashlib
import json
import os
import socket
import struct
import subprocess
import tempfile
import threading
import time
import unittest

from simcore import annexb, rtp_h264, rtsp
from simcore.config import _with_defaults
from simcore.journal import Journal
from simcore.simulator import Simulator

PORT = 8554
_addresses = (f"127.0.0.{host}" for host in range(61, 250))
_clip_folder = tempfile.TemporaryDirectory()


def make_clip():
    path = os.path.join(_clip_folder.name, "cif.h264")
    if not os.path.exists(path):
        subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc2=size=352x288:rate=25", "-t", "1", "-c:v", "libx264", "-g", "25",
                        "-bf", "0", "-pix_fmt", "yuv420p", "-f", "h264", path], check=True)
    return path


def md5(text):
    return hashlib.md5(text.encode("utf-8")).hexdigest()


def digest_parameters(challenge):
    """{key: value} of a 'Digest key="value", ...' challenge."""
    scheme, _, rest = challenge.partition(" ")
    assert scheme == "Digest", challenge
    return dict((key.strip(), value.strip().strip('"')) for key, _, value in
                (part.partition("=") for part in rest.split(",")))


class Client:
    """An RTSP client on one connection, reading replies and interleaved packets. It
    authorises with Digest when the camera challenged it so (with qop "auth" when qop is
    set), else with Basic."""

    def __init__(self, address, user="admin", password="pw", qop=False):
        self.socket = socket.create_connection((address, PORT), timeout=5)
        self.address = address
        self.user, self.password, self.qop = user, password, qop
        self.challenge = None
        self.cseq = 0
        self.buffer = b""

    def close(self):
        self.socket.close()

    def request(self, method, uri=None, headers=(), authorise=True):
        """Sends the request; the first one that needs authorisation goes without it, to
        learn the camera's challenge, the way a client does."""
        if authorise and self.challenge is None and method != "OPTIONS":
            status, reply_headers, body = self.send(method, uri, headers, False)
            if status != 401:
                return status, reply_headers, body
            self.challenge = reply_headers["www-authenticate"]
        return self.send(method, uri, headers, authorise)

    def send(self, method, uri=None, headers=(), authorise=True):
        self.write(method, uri, headers, authorise)
        return self.reply()

    def write(self, method, uri=None, headers=(), authorise=True):
        """Sends the request without waiting for its reply."""
        self.cseq += 1
        uri = uri or f"rtsp://{self.address}:{PORT}/mpeg4cif"
        lines = [f"{method} {uri} RTSP/1.0", f"CSeq: {self.cseq}", *headers]
        if authorise:
            lines.append(f"Authorization: {self.authorization(method, uri)}")
        self.socket.sendall(("\r\n".join(lines) + "\r\n\r\n").encode())

    def authorization(self, method, uri):
        if self.challenge is None or self.challenge.startswith("Basic"):
            return "Basic " + base64.b64encode(f"{self.user}:{self.password}".encode()).decode()
        fields = digest_parameters(self.challenge)
        secret = md5(f"{self.user}:{fields['realm']}:{self.password}")
        if self.qop:
            response = md5(f"{secret}:{fields['nonce']}:00000001:c0ffee:auth:"
                           f"{md5(f'{method}:{uri}')}")
            extra = ', qop=auth, nc=00000001, cnonce="c0ffee"'
        else:
            response = md5(f"{secret}:{fields['nonce']}:{md5(f'{method}:{uri}')}")
            extra = ""
        return (f'Digest username="{self.user}", realm="{fields["realm"]}", '
                f'nonce="{fields["nonce"]}", uri="{uri}", response="{response}"{extra}')

    def _read(self, count):
        while len(self.buffer) < count:
            piece = self.socket.recv(65536)
            if not piece:
                raise ConnectionError("closed")
            self.buffer += piece
        data, self.buffer = self.buffer[:count], self.buffer[count:]
        return data

    def reply(self):
        """(status, headers, body) of the next reply, skipping interleaved packets."""
        while True:
            while b"\r\n\r\n" not in self.buffer and not self.buffer.startswith(b"$"):
                piece = self.socket.recv(65536)
                if not piece:
                    raise ConnectionError("closed")
                self.buffer += piece
            if self.buffer.startswith(b"$"):
                self.packet()
                continue
            head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
            lines = head.decode().split("\r\n")
            headers = {k.strip().lower(): v.strip() for k, _, v in
                       (line.partition(":") for line in lines[1:])}
            body = self._read(int(headers.get("content-length", "0")))
            return int(lines[0].split(" ")[1]), headers, body

    def packet(self):
        """(channel, RTP packet) of the next interleaved frame."""
        head = self._read(4)
        if head[0] != 0x24:
            raise AssertionError(f"expected '$', got {head!r}")
        return head[1], self._read(struct.unpack(">H", head[2:4])[0])


class CameraCase(unittest.TestCase):
    """One camera with the keys of camera_keys, and a client connected to it."""
    camera_keys = {}

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.address = next(_addresses)
        camera = _with_defaults(dict({"id": "C1", "ip": self.address, "password": "pw",
                                      "rtsp_port": PORT,
                                      "rtsp": {"video": make_clip(), "fps": 200}},
                                     **self.camera_keys), 0)
        self.journal_path = os.path.join(self.folder.name, "journal.jsonl")
        self.simulator = Simulator({"cameras": [camera]}, Journal(self.journal_path))
        self.simulator.start_in_thread(["rtsp"])
        self.client = Client(self.address)

    def tearDown(self):
        self.client.close()
        self.simulator.stop()
        self.folder.cleanup()

    def journal(self):
        with open(self.journal_path, encoding="utf-8") as journal:
            return [json.loads(line) for line in journal]

    def setup_and_play(self):
        status, headers, _ = self.client.request(
            "SETUP", f"rtsp://{self.address}:{PORT}/mpeg4cif/track1",
            ["Transport: RTP/AVP/TCP;unicast;interleaved=0-1"])
        self.assertEqual(status, 200)
        self.assertIn("interleaved=0-1", headers["transport"])
        session = headers["session"].split(";")[0]
        status, headers, _ = self.client.request("PLAY", headers=[f"Session: {session}"])
        self.assertEqual(status, 200)
        return session, int(headers["rtp-info"].split("seq=")[1].split(";")[0])


class RtspSideTest(CameraCase):
    def test_options_and_describe_give_an_h264_sdp(self):
        status, headers, _ = self.client.request("OPTIONS", authorise=False)
        self.assertEqual((status, headers["public"]), (200, rtsp.PUBLIC))
        status, headers, body = self.client.request("DESCRIBE", headers=["Accept: application/sdp"])
        self.assertEqual((status, headers["content-type"]), (200, "application/sdp"))
        sdp = body.decode()
        self.assertIn("m=video 0 RTP/AVP 96", sdp)
        self.assertIn("a=rtpmap:96 H264/90000", sdp)
        sets = sdp.split("sprop-parameter-sets=")[1].split("\r\n")[0].split(",")
        self.assertEqual([base64.b64decode(s)[0] & 0x1F for s in sets], [7, 8])

    def test_requests_are_refused_with_the_right_status(self):
        uri = f"rtsp://{self.address}:{PORT}/mpeg4cif"
        cases = [  # (method, uri, headers, authorise, status)
            ("DESCRIBE", uri, [], False, 401),
            ("DESCRIBE", f"rtsp://{self.address}:{PORT}/other", [], True, 404),
            ("SETUP", uri + "/track1", ["Transport: RTP/AVP;unicast;client_port=5000-5001"],
             True, 461),
            ("PLAY", uri, ["Session: 1234"], True, 455),
            ("RECORD", uri, [], True, 501),
        ]
        for method, target, headers, authorise, expected in cases:
            with self.subTest(method=method, expected=expected):
                status, reply_headers, _ = self.client.request(method, target, headers, authorise)
                self.assertEqual(status, expected)
                if expected == 401:
                    fields = digest_parameters(reply_headers["www-authenticate"])
                    self.assertEqual(fields["realm"], "camsim")
                    self.assertRegex(fields["nonce"], "^[0-9a-f]{32}$")
        wrong = Client(self.address, password="nope")
        self.addCleanup(wrong.close)
        self.assertEqual(wrong.request("DESCRIBE")[0], 401)

    def test_play_sends_the_clip_as_rtp_and_teardown_ends_it(self):
        session, first_sequence = self.setup_and_play()
        nals, sequence, current, fragmented = [], first_sequence, b"", False
        while True:  # the first access unit, ended by the marker bit
            channel, packet = self.client.packet()
            self.assertEqual((channel, packet[0] >> 6, packet[1] & 0x7F), (0, 2, 96))
            self.assertEqual(struct.unpack(">H", packet[2:4])[0], sequence & 0xFFFF)
            sequence += 1
            payload = packet[12:]
            if payload[0] & 0x1F == rtp_h264.FU_A:
                fragmented = True
                if payload[1] & 0x80:
                    current = bytes([(payload[0] & 0xE0) | (payload[1] & 0x1F)])
                current += payload[2:]
                if payload[1] & 0x40:
                    nals.append(current)
            else:
                nals.append(payload)
            if packet[1] & 0x80:
                break
        with open(make_clip(), "rb") as clip:
            first_unit = annexb.split_access_units(clip.read(), annexb.H264)[0][0]
        self.assertEqual(nals, rtp_h264.nal_units(first_unit))
        self.assertTrue(fragmented, "the key frame should need FU-A")
        # The reply to TEARDOWN comes after the packets already on their way.
        status, _, _ = self.client.request("TEARDOWN", headers=[f"Session: {session}"])
        self.assertEqual(status, 200)
        methods = [entry["method"] for entry in self.journal()
                   if "method" in entry and entry["status"] == 200]
        self.assertEqual(methods, ["SETUP", "PLAY", "TEARDOWN"])

    def test_malformed_requests_end_the_connection(self):
        for garbage in (b"HELLO\r\n\r\n", b"DESCRIBE x RTSP/1.0\r\nContent-Length: -5\r\n\r\n",
                        b"A" * (rtsp.MAX_HEAD_BYTES + 10)):
            with self.subTest(garbage=garbage[:20]):
                client = Client(self.address)
                self.addCleanup(client.close)
                client.socket.sendall(garbage)
                with self.assertRaises(ConnectionError):
                    client.reply()


class ResetAfterTeardownTest(CameraCase):
    """A video client that leaves mid-stream closes with packets unread, so its kernel resets
    the connection right behind the TEARDOWN. The camera must still hear the TEARDOWN, also
    when its next packet is due before it gets round to reading."""

    def test_teardown_before_a_reset_is_heard(self):
        session, _ = self.setup_and_play()
        for _ in range(10):  # the sender is running
            self.client.packet()
        camera_waits, client_done = threading.Event(), threading.Event()

        def hold_the_camera():
            camera_waits.set()
            client_done.wait(5)

        def let_a_packet_come_due():
            # Blocks one round of the camera's loop past its next packet time: in the next
            # round that packet's sender is queued before the TEARDOWN can be seen.
            time.sleep(0.05)
            self.simulator.loop.call_soon(hold_the_camera)

        self.simulator.loop.call_soon_threadsafe(let_a_packet_come_due)
        self.assertTrue(camera_waits.wait(5))
        self.client.write("TEARDOWN", headers=[f"Session: {session}"])
        self.client.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                      struct.pack("ii", 1, 0))
        self.client.close()  # a reset, as with unread packets
        client_done.set()
        deadline = time.monotonic() + 5
        while "closed" not in [entry.get("event") for entry in self.journal()]:
            self.assertLess(time.monotonic(), deadline, "the connection never ended")
            time.sleep(0.01)
        self.assertIn("TEARDOWN", [entry.get("method") for entry in self.journal()])


class AuthorisationTest(unittest.TestCase):
    """User and password in UTF-8, checked as the scheme the camera asks for."""

    def test_each_scheme_takes_only_the_right_password(self):
        cases = [  # (rtsp_auth knob, client password, qop, expected DESCRIBE status)
            (None, "pwé", False, 200),
            (None, "pwé", True, 200),
            (None, "pwe", False, 401),
            (None, "pwé ", True, 401),
            ("basic", "pwé", False, 200),
            ("basic", "pw", False, 401),
        ]
        for knob, password, qop, expected in cases:
            with self.subTest(knob=knob, password=password, qop=qop):
                faults = {"rtsp_auth": knob} if knob else {}
                camera = _with_defaults({"id": "C1", "ip": next(_addresses), "user": "ÄÖ",
                                         "password": "pwé", "rtsp_port": PORT,
                                         "rtsp": {"video": make_clip()}, "faults": faults}, 0)
                with tempfile.TemporaryDirectory() as folder:
                    journal_path = os.path.join(folder, "journal.jsonl")
                    simulator = Simulator({"cameras": [camera]}, Journal(journal_path))
                    simulator.start_in_thread(["rtsp"])
                    client = Client(camera["ip"], "ÄÖ", password, qop)
                    try:
                        status, _, _ = client.request("DESCRIBE")
                        self.assertEqual(status, expected)
                        self.assertTrue(client.challenge.startswith(
                            "Basic " if knob else "Digest "), client.challenge)
                    finally:
                        client.close()
                        simulator.stop()
                    with open(journal_path, encoding="utf-8") as journal:
                        last = [json.loads(line) for line in journal if '"method"' in line][-1]
                    self.assertEqual((last["user"], last["scheme"], last["status"]),
                                     ("ÄÖ", "Basic" if knob else "Digest", expected))


class OutageTest(CameraCase):
    camera_keys = {"faults": {"rtsp_outage_after": 0.3, "rtsp_outage_for": 1.0}}

    def test_connections_are_cut_then_refused_then_served_again(self):
        self.setup_and_play()
        deadline = time.monotonic() + 5
        with self.assertRaises(ConnectionError):
            while time.monotonic() < deadline:  # packets until the outage cuts the connection
                self.client.packet()
        refused = Client(self.address)
        self.addCleanup(refused.close)
        with self.assertRaises(ConnectionError):
            refused.request("OPTIONS", authorise=False)
        deadline = time.monotonic() + 5
        while True:  # the outage ends: a new connection plays again
            self.assertLess(time.monotonic(), deadline, "the camera never came back")
            self.client.close()
            self.client = Client(self.address)
            try:
                self.setup_and_play()
                break
            except ConnectionError:
                continue
        events = [entry.get("event") or entry["method"] for entry in self.journal()]
        self.assertIn("refused", events)
        after_refusal = events[len(events) - events[::-1].index("refused"):]
        self.assertIn("PLAY", after_refusal)
        self.assertEqual(events.count("PLAY"), 2)


class StallTest(CameraCase):
    camera_keys = {"faults": {"rtsp_stall_after": 0.2, "rtsp_stall_for": 1.0}}

    def test_the_stream_pauses_once_on_an_open_connection(self):
        self.setup_and_play()
        arrivals = [time.monotonic()]
        while arrivals[-1] - arrivals[0] < 2.0:  # through the stall and on
            self.client.packet()
            arrivals.append(time.monotonic())
        gaps = sorted(later - earlier for earlier, later in zip(arrivals, arrivals[1:]))
        self.assertGreater(gaps[-1], 0.9)
        self.assertLess(gaps[-2], 0.5, "one stall only")
        events = [entry.get("event") for entry in self.journal()]
        self.assertEqual(events.count("stalled"), 1)
        self.assertNotIn("closed", events)


class PacketiserTest(unittest.TestCase):
    def test_nal_units_fit_or_are_split_into_fu_a(self):
        for size in (1, rtp_h264.MAX_PAYLOAD, rtp_h264.MAX_PAYLOAD + 1, 5000):
            with self.subTest(size=size):
                nal = bytes([0x65]) + bytes(range(256)) * (size // 256) + bytes(size % 256)
                nal = nal[:size]
                pieces = rtp_h264.payloads(nal)
                self.assertTrue(all(len(p) <= rtp_h264.MAX_PAYLOAD for p in pieces))
                if len(pieces) == 1:
                    self.assertEqual(pieces[0], nal)
                    continue
                self.assertEqual([p[0] for p in pieces], [0x60 | 28] * len(pieces))
                self.assertEqual(pieces[0][1], 0x80 | 5)
                self.assertEqual(pieces[-1][1], 0x40 | 5)
                self.assertEqual(nal[:1] + b"".join(p[2:] for p in pieces), nal)


if __name__ == "__main__":
    unittest.main()
