"""TCP listeners shared by the camera services, on the simulator's event loop.

Cameras on a network share one wildcard listener per port and are told apart by the
address each connection came to, so thousands of cameras need a handful of sockets.
Cameras on loopback get a listener on their own address instead: test processes on one
host share the loopback ports, each with its own block of addresses.

A client that closes its socket with data still unread (a video client leaving mid-stream)
resets the connection right behind its last request. asyncio ends such a connection at the
first failed write, even when that write runs before the waiting request is read, so a
camera busy sending would lose the request (an RTSP TEARDOWN) at random. The handlers get
what arrived before the reset, then the end of the stream, as a camera's TCP stack would
hand them.
"""
import asyncio
import ipaddress
import socket

# Pending connections a listener holds: a batch run may log in to a thousand cameras at once.
BACKLOG = 4096
WILDCARD = "0.0.0.0"
READ_CHUNK = 65536


async def listen(simulator, cameras, port_of, handle_connection, on_refused=None):
    """Serves port_of(camera) of every camera: runs handle_connection(reader, writer, camera)
    as a task per client. Connections to an address that is no camera's are closed.
    A port this process may not take raises PermissionError, or goes to
    on_refused(port, error) and the other ports are still served."""
    by_port = {}
    for camera in cameras:
        by_port.setdefault(int(port_of(camera)), {})[camera["ip"]] = camera
    for port, cameras_at in by_port.items():
        try:
            for address in _listening_addresses(cameras_at):
                server = await asyncio.get_running_loop().create_server(
                    lambda at=cameras_at: _ResetReadingProtocol(
                        lambda reader, writer: _serve_one(reader, writer, at,
                                                          handle_connection)),
                    host=address, port=port, reuse_address=True, backlog=BACKLOG,
                    family=socket.AF_INET)
                simulator.close_at_end(server)
        except PermissionError as error:
            if on_refused is None:
                raise
            on_refused(port, error)


class _ResetReadingProtocol(asyncio.StreamReaderProtocol):
    """A stream protocol whose reader, when the peer resets the connection, still gets the
    bytes the peer sent before the reset and then the end of the stream. The socket stays
    open until connection_lost has returned: what it still holds is read there."""

    def __init__(self, client_connected):
        self._reader = asyncio.StreamReader()
        super().__init__(self._reader, client_connected)
        self._socket = None
        self._peer_closed = False

    def connection_made(self, transport):
        self._socket = transport.get_extra_info("socket")
        super().connection_made(transport)

    def eof_received(self):
        self._peer_closed = True
        return super().eof_received()

    def connection_lost(self, exc):
        if isinstance(exc, ConnectionError):
            # A peer that closed its side first has nothing left to read: its reset only
            # answers what the camera sent after.
            if not self._peer_closed:
                self._reader.feed_data(_unread_bytes(self._socket))
            exc = None
        super().connection_lost(exc)


def _unread_bytes(transport_socket):
    """What the kernel still holds for a socket that was reset; a reset socket gets nothing
    new, so this ends."""
    received = bytearray()
    with transport_socket.dup() as own:
        while True:
            try:
                piece = own.recv(READ_CHUNK, socket.MSG_DONTWAIT)
            except OSError:
                break
            if not piece:
                break
            received += piece
    return bytes(received)


def _listening_addresses(cameras_at):
    if any(ipaddress.ip_address(address).is_loopback for address in cameras_at):
        return list(cameras_at)
    return [WILDCARD]


async def _serve_one(reader, writer, cameras_at, handle_connection):
    camera = cameras_at.get(writer.get_extra_info("sockname")[0])
    try:
        if camera is not None:
            await handle_connection(reader, writer, camera)
    except (ConnectionError, OSError, asyncio.IncompleteReadError):
        pass  # the client went away; nothing to answer
    except asyncio.CancelledError:
        pass  # the run ends; the connection task is the outermost frame, nobody awaits it
    finally:
        writer.close()


async def hold_until_closed(reader):
    """Keeps a connection open, reading and dropping whatever comes, until the peer closes."""
    while await reader.read(READ_CHUNK):
        pass


async def receive_exact(reader, count):
    """Reads exactly count bytes; returns fewer only when the peer closed."""
    try:
        return await reader.readexactly(count)
    except asyncio.IncompleteReadError as error:
        return error.partial
