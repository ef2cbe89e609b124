"""Firmware upgrade on port 8001: the client sends a 16-byte head (magic "KTVQ", command
0x1001, 0, file length; big-endian) and the file; the camera answers with 16-byte progress
messages (magic, 0x1002, percent, 0).

Camera keys (all optional):
    "upgrade_progress": [50, 100]  the progress script; an entry may also be a dict
        {"percent": 30, "code": 0x1002, "magic": "KTVQ", "split": seconds, "delay": seconds}
        where "split" sends the message in two pieces with that pause between them
Fault knobs in camera["faults"]:
    "upgrade_close_early": true   close right after the file arrived, without progress
Journal entries (protocol "upgrade"): event "head" (head as hex, magic_ok, command, length),
"file" (received bytes, sha256 of them, complete), "progress" (percent sent), "closed".
"""
import hashlib
import struct
import time

from simcore.tcp_service import hold_until_closed, listen, receive_exact

PORT = 8001
MAGIC = b"KTVQ"
UPGRADE_COMMAND = 0x1001
PROGRESS_CODE = 0x1002
# Refuse a head that announces more than any camera's flash could hold.
LARGEST_FILE = 256 * 1024 * 1024
READ_CHUNK = 65536


def start(simulator):
    for camera in simulator.cameras:
        listen(simulator, camera, PORT, lambda connection, cam: _serve(simulator, connection, cam))


def _serve(simulator, connection, camera):
    journal = simulator.journal
    try:
        head = receive_exact(connection, 16, simulator)
        if len(head) < 16:
            return
        command, _, length = struct.unpack(">III", head[4:16])
        magic_ok = head[:4] == MAGIC
        journal.record(camera["id"], "upgrade", event="head", head=head.hex(), magic_ok=magic_ok,
                       command=command, length=length)
        if not magic_ok or command != UPGRADE_COMMAND or length > LARGEST_FILE:
            return
        received, digest = _receive_file(connection, length, simulator)
        journal.record(camera["id"], "upgrade", event="file", received=received,
                       sha256=digest, complete=received == length)
        if received < length or camera["faults"].get("upgrade_close_early"):
            return
        _send_progress(simulator, connection, camera)
        hold_until_closed(connection, simulator)
    finally:
        journal.record(camera["id"], "upgrade", event="closed")


def _receive_file(connection, length, simulator):
    digest = hashlib.sha256()
    received = 0
    while received < length and not simulator.stopping.is_set():
        piece = receive_exact(connection, min(READ_CHUNK, length - received), simulator)
        if not piece:
            break
        digest.update(piece)
        received += len(piece)
    return received, digest.hexdigest()


def _send_progress(simulator, connection, camera):
    for entry in camera.get("upgrade_progress", [50, 100]):
        step = entry if isinstance(entry, dict) else {"percent": entry}
        if simulator.stopping.wait(float(step.get("delay", 0))):
            return
        message = (str(step.get("magic", "KTVQ")).encode("latin-1")[:4].ljust(4, b"\0") +
                   struct.pack(">III", int(step.get("code", PROGRESS_CODE)),
                               int(step["percent"]), 0))
        if "split" in step:
            connection.sendall(message[:6])
            time.sleep(float(step["split"]))
            message = message[6:]
        connection.sendall(message)
        simulator.journal.record(camera["id"], "upgrade", event="progress", percent=step["percent"])
