"""camsim's HTTP side, spoken to with raw sockets: block reads and merged writes, uploads and
the fault knobs."""
import base64
import hashlib
import json
import os
import socket
import struct
import tempfile
import time
import unittest

from simcore import http
from simcore.config import _with_defaults
from simcore.journal import Journal
from simcore.simulator import Simulator

PORT = 8061
# Each camera of a test takes a fresh address: a stopped one lets go of its port only
# when its accept loop notices.
_addresses = (f"127.0.0.{host}" for host in range(61, 250))


def block_head(length, channel, command):
    return b"KTVQ" + struct.pack(">IBBHHH", length, 1, 3, channel, command, 0)


class Camera:
    """Simulated cameras served in this process for one test: the first with the given
    faults, then `others` more without any."""

    def __init__(self, others=0, **faults):
        self.folder = tempfile.TemporaryDirectory()
        self.addresses = [next(_addresses) for _ in range(1 + others)]
        self.address = self.addresses[0]
        cameras = [_with_defaults({"id": f"C{index + 1}", "ip": address, "http_port": PORT,
                                   "password": "pw", "faults": faults if index == 0 else {}},
                                  index) for index, address in enumerate(self.addresses)]
        self.journal_path = os.path.join(self.folder.name, "journal.jsonl")
        self.simulator = Simulator({"cameras": cameras}, Journal(self.journal_path))
        self.simulator.start_in_thread(["http"])
        self.camera = cameras[0]

    def close(self):
        self.simulator.stop()
        self.folder.cleanup()

    def journal(self, protocol):
        with open(self.journal_path, encoding="utf-8") as journal:
            entries = [json.loads(line) for line in journal]
        return [entry for entry in entries if entry["protocol"] == protocol]

    def send(self, method, target, body=b"", headers=(), password="pw", address=None):
        """A connection that carries the request; the caller reads the answer."""
        address = address or self.address
        auth = base64.b64encode(f"admin:{password}".encode()).decode()
        head = [f"{method} {target} HTTP/1.1", f"Host: {address}:{PORT}",
                f"Authorization: Basic {auth}", *headers, f"Content-Length: {len(body)}"]
        connection = socket.create_connection((address, PORT), timeout=5)
        connection.sendall(("\r\n".join(head) + "\r\n\r\n").encode() + body)
        return connection

    def exchange(self, method, target, body=b"", headers=(), password="pw", read=True,
                 address=None):
        with self.send(method, target, body, headers, password, address) as connection:
            if not read:
                connection.settimeout(0.3)
                return connection.recv(100)
            data = read_all(connection)
        reply_head, _, reply_body = data.partition(b"\r\n\r\n")
        return int(reply_head.split(b" ")[1]), reply_head.decode(), reply_body


def read_all(connection, pieces=None):
    """Everything until the peer closes; each piece as received is added to pieces."""
    data = b""
    while True:
        piece = connection.recv(65536)
        if not piece:
            return data
        data += piece
        if pieces is not None:
            pieces.append(piece)


class BlocksTest(unittest.TestCase):
    def setUp(self):
        self.cam = Camera()

    def tearDown(self):
        self.cam.close()

    def read(self, command, length, channel=1):
        status, _, body = self.cam.exchange("GET", http.PROPERTY_PATH,
                                            block_head(length, channel, command))
        self.assertEqual(status, 200)
        self.assertEqual(body[:16], block_head(length, channel, command))
        return body[16:]

    def test_time_write_merges_only_the_fields_of_its_mode(self):
        before = self.read(12, 880)
        body = bytearray(880)
        struct.pack_into("<iii", body, 8, 1, 0, 0)  # manual mode
        struct.pack_into("<ii", body, 148, 1700000000, 3)
        status, _, _ = self.cam.exchange("PUT", http.PROPERTY_PATH,
                                         block_head(880, 1, 12) + bytes(body))
        self.assertEqual(status, 200)
        after = self.read(12, 880)
        self.assertEqual(struct.unpack_from("<i", after, 8)[0], 1)
        self.assertEqual(after[12:148], before[12:148])  # the default and the mode list
        self.assertEqual(struct.unpack_from("<ii", after, 148), (1700000000, 3))
        self.assertEqual(after[172:301], before[172:301])  # the NTP server survives

    def test_each_stream_has_its_own_encoder_block(self):
        body = bytearray(self.read(3, 1060, channel=1))
        struct.pack_into("<i", body, 304, 3520288)
        self.cam.exchange("PUT", http.PROPERTY_PATH, block_head(1060, 1, 3) + bytes(body))
        self.assertEqual(struct.unpack_from("<i", self.read(3, 1060, 1), 304)[0], 3520288)
        self.assertEqual(struct.unpack_from("<i", self.read(3, 1060, 0), 304)[0], 19201080)

    def test_wrong_password_and_unknown_blocks_are_refused(self):
        status, head, _ = self.cam.exchange("GET", http.PROPERTY_PATH, block_head(880, 1, 12),
                                            password="bad")
        self.assertEqual(status, 401)
        self.assertIn("WWW-Authenticate", head)
        self.assertEqual(self.cam.exchange("GET", http.PROPERTY_PATH,
                                           block_head(880, 1, 30))[0], 400)
        self.assertEqual(self.cam.exchange("PUT", http.PROPERTY_PATH,
                                           block_head(1552, 0, 0) + bytes(1552))[0], 400)


