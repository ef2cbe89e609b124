"""camsim's HTTP side, spoken to with raw sockets: block reads and merged writes, uploads and
the fault knobs."""
import base64
import hashlib
import os
import socket
import struct
import tempfile
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
    """One simulated camera served in this process for one test."""

    def __init__(self, **faults):
        self.folder = tempfile.TemporaryDirectory()
        self.address = next(_addresses)
        camera = _with_defaults({"id": "C1", "ip": self.address, "http_port": PORT,
                                 "password": "pw", "faults": faults}, 0)
        self.simulator = Simulator({"cameras": [camera]},
                                   Journal(os.path.join(self.folder.name, "journal.jsonl")))
        http.start(self.simulator)
        self.camera = camera

    def close(self):
        self.simulator.stop()
        self.folder.cleanup()

    def exchange(self, method, target, body=b"", headers=(), password="pw", read=True):
        auth = base64.b64encode(f"admin:{password}".encode()).decode()
        head = [f"{method} {target} HTTP/1.1", f"Host: {self.address}:{PORT}",
                f"Authorization: Basic {auth}", *headers, f"Content-Length: {len(body)}"]
        connection = socket.create_connection((self.address, PORT), timeout=5)
        with connection:
            connection.sendall(("\r\n".join(head) + "\r\n\r\n").encode() + body)
            if not read:
                connection.settimeout(0.3)
                return connection.recv(100)
            data = b""
            while True:
                piece = connection.recv(65536)
                if not piece:
                    break
                data += piece
        reply_head, _, reply_body = data.partition(b"\r\n\r\n")
        return int(reply_head.split(b" ")[1]), reply_head.decode(), reply_body


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


def upload_body(data, name=b"tone.pcm", file_type=769, action=0x103, bad_md5=False):
    md5 = hashlib.md5(data + (b"x" if bad_md5 else b"")).hexdigest().upper().encode()
    head = (b"KVTQ" + struct.pack("<I", 1) + bytes(48) + struct.pack("<III", len(data), 1, action)
            + name.ljust(32, b"\0") + md5 + struct.pack("<III", 144, len(data), file_type))
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

    def test_upload_checks_both_checksums(self):
        data = bytes(range(256)) * 40
        good, headers = upload_body(data)
        self.assertEqual(self.cam.exchange("POST", "/System/OEM/UploadFile?Action=103", good,
                                           headers)[0], 200)
        self.assertEqual(self.cam.camera["uploads"][-1]["name"], "tone.pcm")
        bad_head, headers = upload_body(data, bad_md5=True)
        self.assertEqual(self.cam.exchange("POST", "/System/OEM/UploadFile?Action=103",
                                           bad_head, headers)[0], 400)
        _, wrong_sum = upload_body(data[:-1])
        self.assertEqual(self.cam.exchange("POST", "/System/OEM/UploadFile?Action=103", good,
                                           wrong_sum)[0], 400)


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

    def test_silent_camera_never_answers(self):
        cam = Camera(http_silent=True)
        try:
            with self.assertRaises(socket.timeout):
                cam.exchange("GET", http.PROPERTY_PATH, block_head(24, 1, 7), read=False)
        finally:
            cam.close()


if __name__ == "__main__":
    unittest.main()
