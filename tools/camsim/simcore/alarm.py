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
import socket
import struct
import threading

from simcore.tcp_service import STOP_POLL_SECONDS, listen, receive_exact

PORT = 9267
MESSAGE_SIZE = 16
# Where a split message is cut: inside the time field, so neither piece looks whole.
SPLIT_AT = 7


def start(simulator):
    counters = {}
    counters_lock = threading.Lock()

    def serve(connection, camera):
        with counters_lock:
            counters[camera["id"]] = counters.get(camera["id"], 0) + 1
            number = counters[camera["id"]]
        _serve(simulator, connection, camera, number)

    for camera in simulator.cameras:
        listen(simulator, camera, PORT, serve)


def pack_event(event):
    return struct.pack("<IqI", int(event.get("type", 0)), int(event.get("time", 0)),
                       int(event.get("reserved", 0)))


def _serve(simulator, connection, camera, number):
    journal = simulator.journal
    journal.record(camera["id"], "alarm", event="connect", connection=number)
    closed = threading.Event()
    send_lock = threading.Lock()  # the pusher and the keep-alive answers share the socket
    reader = threading.Thread(target=_read_keepalives,
                              args=(simulator, connection, camera, closed, send_lock), daemon=True)
    reader.start()
    try:
        _push_events(simulator, connection, camera, number, closed, send_lock)
        if not camera["faults"].get("alarm_close_after_events"):
            closed.wait()
    finally:
        closed.set()
        reader.join()
        journal.record(camera["id"], "alarm", event="closed", connection=number)


def _push_events(simulator, connection, camera, number, closed, send_lock):
    events = camera.get("alarm_events", [])
    split = camera["faults"].get("alarm_split") if number == 1 else None
    repeat = camera.get("alarm_repeat_every")
    while True:
        for index, event in enumerate(events):
            if closed.wait(float(event.get("delay", 0))) or simulator.stopping.is_set():
                return
            message = pack_event(event)
            try:
                if split and split.get("index") == index:
                    with send_lock:
                        connection.sendall(message[:SPLIT_AT])
                    if closed.wait(float(split.get("pause", 0.1))):
                        return
                    message = message[SPLIT_AT:]
                with send_lock:
                    connection.sendall(message)
            except OSError:
                return
        if repeat is None or closed.wait(float(repeat)):
            return


def _read_keepalives(simulator, connection, camera, closed, send_lock):
    connection.settimeout(STOP_POLL_SECONDS)
    try:
        while not closed.is_set() and not simulator.stopping.is_set():
            try:
                first = connection.recv(MESSAGE_SIZE)
            except socket.timeout:
                continue
            if not first:
                return
            message = first + receive_exact(connection, MESSAGE_SIZE - len(first), simulator)
            if message == bytes(MESSAGE_SIZE):
                simulator.journal.record(camera["id"], "alarm", event="keepalive")
                if camera.get("alarm_answer_keepalive"):
                    with send_lock:
                        connection.sendall(bytes(MESSAGE_SIZE))
            else:
                simulator.journal.record(camera["id"], "alarm", event="message", data=message.hex())
    except OSError:
        pass
    finally:
        closed.set()
