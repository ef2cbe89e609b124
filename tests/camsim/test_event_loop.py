"""camsim serves every camera and protocol from one event loop: many cameras add no threads,
and each connection reaches the camera whose address it came to."""
import json
import os
import socket
import tempfile
import threading
import unittest

import camsim
from simcore.config import _with_defaults
from simcore.journal import Journal
from simcore.simulator import Simulator

CAMERAS = 100
HTTP_PORT = 8062
RTSP_PORT = 8563


class OneLoopTest(unittest.TestCase):
    def test_many_cameras_share_one_thread_and_each_hears_its_own_traffic(self):
        addresses = [f"127.0.2.{host}" for host in range(1, CAMERAS + 1)]
        cameras = [_with_defaults({"id": f"C{index}", "ip": address, "http_port": HTTP_PORT,
                                   "rtsp_port": RTSP_PORT}, index)
                   for index, address in enumerate(addresses)]
        with tempfile.TemporaryDirectory() as folder:
            journal_path = os.path.join(folder, "journal.jsonl")
            simulator = Simulator({"cameras": cameras}, Journal(journal_path))
            threads_before = threading.active_count()
            simulator.start_in_thread(camsim.SERVICES)
            try:
                self.assertEqual(threading.active_count(), threads_before + 1)
                for address in addresses:
                    with socket.create_connection((address, HTTP_PORT), timeout=5) as client:
                        client.sendall(f"GET /{address} HTTP/1.1\r\n\r\n".encode())
                        self.assertTrue(client.recv(100).startswith(b"HTTP/1.1 401"))
            finally:
                simulator.stop()
            with open(journal_path, encoding="utf-8") as journal:
                heard = {entry["camera"]: entry["target"] for entry in map(json.loads, journal)}
        self.assertEqual(heard, {f"C{index}": f"/{address}"
                                 for index, address in enumerate(addresses)})


if __name__ == "__main__":
    unittest.main()