def upload_head(data, name=b"tone.pcm", file_type=769, action=0x103):
    md5 = hashlib.md5(data).hexdigest().upper().encode()
    return (b"KVTQ" + struct.pack("<I", 1) + bytes(48) + struct.pack("<III", len(data), 1, action)
            + name.ljust(32, b"\0") + md5 + struct.pack("<III", 144, len(data), file_type))


def patched(data, offset, patch):
    return data[:offset] + patch + data[offset + len(patch):]


def upload_body(data, head=None, name=b"tone.pcm"):
    head = head or upload_head(data, name)
    boundary = b"----------------------ZRPostUpload"
    body = (b"--" + boundary + b"\r\nContent-Disposition: form-data; name=Filename\r\n\r\n"
            + name + b"\r\n--" + boundary + b"\r\nContent-Disposition: form-data; name=Filedata"
            b"\r\nContent-Type: application/octet-stream\r\n\r\n" + head + data
            + b"\r\n--" + boundary + b"--\r\n")
    headers = ("Content-Type: multipart/form-data; boundary=" + boundary.decode(),
               "X-CheckSum: " + hashlib.md5(head + data).hexdigest().upper())
    return body, headers


class UploadTest(unittest.TestCase):
    def setUp(self):
        self.cam = Camera()

    def tearDown(self):
        self.cam.close()

    def upload(self, body, headers):
        return self.cam.exchange("POST", "/System/OEM/UploadFile?Action=103", body, headers)[0]

    def test_upload_checks_both_checksums(self):
        data = bytes(range(256)) * 40
        good, headers = upload_body(data)
        self.assertEqual(self.upload(good, headers), 200)
        wrong_md5 = hashlib.md5(data + b"x").hexdigest().upper().encode()
        bad_head, headers = upload_body(data, patched(upload_head(data), 100, wrong_md5))
        self.assertEqual(self.upload(bad_head, headers), 400)
        _, wrong_sum = upload_body(data[:-1])
        self.assertEqual(self.upload(good, wrong_sum), 400)
        taken, bad_md5, bad_sum = self.cam.journal("upload")
        self.assertEqual((taken["name"], taken["error"], taken["well_formed"]),
                         ("tone.pcm", None, True))
        self.assertEqual((bad_md5["well_formed"], bad_sum["well_formed"]), (False, True))
        self.assertIn("X-CheckSum", bad_sum["error"])

    def test_every_head_field_is_journalled_and_checked(self):
        data = b"pcm" * 100
        head = upload_head(data)
        good, headers = upload_body(data, head)
        self.assertEqual(self.upload(good, headers), 200)
        self.assertEqual({key: value for key, value in self.cam.journal("upload")[0].items()
                          if key not in ("time", "camera", "protocol")},
                         {"target": "/System/OEM/UploadFile?Action=103", "well_formed": True,
                          "error": None, "magic": "KVTQ", "word_4": 1, "reserved": True,
                          "size": 300, "word_60": 1, "action": 0x103, "name": "tone.pcm",
                          "md5": hashlib.md5(data).hexdigest().upper(), "head_length": 144,
                          "size_again": 300, "file_type": 769})
        cases = [  # (what is wrong, offset, bytes written there, field that tells)
            ("magic", 0, b"KVTX", "magic"),
            ("word at 4", 4, struct.pack("<I", 2), "word_4"),
            ("reserved bytes", 30, b"\1", "reserved"),
            ("word at 60", 60, struct.pack("<I", 0), "word_60"),
            ("action of the other target", 64, struct.pack("<I", 0x101), "action"),
            ("name without NUL", 68, b"n" * 32, "name"),
            ("head length", 132, struct.pack("<I", 140), "head_length"),
            ("second size", 136, struct.pack("<I", 299), "size_again"),
            ("file type", 140, struct.pack("<I", 513), "file type"),
        ]
        for what, offset, patch, tell in cases:
            with self.subTest(what=what):
                self.assertEqual(self.upload(*upload_body(data, patched(head, offset, patch))),
                                 400)
                entry = self.cam.journal("upload")[-1]
                self.assertFalse(entry["well_formed"])
                self.assertIn(tell, entry["error"])


