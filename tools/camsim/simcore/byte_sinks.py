"""Intercom (port 9265) and OSD refresh (port 9266): the client sends bytes that the camera
only takes in; the camera answers nothing.

Fault knobs in camera["faults"]:
    "sink_close_on_accept": true   close every connection at once (a camera gone away)
Journal entries (protocols "intercom" and "osd_refresh"): event "connect"; event "eof" with
every byte of the connection as hex once the client closed.
"""
import socket

from simcore.tcp_service import STOP_POLL_SECONDS, listen

PORTS = {"intercom": 9265, "osd_refresh": 9266}


def start(simulator):
    for protocol, port in PORTS.items():
        for camera in simulator.cameras:
            listen(simulator, camera, port,
                   lambda connection, cam, name=protocol: _serve(simulator, connection, cam, name))


def _serve(simulator, connection, camera, protocol):
    simulator.journal.record(camera["id"], protocol, event="connect")
    if camera["faults"].get("sink_close_on_accept"):
        return
    received = bytearray()
    connection.settimeout(STOP_POLL_SECONDS)
    while not simulator.stopping.is_set():
        try:
            piece = connection.recv(65536)
        except socket.timeout:
            continue
        if not piece:
            simulator.journal.record(camera["id"], protocol, event="eof", data=received.hex())
            return
        received += piece
