"""Intercom (port 9265) and OSD refresh (port 9266): the client sends bytes that the camera
only takes in; the camera answers nothing.

Fault knobs in camera["faults"]:
    "sink_close_on_accept": true   close every connection at once (a camera gone away)
Journal entries (protocols "intercom" and "osd_refresh"): event "connect"; event "eof" with
every byte of the connection as hex once the client closed.
"""
from simcore.tcp_service import READ_CHUNK, listen

PORTS = {"intercom": 9265, "osd_refresh": 9266}


async def start(simulator):
    for protocol, port in PORTS.items():
        async def serve(reader, writer, camera, protocol=protocol):
            await _serve(simulator, reader, camera, protocol)

        await listen(simulator, simulator.cameras, lambda camera, port=port: port, serve)


async def _serve(simulator, reader, camera, protocol):
    simulator.journal.record(camera["id"], protocol, event="connect")
    if camera["faults"].get("sink_close_on_accept"):
        return
    received = bytearray()
    while True:
        piece = await reader.read(READ_CHUNK)
        if not piece:
            simulator.journal.record(camera["id"], protocol, event="eof", data=received.hex())
            return
        received += piece
