"""Alarm notification on port 9267: the camera pushes 16-byte alarm messages (u32 type,
i64 seconds since 1970, u32 reserved; little-endian) and reads the client's keep-alives
(16 zero bytes).

Camera keys (all optional):
    "alarm_events": [{"type": 512, "time": 1700000000, "reserved": 0, "delay": 0.0}, ...]
        pushed in order on every connection, each after its delay in seconds
    "alarm_repeat_every": seconds   push the list again and again with this pause
    "alarm_answer_keepalive": true  answer every keep-alive with a type-0 message
Fault knobs in camera["faults"]:
    "alarm_split": {"index": i, "pause": seconds}  on the first connection only, message i
        leaves in two pieces with this pause between them
    "alarm_close_after_events": true  hang up once the events are out
Journal entries (protocol "alarm"): event "connect" (with its connection number), "keepalive",
"message" (any other 16 bytes, as hex), "closed".
"""
import asyncio
import struct

from simcore.tcp_service import listen, receive_exact

PORT = 9267
MESSAGE_SIZE = 16
# Where a split message is cut: inside the time field, so neither piece looks whole.
SPLIT_AT = 7


async def start(simulator):
    counters = {}

    async def serve(reader, writer, camera):
        counters[camera["id"]] = counters.get(camera["id"], 0) + 1
        await _serve(simulator, reader, writer, camera, counters[camera["id"]])

    await listen(simulator, simulator.cameras, lambda camera: PORT, serve)


def pack_event(event):
    return struct.pack("<IqI", int(event.get("type", 0)), int(event.get("time", 0)),
                       int(event.get("reserved", 0)))


async def _serve(simulator, reader, writer, camera, number):
    journal = simulator.journal
    journal.record(camera["id"], "alarm", event="connect", connection=number)
    keepalives = asyncio.ensure_future(_read_keepalives(simulator, reader, writer, camera))
    try:
        pusher = asyncio.ensure_future(_push_until_gone(writer, camera, number))
        try:
            # The pusher ends first unless the client leaves while it still has events.
            await asyncio.wait([pusher, keepalives], return_when=asyncio.FIRST_COMPLETED)
        finally:
            pusher.cancel()
        if not camera["faults"].get("alarm_close_after_events"):
            await keepalives
    finally:
        keepalives.cancel()
        journal.record(camera["id"], "alarm", event="closed", connection=number)


async def _push_until_gone(writer, camera, number):
    try:
        await _push_events(writer, camera, number)
    except ConnectionError:
        pass  # the client left; the keep-alive reader sees it too


async def _push_events(writer, camera, number):
    events = camera.get("alarm_events", [])
    split = camera["faults"].get("alarm_split") if number == 1 else None
    repeat = camera.get("alarm_repeat_every")
    while True:
        for index, event in enumerate(events):
            await asyncio.sleep(float(event.get("delay", 0)))
            message = pack_event(event)
            if split and split.get("index") == index:
                writer.write(message[:SPLIT_AT])
                await writer.drain()
                await asyncio.sleep(float(split.get("pause", 0.1)))
                message = message[SPLIT_AT:]
            writer.write(message)
            await writer.drain()
        if repeat is None:
            return
        await asyncio.sleep(float(repeat))


async def _read_keepalives(simulator, reader, writer, camera):
    while True:
        message = await receive_exact(reader, MESSAGE_SIZE)
        if not message:
            return
        if message == bytes(MESSAGE_SIZE):
            simulator.journal.record(camera["id"], "alarm", event="keepalive")
            if camera.get("alarm_answer_keepalive"):
                writer.write(bytes(MESSAGE_SIZE))
        else:
            simulator.journal.record(camera["id"], "alarm", event="message", data=message.hex())