class FaultTest(unittest.TestCase):
    def test_reply_forms_carry_the_same_block(self):
        bodies = []
        for faults in ({}, {"http_chunked": True}, {"http_close_delimited": True}):
            cam = Camera(**faults)
            try:
                status, head, body = cam.exchange("GET", http.PROPERTY_PATH,
                                                  block_head(24, 1, 7))
            finally:
                cam.close()
            self.assertEqual(status, 200)
            if faults.get("http_chunked"):
                self.assertIn("Transfer-Encoding: chunked", head)
                size, _, rest = body.partition(b"\r\n")
                body = rest[:int(size, 16)]
            bodies.append(body)
        self.assertEqual(bodies[0], bodies[1])
        self.assertEqual(bodies[0], bodies[2])

    def test_trickling_answer_comes_byte_by_byte_without_holding_up_others(self):
        cam = Camera(others=1, http_trickle=0.02)
        self.addCleanup(cam.close)
        plain = cam.exchange("GET", "/nowhere", address=cam.addresses[1])
        trickling = cam.send("GET", "/nowhere")
        self.addCleanup(trickling.close)
        self.assertEqual(len(trickling.recv(65536)), 1)
        # The other camera answers in full while this answer has only begun.
        self.assertEqual(cam.exchange("GET", "/nowhere", address=cam.addresses[1]), plain)
        pieces = []
        data = b"H" + read_all(trickling, pieces)
        self.assertEqual(data.partition(b"\r\n\r\n")[2], plain[2])
        self.assertTrue(data.startswith(b"HTTP/1.1 404 Not Found\r\n"))
        # Under load a reader may find two bytes waiting at once, never a whole answer.
        self.assertGreater(len(pieces), len(data) // 4)

    def test_refused_write_leaves_the_block_readable_and_unchanged(self):
        cam = Camera(http_write_status={"command:7": 500})
        self.addCleanup(cam.close)
        before = cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7))
        self.assertEqual(before[0], 200)
        status, _, _ = cam.exchange("PUT", http.PROPERTY_PATH, block_head(24, 1, 7) + bytes(24))
        self.assertEqual(status, 500)
        self.assertEqual(cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7)), before)
        # Only the named block's writes are refused.
        status, _, _ = cam.exchange("PUT", http.PROPERTY_PATH, block_head(20, 1, 8) + bytes(20))
        self.assertEqual(status, 200)

    def test_faults_taken_midway_apply_to_the_next_request(self):
        cam = Camera()
        self.addCleanup(cam.close)
        self.assertEqual(cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7))[0], 200)
        refusing = dict(cam.camera, faults={"http_status": {"command:7": 500}})
        cam.simulator.loop.call_soon_threadsafe(cam.simulator.take_faults, [refusing])
        deadline = time.monotonic() + 30
        while not cam.journal("control"):
            self.assertLess(time.monotonic(), deadline, "the faults were never taken")
            time.sleep(0.005)
        self.assertEqual(cam.journal("control")[0]["action"], "faults")
        self.assertEqual(cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7))[0], 500)

    def test_silent_camera_never_answers(self):
        cam = Camera(http_silent=True)
        try:
            with self.assertRaises(socket.timeout):
                cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7), read=False)
        finally:
            cam.close()


if __name__ == "__main__":
    unittest.main()
