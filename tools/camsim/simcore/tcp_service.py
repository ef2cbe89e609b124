"""TCP listeners shared by the camera services: one listener per camera and port, one
thread per accepted connection."""
import socket
import threading

# How often blocked accepts and reads look at the simulator's stop signal, in seconds.
STOP_POLL_SECONDS = 0.2


def listen(simulator, camera, port, handle_connection):
    """Listens on the camera's own address and starts a daemon thread that runs
    handle_connection(connection, camera) on a thread of its own per client."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((camera["ip"], port))
    listener.listen(64)
    listener.settimeout(STOP_POLL_SECONDS)
    threading.Thread(target=_accept_loop, args=(simulator, camera, listener, handle_connection),
                     daemon=True).start()


def _accept_loop(simulator, camera, listener, handle_connection):
    with listener:
        while not simulator.stopping.is_set():
            try:
                connection, _ = listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            connection.settimeout(None)
            threading.Thread(target=_serve_one, args=(connection, camera, handle_connection),
                             daemon=True).start()


def _serve_one(connection, camera, handle_connection):
    with connection:
        try:
            handle_connection(connection, camera)
        except (ConnectionError, socket.timeout, OSError):
            pass  # the client went away; nothing to answer


def receive_exact(connection, count, simulator=None):
    """Reads exactly count bytes; returns fewer only when the peer closed (or the simulator
    stops)."""
    data = bytearray()
    while len(data) < count:
        if simulator is not None and simulator.stopping.is_set():
            break
        try:
            piece = connection.recv(count - len(data))
        except socket.timeout:
            continue
        if not piece:
            break
        data += piece
    return bytes(data)


def hold_until_closed(connection, simulator):
    """Keeps a connection open, reading and dropping whatever comes, until the peer closes
    or the simulator stops."""
    connection.settimeout(STOP_POLL_SECONDS)
    while not simulator.stopping.is_set():
        try:
            if not connection.recv(65536):
                return
        except socket.timeout:
            continue
