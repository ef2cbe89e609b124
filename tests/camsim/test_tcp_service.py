"""The connection layer every camsim service shares: a client that leaves ends the
connection's handler, however it leaves."""
import asyncio
import socket
import struct
import threading
import unittest

from simcore import tcp_service

PORT = 8571
ADDRESS = "127.0.5.1"


class _NoSimulator:
    def __init__(self):
        self.servers = []

    def close_at_end(self, server):
        self.servers.append(server)


class ClientLeavesTest(unittest.TestCase):
    """A sender that never reads (a live stream) must still see its client go, also when the
    client first closes its side and then resets the connection with packets unread, as a
    player stopping a stream does."""

    def setUp(self):
        self.loop = asyncio.new_event_loop()
        self.saw_end_of_input = threading.Event()
        self.handler_ended = threading.Event()
        self.simulator = _NoSimulator()
        ready = threading.Event()

        async def serve():
            await tcp_service.listen(self.simulator, [{"ip": ADDRESS}], lambda camera: PORT,
                                     self.send_until_gone)
            ready.set()

        self.thread = threading.Thread(target=self.loop.run_forever, daemon=True)
        self.thread.start()
        asyncio.run_coroutine_threadsafe(serve(), self.loop)
        self.assertTrue(ready.wait(5))

    def tearDown(self):
        for server in self.simulator.servers:
            self.loop.call_soon_threadsafe(server.close)
        self.loop.call_soon_threadsafe(self.loop.stop)
        self.thread.join(5)
        self.loop.close()

    async def send_until_gone(self, reader, writer, camera):
        try:
            while True:
                writer.write(b"\x00" * 4096)
                await writer.drain()
                if reader.at_eof():
                    self.saw_end_of_input.set()
                await asyncio.sleep(0.005)
        finally:
            self.handler_ended.set()

    def test_a_close_then_a_reset_ends_the_sender(self):
        client = socket.create_connection((ADDRESS, PORT), timeout=5)
        client.recv(100)
        client.shutdown(socket.SHUT_WR)
        self.assertTrue(self.saw_end_of_input.wait(5))
        client.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        client.close()
        self.assertTrue(self.handler_ended.wait(5), "the sender never saw its client go")


if __name__ == "__main__":
    unittest.main()
