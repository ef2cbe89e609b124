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
import asyncio
import hashlib
import struct

from simcore.tcp_service import READ_CHUNK, hold_until_closed, listen, receive_exact

PORT = 8001
MAGIC = b"KTVQ"
UPGRADE_COMMAND = 0x1001
PROGRESS_CODE = 0x1002
# Refuse a head that announces more than any camera's flash could hold.
LARGEST_FILE = 256 * 1024 * 1024


async def start(simulator):
    async def serve(reader, writer, camera):
        await _serve(simulator, reader, writer, camera)

    await listen(simulator, simulator.cameras, lambda camera: PORT, serve)


async def _serve(simulator, reader, writer, camera):
    journal = simulator.journal
    try:
        head = await receive_exact(reader, 16)
        if len(head) < 16:
            return
        command, _, length = struct.unpack(">III", head[4:16])
        magic_ok = head[:4] == MAGIC
        journal.record(camera["id"], "upgrade", event="head", head=head.hex(), magic_ok=magic_ok,
                       command=command, length=length)
        if not magic_ok or command != UPGRADE_COMMAND or length > LARGEST_FILE:
            return
        received, digest = await _receive_file(reader, length)
        journal.record(camera["id"], "upgrade", event="file", received=received,
                       sha256=digest, complete=received == length)
        if received < length or camera["faults"].get("upgrade_close_early"):
            return
        await _send_progress(simulator, writer, camera)
        await hold_until_closed(reader)
    finally:
        journal.record(camera["id"], "upgrade", event="closed")


async def _receive_file(reader, length):
    digest = hashlib.sha256()
    received = 0
    while received < length:
        piece = await reader.read(min(READ_CHUNK, length - received))
        if not piece:
            break
        digest.update(piece)
        received += len(piece)
    return received, digest.hexdigest()


async def _send_progress(simulator, writer, camera):
    for entry in camera.get("upgrade_progress", [50, 100]):
        step = entry if isinstance(entry, dict) else {"percent": entry}
        await asyncio.sleep(float(step.get("delay", 0)))
        message = (str(step.get("magic", "KTVQ")).encode("latin-1")[:4].ljust(4, b"\0") +
                   struct.pack(">III", int(step.get("code", PROGRESS_CODE)),
                               int(step["percent"]), 0))
        if "split" in step:
            writer.write(message[:6])
            await writer.drain()
            await asyncio.sleep(float(step["split"]))
            message = message[6:]
        writer.write(message)
        await writer.drain()
        simulator.journal.record(camera["id"], "upgrade", event="progress", percent=step["percent"])
